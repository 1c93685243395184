#ifndef SCHIFFSDATEI_H
#define SCHIFFSDATEI_H

#include "csvtabelle.h"
#include "komponente.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

class KomponentenBibliothek;
class SchiffsModel;

// The ship file ("*.zss", and the base list "basisliste.zsb"): ";"-separated
// Latin-1 text. Line 1 holds the version, the ship's name and its
// description; every further line one installed component with its count,
// stored by name (the built-in rooms and fittings) or with all its list
// columns. Versions "1.1" and "1.0" are read too.
//
// Reading and writing ask nothing and show nothing: a file that cannot be
// read as a whole is refused with a reason in words a player understands,
// and what was found odd is listed for the window to show.
class SchiffsDatei
{
public:
    enum class Befund {
        Gelesen,        // the whole file was read
        NichtGeoeffnet, // the file could not be opened; nothing was read
        Abgelehnt,      // the file cannot be read as a whole; `grund` says why
        LesbarerTeil,   // only the readable beginning of a refused file is held
    };

    // Range of a component count that a file may hold.
    static constexpr int minAnzahl = 0;
    static constexpr int maxAnzahl = 1000000;

    // One installed component as read, owned until it goes into a ship.
    struct Eintrag {
        std::unique_ptr<Komponente> komponente;
        int anzahl = 0;
    };

    struct Inhalt {
        Befund befund = Befund::Gelesen;
        // The file as it was named to the reader.
        QString datei;
        // Why the file was refused or not opened: one sentence that names
        // the file ("Die Datei … ist leer.").
        QString grund;
        // A refused file whose beginning could be read: `komponenten` and
        // the header hold that part, its lines 1 to `lesbareZeilen`.
        bool teilLesbar = false;
        int lesbareZeilen = 0;
        // The header holds a name and a description.
        bool kopf = false;
        QString name;
        QString beschreibung;
        std::vector<Eintrag> komponenten;
        // Components that are not in the library, one note per line
        // ("3x Warpkern (Zeile 4)"), and counts out of range that were
        // clamped ("Zeile 3, Anzahl: 5000000 gelesen, 1000000 übernommen").
        QStringList nichtGefunden;
        QStringList angepasst;
    };

    // The lines of a ship file as the reader takes them, for the reader and
    // the list checker alike: split into fields at every ";" (CsvTabelle;
    // the last field keeps the line end) and decoded as Latin-1, or as
    // UTF-8 when the bytes beyond ASCII are valid UTF-8 and line 1 does not
    // carry the mark "Latin-1" (then without a byte-order mark).
    class Tabelle
    {
    public:
        explicit Tabelle(const QByteArray &bytes);
        int zeilen() const;
        // The fields of line `i`, counted from 0; empty beyond the end.
        QStringList zeile(int i) const;

    private:
        CsvTabelle m_tabelle;
        bool m_utf8 = false;
    };

    // The library finds the components again; it is not owned.
    explicit SchiffsDatei(const KomponentenBibliothek *bibliothek);

    // Reads the ship file `datei`.
    Inhalt lies(const QString &datei) const;
    // The same for the bytes of a ship file; `datei` only names it in the
    // reasons and notes.
    Inhalt liesDaten(const QByteArray &bytes, const QString &datei) const;

    // The bytes of the ship file for the rows of `model`. `ersetzt`
    // receives a readable list of the characters that Latin-1 cannot hold
    // and that were replaced (empty when there were none).
    static QByteArray text(const SchiffsModel *model, const QString &name,
                           const QString &beschreibung, QStringList *ersetzt = nullptr);
    // Writes that text into `datei` (see schreibeSicher); false with the
    // reason in `fehler`.
    static bool schreibe(const QString &datei, const SchiffsModel *model, const QString &name,
                         const QString &beschreibung, QString *fehler,
                         QStringList *ersetzt = nullptr);
    // Writes `daten` through a save file: on any failure (a full disk, a
    // missing folder) the previous file stays untouched and `fehler` tells
    // why. Also for the export.
    static bool schreibeSicher(const QString &datei, const QByteArray &daten, bool textModus,
                               QString *fehler);
    // `text` as one field of a ship file holds it: ";" becomes ",", a line
    // break a blank, a character beyond Latin-1 a readable stand-in ("€"
    // becomes "EUR", any other "?"), noted in `ersetzt` ("€ → EUR").
    static QString alsFeld(const QString &text, QStringList *ersetzt = nullptr);

    // The version that is written.
    static QString version();
    // An integer field; text that does not convert counts as 0.
    static int feldZahl(const QString &feld);
    // A whole number as a field holds it (blanks around it allowed), into
    // `wert`; false for anything else. A number beyond 64 bits counts as
    // the largest (smallest) one, so that it is clamped as any other out of
    // range.
    static bool zahlFeld(const QString &feld, qint64 *wert);
    // A text field without the line end that the last field of a line keeps.
    static QString ohneZeilenende(QString feld);
    // The category of an old category number of files of version "1.0".
    static int alteKategorie(int alt);

private:
    const KomponentenBibliothek *m_pBibliothek;
};

#endif // SCHIFFSDATEI_H
