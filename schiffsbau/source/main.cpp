#include "datenordner.h"
#include "mainwindow.h"
#include "sprachumgebung.h"
#include "startargument.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // The interface is German only: the standard dialogs and boxes, the
    // numbers and the calendar too, whatever the system's language.
    Sprachumgebung::einrichtenAlsProgramm(QStringLiteral("schiffsbau"));
    // The user's data folder is ~/.local/share/zorvel2/schiffsbau.
    DatenOrdner::suche();
    MainWindow w;
    w.show();
    // A ship file given on the command line (by a file manager).
    const QString datei = Startargument::datei(QCoreApplication::arguments(), QStringLiteral(".zss"));
    if (!datei.isEmpty())
        w.oeffneDatei(datei);
    return app.exec();
}
