#ifndef KOMMRELAIS_H
#define KOMMRELAIS_H

#include "komponente.h"

// Component kind of the category Kommunikationsrelais: communication relay, counted in GSTPV; range in Mio km.
class KommRelais : public Komponente
{
public:
    KommRelais();

    // range
    int reichweite() const;
    // the "Res." value (shown and stored only)
    int res() const;
};

#endif // KOMMRELAIS_H
