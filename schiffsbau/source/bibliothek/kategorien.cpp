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

// The kind of a category's components: how one is made and copied.
struct Art
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
constexpr Art art = {&neuVon<T>, &kopieVon<T>};

struct Zeile
{
    Kategorie kategorie;
    // UTF-8; "*" or a blank first, "%1" for the number of components
    const char *bezeichnung;
    // list files "<familie>*.csv"; none for the built-in categories
    const char *familie;
    bool eingebaut;
    Art art;
};

using K = Kategorie;

constexpr Zeile zeilen[] = {
    {K::StandardRaeume, "*Standard-Räume (%1)", nullptr, true, art<Diverse>},
    {K::WeitereRaeume, " Weitere Räume (%1)", "weitere_raeume", false, art<WeitereRaeume>},
    {K::BasisLebenssysteme, " Basis-Lebenssysteme (%1)", nullptr, true, art<Diverse>},
    {K::SonstigeBasiskomponenten, "*Sonstige Basiskomponenten (%1)", nullptr, true, art<Diverse>},
    {K::Rumpf, "*Rumpf (%1)", "rumpfmaterial", false, art<Rumpfmaterial>},
    {K::Panzerungen, " Panzerungen (%1)", "panzerungen", false, art<Panzerung>},
    {K::GravitationsGeneratoren, " Gravitations-Generatoren (%1)", "gravitationsgen", false,
     art<GravitationsGen>},
    {K::Reaktoren, "*Reaktoren (%1)", "reaktoren", false, art<Reaktor>},
    {K::Energiespeicher, " Energiespeicher (%1)", "energiespeicher", false, art<EnergieSpeicher>},
    {K::Manoevertriebwerke, "*Manoevertriebwerke (%1)", "manoevertriebwerke", false, art<ManoeverTW>},
    {K::Feldprojektoren, " Feldprojektoren (%1)", "feldprojektoren", false, art<FeldProjektor>},
    {K::Feldspulensysteme, " Feldspulensysteme (%1)", "feldspulensysteme", false, art<Feldspulensystem>},
    {K::SprungAntriebe, " Sprung-Antriebe (%1)", "antriebe", false, art<Antrieb>},
    {K::Hauptcomputer, "*Hauptcomputer (%1)", "hauptcomputer", false, art<Hauptcomputer>},
    {K::Sensorphalange, "*Sensorphalange (%1)", "sensorenphalange", false, art<Sensoren>},
    {K::Feuerleitsysteme, " Feuerleitsysteme (%1)", "feuerleitsysteme", false, art<Feuerleitsystem>},
    {K::Scanner, " Scanner (%1)", "scanner", false, art<Scanner>},
    {K::Kommunikationsrelais, " Kommunikationsrelais (%1)", "kommunikationsrelais", false, art<KommRelais>},
    {K::TrTransmitter, " TR-Transmitter (%1)", "trtransmitter", false, art<TrTransmitter>},
    {K::Schildgeneratoren, " Schildgeneratoren (%1)", "schildgeneratoren", false, art<Schildgenerator>},
    {K::Signalinterferanten, " Signalinterferanten (%1)", "signalinterferanten", false, art<Signalinterferant>},
    {K::Schleppstrahlprojektoren, " Schleppstrahlprojektoren (%1)", "schleppstrahlprojektoren", false,
     art<SchleppstrahlProj>},
    {K::Waffensysteme, " Waffensysteme (%1)", "waffen", false, art<Waffen>},
    {K::WeitereSysteme, " Türme, Störer, Weitere, ... (%1)", "weitere_systeme", false,
     art<WeitereSysteme>},
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

QString Kategorien::dateiMuster(int kat)
{
    const Zeile *z = zeile(kat);
    if (!z || !z->familie)
        return QString();
    return QString::fromLatin1(z->familie) + QLatin1String("*.csv");
}

Komponente *Kategorien::neu(int kat)
{
    const Zeile *z = zeile(kat);
    return z ? z->art.neu() : nullptr;
}

Komponente *Kategorien::kopie(int kat, const Komponente *k)
{
    const Zeile *z = zeile(kat);
    return z && k ? z->art.kopie(*k) : nullptr;
}
