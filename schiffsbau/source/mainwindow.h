#ifndef MAINWINDOW_H
#define MAINWINDOW_H

#include <QMainWindow>
#include <QModelIndex>

#include "schiffsdaten.h"

class KategorieModel;
class KomponentenAuswahl;
class KomponentenBibliothek;
class Persistenz;
class QSortFilterProxyModel;
class SchiffsModel;

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
    void onDrucken();
    void onPdfExportieren();
    void onKurzanleitung();
    void onUeber();

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void ladeBasisliste();
    void ladeStil();
    void platziereFenster();
    void richteDatenspaltenAus();

    Ui::MainWindow *ui;
    KomponentenBibliothek *m_pBibliothek;
    KategorieModel *m_pKategorieModel;
    KomponentenAuswahl *m_pAuswahl;
    SchiffsModel *m_pModel;
    Persistenz *m_pPersistenz;
    QSortFilterProxyModel *m_pSchiffProxy = nullptr;
    bool m_auswahlGezeigt = false;
    bool m_erstesZeigen = true;
};

#endif // MAINWINDOW_H
