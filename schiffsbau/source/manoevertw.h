#ifndef MANOEVERTW_H
#define MANOEVERTW_H

#include "komponente.h"

// Component kind 9: manoeuvring engine.
class ManoeverTW : public Komponente
{
public:
    static constexpr int Kategorie = 9;

    ManoeverTW();

    int typ() const override;
    QString kurzname() const override;

    // partial steering
    int teilsteuerung() const;
    // the "Res." value (shown and stored only)
    int res() const;
};

#endif // MANOEVERTW_H
