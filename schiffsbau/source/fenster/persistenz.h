#ifndef PERSISTENZ_H
#define PERSISTENZ_H

#include "schiffsdatei.h"

#include <QMessageBox>
#include <QObject>
#include <QString>

// Ship files ("*.zss", the base list "basisliste.zsb") and the text export
// filled into the template "exportvorlage.zse", as the windows use them:
// asks for the files and shows what went wrong. The file format itself is
// SchiffsDatei's.
//
// Saving builds the whole file in memory and writes it through QSaveFile,
// so a failed save never harms the previous file.
class Persistenz : public QObject
{
    Q_OBJECT

public:
    // Neither the ship model nor the library is owned.
    Persistenz(SchiffsModel* model, KomponentenBibliothek* bibliothek,
               QObject* parent = nullptr);
    ~Persistenz() override;

    // Asks for a file and saves the ship into it; true when it was written.
    // The dialog suggests a file named after the ship.
    bool speichern(QString name, QString beschreibung);
    // The same, the dialog suggesting `bisher` (the ship's file) when it is
    // not empty.
    bool speichernUnter(const QString& name, const QString& beschreibung,
                        const QString& bisher);
    // Loads the ship file `datei` (lies, then uebernimm): appends its
    // components to the ship model and fills `name` and `beschreibung` from
    // its header (also of a file without components). A refused file
    // changes nothing. False only for an empty file name.
    bool laden(QString& name, QString& beschreibung, QString datei);
    // The same for the text of a ship file in memory (undo and redo).
    void ladeText(QString& name, QString& beschreibung, const QByteArray& text);
    // Reads `datei` whole into `inhalt`; the ship stays as it is. A file
    // that cannot be read as a whole is refused with a box ("Fehler beim
    // Laden") that names the file, says what is wrong and that the ship was
    // kept. When its beginning is readable, the box also offers "Lesbaren
    // Teil laden"; taking it leaves that part in `inhalt` (befund
    // LesbarerTeil). A file that cannot be opened gives no box (befund
    // NichtGeoeffnet). False only for an empty file name. Without
    // `teilAnbieten` the box only tells why the file was refused.
    bool lies(const QString& datei, SchiffsDatei::Inhalt& inhalt, bool teilAnbieten = true);
    // Appends what `inhalt` holds (a file read whole, or the readable part
    // taken) to the ship model, fills `name` and `beschreibung` from its
    // header and recomputes; then reports components that were not found
    // and counts that were clamped. Anything else changes nothing.
    void uebernimm(SchiffsDatei::Inhalt& inhalt, QString& name, QString& beschreibung);
    // False when the last load left something of the file out or changed it
    // (components not found, counts clamped, a refused file or only its
    // readable part, a file that could not be read).
    bool vollstaendigGeladen() const;
    // The file that the last successful save went to.
    QString letzteDatei() const;
    // True when `datei` can be opened for reading; otherwise `grund` says
    // why not (missing, a folder, no permission).
    static bool lesbar(const QString& datei, QString* grund);
    // Asks for a file and writes the data sheet of the ship into it; false
    // when cancelled or not written.
    bool exportieren(QString name, QString beschreibung);
    // Asks for a "*.pdf" file and writes the laid-out data sheet into it;
    // false when cancelled or not written.
    bool pdfExportieren(QString name, QString beschreibung);
    // The file that the last successful export (text or PDF) went to.
    QString letzterExport() const;

    // Saves the ship into `datei` without asking. Reports every failure with
    // a critical box; true when the file was written completely.
    bool speichereDatei(const QString& datei, const QString& name,
                        const QString& beschreibung);
    // Writes the data sheet into `datei` without asking; true on success.
    bool exportiereDatei(const QString& datei, const QString& name,
                         const QString& beschreibung);
    // Recomputes the ship and writes its data sheet as PDF into `datei`
    // without asking: built whole in memory, then written through
    // QSaveFile. Reports a failure with a critical box; true on success.
    bool pdfExportiereDatei(const QString& datei, const QString& name,
                            const QString& beschreibung);

    // The text of a ship file for the current ship (Latin-1 bytes).
    // `ersetzt` receives a readable list of the characters that Latin-1
    // cannot hold and that were replaced (empty when there were none).
    QByteArray schiffsText(const QString& name, const QString& beschreibung,
                           QStringList* ersetzt = nullptr) const;

    // The template file of the export; "exportvorlage.zse" of the data
    // folder (DatenOrdner) unless set otherwise.
    QString vorlage() const;
    void setzeVorlage(const QString& datei);

    // The version that the loader expects and the saver writes.
    static QString version();


protected:
    // File dialog and message boxes, overridable so that they can be
    // answered without a window (tests). The dialog suggests the ship's
    // file, or one named after the ship in the folder last used
    // (LetzterOrdner).
    virtual QString frageDatei(const QString& titel, const QString& filter);
    virtual void meldung(QMessageBox::Icon symbol, const QString& titel,
                         const QString& text);
    // A box like meldung() with a second button `wahl` beside Ok; true when
    // the user chose `wahl`.
    virtual bool meldungMitWahl(QMessageBox::Icon symbol, const QString& titel,
                                const QString& text, const QString& wahl);

private:
    // The export dialog, suggesting a file named after the ship.
    QString frageExportziel(const QString& name, const QString& filter);
    // Writes an export; shows the failure (`fehler` already given, or the
    // write's) in the "Fehler beim Exportieren" box.
    bool schreibeExport(const QString& datei, const QByteArray& daten, bool textModus,
                        QString fehler);

    SchiffsModel* m_pModel;
    KomponentenBibliothek* m_pBibliothek;
    QString m_vorlage;
    QString m_letzteDatei;
    QString m_letzterExport;
    bool m_vollstaendig = true;
    // The ship's name and file while its save or export dialog is open.
    QString m_vorschlag;
    QString m_vorschlagDatei;
};

#endif // PERSISTENZ_H
