#include "datenordner.h"
#include "mainwindow.h"
#include "programmstart.h"
#include "schiffsbefehle.h"

int main(int argc, char *argv[])
{
    // A ship file given on the command line (by a file manager) opens. The
    // user's data folder is ~/.local/share/zorvel2/schiffsbau.
    return Programmstart::hauptprogramm<MainWindow>(argc, argv, SchiffsBefehle::befehlszeile(),
                                                    SchiffsBefehle::fuehreAus,
                                                    QStringLiteral("schiffsbau"), QStringLiteral(".zss"),
                                                    [] { DatenOrdner::suche(); });
}
