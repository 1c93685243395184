#ifndef AKTION_H
#define AKTION_H

#include <QString>

// A learnable action: a language (paid with SP), a technical action (TP) or
// a paranormal ability (MP). The catalogue holds the originals; a character
// owns copies of the actions it has learned.
class Aktion
{
public:
    // The kinds of action. The catalogue and the character keep one list per
    // kind, and each kind is paid with the point kind of the same number
    // (CharakterBasis::SP, TP, MP).
    enum Art { Sprache = 0, Technik = 1, Paranormal = 2 };
    static constexpr int AnzahlArten = 3;

    Aktion() = default;
    Aktion(const QString& bezeichnung, int kenntnis, int spezialisierung, int befaehigung,
           int kosten);

    QString Bezeichnung;       // name
    int Kenntnis = 0;          // knowledge area 0..9 that is the base of the roll
    int Spezialisierung = 0;   // specialisation 0..17
    int Befaehigung = -10;     // proficiency -10..+2
    int Kosten = 0;            // points of the action's kind paid when learned
};

#endif // AKTION_H
