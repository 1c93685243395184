#ifndef FELDPROJEKTOR_H
#define FELDPROJEKTOR_H

#include "komponente.h"

// Component kind of the category Feldprojektoren: field projector, counted in GSTPV.
class FeldProjektor : public Komponente
{
public:
    FeldProjektor();

    int typ() const override;
    QString kurzname() const override;

    // partial steering
    int teilsteuerung() const;
    // the "Res." value (shown and stored only)
    int res() const;
};

#endif // FELDPROJEKTOR_H
