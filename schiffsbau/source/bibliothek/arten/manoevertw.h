#ifndef MANOEVERTW_H
#define MANOEVERTW_H

#include "komponente.h"

// Component kind of the category Manoevertriebwerke: manoeuvring engine.
class ManoeverTW : public Komponente
{
public:
    ManoeverTW();

    // partial steering
    int teilsteuerung() const;
    // the "Res." value (shown and stored only)
    int res() const;
};

#endif // MANOEVERTW_H
