#ifndef CHARAKTERBEFEHLE_H
#define CHARAKTERBEFEHLE_H

#include "befehlszeile.h"

#include <QString>
#include <QTextDocument>

#include <functional>

class Charakter;

// The character generator without its window: the sheets of a group of
// character files as one PDF or as text, and random characters drawn by the
// rules, for scripts and game masters.
class CharakterBefehle
{
public:
    // The program's version, as the window and the command line show it.
    static constexpr const char *Version = "0.9.3";

    // The program's command line: its options, usage and exit statuses.
    static Befehlszeile befehlszeile();
    // Runs what `befehle` asks for, once the application object exists;
    // the exit status.
    static int fuehreAus(const Befehlszeile &befehle);

private:
    // --zufall: draws one character, or --anzahl of them, into files and
    // prints each file's start value.
    static int zufall(const Befehlszeile &befehle);
    // Reads every file of `dateien` into one character and hands it on;
    // unreadable ones are reported and skipped. False when one was.
    static bool liesAlle(const Befehlszeile &befehle, const QStringList &dateien,
                         const std::function<void(Charakter *)> &weiter);
};

#endif // CHARAKTERBEFEHLE_H
