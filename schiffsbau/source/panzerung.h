#ifndef PANZERUNG_H
#define PANZERUNG_H

#include "komponente.h"

// Component kind 5: armour, counted in GSTPV.
class Panzerung : public Komponente
{
public:
    static constexpr int Kategorie = 5;

    Panzerung();

    int typ() const override;
    QString kurzname() const override;

    // partial protection per GSTPV
    int teilschutz() const;
};

#endif // PANZERUNG_H
