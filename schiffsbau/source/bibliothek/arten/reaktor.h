#ifndef REAKTOR_H
#define REAKTOR_H

#include "komponente.h"

// Component kind of the category Reaktoren: reactor, counted in GSTPV.
class Reaktor : public Komponente
{
public:
    Reaktor();

    // reactor output RE per GSTPV
    int re() const;
    // the "Res." value (shown and stored only)
    int res() const;
};

#endif // REAKTOR_H
