#ifndef CHARAKTERBEFEHLE_H
#define CHARAKTERBEFEHLE_H

#include "befehlszeile.h"

// The character generator without its window: the sheets of a group of
// character files as one PDF or as text, and random characters drawn by the
// rules, for scripts and game masters.
class CharakterBefehle
{
public:
    // The program's command line: its options, usage and exit statuses.
    static Befehlszeile befehlszeile();
    // Runs what `befehle` asks for, once the application object exists;
    // the exit status.
    static int fuehreAus(const Befehlszeile &befehle);
};

#endif // CHARAKTERBEFEHLE_H
