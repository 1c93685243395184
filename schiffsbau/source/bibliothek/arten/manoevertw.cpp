#include "manoevertw.h"

#include "kategorie.h"

namespace {

using Wert = Komponente::Wert;

constexpr Wert Teilsteuerung = Wert::Eigen1;
constexpr Wert Res = Wert::Eigen2;

const Komponente::Art art = {
    {{Teilsteuerung, "Strg."}, {Wert::Rev, "REV"}, {Wert::Gstpv, "GSTPV"}, {Res, "Res."}, {Wert::Einheit}},
    u"%3, TL %4, %L5St, %L6t, %L7Teilstrg, %L8REV, %L9GSTPV, %L10Res",
    {Wert::Legalitaet, Wert::Tl, Wert::Preis, Wert::Gewicht, Teilsteuerung, Wert::Rev, Wert::Gstpv, Res},
    2, 0};

} // namespace

ManoeverTW::ManoeverTW() : Komponente(art) {}
int ManoeverTW::typ() const { return int(Kategorie::Manoevertriebwerke); }
QString ManoeverTW::kurzname() const { return QStringLiteral("Manoever."); }
int ManoeverTW::teilsteuerung() const { return ganzzahl(Teilsteuerung); }
int ManoeverTW::res() const { return ganzzahl(Res); }
