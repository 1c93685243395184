#ifndef SCHIFFSBEFEHLE_H
#define SCHIFFSBEFEHLE_H

#include "befehlszeile.h"

// The ship builder without its window: data sheets of a group of ships as
// one PDF or as text, ships checked against today's lists, and the check of
// the lists of a data folder, for scripts and game masters.
class SchiffsBefehle
{
public:
    // The program's command line: its options, usage and exit statuses.
    static Befehlszeile befehlszeile();
    // Runs what `befehle` asks for, once the application object exists;
    // the exit status.
    static int fuehreAus(const Befehlszeile &befehle);
};

#endif // SCHIFFSBEFEHLE_H
