#include "feuerleitsystem.h"

#include "kategorie.h"

namespace {

using Wert = Komponente::Wert;

constexpr Wert Handhabung = Wert::Eigen1;

const Komponente::Art art = {
    {{Handhabung, "Handh."}, {Wert::Rev, "REV"}, {Wert::Gstpv, "GSTPV"}, {Wert::Einheit}},
    u"%3, TL %4, %L5St, %L6t, %L7Handh., %L8REV, %L10GSTPV",
    {Wert::Legalitaet, Wert::Tl, Wert::Preis, Wert::Gewicht, Handhabung, Wert::Rev, Wert::Gstpv},
    2, 0};

} // namespace

Feuerleitsystem::Feuerleitsystem() : Komponente(art) {}
int Feuerleitsystem::typ() const { return int(Kategorie::Feuerleitsysteme); }
QString Feuerleitsystem::kurzname() const { return QStringLiteral("Feuerleits."); }
int Feuerleitsystem::handhabung() const { return ganzzahl(Handhabung); }
