#ifndef FEUERLEITSYSTEM_H
#define FEUERLEITSYSTEM_H

#include "komponente.h"

// Component kind of the category Feuerleitsysteme: fire-control system.
class Feuerleitsystem : public Komponente
{
public:
    Feuerleitsystem();

    // handling
    int handhabung() const;
};

#endif // FEUERLEITSYSTEM_H
