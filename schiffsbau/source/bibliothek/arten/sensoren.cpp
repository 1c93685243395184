#include "sensoren.h"

#include "kategorie.h"

namespace {

using Wert = Komponente::Wert;

constexpr Wert Erfassung = Wert::Eigen1;
constexpr Wert Reichweite = Wert::Dezimal;
constexpr Wert Res = Wert::Eigen2;

const Komponente::Art art = {
    {{Erfassung, "Erf."}, {Reichweite, "Mio. km /n"}, {Wert::Rev, "REV /n"}, {Res, "Res. /n"}, {Wert::Einheit}},
    u"%3, TL %4, %L11Erf, pro GSTPV: %L5St, %L6t, %L7Mio km, %L8REV, %L10Res",
    {Wert::Legalitaet, Wert::Tl, Wert::Preis, Wert::Gewicht, Reichweite, Wert::Rev, Res, Erfassung},
    1, 1};

} // namespace

Sensoren::Sensoren() : Komponente(art) {}
int Sensoren::typ() const { return int(Kategorie::Sensorphalange); }
QString Sensoren::kurzname() const { return QStringLiteral("Sensoren"); }
int Sensoren::erfassung() const { return ganzzahl(Erfassung); }
float Sensoren::reichweite() const { return dezimal(); }
int Sensoren::res() const { return ganzzahl(Res); }
