#ifndef WAFFEN_H
#define WAFFEN_H

#include "komponente.h"

// Component kind of the category Waffensysteme: weapon system.
class Waffen : public Komponente
{
public:
    Waffen();

    // Columns, description and defaults of a weapon's row; the further
    // systems read their rows in the same way.
    static const Art zeilen;

    int typ() const override;
    QString kurzname() const override;

    // effect text (raw field text)
    QString wirkung() const;
};

#endif // WAFFEN_H
