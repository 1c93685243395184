#ifndef ENERGIESPEICHER_H
#define ENERGIESPEICHER_H

#include "komponente.h"

// Component kind 8: energy store.
class EnergieSpeicher : public Komponente
{
public:
    static constexpr int Kategorie = 8;

    EnergieSpeicher();

    int typ() const override;
    QString kurzname() const override;

    // energy-store capacity BE per unit
    int be() const;
};

#endif // ENERGIESPEICHER_H
