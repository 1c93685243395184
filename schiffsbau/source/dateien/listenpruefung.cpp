#include "listenpruefung.h"

#include "schiffsdatei.h"

#include "csvtabelle.h"
#include "diverse.h"
#include "kategorien.h"
#include "komponente.h"
#include "komponentenbibliothek.h"
#include "platzhalter.h"
#include "schiffswerte.h"

#include <QByteArrayView>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QVariant>

#include <algorithm>
#include <cmath>
#include <memory>

namespace {

const QChar trenner(QLatin1Char(';'));

// A text as a finding quotes it: without blanks around it, cut to a
// readable length, in German quotation marks.
QString zitat(const QString &text)
{
    QString t = text.trimmed();
    if (t.size() > 40)
        t = t.left(39) + QChar(0x2026);
    return QStringLiteral("„") + t + QStringLiteral("“");
}

// "„a“, „b“ und „c“"
QString aufzaehlung(const QStringList &teile)
{
    if (teile.size() <= 1)
        return teile.value(0);
    return QStringList(teile.mid(0, teile.size() - 1)).join(QStringLiteral(", "))
           + QStringLiteral(" und ") + teile.last();
}

QString felderText(qsizetype n)
{
    return n == 1 ? QStringLiteral("1 Feld") : QStringLiteral("%1 Felder").arg(n);
}

bool istLeer(const QStringList &felder)
{
    return felder.size() == 1 && felder.first().trimmed().isEmpty();
}

bool istGanzzahlTyp(int typ)
{
    return typ == QMetaType::Int || typ == QMetaType::UInt || typ == QMetaType::LongLong
           || typ == QMetaType::ULongLong;
}

bool istDezimalTyp(int typ)
{
    return typ == QMetaType::Float || typ == QMetaType::Double;
}

// A value as the program holds it, in plain decimal.
QString alsText(const QVariant &wert)
{
    if (istDezimalTyp(wert.typeId()))
        return QString::number(wert.toDouble(), 'g', 6);
    return wert.toString();
}

bool hatNichtAscii(QStringView text)
{
    return std::any_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() >= 0x80; });
}

// Reads as the kind reads it: an integer or a finite decimal number
// (`text` without blanks around it).
bool liestSich(const QString &text, int typ)
{
    bool ok = false;
    if (istGanzzahlTyp(typ)) {
        text.toInt(&ok, 10);
        return ok;
    }
    const float wert = text.toFloat(&ok);
    return ok && std::isfinite(wert);
}

// Why a number field does not read as the number that was written.
QString grundUnlesbar(const QString &text, bool ganz)
{
    static const QRegularExpression tausender(QStringLiteral("^[+-]?\\d{1,3}(\\.\\d{3})+$"));
    static const QRegularExpression ziffern(QStringLiteral("^[+-]?\\d+$"));
    bool ok = false;
    const double wert = text.toDouble(&ok);
    const bool zahl = ok && std::isfinite(wert);
    if (ganz) {
        if (tausender.match(text).hasMatch())
            return QStringLiteral("ist keine ganze Zahl (ohne Tausenderpunkt schreiben)");
        if (ziffern.match(text).hasMatch())
            return QStringLiteral("liegt außerhalb des Zahlenbereichs (-2147483648 bis 2147483647)");
        if (zahl || text.contains(QLatin1Char(',')))
            return QStringLiteral("ist keine ganze Zahl");
        return QStringLiteral("ist keine Zahl");
    }
    if (zahl)
        return QStringLiteral("liegt außerhalb des Zahlenbereichs");
    if (text.contains(QLatin1Char(','))) {
        QString punkt = text;
        punkt.replace(QLatin1Char(','), QLatin1Char('.'));
        punkt.toDouble(&ok);
        if (ok)
            return QStringLiteral("ist keine Zahl (Dezimalpunkt verwenden)");
    }
    return QStringLiteral("ist keine Zahl");
}

QString platzhalter(int nummer)
{
    return QLatin1Char('%') + QString::number(nummer);
}

} // namespace

ListenPruefung::ListenPruefung(const QString &ordner)
    : m_ordner(ordner)
{
    m_namen.resize(Kategorien::Anzahl);
    // The built-in rooms and fittings, as the library adds them.
    for (int typNummer : Diverse::erzeugungsReihenfolge()) {
        Diverse d;
        d.setzeTyp(typNummer);
        d.leseZeile(QStringList());
        if (Kategorien::gueltig(d.typ()))
            m_namen[d.typ()].insert(d.name(), Fundort());
    }
}

QList<ListenBefund> ListenPruefung::fuehreAus()
{
    pruefeListen();
    pruefeVorlage();
    pruefeBasisliste();
    std::stable_sort(m_befunde.begin(), m_befunde.end(),
                     [](const ListenBefund &a, const ListenBefund &b) {
                         const int c = QString::compare(a.datei, b.datei);
                         return c != 0 ? c < 0 : a.zeile < b.zeile;
                     });
    return m_befunde;
}

void ListenPruefung::befund(const QString &datei, int zeile, const QString &text)
{
    m_befunde.append(ListenBefund{datei, zeile, text});
}

ListenPruefung::Art ListenPruefung::artVon(int kat) const
{
    Art art;
    art.kat = kat;
    const std::unique_ptr<Komponente> k(m_bibliothek.neu(kat));
    if (!k)
        return art;
    art.spalten = k->spaltenAnzahl();
    for (int i = 0; i < art.spalten; ++i) {
        art.titel.append(k->spaltenTitel(i));
        art.typen.append(k->spaltenWert(i).typeId());
        if (art.titel.last() == QLatin1String("GSTPV") && istGanzzahlTyp(art.typen.last()))
            art.volumenSpalte = i;
    }
    return art;
}

// ------------------------------------------------------------ list files

void ListenPruefung::pruefeListen()
{
    const QDir listen(m_ordner.filePath(QStringLiteral("listen")));
    if (!listen.exists()) {
        befund(listen.path(), 0,
               QStringLiteral("Der Ordner „listen“ fehlt; es werden keine Komponenten aus Listen geladen"));
        return;
    }
    QSet<QString> zugeordnet;
    CsvTabelle tabelle;
    for (int kat = 0; kat < Kategorien::Anzahl; ++kat) {
        if (Kategorien::eingebaut(kat))
            continue;
        const QString muster = Kategorien::dateiMuster(kat);
        const Art art = artVon(kat);
        // The same listing as the library's, so that "later" means the same.
        const QStringList dateien = listen.entryList(QStringList(muster), QDir::Files, QDir::Unsorted);
        for (const QString &datei : dateien) {
            zugeordnet.insert(datei);
            pruefeListe(listen.filePath(datei), art, tabelle);
        }
    }
    const QStringList alle = listen.entryList(QDir::Files, QDir::Name);
    for (const QString &datei : alle) {
        if (!zugeordnet.contains(datei)) {
            befund(listen.filePath(datei), 0,
                   QStringLiteral("Der Dateiname passt zu keiner Komponentenart (wie „reaktoren*.csv“); "
                                  "die Datei wird nicht gelesen"));
        }
    }
}

void ListenPruefung::pruefeListe(const QString &pfad, const Art &art, CsvTabelle &tabelle)
{
    if (!tabelle.lese(pfad, trenner)) {
        befund(pfad, 0, QStringLiteral("Die Datei lässt sich nicht öffnen; sie wird nicht gelesen"));
        return;
    }
    const int zeilen = tabelle.zeilen();
    if (zeilen == 0) {
        befund(pfad, 0, QStringLiteral("Die Datei ist leer; sie liefert keine Komponenten"));
        return;
    }
    pruefeKodierung(pfad, tabelle);
    pruefeKopfzeile(pfad, tabelle.zeile(0), art);
    bool daten = false;
    for (int z = 1; z < zeilen; ++z)
        daten = pruefeZeile(pfad, z + 1, tabelle.zeile(z), art) || daten;
    if (!daten) {
        befund(pfad, 0, QStringLiteral("Die Datei enthält nur die Kopfzeile; sie liefert keine Komponenten"));
    }
}

// Latin-1 is the only encoding the lists are read in. A row whose bytes
// beyond ASCII form valid UTF-8 was written as UTF-8 (a Latin-1 umlaut
// followed by plain text never is): its umlauts read as two characters.
void ListenPruefung::pruefeKodierung(const QString &pfad, const CsvTabelle &tabelle)
{
    QList<int> utf8Zeilen;
    bool latin1 = false;
    for (int z = 1; z < tabelle.zeilen(); ++z) {
        // The separator is ASCII: a row is valid UTF-8 when each field is.
        bool nichtAscii = false;
        bool gueltig = true;
        for (const QString &feld : tabelle.zeile(z)) {
            if (!hatNichtAscii(feld))
                continue;
            nichtAscii = true;
            gueltig = gueltig && QByteArrayView(feld.toLatin1()).isValidUtf8();
        }
        if (nichtAscii && gueltig)
            utf8Zeilen.append(z);
        else if (nichtAscii)
            latin1 = true;
    }
    const auto beispiel = [&tabelle](int z) {
        for (const QString &feld : tabelle.zeile(z)) {
            if (hatNichtAscii(feld))
                return QStringLiteral("%1 als %2").arg(zitat(QString::fromUtf8(feld.toLatin1())), zitat(feld));
        }
        return QString();
    };
    if (utf8Zeilen.isEmpty())
        return;
    if (!latin1) {
        befund(pfad, 0,
               QStringLiteral("Die Datei ist in UTF-8 gespeichert, nicht in Latin-1: ab Zeile %1 wird %2 "
                              "gelesen; die Datei als Latin-1 (ISO-8859-1) speichern")
                   .arg(QString::number(utf8Zeilen.first() + 1), beispiel(utf8Zeilen.first())));
        return;
    }
    for (int z : utf8Zeilen) {
        befund(pfad, z + 1,
               QStringLiteral("Die Zeile ist in UTF-8 geschrieben, die übrige Datei in Latin-1: %1 wird "
                              "gelesen; die Zeile in Latin-1 schreiben")
                   .arg(beispiel(z)));
    }
}

// Row 1 is always skipped as the header line; a component written there is
// lost.
void ListenPruefung::pruefeKopfzeile(const QString &pfad, const QStringList &felder, const Art &art)
{
    if (felder.size() < art.spalten || felder.first().trimmed().isEmpty())
        return;
    bool zahlenLesbar = false;
    for (int i = 0; i < art.spalten; ++i) {
        const int typ = art.typen.at(i);
        if (!istGanzzahlTyp(typ) && !istDezimalTyp(typ))
            continue;
        if (!liestSich(felder.at(i).trimmed(), typ))
            return;
        zahlenLesbar = true;
    }
    if (zahlenLesbar) {
        befund(pfad, 1,
               QStringLiteral("Die erste Zeile sieht aus wie eine Komponente (%1), gilt aber als Kopfzeile "
                              "und wird übersprungen; eine Kopfzeile mit den Spaltentiteln voranstellen")
                   .arg(zitat(felder.first())));
    }
}

// Checks one data row; false for a blank line, which the library drops
// without loss.
bool ListenPruefung::pruefeZeile(const QString &pfad, int zeile, const QStringList &felder, const Art &art)
{
    if (istLeer(felder))
        return false;
    const std::unique_ptr<Komponente> k(m_bibliothek.neu(art.kat));
    const bool geladen = k->leseZeile(felder);
    const int n = int(felder.size());

    if (n < art.spalten) {
        QStringList fehlend;
        for (int i = n; i < art.spalten; ++i)
            fehlend.append(zitat(art.titel.at(i)));
        befund(pfad, zeile,
               QStringLiteral("Die Zeile hat %1, gebraucht werden %2 (%3 %4); %5")
                   .arg(felderText(n), QString::number(art.spalten),
                        fehlend.size() == 1 ? QStringLiteral("es fehlt") : QStringLiteral("es fehlen"),
                        fehlend.size() > 3 ? fehlend.first() + QStringLiteral(" bis ") + fehlend.last()
                                           : aufzaehlung(fehlend),
                        geladen ? QStringLiteral("die fehlenden Werte bleiben leer")
                                : QStringLiteral("sie wird nicht geladen")));
        if (!geladen)
            return true;
    } else if (!geladen) {
        befund(pfad, zeile, QStringLiteral("Die Zeile wird nicht geladen"));
        return true;
    }

    QStringList ueberzaehlig;
    for (int i = art.spalten; i < n; ++i) {
        if (!felder.at(i).trimmed().isEmpty())
            ueberzaehlig.append(zitat(felder.at(i)));
    }
    if (!ueberzaehlig.isEmpty()) {
        befund(pfad, zeile,
               QStringLiteral("Die Zeile hat %1 Felder, die Liste nur %2 Spalten; überzählig %3 %4, "
                              "das wird nicht gelesen (steht ein „;“ in einem Text?)")
                   .arg(QString::number(n), QString::number(art.spalten),
                        ueberzaehlig.size() == 1 ? QStringLiteral("ist") : QStringLiteral("sind"),
                        ueberzaehlig.join(QStringLiteral(", "))));
    }

    const int lesbar = std::min(n, art.spalten);
    for (int i = 0; i < lesbar; ++i)
        pruefeZahl(pfad, zeile, felder, i, art, *k);

    // Values the rules cannot mean.
    struct Unsinn
    {
        int spalte;
        const char *was;
        const char *folge;
    };
    const Unsinn unsinn[] = {
        {4, "ein negativer Preis", "er wird so gelesen und senkt den Preis des Schiffs"},
        {5, "ein negatives Gewicht", "es wird so gelesen und senkt das Gewicht des Schiffs"},
        {art.volumenSpalte, "ein negatives Volumen", "es wird so gelesen und gibt im Schiff Volumen frei"},
    };
    for (const Unsinn &u : unsinn) {
        if (u.spalte < 0 || u.spalte >= lesbar)
            continue;
        const QVariant wert = k->spaltenWert(u.spalte);
        if ((istGanzzahlTyp(wert.typeId()) || istDezimalTyp(wert.typeId())) && wert.toDouble() < 0) {
            befund(pfad, zeile,
                   QStringLiteral("Feld %1 (%2) %3: %4 ergibt keinen Sinn; %5")
                       .arg(QString::number(u.spalte + 1), art.titel.at(u.spalte),
                            zitat(felder.at(u.spalte)), QString::fromUtf8(u.was), QString::fromUtf8(u.folge)));
        }
    }

    const QString name = k->name();
    if (name.isEmpty()) {
        befund(pfad, zeile,
               QStringLiteral("Die Bezeichnung (Feld 1) ist leer; die Komponente erscheint ohne Namen in der Auswahl"));
        return true;
    }
    QHash<QString, Fundort> &namen = m_namen[art.kat];
    const auto frueher = namen.constFind(name);
    if (frueher == namen.constEnd()) {
        namen.insert(name, Fundort{pfad, zeile});
    } else {
        const QString ort = frueher->datei == pfad
                                ? QStringLiteral("Zeile %1").arg(frueher->zeile)
                                : QStringLiteral("%1, Zeile %2")
                                      .arg(QFileInfo(frueher->datei).fileName(), QString::number(frueher->zeile));
        befund(pfad, zeile,
               QStringLiteral("Die Bezeichnung %1 gibt es in dieser Art schon (%2); beide erscheinen in der "
                              "Auswahl, eine Suche nach dem Namen findet nur die erste")
                   .arg(zitat(name), ort));
    }
    return true;
}

void ListenPruefung::pruefeZahl(const QString &pfad, int zeile, const QStringList &felder, int spalte,
                         const Art &art, const Komponente &k)
{
    const int typ = art.typen.at(spalte);
    const bool ganz = istGanzzahlTyp(typ);
    if (!ganz && !istDezimalTyp(typ))
        return;
    const QString text = felder.at(spalte).trimmed();
    if (liestSich(text, typ))
        return;
    const QVariant gelesen = k.spaltenWert(spalte);
    if (ganz) {
        // A kind may read a decimal text whole ("3.0" as 3).
        bool ok = false;
        const double wert = text.toDouble(&ok);
        if (ok && std::isfinite(wert) && wert == gelesen.toDouble())
            return;
    }
    const QString feld = QStringLiteral("Feld %1 (%2)").arg(QString::number(spalte + 1), art.titel.at(spalte));
    if (text.isEmpty()) {
        befund(pfad, zeile, QStringLiteral("%1 ist leer; gelesen wird %2").arg(feld, alsText(gelesen)));
        return;
    }
    befund(pfad, zeile,
           QStringLiteral("%1 %2 %3; gelesen wird %4")
               .arg(feld, zitat(text), grundUnlesbar(text, ganz), alsText(gelesen)));
}

// ------------------------------------------------------------- template

void ListenPruefung::pruefeVorlage()
{
    const QString pfad = m_ordner.filePath(QStringLiteral("exportvorlage.zse"));
    QFile datei(pfad);
    if (!QFileInfo(pfad).isFile() || !datei.open(QIODevice::ReadOnly | QIODevice::Text)) {
        befund(pfad, 0,
               QStringLiteral("Die Exportvorlage fehlt oder lässt sich nicht öffnen; "
                              "„exportieren ...“ bricht mit einer Meldung ab"));
        return;
    }
    const QList<QByteArray> zeilen = datei.readAll().split('\n');
    // The export fills the placeholders %1 to %60; each value goes to the
    // lowest number still present.
    const int anzahlPlatzhalter = SchiffsWerte::anzahlPlatzhalter();
    bool benutzt[100] = {};
    struct Ausserhalb
    {
        int zeile;
        int nummer;
        QString text;
    };
    QList<Ausserhalb> ausserhalb;
    for (int z = 0; z < zeilen.size(); ++z) {
        const QByteArray &bytes = zeilen.at(z);
        if (!QByteArrayView(bytes).isValidUtf8()) {
            befund(pfad, z + 1,
                   QStringLiteral("Die Zeile ist kein gültiges UTF-8 (als Latin-1 gespeichert?); ihre "
                                  "Sonderzeichen erscheinen im Export als „\uFFFD“"));
        }
        const QString text = QString::fromUtf8(bytes);
        for (const Platzhalter::Marke &m : Platzhalter::marken(text)) {
            const QString gefunden = text.mid(m.position, m.laenge);
            const qsizetype j = m.position + m.laenge;
            benutzt[m.nummer] = true;
            if (m.nummer == 0 || m.nummer > anzahlPlatzhalter) {
                ausserhalb.append(Ausserhalb{z + 1, m.nummer, gefunden});
            } else if (j < text.size() && text.at(j).digitValue() >= 0) {
                befund(pfad, z + 1,
                       QStringLiteral("Ein Platzhalter hat höchstens zwei Ziffern: ")
                           + zitat(text.mid(m.position, m.laenge + 1)) + QStringLiteral(" wird als ")
                           + zitat(gefunden) + QStringLiteral(" gelesen, gefolgt von ") + zitat(text.mid(j, 1)));
            }
        }
    }
    // The k-th value fills the k-th lowest number present.
    QList<int> vorhanden;
    for (int nummer = 0; nummer < 100; ++nummer) {
        if (benutzt[nummer])
            vorhanden.append(nummer);
    }
    for (const Ausserhalb &a : ausserhalb) {
        const int rang = int(vorhanden.indexOf(a.nummer));
        const QString folge = rang < anzahlPlatzhalter
                                  ? QStringLiteral("; er erhält den Wert, der für ") + platzhalter(rang + 1)
                                        + QStringLiteral(" gedacht ist")
                                  : QStringLiteral("; er wird nicht gefüllt und steht so im Export");
        befund(pfad, a.zeile,
               QStringLiteral("Der Platzhalter ") + zitat(a.text)
                   + QStringLiteral(" liegt außerhalb von ") + platzhalter(1) + QStringLiteral(" bis ")
                   + platzhalter(anzahlPlatzhalter) + folge);
    }
    // Unused values, one finding per run of consecutive numbers.
    for (int von = 1; von <= anzahlPlatzhalter; ++von) {
        if (benutzt[von])
            continue;
        int bis = von;
        while (bis < anzahlPlatzhalter && !benutzt[bis + 1])
            ++bis;
        const auto naechster = std::find_if(vorhanden.cbegin(), vorhanden.cend(),
                                            [bis](int nummer) { return nummer > bis; });
        QString text = von == bis ? QStringLiteral("Der Platzhalter ") + platzhalter(von)
                                        + QStringLiteral(" kommt nicht vor; ")
                                  : QStringLiteral("Die Platzhalter ") + platzhalter(von) + QStringLiteral(" bis ")
                                        + platzhalter(bis) + QStringLiteral(" kommen nicht vor; ");
        if (naechster == vorhanden.cend()) {
            text += von == bis ? QStringLiteral("sein Wert fehlt im Export")
                               : QStringLiteral("ihre Werte fehlen im Export");
        } else {
            const int rang = int(naechster - vorhanden.cbegin());
            text += QStringLiteral("darum erhalten die höheren Platzhalter falsche Werte (")
                    + platzhalter(*naechster) + QStringLiteral(" den für ") + platzhalter(rang + 1)
                    + QLatin1Char(')');
        }
        befund(pfad, 0, text);
        von = bis;
    }
}

// ------------------------------------------------------------ base list

// Where a name that was not found might be: in another built-in category,
// or in the same category in other letter case or with blanks.
QString ListenPruefung::hinweis(int kat, const QString &name) const
{
    const QString gesucht = name.trimmed();
    for (int andere : QList<int>{kat} + Kategorien::eingebaute()) {
        if (!Kategorien::gueltig(andere))
            continue;
        for (auto it = m_namen.at(andere).constBegin(); it != m_namen.at(andere).constEnd(); ++it) {
            if (it.key().compare(gesucht, Qt::CaseInsensitive) != 0)
                continue;
            if (andere == kat)
                return QStringLiteral(" (gemeint ist wohl %1)").arg(zitat(it.key()));
            return QStringLiteral(" (%1 steht in Kategorie %2)").arg(zitat(it.key()), QString::number(andere));
        }
    }
    return QString();
}

void ListenPruefung::pruefeBasisliste()
{
    const QString pfad = m_ordner.filePath(QStringLiteral("basisliste.zsb"));
    QFile datei(pfad);
    if (!QFileInfo(pfad).isFile() || !datei.open(QIODevice::ReadOnly)) {
        befund(pfad, 0,
               QStringLiteral("Die Basisliste fehlt oder lässt sich nicht öffnen; beim Start und mit "
                              "„Basisliste“ wird keine Standardausstattung geladen"));
        return;
    }
    // The loader's reading: the same lines, fields and encoding.
    const QByteArray bytes = datei.readAll();
    const SchiffsDatei::Tabelle tabelle(bytes);
    // The loader refuses a file of blanks as empty.
    const bool leer = bytes.trimmed().isEmpty();
    if (tabelle.zeilen() < 2 || leer) {
        befund(pfad, 0,
               leer ? QStringLiteral("Die Basisliste ist leer; es wird nichts geladen "
                                     "(Meldung „Fehler beim Laden“)")
                    : QStringLiteral("Die Basisliste enthält nur die Versionszeile; es wird "
                                     "nichts geladen"));
        return;
    }

    const QString abgelehnt =
        QStringLiteral("; die Basisliste wird nicht geladen (Meldung „Fehler beim Laden“)");
    const QString version = tabelle.zeile(0).value(0);
    const bool v20 = version.startsWith(QStringLiteral("2.0"));
    const bool v10 = version.startsWith(QStringLiteral("1.0"));
    if (!v20 && !v10 && !version.startsWith(QStringLiteral("1.1"))) {
        befund(pfad, 1,
               QStringLiteral("Die Versionszeile beginnt mit %1 statt mit „2.0“").arg(zitat(version))
                   + abgelehnt);
        return;
    }

    const QString nichtGefunden = QStringLiteral("; beim Laden wird sie als nicht gefunden gemeldet");
    for (int z = 1; z < tabelle.zeilen(); ++z) {
        const QStringList felder = tabelle.zeile(z);
        if (istLeer(felder))
            continue;
        qsizetype n = felder.size();
        if (n > 1 && felder.last().trimmed().isEmpty())
            --n; // the line end after the last ";"
        if (n <= 2) {
            befund(pfad, z + 1,
                   QStringLiteral("Die Zeile hat nur %1 (gebraucht: %2)")
                           .arg(felderText(n),
                                v20 ? QStringLiteral("Kategorie, Anzahl, Komponente")
                                    : QStringLiteral("Kategorie, Name, Anzahl"))
                       + abgelehnt);
            continue;
        }
        qint64 zahl = 0;
        const QString anzahl = felder.at(v20 ? 1 : 2);
        if (!SchiffsDatei::zahlFeld(felder.at(0), &zahl) || !SchiffsDatei::zahlFeld(anzahl, &zahl)) {
            befund(pfad, z + 1,
                   QStringLiteral("Kategorie %1 und Anzahl %2 müssen ganze Zahlen sein")
                           .arg(zitat(felder.at(0)), zitat(SchiffsDatei::ohneZeilenende(anzahl)))
                       + abgelehnt);
            continue;
        }
        if (v20) {
            const int kat = SchiffsDatei::feldZahl(felder.at(0));
            const QStringList spalten = felder.mid(2);
            const QString name = SchiffsDatei::ohneZeilenende(spalten.at(0));
            if (Kategorien::eingebaut(kat)) {
                if (!m_namen.at(kat).contains(name)) {
                    befund(pfad, z + 1,
                           QStringLiteral("Kategorie %1 hat keine Komponente %2")
                                   .arg(QString::number(kat), zitat(name))
                               + nichtGefunden + hinweis(kat, name));
                }
            } else if (!Kategorien::gueltig(kat)) {
                befund(pfad, z + 1,
                       QStringLiteral("Die Kategorie %1 gibt es nicht (0 bis %2); die Komponente %3 wird beim "
                                      "Laden als nicht gefunden gemeldet")
                           .arg(zitat(felder.at(0)), QString::number(Kategorien::Anzahl - 1), zitat(name)));
            } else {
                const std::unique_ptr<Komponente> k(m_bibliothek.ausFeldern(kat, spalten));
                if (!k) {
                    const std::unique_ptr<Komponente> art(m_bibliothek.neu(kat));
                    befund(pfad, z + 1,
                           QStringLiteral("Die Komponente %1 lässt sich nicht neu anlegen: Kategorie %2 braucht "
                                          "%3 Felder, die Zeile hat %4")
                                   .arg(zitat(name), QString::number(kat),
                                        QString::number(art->spaltenAnzahl()), QString::number(n - 2))
                               + abgelehnt);
                }
            }
            continue;
        }
        // Versions 1.1 and 1.0 find every component by its name.
        int kat = SchiffsDatei::feldZahl(felder.at(0));
        QString name = SchiffsDatei::ohneZeilenende(felder.at(1));
        if (v10) {
            kat = SchiffsDatei::alteKategorie(kat);
            if (name == QStringLiteral("Kabinen/Gänge/Räume"))
                name = QStringLiteral("Kabinen & Gänge");
        }
        bool gefunden = Kategorien::gueltig(kat) && m_namen.at(kat).contains(name);
        for (int eingebaut : Kategorien::eingebaute())
            gefunden = gefunden || m_namen.at(eingebaut).contains(name);
        if (!gefunden) {
            befund(pfad, z + 1,
                   QStringLiteral("Kategorie %1 hat keine Komponente %2")
                           .arg(QString::number(kat), zitat(name))
                       + nichtGefunden + hinweis(kat, name));
        }
    }
}

QList<ListenBefund> ListenPruefung::pruefe(const QString &datenordner)
{
    ListenPruefung pruefung(datenordner);
    return pruefung.fuehreAus();
}
