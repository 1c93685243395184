#include "weitereraeume.h"

#include "kategorie.h"

namespace {

using Wert = Komponente::Wert;

constexpr Wert Wirkung = Wert::Text;

const Komponente::Art art = {
    {{Wert::Bev, "BEV"}, {Wert::Rev, "REV"}, {Wert::Gstpv, "GSTPV"}, {Wirkung, "Wirkung"},
     {Wert::Einheit, nullptr, Wert::Keiner, Komponente::Regel::SlotsNachEinheit}},
    u"%3, %L5St, %L6t, %L7BEV, %L8REV, %L9GSTPV, %10",
    {Wert::Legalitaet, Wert::Preis, Wert::Gewicht, Wert::Bev, Wert::Rev, Wert::Gstpv, Wirkung},
    0, 0};

} // namespace

WeitereRaeume::WeitereRaeume() : Komponente(art) {}
int WeitereRaeume::typ() const { return int(Kategorie::WeitereRaeume); }
QString WeitereRaeume::kurzname() const { return QStringLiteral("Räume"); }
QString WeitereRaeume::wirkung() const { return text(); }
