#include "kommrelais.h"

#include "kategorie.h"

namespace {

using Wert = Komponente::Wert;

constexpr Wert Reichweite = Wert::Eigen1;
constexpr Wert Res = Wert::Eigen2;

const Komponente::Art art = {
    {{Reichweite, "Mio. km /n"}, {Wert::Rev, "REV /n"}, {Res, "Res. /n"}, {Wert::Einheit}},
    u"%3, TL %4, pro GSTPV: %L5St, %L6t, %L7Mio km, %L8REV, %L10Res",
    {Wert::Legalitaet, Wert::Tl, Wert::Preis, Wert::Gewicht, Reichweite, Wert::Rev, Res},
    1, 1};

} // namespace

KommRelais::KommRelais() : Komponente(art) {}
int KommRelais::typ() const { return int(Kategorie::Kommunikationsrelais); }
QString KommRelais::kurzname() const { return QStringLiteral("Komm.Rel."); }
int KommRelais::reichweite() const { return ganzzahl(Reichweite); }
int KommRelais::res() const { return ganzzahl(Res); }
