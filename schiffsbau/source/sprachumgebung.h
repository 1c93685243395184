#ifndef SPRACHUMGEBUNG_H
#define SPRACHUMGEBUNG_H

// The program speaks German whatever the system is set to: Qt's own texts
// of the standard dialogs, and every number, date and calendar shown
// (each "%L" placeholder groups digits with "." and writes a decimal comma).
class Sprachumgebung
{
public:
    // Once, right after the application object has been created and before
    // any window exists (widgets take the default locale when created).
    static void einrichten();
};

#endif // SPRACHUMGEBUNG_H
