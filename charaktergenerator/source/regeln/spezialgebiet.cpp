#include "spezialgebiet.h"

Spezialgebiet::Spezialgebiet(const QString& bezeichnung, int typ, int kenntnis, int bonus,
                             int wert, int eigenschaft1, int eigenschaft2,
                             bool bonusSpezialgebiet)
    : Bezeichnung(bezeichnung)
    , Typ(typ)
    , Kenntnis(kenntnis)
    , Bonus(bonus)
    , Wert(wert)
    , Eigenschaft1(eigenschaft1)
    , Eigenschaft2(eigenschaft2)
    , bonusSpezialgebiet(bonusSpezialgebiet)
{
}
