#include "energiespeicher.h"

#include "kategorie.h"

namespace {

using Wert = Komponente::Wert;

constexpr Wert Be = Wert::Eigen1;

const Komponente::Art art = {
    {{Be, "BE"}, {Wert::Gstpv, "GSTPV"}, {Wert::Einheit}},
    u"%3, TL %4, %L5St, %L6t, %L7BE, %L9GSTPV",
    {Wert::Legalitaet, Wert::Tl, Wert::Preis, Wert::Gewicht, Be, Wert::Gstpv},
    2, 0};

} // namespace

EnergieSpeicher::EnergieSpeicher() : Komponente(art) {}
int EnergieSpeicher::typ() const { return int(Kategorie::Energiespeicher); }
QString EnergieSpeicher::kurzname() const { return QStringLiteral("Energie"); }
int EnergieSpeicher::be() const { return ganzzahl(Be); }
