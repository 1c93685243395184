#include "mainwindow.h"
#include "sprachumgebung.h"
#include "startargument.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // The interface is German only: the standard dialogs and boxes, the
    // numbers and the calendar too, whatever the system's language.
    Sprachumgebung::einrichtenAlsProgramm(QStringLiteral("charaktergenerator"));
    MainWindow fenster;
    fenster.show();
    // A character file given on the command line (by a file manager).
    const QString datei = Startargument::datei(QCoreApplication::arguments(), QStringLiteral(".zch"));
    if (!datei.isEmpty())
        fenster.oeffneDatei(datei);
    return app.exec();
}
