#include "panzerung.h"

#include "kategorie.h"

namespace {

using Wert = Komponente::Wert;

constexpr Wert Teilschutz = Wert::Eigen1;

const Komponente::Art art = {
    {{Teilschutz, "Schutz /n", Wert::Keiner, Komponente::Regel::GanzerTeil}, {Wert::Einheit}},
    u"%3, TL %4, pro GSTPV: %L5St, %L6t, %L7Teilschutz",
    {Wert::Legalitaet, Wert::Tl, Wert::Preis, Wert::Gewicht, Teilschutz},
    1, 1};

} // namespace

Panzerung::Panzerung() : Komponente(art) {}
int Panzerung::typ() const { return int(Kategorie::Panzerungen); }
QString Panzerung::kurzname() const { return QStringLiteral("Panz."); }
int Panzerung::teilschutz() const { return ganzzahl(Teilschutz); }
