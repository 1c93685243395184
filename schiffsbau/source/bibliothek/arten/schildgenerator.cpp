#include "schildgenerator.h"

#include "kategorie.h"

namespace {

using Wert = Komponente::Wert;

constexpr Wert Schildenergie = Wert::Eigen1;
constexpr Wert Res = Wert::Eigen2;

const Komponente::Art art = {
    {{Schildenergie, "SE /n", Wert::Rev}, {Res, "Res. /n"}, {Wert::Einheit}},
    u"%3, TL %4, pro GSTPV: %L5St, %L6t, %L7SE|REV, %L8Res",
    {Wert::Legalitaet, Wert::Tl, Wert::Preis, Wert::Gewicht, Schildenergie, Res},
    1, 1};

} // namespace

Schildgenerator::Schildgenerator() : Komponente(art) {}
int Schildgenerator::typ() const { return int(Kategorie::Schildgeneratoren); }
QString Schildgenerator::kurzname() const { return QStringLiteral("Schild."); }
int Schildgenerator::schildenergie() const { return ganzzahl(Schildenergie); }
int Schildgenerator::res() const { return ganzzahl(Res); }
