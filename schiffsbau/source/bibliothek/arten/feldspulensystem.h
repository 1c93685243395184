#ifndef FELDSPULENSYSTEM_H
#define FELDSPULENSYSTEM_H

#include "komponente.h"

// Component kind of the category Feldspulensysteme: field coil system, counted in GSTPV; speed in Mio km/s.
class Feldspulensystem : public Komponente
{
public:
    Feldspulensystem();

    // field speed in Mio km/s per GSTPV
    float geschwindigkeit() const;
    // the "Res." value (shown and stored only)
    int res() const;
};

#endif // FELDSPULENSYSTEM_H
