#ifndef ANTRIEB_H
#define ANTRIEB_H

#include "komponente.h"

// Component kind of the category SprungAntriebe: jump drive, counted in GSTPV.
class Antrieb : public Komponente
{
public:
    Antrieb();

    // jump tonnage per GSTPV
    int sprungTonnage() const;
};

#endif // ANTRIEB_H
