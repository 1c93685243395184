#ifndef TRTRANSMITTER_H
#define TRTRANSMITTER_H

#include "komponente.h"

// Component kind of the category TrTransmitter: TR transmitter, counted in GSTPV; range in light years.
class TrTransmitter : public Komponente
{
public:
    TrTransmitter();

    // range
    int reichweite() const;
    // the "Res." value (shown and stored only)
    int res() const;
};

#endif // TRTRANSMITTER_H
