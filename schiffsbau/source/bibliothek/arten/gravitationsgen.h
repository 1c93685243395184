#ifndef GRAVITATIONSGEN_H
#define GRAVITATIONSGEN_H

#include "komponente.h"

// Component kind of the category GravitationsGeneratoren: gravitation generator.
class GravitationsGen : public Komponente
{
public:
    GravitationsGen();

    // GSTP served by one unit
    int gravGstp() const;
};

#endif // GRAVITATIONSGEN_H
