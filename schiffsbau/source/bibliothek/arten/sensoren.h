#ifndef SENSOREN_H
#define SENSOREN_H

#include "komponente.h"

// Component kind of the category Sensorphalange: sensor phalanx, counted in GSTPV; range in Mio km.
class Sensoren : public Komponente
{
public:
    Sensoren();

    // detection bonus
    int erfassung() const;
    // range
    float reichweite() const;
    // the "Res." value (shown and stored only)
    int res() const;
};

#endif // SENSOREN_H
