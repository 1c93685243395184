#ifndef SCHILDGENERATOR_H
#define SCHILDGENERATOR_H

#include "komponente.h"

// Component kind 19: shield generator, counted in GSTPV; its shield energy is also its reactor draw.
class Schildgenerator : public Komponente
{
public:
    static constexpr int Kategorie = 19;

    Schildgenerator();

    int typ() const override;
    QString kurzname() const override;

    // shield energy SE per GSTPV (also its REV)
    int schildenergie() const;
    // the "Res." value (shown and stored only)
    int res() const;
};

#endif // SCHILDGENERATOR_H
