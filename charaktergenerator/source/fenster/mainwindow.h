#ifndef MAINWINDOW_H
#define MAINWINDOW_H

#include <QList>
#include <QMainWindow>

#include "zufallscharakter.h"

class AbstractTab;
class HilfeFenster;
class Charakter;
class Persistenz;
class Regelwerk;
class TabAktionen;
class TabBasis;
class TabDiverse;
class TabEigenschaften;
class TabParanormik;
class TabSpezialgebiete;
class QUndoStack;
class Rettungskopie;
class ZuletztGeoeffnet;

namespace Ui {
class MainWindow;
}

// The character generator's window: point header, the six steps as tabs and
// the step bar with the "weiter ->" button. Owns the rules catalogue, the one
// character being edited and the tabs.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    static QString version();

    // Opens the character file as "laden ..." does once a file is chosen
    // (unsaved changes first); for the start argument and "Zuletzt geöffnet".
    void oeffneDatei(const QString &datei);
    // Brings back a recovery copy: `dokument` as an unsaved change of
    // `datei` (empty: a new document). False when the window could not take all
    // the copy holds: the copy must then be kept.
    bool stelleWiederHer(const QByteArray &dokument, const QString &datei);
    // The recovery copy of the character while it has unsaved changes.
    Rettungskopie *rettungskopie() const { return rettung; }

public slots:
    void updateHeaderDaten();
    void onNeuCharakter();
    // Asks for the settings of a random character (DialogZufall).
    void onZufallscharakter();
    // To the document's file without asking once it has one.
    void onSpeichernCharakter();
    // Always asks for the file.
    void onSpeichernUnter();
    void onLadeCharakter();
    void onExportiereCharakter();
    void onDrucken();
    void onPdfExportieren();
    void onTabGewechselt(int neuerTab);
    void onWeiter();
    void onUeber();
    // Shows the short guide; the one window is shown again each time.
    void onKurzanleitung();

protected:
    // Asks about unsaved changes first; "Abbrechen" keeps the window open.
    void closeEvent(QCloseEvent *event) override;
    // Enter presses "weiter ->" (or the focused button).
    void keyPressEvent(QKeyEvent *event) override;

private slots:
    // Back to a fresh character in step 1 (what "neu" does, without asking).
    void setzeZurueck();
    // Marks the window as modified while the character differs from the
    // state last created, loaded or saved.
    void pruefeAenderung();

private:
    // The character on screen now counts as the document of `datei` (empty:
    // none); `gesichert` false when it is not what the file holds.
    // A new or loaded character also starts a new history of steps.
    void setzeDokument(const QString &datei, bool gesichert, bool neueGeschichte = true);
    // Loads a document of the history back into the character (undo, redo).
    void stelleHer(const QByteArray &dokument);
    // The window's changed mark and the recovery copy for the character's
    // document `jetzt`.
    void zeigeAenderung(const QByteArray &jetzt);
    // Every step that is built shows the character as it is now.
    void zeigeCharakter();
    // Shows the tab's refusals in the status bar and takes the name of its
    // next history step; for every tab once it is built.
    void verbindeTab(AbstractTab *tab);
    // The check of the character in the header's tooltips.
    void zeigePruefungImKopf();
    // With unsaved changes asks whether to save them; false when the user
    // cancels or the save fails, so that the action must not go on.
    bool aenderungenBehandelt();
    // Saves to the document's file, or asks for one when there is none or
    // `fragen` is set. Afterwards the fields show what the file holds.
    bool speichereCharakter(bool fragen);
    void ladeDatei(const QString &datei);
    // What "neu" does, followed by the draw: one step of a new history.
    void erzeugeZufallscharakter(const Zufallscharakter::Einstellungen &einstellungen);
    // The steps and the header after a character was read in whole.
    void zeigeGeladen();
    void updateWeiterButton();
    // "weiter ->", or "fertig" on the last step.
    void zeigeWeiter(bool fertig);
    void zeigeSchritt(int index);
    // Moves "weiter ->" to the end of the focus chain.
    void weiterZuletzt();
    // The step of tab `index` (0 to 5), built on first use; null for none.
    AbstractTab *schrittTab(int index);
    void uebernimmLaufendeEingabe();

    Ui::MainWindow *ui;
    Regelwerk *regelwerk;
    Charakter *charakter;
    Persistenz *persistenz;
    // The six steps in tab order; null for a step not built yet.
    QList<AbstractTab *> tabs;
    TabBasis *tabBasis;
    TabEigenschaften *tabEigenschaften = nullptr;
    TabSpezialgebiete *tabSpezialgebiete = nullptr;
    TabAktionen *tabAktionen = nullptr;
    TabParanormik *tabParanormik = nullptr;
    TabDiverse *tabDiverse = nullptr;
    QString dokumentDatei;
    // The file document of the character as last created, loaded or saved.
    QByteArray gesichertesDokument;
    ZuletztGeoeffnet *zuletzt;
    QUndoStack *verlauf;
    // The document after the last step; a change since then is a new step.
    QByteArray letzterStand;
    bool stelltHer = false;
    // The name of the next step of the history ("Bereinigen"); empty: named
    // by what changed.
    QString naechsterSchrittName;
    HilfeFenster *hilfe = nullptr; // built when first asked for
    Rettungskopie *rettung;
};

#endif // MAINWINDOW_H
