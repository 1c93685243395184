#include "trtransmitter.h"

TrTransmitter::TrTransmitter() : Komponente(Kategorie::TrTransmitter) {}
int TrTransmitter::reichweite() const { return ganzzahl(Wert::Eigen1); }
int TrTransmitter::res() const { return ganzzahl(Wert::Eigen2); }
