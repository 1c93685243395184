#include "charakterbefehle.h"
#include "mainwindow.h"
#include "programmstart.h"
#include "sprachumgebung.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    // Read before the application object exists: a run without window
    // chooses its platform itself.
    Befehlszeile befehle = CharakterBefehle::befehlszeile();
    if (befehle.ohneFenster(argc, argv, CharakterBefehle::fuehreAus))
        return befehle.rueckgabe();

    QApplication app(argc, argv);
    // The interface is German only: the standard dialogs and boxes, the
    // numbers and the calendar too, whatever the system's language.
    Sprachumgebung::einrichtenAlsProgramm(QStringLiteral("charaktergenerator"));
    // A character file given on the command line (by a file manager) opens.
    return Programmstart::zeigeUndLaufe<MainWindow>(app, QStringLiteral(".zch"));
}
