#include "signalinterferant.h"

#include "kategorie.h"

namespace {

using Wert = Komponente::Wert;

constexpr Wert Teilscanschutz = Wert::Eigen1;
constexpr Wert Res = Wert::Eigen2;

const Komponente::Art art = {
    {{Teilscanschutz, "Scanschutz"}, {Wert::Rev, "REV"}, {Wert::Gstpv, "GSTPV"}, {Res, "Res."}, {Wert::Einheit}},
    u"%3, TL %4, %L5St, %L6t, %L7Teilscansch, %L8REV, %L10GSTPV, %L12Res",
    {Wert::Legalitaet, Wert::Tl, Wert::Preis, Wert::Gewicht, Teilscanschutz, Wert::Rev, Wert::Gstpv, Res},
    2, 0};

} // namespace

Signalinterferant::Signalinterferant() : Komponente(art) {}
int Signalinterferant::typ() const { return int(Kategorie::Signalinterferanten); }
QString Signalinterferant::kurzname() const { return QStringLiteral("Signalint."); }
int Signalinterferant::teilscanschutz() const { return ganzzahl(Teilscanschutz); }
int Signalinterferant::res() const { return ganzzahl(Res); }
