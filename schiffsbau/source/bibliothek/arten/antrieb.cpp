#include "antrieb.h"

#include "kategorie.h"

namespace {

using Wert = Komponente::Wert;

constexpr Wert SprungTonnage = Wert::Eigen1;

const Komponente::Art art = {
    {{SprungTonnage, "Sprung-t /n"}, {Wert::Bev, "BEV /n"}, {Wert::Einheit}},
    u"%3, TL %4, pro GSTPV: %L5St, %L6t, %L7Sprung-t, %L8BEV",
    {Wert::Legalitaet, Wert::Tl, Wert::Preis, Wert::Gewicht, SprungTonnage, Wert::Bev},
    1, 1};

} // namespace

Antrieb::Antrieb() : Komponente(art) {}
int Antrieb::typ() const { return int(Kategorie::SprungAntriebe); }
QString Antrieb::kurzname() const { return QStringLiteral("Antrieb"); }
int Antrieb::sprungTonnage() const { return ganzzahl(SprungTonnage); }
