#ifndef LETZTERORDNER_H
#define LETZTERORDNER_H

#include <QString>

// Where the file dialogs start: the folder of the file last chosen in one of
// them, kept in the settings; the home folder the first time and when that
// folder no longer exists.
class LetzterOrdner
{
public:
    static QString ordner();
    // Remembers the folder of `datei` (a file chosen in a dialog).
    static void merke(const QString &datei);
    // `name` without the characters that file systems refuse, blanks at
    // both ends removed.
    static QString dateiname(const QString &name);
};

#endif // LETZTERORDNER_H
