#include "reaktor.h"

#include "kategorie.h"

namespace {

using Wert = Komponente::Wert;

constexpr Wert Re = Wert::Eigen1;
constexpr Wert Res = Wert::Eigen2;

const Komponente::Art art = {
    {{Re, "RE /n"}, {Res, "Res. /n"}, {Wert::Einheit}},
    u"%3, TL %4, pro GSTPV: %L5St, %L6t, %L7Res, %L8RE",
    {Wert::Legalitaet, Wert::Tl, Wert::Preis, Wert::Gewicht, Res, Re},
    1, 1};

} // namespace

Reaktor::Reaktor() : Komponente(art) {}
int Reaktor::typ() const { return int(Kategorie::Reaktoren); }
QString Reaktor::kurzname() const { return QStringLiteral("Reaktor"); }
int Reaktor::re() const { return ganzzahl(Re); }
int Reaktor::res() const { return ganzzahl(Res); }
