#include "schleppstrahlproj.h"

#include "kategorie.h"

namespace {

using Wert = Komponente::Wert;

constexpr Wert Handhabung = Wert::Eigen1;
constexpr Wert Last = Wert::Eigen2;
constexpr Wert Res = Wert::Eigen3;

const Komponente::Art art = {
    {{Handhabung, "Handh."}, {Last, "t Last"}, {Wert::Rev, "REV"}, {Wert::Gstpv, "GSTPV"}, {Res, "Res."}, {Wert::Einheit}},
    u"%3, TL %4, %L5St, %L6t, %L7Handh, %L8t Last, %L9REV, %L10GSTPV, %L11Res",
    {Wert::Legalitaet, Wert::Tl, Wert::Preis, Wert::Gewicht, Handhabung, Last, Wert::Rev, Wert::Gstpv, Res},
    2, 0};

} // namespace

SchleppstrahlProj::SchleppstrahlProj() : Komponente(art) {}
int SchleppstrahlProj::typ() const { return int(Kategorie::Schleppstrahlprojektoren); }
QString SchleppstrahlProj::kurzname() const { return QStringLiteral("Schleppstr."); }
int SchleppstrahlProj::handhabung() const { return ganzzahl(Handhabung); }
int SchleppstrahlProj::last() const { return ganzzahl(Last); }
int SchleppstrahlProj::res() const { return ganzzahl(Res); }
