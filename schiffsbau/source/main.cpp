#include "datenordner.h"
#include "mainwindow.h"
#include "programmstart.h"
#include "schiffsbefehle.h"
#include "sprachumgebung.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    // Read before the application object exists: a run without window
    // chooses its platform itself.
    Befehlszeile befehle = SchiffsBefehle::befehlszeile();
    if (befehle.ohneFenster(argc, argv, SchiffsBefehle::fuehreAus))
        return befehle.rueckgabe();

    QApplication app(argc, argv);
    // The interface is German only: the standard dialogs and boxes, the
    // numbers and the calendar too, whatever the system's language.
    Sprachumgebung::einrichtenAlsProgramm(QStringLiteral("schiffsbau"));
    // The user's data folder is ~/.local/share/zorvel2/schiffsbau.
    DatenOrdner::suche();
    // A ship file given on the command line (by a file manager) opens.
    return Programmstart::zeigeUndLaufe<MainWindow>(app, QStringLiteral(".zss"));
}
