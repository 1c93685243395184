#ifndef RUMPFMATERIAL_H
#define RUMPFMATERIAL_H

#include "komponente.h"

// Component kind of the category Rumpf: hull material; the count is the ship size in GSTP.
class Rumpfmaterial : public Komponente
{
public:
    Rumpfmaterial();

    // hull points per GSTP
    float rumpfProGstp() const;
};

#endif // RUMPFMATERIAL_H
