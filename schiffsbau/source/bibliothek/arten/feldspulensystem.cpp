#include "feldspulensystem.h"

#include "kategorie.h"

namespace {

using Wert = Komponente::Wert;

constexpr Wert Geschwindigkeit = Wert::Dezimal;
constexpr Wert Res = Wert::Eigen1;

const Komponente::Art art = {
    {{Geschwindigkeit, "Mio. km/s /n"}, {Wert::Rev, "REV /n"}, {Res, "Res. /n"}, {Wert::Einheit}},
    u"%3, TL %4, pro GSTPV: %L5St, %L6t, %L7Mio km/s, %L8REV, %L10Res",
    {Wert::Legalitaet, Wert::Tl, Wert::Preis, Wert::Gewicht, Geschwindigkeit, Wert::Rev, Res},
    1, 1};

} // namespace

Feldspulensystem::Feldspulensystem() : Komponente(art) {}
int Feldspulensystem::typ() const { return int(Kategorie::Feldspulensysteme); }
QString Feldspulensystem::kurzname() const { return QStringLiteral("Feldspul."); }
float Feldspulensystem::geschwindigkeit() const { return dezimal(); }
int Feldspulensystem::res() const { return ganzzahl(Res); }
