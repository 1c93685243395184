#ifndef RETTUNGSKOPIE_H
#define RETTUNGSKOPIE_H

#include <QByteArray>
#include <QDateTime>
#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>

#include <memory>

class QLockFile;
class QThread;

// The recovery copy of one window's document: while the document has
// unsaved changes, a copy of it lies in the folder of copies, so that a
// crash, a killed process or a power cut loses at most the last two
// seconds. The copy is written through the safe save by a single-shot
// timer that each change restarts, never on every keystroke; changes that
// never pause for that long still get a copy after five times the delay.
// Saving, discarding and closing remove it.
//
// The safe save waits until the disk has the bytes, which can take tens of
// milliseconds; so the bytes go to the disk in a thread of their own, and
// typing never waits for it. Removing the copy waits for a write under way,
// so that no copy comes back after it was removed.
//
// Each instance holds a lock file beside its copy while it lives, so that
// another instance never takes a copy whose instance is still running.
// The copy stays when the object goes without entferne() (the program
// ended some other way than by closing its window): that is what the next
// start offers to bring back.
class Rettungskopie : public QObject
{
    Q_OBJECT

public:
    // What the copy says about its document besides the document itself.
    struct Kopf {
        QString datei; // the document's own file; empty for one never saved
        QString titel; // the document's name as the user knows it
        QDateTime zeit; // when the copy was written
    };

    // The ending of the copies and of their lock files in the folder.
    static QString kopieEndung();
    static QString sperrEndung();

    explicit Rettungskopie(QObject *parent = nullptr);
    ~Rettungskopie() override;

    // The folder of copies. Empty (the default) keeps no copies at all:
    // only the program's start sets it, so that a window built elsewhere
    // (a test) never writes into the user's folder.
    static void setzeOrdner(const QString &ordner);
    static QString ordner();
    // The folder a program uses: "wiederherstellung" in its data folder.
    static QString standardOrdner();

    // The document as it is now; `ungesichert` false when it is what its
    // file holds (or a new, unchanged document). A changed document
    // restarts the timer; one without unsaved changes removes the copy.
    void setzeStand(const QByteArray &dokument, bool ungesichert, const QString &datei,
                    const QString &titel);
    // Text is being typed that the document does not hold yet: restarts
    // the timer too (vorDemSchreiben() lets the window hand it over).
    void eingabeLaeuft();
    // Stops the timer and removes the copy (saved, discarded, closed).
    void entferne();
    // Starts writing the copy of the unsaved document now, as the timer
    // does; false without one (or while the last copy is still being
    // written: the timer then tries again).
    bool schreibeJetzt();
    // Waits until the copy being written is on the disk; false when the
    // last copy could not be written.
    bool warte();

    // The delay after the last change, 2000 ms unless set (changes without
    // such a pause: five times the delay after the first of them).
    void setzeVerzoegerung(int millisekunden);
    int verzoegerung() const;
    // This instance's copy (empty without a folder).
    QString datei() const;

    // Makes the copy `kopie` of an ended instance this instance's own (the
    // document brought back from it is this window's now). False when it
    // could not be moved; it then stays where it is.
    bool uebernimm(const QString &kopie);

    // The content of a copy file: a header, then the document.
    static QByteArray kodiere(const Kopf &kopf, const QByteArray &dokument);
    // False when `inhalt` is no copy file.
    static bool dekodiere(const QByteArray &inhalt, Kopf &kopf, QByteArray &dokument);

signals:
    // Right before the timer writes the copy: the window hands over text
    // still being typed (which may call setzeStand()).
    void vorDemSchreiben();

private:
    void zeitAbgelaufen();
    // (Re)starts the timer: the delay from now, but no later than five
    // times the delay after the first change the copy does not hold yet.
    void starteZeit();
    // This instance's lock, taken on first need; false when it cannot be.
    bool sperre();

    QTimer m_timer;
    int m_verzoegerung = 2000;
    QElapsedTimer m_faellig; // since the first change not in the copy
    QString m_id;
    std::unique_ptr<QLockFile> m_sperre;
    // Writes the last copy; its result is read once it has finished.
    std::unique_ptr<QThread> m_schreiber;
    bool m_geschrieben = false;
    // The unsaved document the next copy holds; null when there is none.
    QByteArray m_dokument;
    QString m_datei;
    QString m_titel;
};

#endif // RETTUNGSKOPIE_H
