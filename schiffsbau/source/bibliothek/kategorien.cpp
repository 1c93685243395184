#include "kategorien.h"

#include "antrieb.h"
#include "diverse.h"
#include "energiespeicher.h"
#include "feldprojektor.h"
#include "feldspulensystem.h"
#include "feuerleitsystem.h"
#include "gravitationsgen.h"
#include "hauptcomputer.h"
#include "kommrelais.h"
#include "manoevertw.h"
#include "panzerung.h"
#include "reaktor.h"
#include "rumpfmaterial.h"
#include "scanner.h"
#include "schildgenerator.h"
#include "schleppstrahlproj.h"
#include "sensoren.h"
#include "signalinterferant.h"
#include "trtransmitter.h"
#include "waffen.h"
#include "weitereraeume.h"
#include "weiteresysteme.h"

#include <iterator>

namespace {

// How the components of a category are made and copied.
struct Bau
{
    Komponente *(*neu)();
    Komponente *(*kopie)(const Komponente &k);
};

template <typename T>
Komponente *neuVon()
{
    return new T;
}

template <typename T>
Komponente *kopieVon(const Komponente &k)
{
    const T *art = dynamic_cast<const T *>(&k);
    return art ? new T(*art) : nullptr;
}

template <typename T>
constexpr Bau bau = {&neuVon<T>, &kopieVon<T>};

struct Zeile
{
    Kategorie kategorie;
    // UTF-8; "*" or a blank first, "%1" for the number of components
    const char *bezeichnung;
    // list files "<familie>*.csv"; none for the built-in categories
    const char *familie;
    bool eingebaut;
    Bau bau;
    // What the kind of a list category declares: short name, columns after
    // the base columns (the unit last), description format and the values
    // of its markers, default slot need, GSTPV and decimal value. The
    // built-in rooms and fittings declare theirs themselves (Diverse).
    Komponente::Art art;
};

using K = Kategorie;
using W = Komponente::Wert;
using Regel = Komponente::Regel;

constexpr Zeile zeilen[] = {
    {K::StandardRaeume, "*Standard-Räume (%1)", nullptr, true, bau<Diverse>, {}},
    {K::WeitereRaeume, " Weitere Räume (%1)", "weitere_raeume", false, bau<WeitereRaeume>,
     {"Räume", {{W::Bev, "BEV"}, {W::Rev, "REV"}, {W::Gstpv, "GSTPV"}, {W::Text, "Wirkung"},
       {W::Einheit, nullptr, W::Keiner, Regel::SlotsNachEinheit}},
      u"%3, %L5St, %L6t, %L7BEV, %L8REV, %L9GSTPV, %10",
      {W::Legalitaet, W::Preis, W::Gewicht, W::Bev, W::Rev, W::Gstpv, W::Text}, 0, 0}},
    {K::BasisLebenssysteme, " Basis-Lebenssysteme (%1)", nullptr, true, bau<Diverse>, {}},
    {K::SonstigeBasiskomponenten, "*Sonstige Basiskomponenten (%1)", nullptr, true, bau<Diverse>, {}},
    {K::Rumpf, "*Rumpf (%1)", "rumpfmaterial", false, bau<Rumpfmaterial>,
     {"Rumpf", {{W::Dezimal, "Rumpf /n"}, {W::Einheit}},
      u"%3, TL %4, pro GSTP: %L5St, %L6t, %L7Rumpf",
      {W::Legalitaet, W::Tl, W::Preis, W::Gewicht, W::Dezimal}, 1, 0, -1.0f}},
    {K::Panzerungen, " Panzerungen (%1)", "panzerungen", false, bau<Panzerung>,
     {"Panz.", {{W::Eigen1, "Schutz /n", W::Keiner, Regel::GanzerTeil}, {W::Einheit}},
      u"%3, TL %4, pro GSTPV: %L5St, %L6t, %L7Teilschutz",
      {W::Legalitaet, W::Tl, W::Preis, W::Gewicht, W::Eigen1}, 1, 1}},
    {K::GravitationsGeneratoren, " Gravitations-Generatoren (%1)", "gravitationsgen", false, bau<GravitationsGen>,
     {"GravGen.", {{W::Eigen1, "Grav.GSTP"}, {W::Rev, "REV"}, {W::Gstpv, "GSTPV"}, {W::Einheit}},
      u"%3, TL %4, %L5St, %L6t, %L7Grav.GSTP, %L8REV, %L9GSTPV",
      {W::Legalitaet, W::Tl, W::Preis, W::Gewicht, W::Eigen1, W::Rev, W::Gstpv}, 2, 0}},
    {K::Reaktoren, "*Reaktoren (%1)", "reaktoren", false, bau<Reaktor>,
     {"Reaktor", {{W::Eigen1, "RE /n"}, {W::Eigen2, "Res. /n"}, {W::Einheit}},
      u"%3, TL %4, pro GSTPV: %L5St, %L6t, %L7Res, %L8RE",
      {W::Legalitaet, W::Tl, W::Preis, W::Gewicht, W::Eigen2, W::Eigen1}, 1, 1}},
    {K::Energiespeicher, " Energiespeicher (%1)", "energiespeicher", false, bau<EnergieSpeicher>,
     {"Energie", {{W::Eigen1, "BE"}, {W::Gstpv, "GSTPV"}, {W::Einheit}},
      u"%3, TL %4, %L5St, %L6t, %L7BE, %L9GSTPV",
      {W::Legalitaet, W::Tl, W::Preis, W::Gewicht, W::Eigen1, W::Gstpv}, 2, 0}},
    {K::Manoevertriebwerke, "*Manoevertriebwerke (%1)", "manoevertriebwerke", false, bau<ManoeverTW>,
     {"Manoever.", {{W::Eigen1, "Strg."}, {W::Rev, "REV"}, {W::Gstpv, "GSTPV"}, {W::Eigen2, "Res."}, {W::Einheit}},
      u"%3, TL %4, %L5St, %L6t, %L7Teilstrg, %L8REV, %L9GSTPV, %L10Res",
      {W::Legalitaet, W::Tl, W::Preis, W::Gewicht, W::Eigen1, W::Rev, W::Gstpv, W::Eigen2}, 2, 0}},
    {K::Feldprojektoren, " Feldprojektoren (%1)", "feldprojektoren", false, bau<FeldProjektor>,
     {"Feldproj.", {{W::Eigen1, "Strg. /n"}, {W::Rev, "REV /n"}, {W::Eigen2, "Res. /n"}, {W::Einheit}},
      u"%3, TL %4, pro GSTPV: %L5St, %L6t, %L7Teilstrg, %L8REV, %L10Res",
      {W::Legalitaet, W::Tl, W::Preis, W::Gewicht, W::Eigen1, W::Rev, W::Eigen2}, 1, 1}},
    {K::Feldspulensysteme, " Feldspulensysteme (%1)", "feldspulensysteme", false, bau<Feldspulensystem>,
     {"Feldspul.", {{W::Dezimal, "Mio. km/s /n"}, {W::Rev, "REV /n"}, {W::Eigen1, "Res. /n"}, {W::Einheit}},
      u"%3, TL %4, pro GSTPV: %L5St, %L6t, %L7Mio km/s, %L8REV, %L10Res",
      {W::Legalitaet, W::Tl, W::Preis, W::Gewicht, W::Dezimal, W::Rev, W::Eigen1}, 1, 1}},
    {K::SprungAntriebe, " Sprung-Antriebe (%1)", "antriebe", false, bau<Antrieb>,
     {"Antrieb", {{W::Eigen1, "Sprung-t /n"}, {W::Bev, "BEV /n"}, {W::Einheit}},
      u"%3, TL %4, pro GSTPV: %L5St, %L6t, %L7Sprung-t, %L8BEV",
      {W::Legalitaet, W::Tl, W::Preis, W::Gewicht, W::Eigen1, W::Bev}, 1, 1}},
    {K::Hauptcomputer, "*Hauptcomputer (%1)", "hauptcomputer", false, bau<Hauptcomputer>,
     {"Computer", {{W::Eigen1, "Slots"}, {W::Rev, "REV"}, {W::Gstpv, "GSTPV"}, {W::Einheit}},
      u"%3, TL %4, %L5St, %L6t, %L7Sys.slots, %L8REV, %L10GSTPV",
      {W::Legalitaet, W::Tl, W::Preis, W::Gewicht, W::Eigen1, W::Rev, W::Gstpv}, 0, 0}},
    {K::Sensorphalange, "*Sensorphalange (%1)", "sensorenphalange", false, bau<Sensoren>,
     {"Sensoren", {{W::Eigen1, "Erf."}, {W::Dezimal, "Mio. km /n"}, {W::Rev, "REV /n"}, {W::Eigen2, "Res. /n"},
       {W::Einheit}},
      u"%3, TL %4, %L11Erf, pro GSTPV: %L5St, %L6t, %L7Mio km, %L8REV, %L10Res",
      {W::Legalitaet, W::Tl, W::Preis, W::Gewicht, W::Dezimal, W::Rev, W::Eigen2, W::Eigen1}, 1, 1}},
    {K::Feuerleitsysteme, " Feuerleitsysteme (%1)", "feuerleitsysteme", false, bau<Feuerleitsystem>,
     {"Feuerleits.", {{W::Eigen1, "Handh."}, {W::Rev, "REV"}, {W::Gstpv, "GSTPV"}, {W::Einheit}},
      u"%3, TL %4, %L5St, %L6t, %L7Handh., %L8REV, %L10GSTPV",
      {W::Legalitaet, W::Tl, W::Preis, W::Gewicht, W::Eigen1, W::Rev, W::Gstpv}, 2, 0}},
    {K::Scanner, " Scanner (%1)", "scanner", false, bau<Scanner>,
     {"Scanner", {{W::Eigen1, "Erf."}, {W::Eigen2, "km"}, {W::Bev, "BEV"}, {W::Gstpv, "GSTPV"}, {W::Eigen3, "Res"},
       {W::Einheit}},
      u"%3, TL %4, %L5St, %L6t, %L7Erfassung, %L8km, %L9BEV, %L10GSTPV, %L11Res",
      {W::Legalitaet, W::Tl, W::Preis, W::Gewicht, W::Eigen1, W::Eigen2, W::Bev, W::Gstpv, W::Eigen3}, 2, 0}},
    {K::Kommunikationsrelais, " Kommunikationsrelais (%1)", "kommunikationsrelais", false, bau<KommRelais>,
     {"Komm.Rel.", {{W::Eigen1, "Mio. km /n"}, {W::Rev, "REV /n"}, {W::Eigen2, "Res. /n"}, {W::Einheit}},
      u"%3, TL %4, pro GSTPV: %L5St, %L6t, %L7Mio km, %L8REV, %L10Res",
      {W::Legalitaet, W::Tl, W::Preis, W::Gewicht, W::Eigen1, W::Rev, W::Eigen2}, 1, 1}},
    {K::TrTransmitter, " TR-Transmitter (%1)", "trtransmitter", false, bau<TrTransmitter>,
     {"TrTransm.", {{W::Eigen1, "Lj. /n"}, {W::Bev, "BEV /n"}, {W::Eigen2, "Res. /n"}, {W::Einheit}},
      u"%3, TL %4, pro GSTPV: %L5St, %L6t, %L7LJ, %L8BEV, %L10Res",
      {W::Legalitaet, W::Tl, W::Preis, W::Gewicht, W::Eigen1, W::Bev, W::Eigen2}, 1, 1}},
    {K::Schildgeneratoren, " Schildgeneratoren (%1)", "schildgeneratoren", false, bau<Schildgenerator>,
     {"Schild.", {{W::Eigen1, "SE /n", W::Rev}, {W::Eigen2, "Res. /n"}, {W::Einheit}},
      u"%3, TL %4, pro GSTPV: %L5St, %L6t, %L7SE|REV, %L8Res",
      {W::Legalitaet, W::Tl, W::Preis, W::Gewicht, W::Eigen1, W::Eigen2}, 1, 1}},
    {K::Signalinterferanten, " Signalinterferanten (%1)", "signalinterferanten", false, bau<Signalinterferant>,
     {"Signalint.", {{W::Eigen1, "Scanschutz"}, {W::Rev, "REV"}, {W::Gstpv, "GSTPV"}, {W::Eigen2, "Res."},
       {W::Einheit}},
      u"%3, TL %4, %L5St, %L6t, %L7Teilscansch, %L8REV, %L10GSTPV, %L12Res",
      {W::Legalitaet, W::Tl, W::Preis, W::Gewicht, W::Eigen1, W::Rev, W::Gstpv, W::Eigen2}, 2, 0}},
    {K::Schleppstrahlprojektoren, " Schleppstrahlprojektoren (%1)", "schleppstrahlprojektoren", false,
     bau<SchleppstrahlProj>,
     {"Schleppstr.", {{W::Eigen1, "Handh."}, {W::Eigen2, "t Last"}, {W::Rev, "REV"}, {W::Gstpv, "GSTPV"},
       {W::Eigen3, "Res."}, {W::Einheit}},
      u"%3, TL %4, %L5St, %L6t, %L7Handh, %L8t Last, %L9REV, %L10GSTPV, %L11Res",
      {W::Legalitaet, W::Tl, W::Preis, W::Gewicht, W::Eigen1, W::Eigen2, W::Rev, W::Gstpv, W::Eigen3}, 2, 0}},
    {K::Waffensysteme, " Waffensysteme (%1)", "waffen", false, bau<Waffen>,
     {"Waffen", {{W::Bev, "BEV"}, {W::Rev, "REV"}, {W::Gstpv, "GSTPV"}, {W::Text, "Wirkung"},
       {W::Einheit, nullptr, W::Keiner, Regel::SlotsNachEinheit}},
      u"%3, TL %4, %L5St, %L6t, %L7BEV, %L8REV, %L9GSTPV, %10",
      {W::Legalitaet, W::Tl, W::Preis, W::Gewicht, W::Bev, W::Rev, W::Gstpv, W::Text}, 2, 0}},
    {K::WeitereSysteme, " Türme, Störer, Weitere, ... (%1)", "weitere_systeme", false, bau<WeitereSysteme>,
     {"Weitere", {{W::Bev, "BEV"}, {W::Rev, "REV"}, {W::Gstpv, "GSTPV"}, {W::Text, "Wirkung"},
       {W::Einheit, nullptr, W::Keiner, Regel::SlotsNachEinheit}},
      u"%3, TL %4, %L5St, %L6t, %L7BEV, %L8REV, %L9GSTPV, %10",
      {W::Legalitaet, W::Tl, W::Preis, W::Gewicht, W::Bev, W::Rev, W::Gstpv, W::Text}, 0, 0}},
};

// Row i is category i, and exactly the built-in categories have no list
// files.
constexpr bool stimmig()
{
    for (int i = 0; i < int(std::size(zeilen)); ++i) {
        if (int(zeilen[i].kategorie) != i || zeilen[i].eingebaut != (zeilen[i].familie == nullptr))
            return false;
    }
    return int(std::size(zeilen)) == Kategorien::Anzahl;
}
static_assert(stimmig(), "one row per category, in number order");

const Zeile *zeile(int kat)
{
    return Kategorien::gueltig(kat) ? &zeilen[kat] : nullptr;
}

} // namespace

bool Kategorien::gueltig(int kat)
{
    return kat >= 0 && kat < Anzahl;
}

bool Kategorien::eingebaut(int kat)
{
    const Zeile *z = zeile(kat);
    return z && z->eingebaut;
}

QList<int> Kategorien::eingebaute()
{
    QList<int> liste;
    for (const Zeile &z : zeilen) {
        if (z.eingebaut)
            liste.append(int(z.kategorie));
    }
    return liste;
}

QString Kategorien::bezeichnung(int kat)
{
    const Zeile *z = zeile(kat);
    return z ? QString::fromUtf8(z->bezeichnung) : QString();
}

QString Kategorien::name(int kat)
{
    QString text = bezeichnung(kat);
    text.remove(QStringLiteral("(%1)"));
    return text.mid(1).trimmed();
}

QString Kategorien::dateiMuster(int kat)
{
    const Zeile *z = zeile(kat);
    if (!z || !z->familie)
        return QString();
    return QString::fromLatin1(z->familie) + QLatin1String("*.csv");
}

const Komponente::Art &Kategorien::art(Kategorie kat)
{
    return zeilen[int(kat)].art;
}

Komponente *Kategorien::neu(int kat)
{
    const Zeile *z = zeile(kat);
    return z ? z->bau.neu() : nullptr;
}

Komponente *Kategorien::kopie(int kat, const Komponente *k)
{
    const Zeile *z = zeile(kat);
    return z && k ? z->bau.kopie(*k) : nullptr;
}
