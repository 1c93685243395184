#ifndef ENERGIESPEICHER_H
#define ENERGIESPEICHER_H

#include "komponente.h"

// Component kind of the category Energiespeicher: energy store.
class EnergieSpeicher : public Komponente
{
public:
    EnergieSpeicher();

    // energy-store capacity BE per unit
    int be() const;
};

#endif // ENERGIESPEICHER_H
