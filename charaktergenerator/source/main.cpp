#include "charakterbefehle.h"
#include "mainwindow.h"
#include "programmstart.h"

int main(int argc, char *argv[])
{
    // A character file given on the command line (by a file manager) opens.
    return Programmstart::hauptprogramm<MainWindow>(argc, argv, CharakterBefehle::befehlszeile(),
                                                    CharakterBefehle::fuehreAus,
                                                    QStringLiteral("charaktergenerator"),
                                                    QStringLiteral(".zch"));
}
