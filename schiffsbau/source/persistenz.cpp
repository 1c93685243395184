#include "persistenz.h"

#include "csvtabelle.h"
#include "dateidialog.h"
#include "datenordner.h"
#include "komponente.h"
#include "komponentenbibliothek.h"
#include "schiffsbogen.h"
#include "schiffsdaten.h"
#include "schiffsmodel.h"
#include "sicheredatei.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringConverter>

#include <algorithm>
#include <functional>
#include <vector>

namespace {

const QChar trenner(QLatin1Char(';'));

// A readable stand-in for a character that Latin-1 cannot hold.
QString ersatzFuer(char32_t c)
{
    switch (c) {
    case 0x2010: case 0x2011: case 0x2012: case 0x2013: case 0x2014:
    case 0x2015: case 0x2212:
        return QStringLiteral("-");
    case 0x2018: case 0x2019: case 0x201A: case 0x201B: case 0x2032:
    case 0x2039: case 0x203A:
        return QStringLiteral("'");
    case 0x201C: case 0x201D: case 0x201E: case 0x201F: case 0x2033:
        return QStringLiteral("\"");
    case 0x2026:
        return QStringLiteral("...");
    case 0x20AC:
        return QStringLiteral("EUR");
    case 0x2022: case 0x2023: case 0x2043:
        return QStringLiteral("*");
    case 0x2002: case 0x2003: case 0x2004: case 0x2005: case 0x2006:
    case 0x2007: case 0x2008: case 0x2009: case 0x200A: case 0x202F:
        return QStringLiteral(" ");
    case 0x2122:
        return QStringLiteral("(TM)");
    case 0x0152:
        return QStringLiteral("OE");
    case 0x0153:
        return QStringLiteral("oe");
    case 0x1E9E:
        return QStringLiteral("SS");
    default:
        return QStringLiteral("?");
    }
}

// Makes a text fit for one field of a ship file: ";" becomes ",", a line
// break (or a zero character, which would end the line for the reader)
// becomes a blank, and every character beyond Latin-1 is replaced by a
// readable stand-in that is noted in `ersetzt` ("€ → EUR").
QString alsFeld(const QString& text, QStringList* ersetzt)
{
    QString ergebnis;
    ergebnis.reserve(text.size());
    const QList<uint> zeichen = text.toUcs4();
    for (int i = 0; i < zeichen.size(); ++i) {
        const char32_t c = zeichen.at(i);
        if (c == U';') {
            ergebnis += QLatin1Char(',');
        } else if (c == U'\r' && i + 1 < zeichen.size() && zeichen.at(i + 1) == U'\n') {
            ergebnis += QLatin1Char(' ');
            ++i;
        } else if (c == U'\n' || c == U'\r' || c == 0x2028 || c == 0x2029 || c == 0) {
            ergebnis += QLatin1Char(' ');
        } else if (c <= 0xFF) {
            ergebnis += QChar(static_cast<char16_t>(c));
        } else {
            const QString ersatz = ersatzFuer(c);
            ergebnis += ersatz;
            if (ersetzt) {
                const QString eintrag = QStringLiteral("%1 \u2192 %2")
                        .arg(QString::fromUcs4(&c, 1), ersatz);
                if (!ersetzt->contains(eintrag))
                    ersetzt->append(eintrag);
            }
        }
    }
    return ergebnis;
}

// Ship files are Latin-1. A file that is valid UTF-8 and holds bytes
// beyond ASCII comes from a UTF-8 editor or an earlier version instead (a
// Latin-1 umlaut followed by plain text is never valid UTF-8); its fields
// are decoded as UTF-8.
bool istUtf8(const QByteArray& bytes)
{
    const bool nurAscii = std::all_of(bytes.cbegin(), bytes.cend(),
                                      [](char c) { return uchar(c) < 0x80; });
    if (nurAscii)
        return false;
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(bytes);
    Q_UNUSED(text);
    return !utf8.hasError();
}

bool istUtf8Datei(const QString& datei)
{
    QFile file(datei);
    return file.open(QIODevice::ReadOnly) && istUtf8(file.readAll());
}

// The rare Latin-1 ship file whose bytes also read as UTF-8 (a name such as
// "Ã¤") carries this as a fourth field of its first line, so that it is
// read back as Latin-1. Readers that do not know it ignore the field.
const QLatin1String latin1Marke("Latin-1");

// The placeholders of an export template, numbered as QString::arg numbers
// them: "%" with an optional "L" and one or two digits.
struct Platzhalter {
    qsizetype position;
    qsizetype laenge;
    int nummer;
    bool lokal;
};

QList<Platzhalter> platzhalterIn(const QString& text)
{
    QList<Platzhalter> marken;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (text.at(i) != QLatin1Char('%'))
            continue;
        qsizetype j = i + 1;
        const bool lokal = j < n && text.at(j) == QLatin1Char('L');
        if (lokal)
            ++j;
        if (j >= n || text.at(j).digitValue() < 0)
            continue;
        int nummer = text.at(j++).digitValue();
        if (j < n && text.at(j).digitValue() >= 0)
            nummer = 10 * nummer + text.at(j++).digitValue();
        marken.append({ i, j - i, nummer, lokal });
        i = j - 1;
    }
    return marken;
}

} // namespace

Persistenz::Persistenz(SchiffsModel* model, KomponentenBibliothek* bibliothek,
                       QObject* parent)
    : QObject(parent)
    , m_pModel(model)
    , m_pBibliothek(bibliothek)
    , m_vorlage(DatenOrdner::pfad(QStringLiteral("exportvorlage.zse")))
{
}

Persistenz::~Persistenz() = default;

QString Persistenz::version()
{
    return QStringLiteral("2.0");
}

bool Persistenz::istEingebaut(int kat)
{
    return kat == 0 || kat == 2 || kat == 3;
}

bool Persistenz::istKategorie(int kat)
{
    return kat >= 0 && kat <= 23;
}

int Persistenz::feldZahl(const QString& feld)
{
    bool ok = false;
    const int wert = feld.trimmed().toInt(&ok);
    return ok ? wert : 0;
}

QString Persistenz::ohneZeilenende(QString feld)
{
    while (feld.endsWith(QLatin1Char('\n')) || feld.endsWith(QLatin1Char('\r')))
        feld.chop(1);
    return feld;
}

int Persistenz::alteKategorie(int alt)
{
    if (alt >= 1 && alt <= 20)
        return alt + 1;
    if (alt == 21)
        return 23;
    return 0;
}

QString Persistenz::vorlage() const
{
    return m_vorlage;
}

void Persistenz::setzeVorlage(const QString& datei)
{
    m_vorlage = datei;
}

// ---------------------------------------------------------------- saving

QByteArray Persistenz::schiffsText(const QString& name, const QString& beschreibung,
                                   QStringList* ersetzt) const
{
    if (ersetzt)
        ersetzt->clear();

    // One field after the other, so that replacements are noted in order.
    QString text = version() + trenner;
    text += alsFeld(name, ersetzt) + trenner;
    text += alsFeld(beschreibung, ersetzt) + trenner + QLatin1Char('\n');

    const int zeilen = m_pModel ? m_pModel->rowCount() : 0;
    for (int i = 0; i < zeilen; ++i) {
        const Komponente* k = m_pModel->komponente(i);
        if (!k)
            continue;
        const int kat = k->typ();
        text += QString::number(kat) + trenner + QString::number(m_pModel->anzahl(i)) + trenner;
        if (istEingebaut(kat)) {
            text += alsFeld(k->name(), ersetzt) + trenner;
        } else {
            const int spalten = k->spaltenAnzahl();
            for (int s = 0; s < spalten; ++s)
                text += alsFeld(Komponente::spaltenText(k->spaltenWert(s)), ersetzt) + trenner;
        }
        text += QLatin1Char('\n');
    }
    // Every character is Latin-1 now, so the conversion loses nothing.
    QByteArray daten = text.toLatin1();
    if (istUtf8(daten))
        daten.insert(daten.indexOf('\n'), QByteArray(latin1Marke.data(), latin1Marke.size()) + ';');
    return daten;
}

bool Persistenz::schreibe(const QString& datei, const QByteArray& daten,
                          bool textModus, QString* fehler)
{
    const SichereDatei::Ergebnis ergebnis = SichereDatei::schreibe(datei, daten, textModus);
    if (!ergebnis.ok() && fehler) {
        if (ergebnis.fehler != SichereDatei::Fehler::Unvollstaendig) {
            *fehler = ergebnis.systemText;
        } else {
            *fehler = QStringLiteral("Es konnten nicht alle Daten geschrieben werden "
                                     "(ist der Datenträger voll?).");
            if (!ergebnis.systemText.isEmpty())
                *fehler += QLatin1Char(' ') + ergebnis.systemText;
        }
    }
    return ergebnis.ok();
}

bool Persistenz::speichereDatei(const QString& datei, const QString& name,
                                const QString& beschreibung)
{
    QStringList ersetzt;
    const QByteArray daten = schiffsText(name, beschreibung, &ersetzt);
    const QString anzeige = QDir::toNativeSeparators(datei);

    QString fehler;
    if (!schreibe(datei, daten, false, &fehler)) {
        meldung(QMessageBox::Critical, QStringLiteral("Fehler beim Speichern"),
                QStringLiteral("Die Datei %1 konnte nicht gespeichert werden.\n%2")
                        .arg(anzeige, fehler));
        return false;
    }
    m_letzteDatei = datei;
    if (!ersetzt.isEmpty()) {
        meldung(QMessageBox::Warning, QStringLiteral("Zeichen ersetzt"),
                QStringLiteral("Die Datei %1 wurde gespeichert. Einige Zeichen lassen "
                               "sich in einer Schiffsdatei nicht speichern und wurden "
                               "ersetzt:\n%2")
                        .arg(anzeige, ersetzt.join(QLatin1Char('\n'))));
    }
    return true;
}

bool Persistenz::speichern(QString name, QString beschreibung)
{
    m_vorschlag = name;
    const QString datei = frageDatei(QStringLiteral("In welche Datei soll gespeichert werden?"),
                                     QStringLiteral("ZORVEL-Schiffsbau-Schiff (*.zss)"));
    if (datei.isEmpty())
        return false;
    return speichereDatei(datei, name, beschreibung);
}

QString Persistenz::letzteDatei() const
{
    return m_letzteDatei;
}

bool Persistenz::vollstaendigGeladen() const
{
    return m_vollstaendig;
}

bool Persistenz::lesbar(const QString& datei, QString* grund)
{
    const QFileInfo info(datei);
    QFile file(datei);
    QString warum;
    if (!info.exists())
        warum = QStringLiteral("Die Datei existiert nicht.");
    else if (info.isDir())
        warum = QStringLiteral("Das ist ein Ordner, keine Datei.");
    else if (!file.open(QIODevice::ReadOnly))
        warum = file.errorString();
    if (grund)
        *grund = warum;
    return warum.isEmpty();
}

// --------------------------------------------------------------- loading

bool Persistenz::laden(QString& name, QString& beschreibung, QString datei)
{
    if (datei.isEmpty())
        return false;
    // A file that cannot be opened leaves the table empty.
    CsvTabelle tabelle;
    tabelle.lese(datei, trenner);
    const bool utf8 = tabelle.zeilen() > 0 && tabelle.zeile(0).value(3) != latin1Marke
                      && istUtf8Datei(datei);
    ladeTabelle(name, beschreibung, tabelle, utf8);
    return true;
}

void Persistenz::ladeText(QString& name, QString& beschreibung, const QByteArray& text)
{
    CsvTabelle tabelle;
    tabelle.leseDaten(text, trenner);
    const bool utf8 = tabelle.zeilen() > 0 && tabelle.zeile(0).value(3) != latin1Marke
                      && istUtf8(text);
    ladeTabelle(name, beschreibung, tabelle, utf8);
}

void Persistenz::ladeTabelle(QString& name, QString& beschreibung, const CsvTabelle& tabelle,
                             bool utf8)
{
    QStringList nichtGefunden;
    const auto vermisst = [&nichtGefunden](int anzahl, const QString& gespeichert) {
        nichtGefunden.append(QStringLiteral("%1x %2 \n")
                                     .arg(QString::number(anzahl), gespeichert));
    };

    m_vollstaendig = tabelle.zeilen() > 0;
    const auto zeile = [&tabelle, utf8](int i) {
        QStringList felder = tabelle.zeile(i);
        if (utf8) {
            for (QString& feld : felder)
                feld = QString::fromUtf8(feld.toLatin1());
            if (i == 0 && !felder.isEmpty() && felder.first().startsWith(QChar(0xFEFF)))
                felder.first().remove(0, 1); // byte-order mark
        }
        return felder;
    };

    // A ship without components is its first line alone.
    if (tabelle.zeilen() >= 1 && m_pModel && m_pBibliothek) {
        const QStringList kopf = zeile(0);
        const QString version = kopf.value(0);
        enum class Format { V20, V11, V10, Unbekannt };
        Format format = Format::Unbekannt;
        if (version.startsWith(QStringLiteral("2.0")))
            format = Format::V20;
        else if (version.startsWith(QStringLiteral("1.1")))
            format = Format::V11;
        else if (version.startsWith(QStringLiteral("1.0")))
            format = Format::V10;

        if (format == Format::Unbekannt) {
            m_vollstaendig = false;
            meldung(QMessageBox::Warning, QStringLiteral("Fehler beim Laden"),
                    QStringLiteral("Die Datei hat nicht die passende Version (%1). ")
                            .arg(Persistenz::version()));
        } else {
            if (kopf.size() > 2) {
                name = ohneZeilenende(kopf.at(1));
                beschreibung = ohneZeilenende(kopf.at(2));
            }
            for (int z = 1; z < tabelle.zeilen(); ++z) {
                QStringList felder = zeile(z);
                if (felder.size() <= 2)
                    continue;
                Komponente* k = nullptr;
                int anzahl = 0;
                QString gespeichert;
                if (format == Format::V20) {
                    const int kat = feldZahl(felder.at(0));
                    anzahl = feldZahl(felder.at(1));
                    felder.remove(0, 2);
                    gespeichert = ohneZeilenende(felder.at(0));
                    if (istEingebaut(kat))
                        k = m_pBibliothek->kopie(kat, gespeichert);
                    else if (istKategorie(kat))
                        k = m_pBibliothek->ausFeldern(kat, felder);
                } else {
                    int kat = feldZahl(felder.at(0));
                    gespeichert = ohneZeilenende(felder.at(1));
                    anzahl = feldZahl(felder.at(2));
                    QString gesucht = gespeichert;
                    if (format == Format::V10) {
                        kat = alteKategorie(kat);
                        if (gesucht == QStringLiteral("Kabinen/Gänge/Räume"))
                            gesucht = QStringLiteral("Kabinen & Gänge");
                    }
                    if (istKategorie(kat))
                        k = m_pBibliothek->kopie(kat, gesucht);
                    // Older versions filed some rooms and fittings under other
                    // categories (the cabins among the life support): a
                    // built-in name is also found in the other built-in
                    // categories, where names are unique.
                    for (int eingebaut : {0, 2, 3}) {
                        if (!k && eingebaut != kat)
                            k = m_pBibliothek->kopie(eingebaut, gesucht);
                    }
                }
                if (k)
                    m_pModel->addKomponente(k, anzahl);
                else
                    vermisst(anzahl, gespeichert);
            }
            m_pModel->berechne();
        }
    }

    if (!nichtGefunden.isEmpty()) {
        m_vollstaendig = false;
        meldung(QMessageBox::Warning, QStringLiteral("Komponenten nicht gefunden"),
                QStringLiteral("Folgende Komponenten wurden nicht gefunden:\n")
                        + nichtGefunden.join(QString()));
    }
}

// ---------------------------------------------------------------- export

QString Persistenz::exportText(const QString& vorlage, const QString& name,
                               const QString& beschreibung)
{
    const SchiffsDaten d = m_pModel ? m_pModel->berechne() : SchiffsDaten();

    // Each value is formatted as QString::arg formats it, for a plain or a
    // locale ("%L") placeholder.
    using Fuellung = std::function<QString(bool)>;
    const auto muster = [](bool lokal) {
        return lokal ? QStringLiteral("%L1") : QStringLiteral("%1");
    };
    const auto ganz = [muster](qint64 wert) -> Fuellung {
        return [muster, wert](bool lokal) { return muster(lokal).arg(wert); };
    };
    const auto flag = [muster](bool wert) -> Fuellung {
        return [muster, wert](bool lokal) { return muster(lokal).arg(wert ? 1 : 0); };
    };
    const auto allgemein = [muster](float wert) -> Fuellung {
        return [muster, wert](bool lokal) { return muster(lokal).arg(double(wert), 0, 'g', 6); };
    };
    const auto fest = [muster](float wert, int stellen) -> Fuellung {
        return [muster, wert, stellen](bool lokal) {
            return muster(lokal).arg(double(wert), 0, 'f', stellen);
        };
    };
    const auto text = [](const QString& wert) -> Fuellung {
        return [wert](bool) { return wert; };
    };

    // The values in the order in which they fill the placeholders.
    const std::vector<Fuellung> werte = {
        text(name),                              // %1
        ganz(d.preis),                           // %2
        ganz(d.objektgroesse),                   // %3
        ganz(d.scanschutz),                      // %4
        allgemein(d.leergewicht),                // %5
        ganz(d.sprungTonnen),                    // %6
        allgemein(float(d.gstp) - d.gstpvBelegt), // %7
        ganz(d.gstp),                            // %8
        ganz(d.gravGstp),                        // %9
        ganz(SchiffsDaten::differenz(d.re, d.rev)), // %10
        ganz(d.re),                              // %11
        ganz(d.be),                              // %12
        ganz(d.maxBev),                          // %13
        allgemein(d.rumpf),                      // %14
        ganz(d.panzerung),                       // %15
        flag(d.spiegelpanzerung),                // %16
        ganz(d.schildenergie),                   // %17
        fest(d.steuerungVoll, 2),                // %18
        fest(d.feldgeschwVoll, 0),               // %19
        flag(d.emapStarkfeld),                   // %20
        ganz(d.traegheitsdaempfung),             // %21
        ganz(d.sensorBonus),                     // %22
        allgemein(d.sensorReichweite),           // %23
        ganz(d.scannerErfassung),                // %24
        ganz(d.scannerReichweite),               // %25
        ganz(d.kommReichweite),                  // %26
        ganz(d.trReichweite),                    // %27
        flag(d.maschinenraum),                   // %28
        ganz(d.computerSlots),                   // %29
        ganz(d.brueckePersonen),                 // %30
        ganz(d.kabinenPersonen),                 // %31
        ganz(d.weitereRaeumeGstpv),              // %32
        ganz(d.treppenDecks),                    // %33
        ganz(d.liftDecks),                       // %34
        ganz(d.treibstoffTonnen),                // %35
        ganz(d.wasserLiter),                     // %36
        ganz(d.frachtInternTonnen),              // %37
        ganz(d.frachtExternTonnen),              // %38
        ganz(d.hangarTor),                       // %39
        ganz(d.hangarKraftfeld),                 // %40
        ganz(d.lebenserhaltungPersonen),         // %41
        ganz(d.rettungskapselPersonen),          // %42
        ganz(d.schleudersitzPersonen),           // %43
        ganz(d.gasballons),                      // %44
        ganz(d.fallschirme),                     // %45
        ganz(d.smashbags),                       // %46
        flag(d.druckschotts),                    // %47
        flag(d.landestelzen),                    // %48
        text(beschreibung),                      // %49
        allgemein(d.gewicht),                    // %50
        fest(d.steuerungHalb, 2),                // %51
        fest(d.steuerungLeer, 2),                // %52
        fest(d.feldgeschwHalb, 0),               // %53
        fest(d.feldgeschwLeer, 0),               // %54
        ganz(d.gstpvMaschinenraum),              // %55
        ganz(d.gstpvTraegheitsdaempfer),         // %56
        ganz(d.gstpvDruckschotts),               // %57
        ganz(d.gstpvEmap),                       // %58
        ganz(d.gstpvLandestelzen),               // %59
        ganz(d.slotsBelegt),                     // %60
    };

    // The n-th lowest placeholder number of the template gets the n-th
    // value, as one QString::arg after the other would fill it, but in one
    // pass: a placeholder inside an inserted name or description stays as
    // the user wrote it. Numbers beyond the values stay as written.
    const QList<Platzhalter> marken = platzhalterIn(vorlage);
    QList<int> nummern;
    for (const Platzhalter& m : marken)
        nummern.append(m.nummer);
    std::sort(nummern.begin(), nummern.end());
    nummern.erase(std::unique(nummern.begin(), nummern.end()), nummern.end());
    QString ergebnis;
    ergebnis.reserve(vorlage.size() + name.size() + beschreibung.size() + 8 * marken.size());
    qsizetype kopiertBis = 0;
    for (const Platzhalter& m : marken) {
        const auto rang = std::lower_bound(nummern.cbegin(), nummern.cend(), m.nummer) - nummern.cbegin();
        if (rang >= qsizetype(werte.size()))
            continue;
        ergebnis += QStringView(vorlage).mid(kopiertBis, m.position - kopiertBis);
        ergebnis += werte.at(size_t(rang))(m.lokal);
        kopiertBis = m.position + m.laenge;
    }
    ergebnis += QStringView(vorlage).mid(kopiertBis);

    ergebnis += QStringLiteral("\n\nKomponenten:\n");
    const int zeilen = m_pModel ? m_pModel->rowCount() : 0;
    for (int i = 0; i < zeilen; ++i) {
        const Komponente* k = m_pModel->komponente(i);
        if (!k)
            continue;
        ergebnis += QString::number(m_pModel->anzahl(i)).rightJustified(7, QLatin1Char(' '))
                + QLatin1Char(' ')
                + k->einheit(true).rightJustified(8, QLatin1Char(' '))
                + QStringLiteral(" x ")
                + k->kurzname().rightJustified(11, QLatin1Char(' '))
                + QStringLiteral(" : ")
                + k->name()
                + QStringLiteral(" - ")
                + k->beschreibung()
                + QLatin1Char('\n');
    }
    return ergebnis;
}

bool Persistenz::exportiereDatei(const QString& datei, const QString& name,
                                 const QString& beschreibung)
{
    QFile vorlageDatei(m_vorlage);
    if (!vorlageDatei.open(QIODevice::ReadOnly | QIODevice::Text)) {
        meldung(QMessageBox::Critical, QStringLiteral("Fehler beim Exportieren"),
                QStringLiteral("Die Exportvorlage %1 konnte nicht gelesen werden.\n%2")
                        .arg(QDir::toNativeSeparators(QFileInfo(m_vorlage).absoluteFilePath()),
                             vorlageDatei.errorString()));
        return false;
    }
    const QString vorlage = QString::fromUtf8(vorlageDatei.readAll());
    vorlageDatei.close();

    const QString text = exportText(vorlage, name, beschreibung);

    QString fehler;
    if (!schreibe(datei, text.toUtf8(), true, &fehler)) {
        meldung(QMessageBox::Critical, QStringLiteral("Fehler beim Exportieren"),
                QStringLiteral("Die Datei %1 konnte nicht geschrieben werden.\n%2")
                        .arg(QDir::toNativeSeparators(datei), fehler));
        return false;
    }
    return true;
}

void Persistenz::exportieren(QString name, QString beschreibung)
{
    m_vorschlag = name;
    const QString datei = frageDatei(QStringLiteral("In welche Datei soll exportiert werden?"),
                                     QStringLiteral("Textdatei (*.txt)"));
    if (datei.isEmpty())
        return;
    exportiereDatei(datei, name, beschreibung);
}

bool Persistenz::pdfExportiereDatei(const QString& datei, const QString& name,
                                    const QString& beschreibung)
{
    const SchiffsDaten d = m_pModel ? m_pModel->berechne() : SchiffsDaten();
    const QByteArray daten = SchiffsBogen::pdf(m_pModel, d, name, beschreibung);
    QString fehler;
    if (daten.isEmpty())
        fehler = QStringLiteral("Das PDF-Dokument konnte nicht erzeugt werden.");
    if (daten.isEmpty() || !schreibe(datei, daten, false, &fehler)) {
        meldung(QMessageBox::Critical, QStringLiteral("Fehler beim Exportieren"),
                QStringLiteral("Die Datei %1 konnte nicht geschrieben werden.\n%2")
                        .arg(QDir::toNativeSeparators(datei), fehler));
        return false;
    }
    return true;
}

void Persistenz::pdfExportieren(QString name, QString beschreibung)
{
    m_vorschlag = name;
    const QString datei = frageDatei(QStringLiteral("In welche Datei soll exportiert werden?"),
                                     QStringLiteral("PDF (*.pdf)"));
    if (datei.isEmpty())
        return;
    pdfExportiereDatei(datei, name, beschreibung);
}

// ------------------------------------------------------- dialogs, boxes

QString Persistenz::frageDatei(const QString& titel, const QString& filter)
{
    // "schiff" becomes "schiff.zss" (or ".txt"), as the filter promises.
    const int von = filter.indexOf(QStringLiteral("(*."));
    const int bis = filter.indexOf(QLatin1Char(')'), von);
    const QString endung = von >= 0 && bis > von + 3 ? filter.mid(von + 3, bis - von - 3) : QString();
    return DateiDialog::speichern(titel, filter, endung, m_vorschlag);
}

void Persistenz::meldung(QMessageBox::Icon symbol, const QString& titel,
                         const QString& text)
{
    QMessageBox box(symbol, titel, text, QMessageBox::Ok);
    box.exec();
}
