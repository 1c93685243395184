#ifndef GRAVITATIONSGEN_H
#define GRAVITATIONSGEN_H

#include "komponente.h"

// Component kind of the category GravitationsGeneratoren: gravitation generator.
class GravitationsGen : public Komponente
{
public:
    GravitationsGen();

    int typ() const override;
    QString kurzname() const override;

    // GSTP served by one unit
    int gravGstp() const;
};

#endif // GRAVITATIONSGEN_H
