#ifndef FELDPROJEKTOR_H
#define FELDPROJEKTOR_H

#include "komponente.h"

// Component kind of the category Feldprojektoren: field projector, counted in GSTPV.
class FeldProjektor : public Komponente
{
public:
    FeldProjektor();

    // partial steering
    int teilsteuerung() const;
    // the "Res." value (shown and stored only)
    int res() const;
};

#endif // FELDPROJEKTOR_H
