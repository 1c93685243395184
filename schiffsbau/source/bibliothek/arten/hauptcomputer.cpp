#include "hauptcomputer.h"

#include "kategorie.h"

namespace {

using Wert = Komponente::Wert;

constexpr Wert Slots = Wert::Eigen1;

const Komponente::Art art = {
    {{Slots, "Slots"}, {Wert::Rev, "REV"}, {Wert::Gstpv, "GSTPV"}, {Wert::Einheit}},
    u"%3, TL %4, %L5St, %L6t, %L7Sys.slots, %L8REV, %L10GSTPV",
    {Wert::Legalitaet, Wert::Tl, Wert::Preis, Wert::Gewicht, Slots, Wert::Rev, Wert::Gstpv},
    0, 0};

} // namespace

Hauptcomputer::Hauptcomputer() : Komponente(art) {}
int Hauptcomputer::typ() const { return int(Kategorie::Hauptcomputer); }
QString Hauptcomputer::kurzname() const { return QStringLiteral("Computer"); }
int Hauptcomputer::systemSlots() const { return ganzzahl(Slots); }
