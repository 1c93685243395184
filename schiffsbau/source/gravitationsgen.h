#ifndef GRAVITATIONSGEN_H
#define GRAVITATIONSGEN_H

#include "komponente.h"

// Component kind 6: gravitation generator.
class GravitationsGen : public Komponente
{
public:
    static constexpr int Kategorie = 6;

    GravitationsGen();

    int typ() const override;
    QString kurzname() const override;

    // GSTP served by one unit
    int gravGstp() const;
};

#endif // GRAVITATIONSGEN_H
