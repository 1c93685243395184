#include "trtransmitter.h"

#include "kategorie.h"

namespace {

using Wert = Komponente::Wert;

constexpr Wert Reichweite = Wert::Eigen1;
constexpr Wert Res = Wert::Eigen2;

const Komponente::Art art = {
    {{Reichweite, "Lj. /n"}, {Wert::Bev, "BEV /n"}, {Res, "Res. /n"}, {Wert::Einheit}},
    u"%3, TL %4, pro GSTPV: %L5St, %L6t, %L7LJ, %L8BEV, %L10Res",
    {Wert::Legalitaet, Wert::Tl, Wert::Preis, Wert::Gewicht, Reichweite, Wert::Bev, Res},
    1, 1};

} // namespace

TrTransmitter::TrTransmitter() : Komponente(art) {}
int TrTransmitter::typ() const { return int(Kategorie::TrTransmitter); }
QString TrTransmitter::kurzname() const { return QStringLiteral("TrTransm."); }
int TrTransmitter::reichweite() const { return ganzzahl(Reichweite); }
int TrTransmitter::res() const { return ganzzahl(Res); }
