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

    // Save and export dialogs start in the folder last used (LetzterOrdner)
    // and suggest a file named after the character.
    // Asks for a "*.zch" file and saves the character there.  The previous
    // file is replaced only when the new one has been written completely.
    // False when the dialog was cancelled or the file could not be written
    // (a critical box names the file and the reason).
    bool speichern(Charakter* c);

    // Loads the file into the character.  The file is opened first: when
    // that fails, a warning box names the file and the reason, the character
    // stays as it was and the result is false.  A file that is no character
    // document at all (not XML, or another first element than "Charakter")
    // is reported in the "Lesefehler" box, again with the character left as
    // it was and the result false.  Otherwise
    // `signalLadenBeginnt()` is emitted (the window resets itself for a new
    // character there), the character is reset (`zuruecksetzen()`) and
    // filled from the file, and the result is true - also for a malformed
    // document, which is reported in the "Lesefehler" box and keeps what was
    // read before the fault.  An empty name gives false and changes nothing.
    bool laden(QString datei, Charakter* c);
    // False after a load that stopped at a fault in the document (the
    // character then holds only what came before it).
    bool vollstaendigGeladen() const;
    // The file that the last successful save went to.
    QString letzteDatei() const;

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

signals:
    // Emitted by `laden` once the file is open, before the character is reset
    // and filled; not emitted when the file cannot be opened.
    void signalLadenBeginnt();

private:
    bool m_vollstaendigGeladen = true;
    QString m_letzteDatei;

    // The save dialog in the folder last used, suggesting `name` as the file.
    static QString frageZieldatei(const QString& titel, const QString& filter, const QString& endung,
                                  const QString& name);
    // Writes `daten` safely; on failure shows the critical box `titel` with
    // `text` (%1 the file, %2 the reason) and answers false. Empty `daten`
    // count as failed with the reason `ohneDaten`, when one is given.
    static bool schreibeOderMelde(const QString& datei, const QByteArray& daten,
                                  const QString& ohneDaten, const QString& titel,
                                  const QString& text);
    static void zeigeSchreibfehler(const QString& titel, const QString& text,
                                   const QString& datei, const QString& grund);
};

#endif // PERSISTENZ_H
