#ifndef MAINWINDOW_H
#define MAINWINDOW_H

#include <QMainWindow>
#include <QModelIndex>

#include "schiffsdaten.h"

class KategorieModel;
class KomponentenAuswahl;
class KomponentenBibliothek;
class Persistenz;
class QAction;
class QSortFilterProxyModel;
class SchiffsModel;
class ZuletztGeoeffnet;

namespace Ui {
class MainWindow;
}

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

public slots:
    void onKategorieWechsel(const QModelIndex &neu, const QModelIndex &alt);
    void onKategorieKlick(const QModelIndex &index);
    void onAddKomponente(uint kategorie, uint element, int anzahl);
    void onNeueDaten(SchiffsDaten d);
    void onListeLeeren();
    void onBasisliste();
    void onSpeichern();
    void onLaden();
    void onExport();
    void onKurzanleitung();
    void onUeber();
    void onListenPruefen();

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private slots:
    // Marks the window as modified while the ship differs from the state
    // last started, loaded or saved.
    void pruefeAenderung();
    // Removes the selected rows of the ship table ("Entfernen", Delete).
    void onEntfernen();

private:
    // The ship as its file would hold it now.
    QByteArray dokument() const;
    // The ship on screen now counts as the document of `datei` (empty:
    // none); `gesichert` false when it is not what the file holds.
    void setzeDokument(const QString &datei, bool gesichert);
    void ladeDatei(const QString &datei);
    // With unsaved changes asks whether to save them; false when the user
    // cancels or the save fails, so that the action must not go on.
    bool aenderungenBehandelt();
    bool speichereSchiff();
    // Empties the ship, name and description (what "leeren" does, without asking).
    void leereSchiff();
    // The folder whose data files the program reads.
    QString datenOrdner() const;
    void ladeBasisliste();
    void ladeStil();
    void platziereFenster();
    void richteDatenspaltenAus();
    void teileFensterAuf();
    void richteTabelleEin();
    // Selects row `zeile` of the ship model in the table and scrolls to it.
    void zeigeZeile(int zeile);

    Ui::MainWindow *ui;
    KomponentenBibliothek *m_pBibliothek;
    KategorieModel *m_pKategorieModel;
    KomponentenAuswahl *m_pAuswahl;
    SchiffsModel *m_pModel;
    Persistenz *m_pPersistenz;
    QSortFilterProxyModel *m_pSchiffProxy = nullptr;
    QAction *m_pEntfernen = nullptr;
    QString m_datei;
    QByteArray m_gesichert;
    bool m_auswahlGezeigt = false;
    bool m_erstesZeigen = true;
    ZuletztGeoeffnet *m_pZuletzt = nullptr;
};

#endif // MAINWINDOW_H
