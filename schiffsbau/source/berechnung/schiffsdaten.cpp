#include "schiffsdaten.h"

#include "antrieb.h"
#include "diverse.h"
#include "energiespeicher.h"
#include "feldprojektor.h"
#include "feldspulensystem.h"
#include "feuerleitsystem.h"
#include "gravitationsgen.h"
#include "hauptcomputer.h"
#include "kategorien.h"
#include "kommrelais.h"
#include "komponente.h"
#include "manoevertw.h"
#include "panzerung.h"
#include "reaktor.h"
#include "rumpfmaterial.h"
#include "scanner.h"
#include "schildgenerator.h"
#include "sensoren.h"
#include "signalinterferant.h"
#include "trtransmitter.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <limits>

namespace {

constexpr qint64 grosst = std::numeric_limits<qint64>::max();
constexpr qint64 kleinst = std::numeric_limits<qint64>::min();

// The sums of a ship are held to the 64-bit range: counts and values from
// a file can be anything, and a wrapped sum would be undefined.
qint64 mal(qint64 a, qint64 b)
{
    qint64 r = 0;
    if (__builtin_mul_overflow(a, b, &r))
        return (a < 0) != (b < 0) ? kleinst : grosst;
    return r;
}

void addiere(qint64 &summe, qint64 wert)
{
    if (__builtin_add_overflow(summe, wert, &summe))
        summe = wert > 0 ? grosst : kleinst;
}

// Prices of the fittings that are cheaper by the full ten GSTPV.
qint64 zehnerPreis(qint64 n, qint64 proZehn, qint64 proEinheit)
{
    qint64 preis = mal(n / 10, proZehn);
    addiere(preis, mal(n % 10, proEinheit));
    return preis;
}

// The rules of a table by their key (0 to Anzahl - 1), so that each row of
// a ship finds its rule at once.
template <typename Regel, int Anzahl>
class Verzeichnis
{
public:
    template <typename Schluessel, std::size_t N>
    Verzeichnis(const Regel (&regeln)[N], Schluessel Regel::*schluessel)
    {
        for (const Regel &regel : regeln)
            m_regel[int(regel.*schluessel)] = &regel;
    }

    // nullptr for a key without a rule
    const Regel *operator()(int wert) const
    {
        return wert >= 0 && wert < Anzahl ? m_regel[wert] : nullptr;
    }

private:
    const Regel *m_regel[Anzahl] = {};
};

// What a built-in room or fitting adds beyond its per-unit values: n times
// `faktor` to one sum, and a price of `proZehn` per full ten units and
// `proEinheit` per further unit.
struct Einbauregel
{
    Diverse::Typ typ;
    qint64 SchiffsDaten::*summe;
    qint64 faktor;
    qint64 proZehn;
    qint64 proEinheit;
};

// A built-in fitting that is installed at most once and sets a flag.
struct Einbauschalter
{
    Diverse::Typ typ;
    bool SchiffsDaten::*schalter;
};

using Typ = Diverse::Typ;
using D = SchiffsDaten;

const Einbauregel einbauregeln[] = {
    {Typ::Treibstofftank, &D::treibstoffTonnen, 2, 4000, 1000},
    {Typ::Treppen, &D::treppenDecks, 1, 0, 0},
    {Typ::Turbolifte, &D::liftDecks, 1, 0, 0},
    {Typ::Bruecke, &D::brueckeGstpv, 1, 0, 0},
    {Typ::Kabinen, &D::kabinenGstpv, 1, 0, 0},
    {Typ::FrachtraumIntern, &D::frachtInternTonnen, 1, 1000, 400},
    {Typ::FrachtraumExtern, &D::frachtExternTonnen, 2, 1000, 400},
    {Typ::HangarTor, &D::hangarTor, 1, 1500, 600},
    {Typ::HangarKraftfeld, &D::hangarKraftfeld, 1, 1500, 600},
    {Typ::Umweltkontrolle, &D::lebenserhaltungPersonen, 1, 0, 0},
    {Typ::Wassertank, &D::wasserLiter, 100, 0, 0},
    {Typ::Traegheitsdaempfer, &D::traegheitsdaempfung, 1, 0, 0}, // a percentage of GSTP
    {Typ::Rettungskapsel, &D::rettungskapselPersonen, 1, 0, 0},
    {Typ::Schleudersitz, &D::schleudersitzPersonen, 1, 0, 0},
    {Typ::Gasballon, &D::gasballons, 1, 0, 0},
    {Typ::Fallschirm, &D::fallschirme, 1, 0, 0},
    {Typ::Smashbag, &D::smashbags, 1, 0, 0},
};

const Einbauschalter einbauschalter[] = {
    {Typ::Maschinenraum, &D::maschinenraum},
    {Typ::Spiegelpanzerung, &D::spiegelpanzerung},
    {Typ::EmapStarkfeld, &D::emapStarkfeld},
    {Typ::Landestelzen, &D::landestelzen},
    {Typ::Druckschotts, &D::druckschotts},
};

const Verzeichnis<Einbauschalter, Diverse::AnzahlTypen + 1> schalterFuer(einbauschalter, &Einbauschalter::typ);
const Verzeichnis<Einbauregel, Diverse::AnzahlTypen + 1> regelFuer(einbauregeln, &Einbauregel::typ);

void rechneEinbau(SchiffsDaten &d, const Diverse &k, qint64 n)
{
    if (const Einbauschalter *schalter = schalterFuer(k.typNummer()))
        d.*schalter->schalter = true;
    const Einbauregel *regel = regelFuer(k.typNummer());
    if (!regel)
        return;
    if (regel->proZehn != 0 || regel->proEinheit != 0)
        addiere(d.preis, zehnerPreis(n, regel->proZehn, regel->proEinheit));
    addiere(d.*regel->summe, mal(regel->faktor, n));
}

// What a component of a list category adds: n times its own value to a
// sum (or, for a range, the largest such product counts), and n to a count.
struct Beitrag
{
    Kategorie kategorie;
    qint64 SchiffsDaten::*summe;
    int (*wert)(const Komponente &k);
    bool hoechster;
    qint64 SchiffsDaten::*anzahl;
};

template <typename Art, int (Art::*eigenschaft)() const>
int wertVon(const Komponente &k)
{
    return (static_cast<const Art &>(k).*eigenschaft)();
}

using K = Kategorie;

const Beitrag beitraege[] = {
    {K::WeitereRaeume, &D::weitereRaeumeGstpv, wertVon<Komponente, &Komponente::gstpv>, false, nullptr},
    // the hull points are gathered as a decimal sum
    {K::Rumpf, nullptr, nullptr, false, &D::gstp},
    {K::Panzerungen, &D::teilschutzSumme, wertVon<Panzerung, &Panzerung::teilschutz>, false, &D::panzerungGstpv},
    {K::GravitationsGeneratoren, &D::gravGstp, wertVon<GravitationsGen, &GravitationsGen::gravGstp>, false, nullptr},
    {K::Reaktoren, &D::re, wertVon<Reaktor, &Reaktor::re>, false, nullptr},
    {K::Energiespeicher, &D::be, wertVon<EnergieSpeicher, &EnergieSpeicher::be>, false, nullptr},
    {K::Manoevertriebwerke, &D::teilsteuerungSumme, wertVon<ManoeverTW, &ManoeverTW::teilsteuerung>, false, nullptr},
    {K::Feldprojektoren, &D::teilsteuerungSumme, wertVon<FeldProjektor, &FeldProjektor::teilsteuerung>, false,
     nullptr},
    {K::SprungAntriebe, &D::sprungTonnen, wertVon<Antrieb, &Antrieb::sprungTonnage>, false, nullptr},
    {K::Hauptcomputer, &D::computerSlots, wertVon<Hauptcomputer, &Hauptcomputer::systemSlots>, false, nullptr},
    {K::Feuerleitsysteme, &D::handhabungSumme, wertVon<Feuerleitsystem, &Feuerleitsystem::handhabung>, false,
     &D::feuerleitAnzahl},
    {K::Kommunikationsrelais, &D::kommReichweite, wertVon<KommRelais, &KommRelais::reichweite>, true, nullptr},
    {K::TrTransmitter, &D::trReichweite, wertVon<TrTransmitter, &TrTransmitter::reichweite>, true, nullptr},
    {K::Schildgeneratoren, &D::schildenergie, wertVon<Schildgenerator, &Schildgenerator::schildenergie>, false,
     nullptr},
    {K::Signalinterferanten, &D::teilscanschutzSumme,
     wertVon<Signalinterferant, &Signalinterferant::teilscanschutz>, false, nullptr},
};

const Verzeichnis<Beitrag, Kategorien::Anzahl> beitragFuer(beitraege, &Beitrag::kategorie);

void rechneBeitrag(SchiffsDaten &d, const Komponente &k, int kategorie, qint64 n)
{
    const Beitrag *beitrag = beitragFuer(kategorie);
    if (!beitrag)
        return;
    if (beitrag->summe) {
        const qint64 wert = mal(n, beitrag->wert(k));
        qint64 &summe = d.*beitrag->summe;
        if (beitrag->hoechster)
            summe = std::max(summe, wert);
        else
            addiere(summe, wert);
    }
    if (beitrag->anzahl)
        addiere(d.*beitrag->anzahl, n);
}

// Steering at one load: partial steering over size plus weight, raised by
// the size class above 10, but never above the size class. A divisor of 0
// or below leaves the value at 0.
float steuerung(double summe, double teiler, int klasse)
{
    if (!(teiler > 0.0))
        return 0.0f;
    const double wert = summe / teiler + (klasse - 10);
    return float(std::min(wert, double(klasse)));
}

// Field speed in km/s at one load, capped at 250000 km/s. A divisor of 0
// or below leaves the value at 0.
float feldgeschwindigkeit(double kmProS, double teiler)
{
    if (!(teiler > 0.0))
        return 0.0f;
    return float(std::min(kmProS / teiler, 250000.0));
}

} // namespace

SchiffsDaten SchiffsDaten::berechne(const QList<Komponente *> &komponenten,
                                    const QList<int> &anzahlen)
{
    SchiffsDaten d;
    // Sums that are shown as decimal values are gathered in double and
    // stored once at the end; the volume is a whole number of GSTPV.
    double gewichtLaufend = 0.0;
    double rumpf = 0.0;
    double feldspulen = 0.0;
    double besteSensorReichweite = 0.0;
    qint64 belegt = 0;

    const qsizetype zeilen = std::min(komponenten.size(), anzahlen.size());
    for (qsizetype i = 0; i < zeilen; ++i) {
        const Komponente *k = komponenten.at(i);
        if (!k)
            continue;
        const qint64 n = anzahlen.at(i);

        const int typ = k->typ();
        Q_ASSERT_X(Kategorien::gueltig(typ), "SchiffsDaten::berechne",
                   "a component without a kind reached the ship calculation");
        if (Kategorien::eingebaut(typ))
            rechneEinbau(d, *static_cast<const Diverse *>(k), n);
        else
            rechneBeitrag(d, *k, typ, n);
        // What is not a plain sum.
        switch (Kategorie(typ)) {
        case Kategorie::Rumpf:
            rumpf += double(static_cast<const Rumpfmaterial *>(k)->rumpfProGstp()) * double(n);
            break;
        case Kategorie::Feldspulensysteme:
            feldspulen += double(static_cast<const Feldspulensystem *>(k)->geschwindigkeit()) * double(n);
            break;
        case Kategorie::Sensorphalange: {
            const Sensoren *s = static_cast<const Sensoren *>(k);
            const double r = double(s->reichweite()) * double(n);
            if (r > besteSensorReichweite) {
                besteSensorReichweite = r;
                d.sensorBonus = s->erfassung();
            }
            break;
        }
        case Kategorie::Scanner: {
            const Scanner *s = static_cast<const Scanner *>(k);
            if (s->erfassung() > d.scannerErfassung) {
                d.scannerErfassung = s->erfassung();
                d.scannerReichweite = s->reichweite();
            }
            break;
        }
        default:
            break;
        }

        gewichtLaufend += double(k->gewicht()) * double(n);
        addiere(d.preis, mal(n, k->preis()));
        addiere(belegt, mal(n, k->gstpv()));
        addiere(d.rev, mal(n, k->rev()));
        const int slotBedarf = k->slotBedarf();
        if (slotBedarf == 2)
            addiere(d.slotsBelegt, n);
        else if (slotBedarf == 1)
            addiere(d.slotsBelegt, 1);
        d.maxBev = std::max(d.maxBev, mal(n, k->bev()));
    }

    const qint64 gstp = d.gstp;
    d.objektgroesse = groessenklasse(gstp);
    d.rumpf = float(std::trunc(rumpf + 0.5));
    if (gstp > 0)
        d.panzerung = rundeDiv(double(d.teilschutzSumme), double(gstp));
    if (d.spiegelpanzerung)
        addiere(d.preis, mal(d.panzerungGstpv, 50000));
    if (gstp > 0)
        d.scanschutz = rundeDiv(double(d.teilscanschutzSumme), double(gstp));
    if (d.feuerleitAnzahl > 0)
        d.handhabungMittel = float(double(d.handhabungSumme) / double(d.feuerleitAnzahl));
    if (d.maschinenraum) {
        // 5 % of the ship's size; the engine room costs nothing.
        d.gstpvMaschinenraum = rundeDiv(double(gstp), 20.0);
        addiere(belegt, d.gstpvMaschinenraum);
    }
    if (d.brueckeGstpv > 0)
        d.brueckePersonen = d.brueckeGstpv / 2;
    if (d.kabinenGstpv > 0)
        d.kabinenPersonen = d.kabinenGstpv / 10;
    if (d.traegheitsdaempfung > 0) {
        // The count is a percentage of the ship's size; 1 % gives 10 g.
        const qint64 v = rundeDiv(double(d.traegheitsdaempfung) * double(gstp), 100.0);
        d.gstpvTraegheitsdaempfer = v;
        addiere(belegt, v);
        addiere(d.preis, mal(5000, v));
        addiere(d.rev, mal(30, v));
        gewichtLaufend += 0.2 * double(v);
        addiere(d.traegheitsdaempfung, 9);
    }
    if (d.emapStarkfeld) {
        const qint64 prozent = std::max<qint64>(gstp / 500, 1);
        const qint64 v = rundeDiv(double(prozent) * double(gstp), 100.0);
        d.gstpvEmap = v;
        addiere(belegt, v);
        addiere(d.rev, mal(10, v));
        addiere(d.preis, mal(2000, v));
    }
    if (d.landestelzen) {
        qint64 v = rundeDiv(double(gstp), 100.0);
        if (v == 0)
            v = 1;
        d.gstpvLandestelzen = v;
        addiere(belegt, v);
        addiere(d.preis, mal(1000, v));
    }
    if (d.druckschotts) {
        const qint64 v = rundeDiv(double(gstp), 100.0);
        d.gstpvDruckschotts = v;
        addiere(belegt, v);
        addiere(d.preis, mal(5000, v));
        gewichtLaufend += double(v);
    }
    d.gstpvBelegt = float(belegt);
    d.leergewicht = float(gewichtLaufend);
    d.gewicht = float(gewichtLaufend + double(d.frachtExternTonnen)
                      + double(d.treibstoffTonnen) + double(d.frachtInternTonnen));
    d.feldspulenSumme = float(feldspulen);
    d.sensorReichweite = float(besteSensorReichweite);

    const double leer = double(d.leergewicht);
    const double voll = double(d.gewicht);
    if (leer + double(gstp) != 0.0) {
        const int klasse = d.objektgroesse;
        const double s = double(d.teilsteuerungSumme);
        const double kmProS = double(d.feldspulenSumme) * 1000000.0;
        const double halbeLast = double(rundeDiv(voll - leer, 2.0));
        const double teilerLeer = double(gstp) + leer;
        const double teilerHalb = double(gstp) + halbeLast + leer;
        const double teilerVoll = double(gstp) + voll;
        d.steuerungLeer = steuerung(s, teilerLeer, klasse);
        d.steuerungHalb = steuerung(s, teilerHalb, klasse);
        d.steuerungVoll = steuerung(s, teilerVoll, klasse);
        d.feldgeschwLeer = feldgeschwindigkeit(kmProS, teilerLeer);
        d.feldgeschwHalb = feldgeschwindigkeit(kmProS, teilerHalb);
        d.feldgeschwVoll = feldgeschwindigkeit(kmProS, teilerVoll);
    }
    return d;
}

int SchiffsDaten::groessenklasse(qint64 gstp)
{
    static const qint64 grenzen[] = { 10, 20, 30, 40, 50, 60, 100, 200, 400, 800, 1600,
                                      3200, 6400, 13000, 26000, 52000, 100000 };
    int klasse = 17;
    for (qint64 grenze : grenzen) {
        if (gstp < grenze)
            return klasse;
        --klasse;
    }
    return 0;
}

qint64 SchiffsDaten::differenz(qint64 a, qint64 b)
{
    qint64 r = 0;
    if (__builtin_sub_overflow(a, b, &r))
        return b < 0 ? grosst : kleinst;
    return r;
}

qint64 SchiffsDaten::rundeDiv(double a, double b)
{
    if (b == 0.0)
        return 0;
    const double wert = std::trunc(a / b + 0.5);
    // Out of range (or not a number): no meaningful whole part.
    if (!(std::fabs(wert) < 9.0e18))
        return 0;
    return qint64(wert);
}
