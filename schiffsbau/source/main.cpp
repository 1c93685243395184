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
    Sprachumgebung::einrichten();
    // The user's data folder is ~/.local/share/zorvel2/schiffsbau.
    QCoreApplication::setOrganizationName(QStringLiteral("zorvel2"));
    QCoreApplication::setApplicationName(QStringLiteral("schiffsbau"));
    QGuiApplication::setDesktopFileName(QStringLiteral("de.zorvel2.schiffsbau"));
    DatenOrdner::suche();
    MainWindow w;
    w.show();
    // A ship file given on the command line (by a file manager).
    const QString datei = Startargument::datei(QCoreApplication::arguments());
    if (!datei.isEmpty())
        w.oeffneDatei(datei);
    return app.exec();
}
