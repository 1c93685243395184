#ifndef TRTRANSMITTER_H
#define TRTRANSMITTER_H

#include "komponente.h"

// Component kind 18: TR transmitter, counted in GSTPV; range in light years.
class TrTransmitter : public Komponente
{
public:
    static constexpr int Kategorie = 18;

    TrTransmitter();

    int typ() const override;
    QString kurzname() const override;

    // range
    int reichweite() const;
    // the "Res." value (shown and stored only)
    int res() const;
};

#endif // TRTRANSMITTER_H
