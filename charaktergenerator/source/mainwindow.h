#ifndef MAINWINDOW_H
#define MAINWINDOW_H

#include <QList>
#include <QMainWindow>

class AbstractTab;
class Charakter;
class Persistenz;
class Regelwerk;
class TabAktionen;
class TabBasis;
class TabDiverse;
class TabEigenschaften;
class TabParanormik;
class TabSpezialgebiete;

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

public slots:
    void updateHeaderDaten();
    void onNeuCharakter();
    void onSpeichernCharakter();
    void onLadeCharakter();
    void onExportiereCharakter();
    void onDrucken();
    void onPdfExportieren();
    void onTabGewechselt(int neuerTab);
    void onWeiter();
    void onUeber();

private:
    void updateWeiterButton();
    void zeigeSchritt(int index);
    void uebernimmLaufendeEingabe();

    Ui::MainWindow *ui;
    Regelwerk *regelwerk;
    Charakter *charakter;
    Persistenz *persistenz;
    TabBasis *tabBasis;
    TabEigenschaften *tabEigenschaften;
    TabSpezialgebiete *tabSpezialgebiete;
    TabAktionen *tabAktionen;
    TabParanormik *tabParanormik;
    TabDiverse *tabDiverse;
    QList<AbstractTab *> tabs;
};

#endif // MAINWINDOW_H
