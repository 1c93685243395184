#ifndef HAUPTCOMPUTER_H
#define HAUPTCOMPUTER_H

#include "komponente.h"

// Component kind of the category Hauptcomputer: main computer; provides system slots.
class Hauptcomputer : public Komponente
{
public:
    Hauptcomputer();

    // computer system slots per unit
    int systemSlots() const;
};

#endif // HAUPTCOMPUTER_H
