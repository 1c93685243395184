#ifndef SCHIFFSBEFEHLE_H
#define SCHIFFSBEFEHLE_H

#include "befehlszeile.h"

#include <QString>
#include <QStringList>

// The ship builder without its window: data sheets of a group of ships as
// one PDF or as text, ships checked against today's lists, and the check of
// the lists of a data folder, for scripts and game masters.
class SchiffsBefehle
{
public:
    // The program's version, as the window and the command line show it.
    static constexpr const char *Version = "0.12.0";

    // The program's command line: its options, usage and exit statuses.
    static Befehlszeile befehlszeile();
    // Runs what `befehle` asks for, once the application object exists;
    // the exit status.
    static int fuehreAus(const Befehlszeile &befehle);

private:
    // The list check of `ordner`: one line per finding and a count.
    static int pruefeListen(const Befehlszeile &befehle, const QString &ordner);
    // Sheets, text export and comparison with today's lists of the ship
    // files given.
    static int bearbeiteSchiffe(const Befehlszeile &befehle);
};

#endif // SCHIFFSBEFEHLE_H
