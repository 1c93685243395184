#ifndef PANZERUNG_H
#define PANZERUNG_H

#include "komponente.h"

// Component kind of the category Panzerungen: armour, counted in GSTPV.
class Panzerung : public Komponente
{
public:
    Panzerung();

    // partial protection per GSTPV
    int teilschutz() const;
};

#endif // PANZERUNG_H
