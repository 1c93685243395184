#ifndef MAINWINDOW_H
#define MAINWINDOW_H

#include <QList>
#include <QMainWindow>
#include <QModelIndex>

#include "schiffsdatei.h"
#include "schiffsdaten.h"
#include "schiffsschritt.h"

#include <functional>

class BudgetBalken;
class KategorieModel;
class KomponentenAuswahl;
class KomponentenBibliothek;
class Persistenz;
class QAction;
class QDockWidget;
class QSortFilterProxyModel;
class QUndoStack;
class Rettungskopie;
class SchiffsModel;
class ZuletztGeoeffnet;

namespace Ui { class MainWindow; }

// The ship builder's main window: the library's categories on the left,
// the ship (name, description, data panel, installed components) on the
// right. The component chooser is a second top-level window below it.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    KomponentenAuswahl *auswahl() const { return m_pAuswahl; }
    SchiffsModel *schiffsModel() const { return m_pModel; }
    KomponentenBibliothek *bibliothek() const { return m_pBibliothek; }

    // Opens the ship file as "laden ..." does once a file is chosen (unsaved
    // changes first); for the start argument and "Zuletzt geöffnet".
    void oeffneDatei(const QString &datei);
    // Brings back a recovery copy: `dokument` as an unsaved change of
    // `datei` (empty: a new ship). False when the window could not take all
    // the copy holds: the copy must then be kept.
    bool stelleWiederHer(const QByteArray &dokument, const QString &datei);
    // The recovery copy of the ship while it has unsaved changes.
    Rettungskopie *rettungskopie() const { return m_pRettung; }

public slots:
    void onKategorieWechsel(const QModelIndex &neu, const QModelIndex &alt);
    void onKategorieKlick(const QModelIndex &index);
    void onAddKomponente(uint kategorie, uint element, int anzahl);
    void onNeueDaten(SchiffsDaten d);
    void onNeu();
    void onListeLeeren();
    void onBasisliste();
    void onSpeichern();
    void onSpeichernUnter();
    void onLaden();
    void onExport();
    void onDrucken();
    void onPdfExportieren();
    void onKurzanleitung();
    void onUeber();
    void onListenPruefen();
    void onZusammenfassung();
    void onVergleichen();
    // Docks the chooser into the main window, or lets it stand free.
    void onAuswahlImHauptfenster(bool angedockt);
    // Takes today's list values for every component whose stored ones
    // differ, as one step.
    void onAktualisieren();

protected:
    // Asks about unsaved changes first ("Abbrechen" keeps the window open);
    // a free-standing chooser closes with the window.
    void closeEvent(QCloseEvent *event) override;
    // Maximised, the window takes the chooser in until it is restored.
    void changeEvent(QEvent *event) override;
    // The first time: the data panel as high as its contents.
    void showEvent(QShowEvent *event) override;

private slots:
    // Marks the window as modified while the ship differs from the state
    // last started, loaded or saved.
    void pruefeAenderung();
    // Removes the selected rows of the ship table ("Entfernen", Delete).
    void onEntfernen();
    // The preview of the component selected in the chooser: in the chooser
    // and as marks on the budget bars. Computed on a copy of the ship.
    void aktualisiereWirkung();

private:
    // The ship as its file would hold it now.
    QByteArray dokument() const;
    // The ship on screen now counts as the document of `datei` (empty:
    // none); `gesichert` false when it is not what the file holds.
    // A new or loaded ship also starts a new history of steps.
    void setzeDokument(const QString &datei, bool gesichert, bool neueGeschichte = true);
    // The ship as the history keeps it, and bringing such a state back.
    SchiffsSchritt::Stand stand() const;
    void stelleHer(const SchiffsSchritt::Stand &stand);
    // The window's changed mark and the recovery copy for the ship as it is.
    void zeigeAenderung();
    // Runs an action of several changes as one step of the given name.
    void schritt(const QString &name, const std::function<void()> &aenderung);
    void ladeDatei(const QString &datei);
    // Reads a ship file as "laden ..." does, reporting what it reports;
    // false when it cannot be used (nothing is changed). `teilAnbieten`:
    // a damaged file's readable part may be taken.
    bool liesSchiffsdatei(const QString &datei, SchiffsDatei::Inhalt &inhalt, bool teilAnbieten);
    // The budget bars for the ship now, with the marks of `danach`.
    void zeigeBalken(const SchiffsDaten *danach);
    // After a ship file was opened: names in one message the components
    // whose stored values differ from today's lists or that are in no list
    // any more.
    void meldeListenAbweichungen(const QString &datei);
    // Checks the lists read at start-up; findings are announced in the
    // status bar with a link to the checker.
    void pruefeListenBeimStart();
    // Replaces the ship, its name and description by what `inhalt` holds.
    void uebernimmSchiff(SchiffsDatei::Inhalt &inhalt);
    // With unsaved changes asks whether to save them; false when the user
    // cancels or the save fails, so that the action must not go on.
    bool aenderungenBehandelt();
    // Saves into the ship's file; asks for one when `fragen` or when the
    // ship has none yet. False when cancelled or not written.
    bool speichereSchiff(bool fragen);
    // Shows name and description as the file holds them now, as part of
    // the save: no step of its own.
    void zeigeGespeichert();
    // Empties the ship, name and description (what "leeren" does, without asking).
    void leereSchiff();
    // The folder whose data files the program reads.
    QString datenOrdner() const;
    // Loads the standard selection. With `ersetzen` it replaces the ship
    // (name and description too) once it was read: a refused base list
    // leaves the ship as it is, and so does one that is there but cannot
    // be read, with the warning "Kein Zugriff auf Standardauswahl".
    void ladeBasisliste(bool ersetzen);
    void ladeStil();
    void platziereFenster();
    // Shows the docked chooser, the window grown to make room for it.
    void zeigeAngedockt();
    void richteDatenspaltenAus();
    void teileFensterAuf();
    void richteTabelleEin();
    // Selects row `zeile` of the ship model in the table and scrolls to it.
    void zeigeZeile(int zeile);
    // The data panel's widget `teil` of entry `eintrag` of SchiffsWerte.
    QWidget *datenAnzeige(int eintrag, int teil);
    // The bar of entry `eintrag` of SchiffsWerte; null when it has none.
    BudgetBalken *balken(int eintrag);

    Ui::MainWindow *ui;
    KomponentenBibliothek *m_pBibliothek;
    KategorieModel *m_pKategorieModel;
    KomponentenAuswahl *m_pAuswahl;
    SchiffsModel *m_pModel;
    Persistenz *m_pPersistenz;
    QSortFilterProxyModel *m_pSchiffProxy = nullptr;
    QAction *m_pEntfernen = nullptr;
    QUndoStack *m_pVerlauf = nullptr;
    // The state after the last step; a change since then is a new step.
    SchiffsSchritt::Stand m_letzterStand;
    QString m_naechsterSchritt;
    int m_sammelt = 0;
    bool m_stelltHer = false;
    QString m_datei;
    QByteArray m_gesichert;
    bool m_auswahlGezeigt = false;
    bool m_erstesZeigen = true;
    ZuletztGeoeffnet *m_pZuletzt = nullptr;
    // The ship data shown now.
    SchiffsDaten m_daten;
    QDockWidget *m_pAuswahlDock = nullptr;
    // The chooser's height before it was docked, which the window gains
    // when it shows the docked chooser.
    int m_auswahlHoehe = 200;
    // The chooser was docked because the window was maximised.
    bool m_angedocktWeilGross = false;
    Rettungskopie *m_pRettung = nullptr;
    // The data panel's widgets, as datenAnzeige() finds them.
    QList<QWidget *> m_datenAnzeige;
    // The bars, as balken() finds them.
    QList<BudgetBalken *> m_balken;
};

#endif // MAINWINDOW_H
