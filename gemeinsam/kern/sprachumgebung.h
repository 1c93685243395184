#ifndef SPRACHUMGEBUNG_H
#define SPRACHUMGEBUNG_H

class QString;

// The program speaks German whatever the system is set to: Qt's own texts
// of the standard dialogs, and every number, date and calendar shown
// (each "%L" placeholder groups digits with "." and writes a decimal comma).
class Sprachumgebung
{
public:
    // Once, right after the application object has been created and before
    // any window exists (widgets take the default locale when created).
    static void einrichten();

    // What every program of the pair does first: einrichten(), then the
    // names under which the settings are kept (~/.config/zorvel2/<programm>)
    // and the desktop entry "de.zorvel2.<programm>".
    static void einrichtenAlsProgramm(const QString &programm);
};

#endif // SPRACHUMGEBUNG_H
