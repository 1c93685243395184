#ifndef CHARAKTERTEXT_H
#define CHARAKTERTEXT_H

#include <QString>

class Charakter;

// The plain-text character sheet for printing or pasting.  Only reads the
// character.
class CharakterText
{
public:
    // The sheet with "\n" line ends; the standard movement is formatted with
    // the default locale's decimal separator.
    static QString bogen(Charakter* c);
};

#endif // CHARAKTERTEXT_H
