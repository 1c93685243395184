#include "waffen.h"

#include "kategorie.h"

using Wert = Komponente::Wert;

const Komponente::Art Waffen::zeilen = {
    {{Wert::Bev, "BEV"}, {Wert::Rev, "REV"}, {Wert::Gstpv, "GSTPV"}, {Wert::Text, "Wirkung"},
     {Wert::Einheit, nullptr, Wert::Keiner, Komponente::Regel::SlotsNachEinheit}},
    u"%3, TL %4, %L5St, %L6t, %L7BEV, %L8REV, %L9GSTPV, %10",
    {Wert::Legalitaet, Wert::Tl, Wert::Preis, Wert::Gewicht, Wert::Bev, Wert::Rev, Wert::Gstpv, Wert::Text},
    2, 0};

Waffen::Waffen() : Komponente(zeilen) {}
int Waffen::typ() const { return int(Kategorie::Waffensysteme); }
QString Waffen::kurzname() const { return QStringLiteral("Waffen"); }
QString Waffen::wirkung() const { return text(); }
