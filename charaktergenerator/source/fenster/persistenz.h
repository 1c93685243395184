#ifndef PERSISTENZ_H
#define PERSISTENZ_H

#include <QByteArray>
#include <QObject>
#include <QString>

class Charakter;

// Saving, loading and exporting the one character of the generator.
// Saving and exporting ask for the target file themselves; loading gets the
// file name from the caller.  Failures that the user must know about are
// shown in message boxes without parent.
class Persistenz : public QObject
{
    Q_OBJECT

public:
    explicit Persistenz(QObject* parent = nullptr);
    ~Persistenz() override;

    // Saves the character to `datei` without asking. With an empty `datei`
    // asks for a "*.zch" file first; the dialog starts in the folder last
    // used (LetzterOrdner) and suggests a file named after the character.
    // The previous file is replaced only when the new one has been written
    // completely. False when the dialog was cancelled or the file could not
    // be written (a critical box names the file and the reason).
    bool speichern(Charakter* c, const QString& datei = QString());
    // Always asks for the file, then saves as speichern(). The dialog
    // suggests `bisher` (its name, in its folder) when given, otherwise a
    // file named after the character.
    bool speichernUnter(Charakter* c, const QString& bisher);

    // Loads the file into the character, only when it can be read as a
    // whole; otherwise the character stays exactly as it was, a box says
    // why (naming the file) and the result is false. A file that cannot be
    // opened is reported in the warning "Laden fehlgeschlagen"; an empty
    // one, one that is no character document (not XML, another first
    // element than "Charakter") and a damaged one (not well-formed part-way,
    // cut off) in the critical box "Lesefehler". For a damaged file whose
    // beginning holds values, that box offers "Lesbaren Teil laden" besides
    // "OK": then what comes before the fault is loaded (nurLesbarerTeil()).
    // Before a load `signalLadenBeginnt()` is emitted (the window resets
    // itself for a new character there), then the character is reset
    // (`zuruecksetzen()`) and filled from the file. Values that the rules
    // cannot mean are brought into them while reading and listed in the
    // warning "Werte angepasst" (werteAngepasst()). An empty name gives
    // false and changes nothing.
    bool laden(QString datei, Charakter* c);
    // After a successful load: only the readable beginning of a damaged
    // file was loaded; the character is not what the file holds.
    bool nurLesbarerTeil() const;
    // After a successful load: values were brought into the rules; the
    // character is not what the file holds.
    bool werteAngepasst() const;
    // The file that the last successful save went to.
    QString letzteDatei() const;
    // The file that the last successful export (text or PDF) went to.
    QString letzterExport() const;

    // Asks for a "*.txt" file and writes the character sheet there.
    // False when cancelled or not written (critical box as for saving).
    bool exportieren(Charakter* c);

    // Asks for a "*.pdf" file and writes the laid-out character sheet there,
    // built whole in memory first. False when cancelled or not written
    // (critical box as for saving).
    bool pdfExportieren(Charakter* c);

    // Writes `daten` to `datei` through a temporary file that replaces the
    // target only once every byte has been written.  On failure the target
    // is left as it was and `fehler` receives the reason.
    static bool schreibeSicher(const QString& datei, const QByteArray& daten, QString* fehler);

    // For tests: the next save or export dialog is not shown; it answers
    // `datei` instead (an empty string answers "cancelled").
    static void setzeNaechsteDatei(const QString& datei);
    // For tests: the next box about a damaged file with a readable beginning
    // is not shown; it answers "Lesbaren Teil laden" when `lesbarenTeil`
    // is true, "OK" otherwise.
    static void setzeNaechsteWahl(bool lesbarenTeil);

signals:
    // Emitted by `laden` once the file is open, before the character is reset
    // and filled; not emitted when the file cannot be opened.
    void signalLadenBeginnt();

private:
    bool m_nurLesbarerTeil = false;
    bool m_werteAngepasst = false;
    QString m_letzteDatei;
    QString m_letzterExport;

    // The save dialog suggesting `bisher` when given, otherwise `name` as
    // the file in the folder last used.
    static QString frageZieldatei(const QString& titel, const QString& filter, const QString& endung,
                                  const QString& name, const QString& bisher = QString());
    // Whether the document of `datei` may be loaded: true when it can be
    // read as a whole. Otherwise the box says why it is refused and, when
    // its beginning holds values, offers to load that; true (and
    // m_nurLesbarerTeil set) only when the user takes that offer.
    bool darfLaden(const QString& datei, const QByteArray& dokument);
    // Writes `daten` safely; on failure shows the critical box `titel` with
    // `text` (%1 the file, %2 the reason) and answers false. Empty `daten`
    // count as failed with the reason `ohneDaten`, when one is given.
    static bool schreibeOderMelde(const QString& datei, const QByteArray& daten,
                                  const QString& ohneDaten, const QString& titel,
                                  const QString& text);
    static void zeigeSchreibfehler(const QString& titel, const QString& text,
                                   const QString& datei, const QString& grund);
    // The export dialog for the character's sheet (empty without a
    // character or when cancelled), and the sheet written or the failure
    // shown.
    static QString frageExportziel(Charakter* c, const QString& filter, const QString& endung);
    static bool schreibeExport(const QString& datei, const QByteArray& daten,
                               const QString& ohneDaten);
};

#endif // PERSISTENZ_H
