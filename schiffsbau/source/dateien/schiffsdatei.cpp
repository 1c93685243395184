#include "schiffsdatei.h"

#include "kategorien.h"
#include "sicheredatei.h"

#include "csvtabelle.h"
#include "komponentenbibliothek.h"
#include "schiffsmodel.h"

#include <QDir>
#include <QFile>
#include <QStringConverter>

#include <algorithm>
#include <limits>

namespace {

const QChar trenner(QLatin1Char(';'));

// The rare Latin-1 ship file whose bytes also read as UTF-8 (a name such as
// "Ã¤") carries this as a fourth field of its first line, so that it is
// read back as Latin-1. Readers that do not know it ignore the field.
const QLatin1String latin1Marke("Latin-1");

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

// Ship files are Latin-1. A file that is valid UTF-8 and holds bytes
// beyond ASCII comes from a UTF-8 editor or an earlier version instead (a
// Latin-1 umlaut followed by plain text is never valid UTF-8); its fields
// are decoded as UTF-8.
bool istUtf8(const QByteArray &bytes)
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

// The first line of a file that is no ship file, as a message quotes it:
// characters that do not print as "?", at most 60 characters.
QString zitat(const QString &zeile)
{
    QString text;
    for (const QChar c : zeile)
        text += c.isPrint() ? c : QLatin1Char('?');
    text = text.trimmed();
    if (text.size() > 60)
        text = text.left(59) + QChar(0x2026);
    return text;
}

SchiffsDatei::Inhalt abgelehnt(SchiffsDatei::Inhalt inhalt, const QString &anzeige,
                               const QString &warum)
{
    inhalt.befund = SchiffsDatei::Befund::Abgelehnt;
    inhalt.grund = QStringLiteral("Die Datei %1 %2").arg(anzeige, warum);
    return inhalt;
}

} // namespace

SchiffsDatei::SchiffsDatei(const KomponentenBibliothek *bibliothek)
    : m_pBibliothek(bibliothek)
{
}

QString SchiffsDatei::version()
{
    return QStringLiteral("2.0");
}

SchiffsDatei::Tabelle::Tabelle(const QByteArray &bytes)
{
    m_tabelle.leseDaten(bytes, trenner);
    m_utf8 = m_tabelle.zeile(0).value(3) != latin1Marke && istUtf8(bytes);
}

int SchiffsDatei::Tabelle::zeilen() const
{
    return m_tabelle.zeilen();
}

QStringList SchiffsDatei::Tabelle::zeile(int i) const
{
    QStringList felder = m_tabelle.zeile(i);
    if (m_utf8) {
        for (QString &feld : felder)
            feld = QString::fromUtf8(feld.toLatin1());
        if (i == 0 && !felder.isEmpty() && felder.first().startsWith(QChar(0xFEFF)))
            felder.first().remove(0, 1); // byte-order mark
    }
    return felder;
}

int SchiffsDatei::feldZahl(const QString &feld)
{
    bool ok = false;
    const int wert = feld.trimmed().toInt(&ok);
    return ok ? wert : 0;
}

bool SchiffsDatei::zahlFeld(const QString &feld, qint64 *wert)
{
    const QString text = feld.trimmed();
    const bool vorzeichen = text.startsWith(QLatin1Char('-')) || text.startsWith(QLatin1Char('+'));
    if (text.size() <= (vorzeichen ? 1 : 0))
        return false;
    for (qsizetype i = vorzeichen ? 1 : 0; i < text.size(); ++i) {
        if (text.at(i) < QLatin1Char('0') || text.at(i) > QLatin1Char('9'))
            return false;
    }
    bool ok = false;
    *wert = text.toLongLong(&ok);
    if (!ok) {
        *wert = text.startsWith(QLatin1Char('-')) ? std::numeric_limits<qint64>::min()
                                                  : std::numeric_limits<qint64>::max();
    }
    return true;
}

QString SchiffsDatei::ohneZeilenende(QString feld)
{
    while (feld.endsWith(QLatin1Char('\n')) || feld.endsWith(QLatin1Char('\r')))
        feld.chop(1);
    return feld;
}

int SchiffsDatei::alteKategorie(int alt)
{
    if (alt >= 1 && alt <= 20)
        return alt + 1;
    if (alt == 21)
        return 23;
    return 0;
}

// ---------------------------------------------------------------- reading

SchiffsDatei::Inhalt SchiffsDatei::lies(const QString &datei) const
{
    QFile file(datei);
    if (!file.open(QIODevice::ReadOnly)) {
        Inhalt inhalt;
        inhalt.datei = datei;
        inhalt.befund = Befund::NichtGeoeffnet;
        inhalt.grund = QStringLiteral("Die Datei %1 konnte nicht geöffnet werden (%2).")
                               .arg(QDir::toNativeSeparators(datei), file.errorString());
        return inhalt;
    }
    return liesDaten(file.readAll(), datei);
}

SchiffsDatei::Inhalt SchiffsDatei::liesDaten(const QByteArray &bytes, const QString &datei) const
{
    Inhalt inhalt;
    inhalt.datei = datei;
    const QString anzeige = QDir::toNativeSeparators(datei);
    if (bytes.trimmed().isEmpty())
        return abgelehnt(std::move(inhalt), anzeige, QStringLiteral("ist leer."));

    const Tabelle tabelle(bytes);

    // A zero byte never occurs in text: from its line on the file holds
    // binary data. The line of the first one, counted from 0; -1 for none.
    const qsizetype null = bytes.indexOf('\0');
    const int nullZeile = null < 0 ? -1 : int(std::count(bytes.cbegin(), bytes.cbegin() + null, '\n'));
    if (nullZeile == 0) {
        return abgelehnt(std::move(inhalt), anzeige,
                         QStringLiteral("ist keine Schiffsdatei (sie enthält Binärdaten statt Text)."));
    }

    const QStringList kopf = tabelle.zeile(0);
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
        return abgelehnt(std::move(inhalt), anzeige,
                         QStringLiteral("ist keine Schiffsdatei (erste Zeile: %1).")
                                 .arg(zitat(ohneZeilenende(kopf.join(trenner)))));
    }

    // Every line written ends with ";" and a line feed. A last line with
    // neither was cut off in the middle, and so was a first line without
    // its line end that lacks a field (a file cut exactly at a line end
    // cannot be told from a shorter ship). Counted from 0; -1 for none.
    const QByteArray rest = bytes.mid(bytes.lastIndexOf('\n') + 1).trimmed();
    int abgebrochen = !rest.isEmpty() && !rest.endsWith(';') ? tabelle.zeilen() - 1 : -1;
    if (tabelle.zeilen() == 1 && !bytes.endsWith('\n') && kopf.size() < 4)
        abgebrochen = 0;
    const auto unvollstaendig = [&anzeige](Inhalt inhalt, int zeile) {
        return abgelehnt(std::move(inhalt), anzeige,
                         QStringLiteral("ist unvollständig: sie bricht mitten in Zeile %1 ab.").arg(zeile + 1));
    };
    if (abgebrochen == 0)
        return unvollstaendig(std::move(inhalt), 0);

    if (kopf.size() > 2) {
        inhalt.kopf = true;
        inhalt.name = ohneZeilenende(kopf.at(1));
        inhalt.beschreibung = ohneZeilenende(kopf.at(2));
    }

    // From here on a refusal keeps what was read before the bad line.
    inhalt.teilLesbar = true;
    const auto beschaedigt = [&anzeige](Inhalt inhalt, const QString &warum) {
        return abgelehnt(std::move(inhalt), anzeige, QStringLiteral("ist beschädigt: ") + warum);
    };
    for (int z = 1; z < tabelle.zeilen(); ++z) {
        const int nr = z + 1;
        inhalt.lesbareZeilen = z;
        if (z == nullZeile) {
            return beschaedigt(std::move(inhalt),
                               QStringLiteral("Ab Zeile %1 enthält sie Binärdaten statt Text.").arg(nr));
        }
        if (z == abgebrochen)
            return unvollstaendig(std::move(inhalt), z);
        QStringList felder = tabelle.zeile(z);
        if (felder.size() == 1 && felder.first().trimmed().isEmpty())
            continue; // a blank line holds nothing
        // The line end after the last ";" is no field.
        qsizetype anzahlFelder = felder.size();
        if (anzahlFelder > 1 && felder.last().trimmed().isEmpty())
            --anzahlFelder;
        const QString zuKurz = QStringLiteral("Zeile %1 ist unvollständig.").arg(nr);
        if (anzahlFelder < 3)
            return beschaedigt(std::move(inhalt), zuKurz);

        const int anzahlFeld = format == Format::V20 ? 1 : 2;
        qint64 kat = 0;
        qint64 gelesen = 0;
        const QString keineZahl = QStringLiteral("In Zeile %1 steht „%2“, wo %3 (eine Zahl) stehen muss.");
        if (!zahlFeld(felder.at(0), &kat)) {
            return beschaedigt(std::move(inhalt),
                               keineZahl.arg(QString::number(nr), ohneZeilenende(felder.at(0)),
                                             QStringLiteral("die Kategorie")));
        }
        if (!zahlFeld(felder.at(anzahlFeld), &gelesen)) {
            return beschaedigt(std::move(inhalt),
                               keineZahl.arg(QString::number(nr), ohneZeilenende(felder.at(anzahlFeld)),
                                             QStringLiteral("die Anzahl")));
        }
        const int anzahl = int(qBound(qint64(minAnzahl), gelesen, qint64(maxAnzahl)));
        if (anzahl != gelesen) {
            inhalt.angepasst << QStringLiteral("Zeile %1, Anzahl: %2 gelesen, %3 übernommen")
                                        .arg(QString::number(nr), felder.at(anzahlFeld).trimmed(),
                                             QString::number(anzahl));
        }
        // A number beyond the categories (also beyond int) is none of them.
        const int kategorie = kat >= 0 && kat < KomponentenBibliothek::AnzahlKategorien ? int(kat) : -1;

        Komponente *k = nullptr;
        QString gespeichert;
        if (format == Format::V20) {
            felder.remove(0, 2);
            gespeichert = ohneZeilenende(felder.at(0));
            if (Kategorien::eingebaut(kategorie)) {
                k = m_pBibliothek->kopie(kategorie, gespeichert);
            } else if (Kategorien::gueltig(kategorie)) {
                // Re-created from its columns; only a row with too few is refused.
                k = m_pBibliothek->ausFeldern(kategorie, felder);
                if (!k)
                    return beschaedigt(std::move(inhalt), zuKurz);
            }
        } else {
            gespeichert = ohneZeilenende(felder.at(1));
            QString gesucht = gespeichert;
            int neueKategorie = kategorie;
            if (format == Format::V10) {
                neueKategorie = alteKategorie(kategorie);
                if (gesucht == QStringLiteral("Kabinen/Gänge/Räume"))
                    gesucht = QStringLiteral("Kabinen & Gänge");
            }
            if (Kategorien::gueltig(neueKategorie))
                k = m_pBibliothek->kopie(neueKategorie, gesucht);
            // Older versions filed some rooms and fittings under other
            // categories (the cabins among the life support): a built-in
            // name is also found in the other built-in categories, where
            // names are unique.
            for (int eingebaut : {0, 2, 3}) {
                if (!k && eingebaut != neueKategorie)
                    k = m_pBibliothek->kopie(eingebaut, gesucht);
            }
        }
        if (k) {
            inhalt.komponenten.push_back({std::unique_ptr<Komponente>(k), anzahl});
        } else {
            inhalt.nichtGefunden << QStringLiteral("%1x %2 (Zeile %3)")
                                            .arg(QString::number(anzahl), gespeichert, QString::number(nr));
        }
    }
    inhalt.teilLesbar = false;
    inhalt.lesbareZeilen = tabelle.zeilen();
    return inhalt;
}

// ---------------------------------------------------------------- writing

QString SchiffsDatei::alsFeld(const QString &text, QStringList *ersetzt)
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
            // a line break, or a zero character, would end the line
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

QByteArray SchiffsDatei::text(const SchiffsModel *model, const QString &name,
                              const QString &beschreibung, QStringList *ersetzt)
{
    if (ersetzt)
        ersetzt->clear();

    // One field after the other, so that replacements are noted in order.
    QString text = version() + trenner;
    text += alsFeld(name, ersetzt) + trenner;
    text += alsFeld(beschreibung, ersetzt) + trenner + QLatin1Char('\n');

    const int zeilen = model ? model->rowCount() : 0;
    for (int i = 0; i < zeilen; ++i) {
        const Komponente *k = model->komponente(i);
        if (!k)
            continue;
        const int kat = k->typ();
        text += QString::number(kat) + trenner + QString::number(model->anzahl(i)) + trenner;
        if (Kategorien::eingebaut(kat)) {
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

bool SchiffsDatei::schreibe(const QString &datei, const SchiffsModel *model, const QString &name,
                            const QString &beschreibung, QString *fehler, QStringList *ersetzt)
{
    return schreibeSicher(datei, text(model, name, beschreibung, ersetzt), false, fehler);
}

bool SchiffsDatei::schreibeSicher(const QString &datei, const QByteArray &daten, bool textModus,
                                  QString *fehler)
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
