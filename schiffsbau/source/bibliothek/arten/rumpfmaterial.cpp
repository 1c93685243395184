#include "rumpfmaterial.h"

#include "kategorie.h"

namespace {

using Wert = Komponente::Wert;

constexpr Wert RumpfProGstp = Wert::Dezimal;

const Komponente::Art art = {
    {{RumpfProGstp, "Rumpf /n"}, {Wert::Einheit}},
    u"%3, TL %4, pro GSTP: %L5St, %L6t, %L7Rumpf",
    {Wert::Legalitaet, Wert::Tl, Wert::Preis, Wert::Gewicht, RumpfProGstp},
    1, 0, -1.0f};

} // namespace

Rumpfmaterial::Rumpfmaterial() : Komponente(art) {}
int Rumpfmaterial::typ() const { return int(Kategorie::Rumpf); }
QString Rumpfmaterial::kurzname() const { return QStringLiteral("Rumpf"); }
float Rumpfmaterial::rumpfProGstp() const { return dezimal(); }
