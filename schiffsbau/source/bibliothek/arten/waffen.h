#ifndef WAFFEN_H
#define WAFFEN_H

#include "komponente.h"

// Component kind of the category Waffensysteme: weapon system.
class Waffen : public Komponente
{
public:
    Waffen();

    // effect text (raw field text)
    QString wirkung() const;
};

#endif // WAFFEN_H
