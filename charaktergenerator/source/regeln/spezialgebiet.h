#ifndef SPEZIALGEBIET_H
#define SPEZIALGEBIET_H

#include <QString>

// A special area: a field of expertise inside one knowledge area. The catalogue
// holds the originals (level 0); a character owns copies with the level bought.
class Spezialgebiet
{
public:
    Spezialgebiet() = default;
    Spezialgebiet(const QString& bezeichnung, int typ, int kenntnis, int bonus, int wert,
                  int eigenschaft1, int eigenschaft2, bool bonusSpezialgebiet);

    QString Bezeichnung;              // name
    int Typ = 18;                     // specialisation 0..17, 18 = none
    int Kenntnis = 0;                 // knowledge area 0..9
    int Bonus = 0;                    // fixed bonus added to rolls
    int Wert = 0;                     // level 0..20
    int Eigenschaft1 = 0;             // first attribute the area rests on
    int Eigenschaft2 = 0;             // second attribute the area rests on
    bool bonusSpezialgebiet = false;  // a species' own area: free at level 4
};

#endif // SPEZIALGEBIET_H
