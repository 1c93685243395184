#ifndef FEUERLEITSYSTEM_H
#define FEUERLEITSYSTEM_H

#include "komponente.h"

// Component kind 15: fire-control system.
class Feuerleitsystem : public Komponente
{
public:
    static constexpr int Kategorie = 15;

    Feuerleitsystem();

    int typ() const override;
    QString kurzname() const override;

    // handling
    int handhabung() const;
};

#endif // FEUERLEITSYSTEM_H
