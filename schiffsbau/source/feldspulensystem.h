#ifndef FELDSPULENSYSTEM_H
#define FELDSPULENSYSTEM_H

#include "komponente.h"

// Component kind 11: field coil system, counted in GSTPV; speed in Mio km/s.
class Feldspulensystem : public Komponente
{
public:
    static constexpr int Kategorie = 11;

    Feldspulensystem();

    int typ() const override;
    QString kurzname() const override;

    // field speed in Mio km/s per GSTPV
    float geschwindigkeit() const;
    // the "Res." value (shown and stored only)
    int res() const;
};

#endif // FELDSPULENSYSTEM_H
