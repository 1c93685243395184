#include "gravitationsgen.h"

#include "kategorie.h"

namespace {

using Wert = Komponente::Wert;

constexpr Wert GravGstp = Wert::Eigen1;

const Komponente::Art art = {
    {{GravGstp, "Grav.GSTP"}, {Wert::Rev, "REV"}, {Wert::Gstpv, "GSTPV"}, {Wert::Einheit}},
    u"%3, TL %4, %L5St, %L6t, %L7Grav.GSTP, %L8REV, %L9GSTPV",
    {Wert::Legalitaet, Wert::Tl, Wert::Preis, Wert::Gewicht, GravGstp, Wert::Rev, Wert::Gstpv},
    2, 0};

} // namespace

GravitationsGen::GravitationsGen() : Komponente(art) {}
int GravitationsGen::typ() const { return int(Kategorie::GravitationsGeneratoren); }
QString GravitationsGen::kurzname() const { return QStringLiteral("GravGen."); }
int GravitationsGen::gravGstp() const { return ganzzahl(GravGstp); }
