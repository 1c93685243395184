#ifndef SCHILDGENERATOR_H
#define SCHILDGENERATOR_H

#include "komponente.h"

// Component kind of the category Schildgeneratoren: shield generator, counted in GSTPV; its shield energy is also its reactor draw.
class Schildgenerator : public Komponente
{
public:
    Schildgenerator();

    // shield energy SE per GSTPV (also its REV)
    int schildenergie() const;
    // the "Res." value (shown and stored only)
    int res() const;
};

#endif // SCHILDGENERATOR_H
