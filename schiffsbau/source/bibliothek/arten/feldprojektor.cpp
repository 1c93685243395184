#include "feldprojektor.h"

#include "kategorie.h"

namespace {

using Wert = Komponente::Wert;

constexpr Wert Teilsteuerung = Wert::Eigen1;
constexpr Wert Res = Wert::Eigen2;

const Komponente::Art art = {
    {{Teilsteuerung, "Strg. /n"}, {Wert::Rev, "REV /n"}, {Res, "Res. /n"}, {Wert::Einheit}},
    u"%3, TL %4, pro GSTPV: %L5St, %L6t, %L7Teilstrg, %L8REV, %L10Res",
    {Wert::Legalitaet, Wert::Tl, Wert::Preis, Wert::Gewicht, Teilsteuerung, Wert::Rev, Res},
    1, 1};

} // namespace

FeldProjektor::FeldProjektor() : Komponente(art) {}
int FeldProjektor::typ() const { return int(Kategorie::Feldprojektoren); }
QString FeldProjektor::kurzname() const { return QStringLiteral("Feldproj."); }
int FeldProjektor::teilsteuerung() const { return ganzzahl(Teilsteuerung); }
int FeldProjektor::res() const { return ganzzahl(Res); }
