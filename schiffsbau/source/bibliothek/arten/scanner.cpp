#include "scanner.h"

#include "kategorie.h"

namespace {

using Wert = Komponente::Wert;

constexpr Wert Erfassung = Wert::Eigen1;
constexpr Wert Reichweite = Wert::Eigen2;
constexpr Wert Res = Wert::Eigen3;

const Komponente::Art art = {
    {{Erfassung, "Erf."}, {Reichweite, "km"}, {Wert::Bev, "BEV"}, {Wert::Gstpv, "GSTPV"}, {Res, "Res"}, {Wert::Einheit}},
    u"%3, TL %4, %L5St, %L6t, %L7Erfassung, %L8km, %L9BEV, %L10GSTPV, %L11Res",
    {Wert::Legalitaet, Wert::Tl, Wert::Preis, Wert::Gewicht, Erfassung, Reichweite, Wert::Bev, Wert::Gstpv, Res},
    2, 0};

} // namespace

Scanner::Scanner() : Komponente(art) {}
int Scanner::typ() const { return int(Kategorie::Scanner); }
QString Scanner::kurzname() const { return QStringLiteral("Scanner"); }
int Scanner::erfassung() const { return ganzzahl(Erfassung); }
int Scanner::reichweite() const { return ganzzahl(Reichweite); }
int Scanner::res() const { return ganzzahl(Res); }
