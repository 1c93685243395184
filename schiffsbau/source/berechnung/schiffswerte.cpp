#include "schiffswerte.h"

#include "zahlformat.h"

#include <QStringList>

#include <cmath>
#include <iterator>

namespace {

using S = SchiffsWerte;
using D = SchiffsDaten;
using F = S::Format;
using G = S::Gruppe;
using O = S::Ort;
using T = S::Teil;

constexpr S::Wert wert(S::Feld feld, int platzhalter, F format = F::Standard, int stellen = 2)
{
    return {T::Feld, feld, format, stellen, platzhalter};
}

// A part of the entry's budget.
constexpr S::Wert teil(T teil, int platzhalter)
{
    return {teil, S::Feld(), F::Standard, 2, platzhalter};
}

// An entry of one number in one label.
constexpr S::Eintrag zahl(const char *bezeichnung, const char *einheit, G gruppe, const char *anzeige, S::Wert w)
{
    return {bezeichnung, einheit, gruppe, O::Text, nullptr, {anzeige}, {w}, {}};
}

// An entry shown as a check box.
constexpr S::Eintrag haken(const char *bezeichnung, G gruppe, const char *anzeige, S::Wert w)
{
    return {bezeichnung, "", gruppe, O::Haken, nullptr, {anzeige}, {w}, {}};
}

const S::Eintrag eintraege[] = {
    // size, weight and energy
    zahl("Preis[St]", "St", G::Groesse, "labelPreis", wert(&D::preis, 2)),
    zahl("Objektgröße", "", G::Groesse, "labelObjektgroesse", wert(&D::objektgroesse, 3)),
    {"GSTP*", "GSTP", G::Groesse, O::Text, "%1/%2", {"labelGSTP"}, {teil(T::Frei, 7), teil(T::Verfuegbar, 8)},
     {&D::gstpvBelegt, &D::gstp,
      "Das belegte Volumen übersteigt die Schiffsgröße: %1 GSTPV belegt, %2 GSTP vorhanden.", "überschritten",
      "balkenVolumen", "Volumen"}},
    {"Volumen der Ausstattung", "GSTPV", G::Groesse, O::Tooltip,
     "Maschinenraum: %1 GSTPV\nTrägheitsdämpfung: %2 GSTPV\nDruckschotten: %3 GSTPV\n"
     "EMAP-Starkfeld: %4 GSTPV\nLandestelzen: %5 GSTPV",
     {"labelGSTP"},
     {wert(&D::gstpvMaschinenraum, 55), wert(&D::gstpvTraegheitsdaempfer, 56), wert(&D::gstpvDruckschotts, 57),
      wert(&D::gstpvEmap, 58), wert(&D::gstpvLandestelzen, 59)},
     {}},
    {"Gewicht[t]*", "t", G::Groesse, O::Text, "%1 - %2", {"labelGewicht"},
     {wert(&D::leergewicht, 5), wert(&D::gewicht, 50)}, {}},
    {"RE", "RE", G::Groesse, O::Text, "%1/%2", {"labelRE"}, {teil(T::Frei, 10), teil(T::Verfuegbar, 11)},
     {&D::rev, &D::re, "Die Energiebilanz ist negativ: Die Verbraucher ziehen %1 REV, die Reaktoren liefern %2 RE.",
      "negativ", "balkenReaktor", "Reaktor"}},
    {"BE (max BEV)", "BE", G::Groesse, O::Text, "%1 (%2)", {"labelBE"}, {wert(&D::be, 12), wert(&D::maxBev, 13)},
     {&D::maxBev, &D::be, nullptr, nullptr, "balkenSpeicher", "Speicher", true}},
    zahl("Sprung[t]", "t", G::Groesse, "labelGewichtSprung", wert(&D::sprungTonnen, 6)),
    zahl("Grav.GSTP", "GSTP", G::Groesse, "labelGravGSTP", wert(&D::gravGstp, 9)),
    zahl("Scan-Schutz", "", G::Groesse, "labelScanSchutz", wert(&D::scanschutz, 4)),
    // hull and armour
    zahl("Rumpf", "", G::Rumpf, "labelRumpf", wert(&D::rumpf, 14, F::Dezimal, 0)),
    zahl("Panzerung", "", G::Rumpf, "labelPanzerung", wert(&D::panzerung, 15)),
    zahl("Schild", "SE", G::Rumpf, "labelSchildenergie", wert(&D::schildenergie, 17)),
    haken("Spiegelpanzerung", G::Rumpf, "checkSpiegelpanzer", wert(&D::spiegelpanzerung, 16)),
    // steering and field speed, empty, half and fully loaded
    {"Steuerung*", "", G::Antrieb, O::Text, nullptr, {"labelSteuerung0", "labelSteuerung50", "labelSteuerung100"},
     {wert(&D::steuerungLeer, 52, F::Fest, 2), wert(&D::steuerungHalb, 51, F::Fest, 2),
      wert(&D::steuerungVoll, 18, F::Fest, 2)},
     {}},
    {"Feldgeschwindigkeit[km/s]*", "km/s", G::Antrieb, O::Text, nullptr,
     {"labelFeldgeschw0", "labelFeldgeschw50", "labelFeldgeschw100"},
     {wert(&D::feldgeschwLeer, 54, F::Fest, 0), wert(&D::feldgeschwHalb, 53, F::Fest, 0),
      wert(&D::feldgeschwVoll, 19, F::Fest, 0)},
     {}},
    // computer and sensors
    {"Computer[Slots]", "Slots", G::Computer, O::Text, "%1/%2", {"labelSystemslots"},
     {teil(T::Frei, 0), teil(T::Verfuegbar, 29), teil(T::Benutzt, 60)},
     {&D::slotsBelegt, &D::computerSlots, "Die Computer-Slots sind überbelegt: %1 belegt, %2 vorhanden.",
      "überbelegt", "balkenSlots", "Computer"}},
    haken("Maschinenraum", G::Computer, "checkMaschinenraum", wert(&D::maschinenraum, 28)),
    {"Beste Scanner[+, km]", "km", G::Computer, O::Text, "%1, %2", {"labelScanner"},
     {wert(&D::scannerErfassung, 24), wert(&D::scannerReichweite, 25)}, {}},
    {"Beste Sensoren[+, Mio.km]", "Mio. km", G::Computer, O::Text, "%1, %2", {"labelSensoren"},
     {wert(&D::sensorBonus, 22), wert(&D::sensorReichweite, 23)}, {}},
    zahl("Kommrelais[Mio. km]", "Mio. km", G::Computer, "labelKommRelais", wert(&D::kommReichweite, 26)),
    zahl("TR-Transmitter[LJ]", "LJ", G::Computer, "labelTRTransmitter", wert(&D::trReichweite, 27)),
    // rooms
    zahl("Brücke[Pers.]", "Pers.", G::Raeume, "labelPersonenBruecke", wert(&D::brueckePersonen, 30)),
    zahl("Kabinen[Pers.]", "Pers.", G::Raeume, "labelPersonenKabine", wert(&D::kabinenPersonen, 31)),
    zahl("Diverse Räume [GSTPV]", "GSTPV", G::Raeume, "labelDiverseRaeume", wert(&D::weitereRaeumeGstpv, 32)),
    zahl("Treppen[Decks]", "Decks", G::Raeume, "labelTreppenDecks", wert(&D::treppenDecks, 33)),
    zahl("Lift[Decks]", "Decks", G::Raeume, "labelLiftDecks", wert(&D::liftDecks, 34)),
    zahl("Treibstoff[t]", "t", G::Raeume, "labelTreibstoffTonne", wert(&D::treibstoffTonnen, 35)),
    zahl("Wasser[Liter]", "Liter", G::Raeume, "labelWasser", wert(&D::wasserLiter, 36)),
    zahl("Frachtraum int.[t]", "t", G::Raeume, "labelFrachtraumInternTonne", wert(&D::frachtInternTonnen, 37)),
    zahl("Frachtraum ext.[t]", "t", G::Raeume, "labelFrachtraumExternTonne", wert(&D::frachtExternTonnen, 38)),
    zahl("Hangar (Tor)[GSTP]", "GSTP", G::Raeume, "labelHangarTor", wert(&D::hangarTor, 39)),
    zahl("Hangar (Kraftf.)[GSTP]", "GSTP", G::Raeume, "labelHangarKraftfeld", wert(&D::hangarKraftfeld, 40)),
    // life support and safety
    zahl("Lebenserhaltung[Pers.]", "Pers.", G::Leben, "labelLebenserhaltung", wert(&D::lebenserhaltungPersonen, 41)),
    zahl("Rettungskapsel[Pers.]", "Pers.", G::Leben, "labelRettungskapselPersonen",
         wert(&D::rettungskapselPersonen, 42)),
    zahl("Schleudersitz[Pers.]", "Pers.", G::Leben, "labelSchleudersitzPersonen", wert(&D::schleudersitzPersonen, 43)),
    {"Ballons/Schirme/Bags", "", G::Leben, O::Text, "%1 / %2 / %3", {"labelKapselzusatz"},
     {wert(&D::gasballons, 44), wert(&D::fallschirme, 45), wert(&D::smashbags, 46)}, {}},
    haken("Druckschotten", G::Leben, "checkDruckschotten", wert(&D::druckschotts, 47)),
    haken("Starkfeld", G::Leben, "checkEMAPStarkfeld", wert(&D::emapStarkfeld, 20)),
    zahl("Trägheitsdämpfung [g]", "g", G::Leben, "labelTraegheitsdaempfung", wert(&D::traegheitsdaempfung, 21)),
    haken("Landestelzen", G::Leben, "checkLandestelzen", wert(&D::landestelzen, 48)),
};

bool belegt(const S::Wert &w)
{
    return w.teil != T::Feld || !w.feld.leer();
}

const S::Feld &feldVon(const S::Eintrag &e, const S::Wert &w)
{
    switch (w.teil) {
    case T::Verfuegbar: return e.budget.verfuegbar;
    case T::Benutzt: return e.budget.benutzt;
    default: return w.feld;
    }
}

// The values an entry shows: those its pattern names (a budget's used part
// may be there for the export only), or all of them.
int angezeigt(const S::Eintrag &e)
{
    if (!e.muster)
        return S::wertAnzahl(e);
    int hoechster = 0;
    for (const char *c = e.muster; *c; ++c) {
        if (c[0] == '%' && c[1] >= '1' && c[1] <= '9')
            hoechster = qMax(hoechster, c[1] - '0');
    }
    return qMin(hoechster, S::wertAnzahl(e));
}

} // namespace

// ------------------------------------------------------------ fields

bool SchiffsWerte::Feld::leer() const
{
    return !m_ganz && !m_klein && !m_dezimal && !m_flag;
}

SchiffsWerte::Format SchiffsWerte::Feld::format() const
{
    if (m_dezimal)
        return Format::Dezimal;
    return m_flag ? Format::Flag : Format::Ganz;
}

qint64 SchiffsWerte::Feld::ganz(const SchiffsDaten &d) const
{
    if (m_ganz)
        return d.*m_ganz;
    if (m_klein)
        return d.*m_klein;
    if (m_flag)
        return d.*m_flag ? 1 : 0;
    if (m_dezimal) {
        const double wert = std::trunc(double(d.*m_dezimal));
        return std::fabs(wert) < 9.0e18 ? qint64(wert) : 0;
    }
    return 0;
}

double SchiffsWerte::Feld::zahl(const SchiffsDaten &d) const
{
    return m_dezimal ? double(d.*m_dezimal) : double(ganz(d));
}

// ----------------------------------------------------------- entries

int SchiffsWerte::anzahl()
{
    return int(std::size(eintraege));
}

const SchiffsWerte::Eintrag &SchiffsWerte::eintrag(int i)
{
    return eintraege[i];
}

QString SchiffsWerte::gruppenTitel(Gruppe gruppe)
{
    switch (gruppe) {
    case Gruppe::Groesse: return QStringLiteral("Größe, Gewicht und Energie");
    case Gruppe::Rumpf: return QStringLiteral("Rumpf und Panzerung");
    case Gruppe::Antrieb: return QStringLiteral("Steuerung und Feldgeschwindigkeit");
    case Gruppe::Computer: return QStringLiteral("Computer und Sensoren");
    case Gruppe::Raeume: return QStringLiteral("Räume");
    case Gruppe::Leben: return QStringLiteral("Lebenserhaltung und Sicherheit");
    }
    return QString();
}

int SchiffsWerte::wertAnzahl(const Eintrag &e)
{
    int n = 0;
    while (n < int(std::size(e.werte)) && belegt(e.werte[n]))
        ++n;
    return n;
}

bool SchiffsWerte::istBudget(const Eintrag &e)
{
    return hatBalken(e) && !e.budget.weich;
}

bool SchiffsWerte::hatBalken(const Eintrag &e)
{
    return !e.budget.verfuegbar.leer();
}

double SchiffsWerte::benutzt(const Eintrag &e, const SchiffsDaten &d)
{
    return e.budget.benutzt.zahl(d);
}

double SchiffsWerte::verfuegbar(const Eintrag &e, const SchiffsDaten &d)
{
    return e.budget.verfuegbar.zahl(d);
}

QString SchiffsWerte::balkenText(const Eintrag &e, const SchiffsDaten &d, const QLocale &locale)
{
    if (!hatBalken(e))
        return QString();
    return QStringLiteral("%1 / %2 %3")
        .arg(text(e, teil(Teil::Benutzt, 0), d, locale), text(e, teil(Teil::Verfuegbar, 0), d, locale),
             QString::fromUtf8(e.einheit));
}

bool SchiffsWerte::ueberschritten(const Eintrag &e, const SchiffsDaten &d)
{
    return hatBalken(e) && freiNegativ(e, d);
}

SchiffsWerte::Format SchiffsWerte::format(const Eintrag &e, const Wert &w)
{
    if (w.format != Format::Standard)
        return w.format;
    if (w.teil == Teil::Frei) {
        const bool dezimal = e.budget.benutzt.format() == Format::Dezimal
                             || e.budget.verfuegbar.format() == Format::Dezimal;
        return dezimal ? Format::Dezimal : Format::Ganz;
    }
    return feldVon(e, w).format();
}

// The free part of a budget of integers goes through the overflow-safe
// difference of the capped sums.
qint64 SchiffsWerte::ganz(const Eintrag &e, const Wert &w, const SchiffsDaten &d)
{
    if (w.teil == Teil::Frei)
        return SchiffsDaten::differenz(e.budget.verfuegbar.ganz(d), e.budget.benutzt.ganz(d));
    return feldVon(e, w).ganz(d);
}

double SchiffsWerte::zahl(const Eintrag &e, const Wert &w, const SchiffsDaten &d)
{
    if (w.teil == Teil::Frei)
        return e.budget.verfuegbar.zahl(d) - e.budget.benutzt.zahl(d);
    return feldVon(e, w).zahl(d);
}

bool SchiffsWerte::ueberzogen(const Eintrag &e, const SchiffsDaten &d)
{
    return istBudget(e) && freiNegativ(e, d);
}

// Integer budgets compare through the overflow-safe difference, not as
// doubles.
bool SchiffsWerte::freiNegativ(const Eintrag &e, const SchiffsDaten &d)
{
    const Wert frei = teil(Teil::Frei, 0);
    return format(e, frei) == Format::Dezimal ? zahl(e, frei, d) < 0.0 : ganz(e, frei, d) < 0;
}

QString SchiffsWerte::text(const Eintrag &e, const Wert &w, const SchiffsDaten &d, const QLocale &locale)
{
    switch (format(e, w)) {
    case Format::Dezimal: return Zahlformat::dezimal(zahl(e, w, d), w.stellen, locale);
    case Format::Fest: return Zahlformat::festkomma(zahl(e, w, d), w.stellen, locale);
    case Format::Flag: return ganz(e, w, d) ? QStringLiteral("ja") : QStringLiteral("nein");
    default: return locale.toString(ganz(e, w, d));
    }
}

QString SchiffsWerte::text(const Eintrag &e, int wert, const SchiffsDaten &d, const QLocale &locale)
{
    if (wert < 0 || wert >= wertAnzahl(e))
        return QString();
    return text(e, e.werte[wert], d, locale);
}

QString SchiffsWerte::text(const Eintrag &e, const SchiffsDaten &d, const QLocale &locale)
{
    QStringList teile;
    QList<Platzhalter::Wert> werte;
    for (int i = 0; i < wertAnzahl(e); ++i) {
        teile.append(text(e, e.werte[i], d, locale));
        werte.append(Platzhalter::Wert::text(teile.last()));
    }
    if (e.muster)
        return Platzhalter::fuelle(QString::fromUtf8(e.muster), werte);
    return teile.join(QStringLiteral(" / "));
}

QString SchiffsWerte::zeilenText(const Eintrag &e, const SchiffsDaten &d, const QLocale &locale)
{
    if (e.ort != Ort::Tooltip)
        return text(e, d, locale);
    QStringList teile;
    for (int i = 0; i < angezeigt(e); ++i)
        teile.append(text(e, e.werte[i], d, locale));
    return teile.join(QStringLiteral(" / "));
}

QString SchiffsWerte::unterschied(const Eintrag &e, const Wert &w, const SchiffsDaten &vorher,
                                  const SchiffsDaten &nachher, const QLocale &locale)
{
    QString betrag;
    bool positiv = false;
    switch (format(e, w)) {
    case Format::Flag: return text(e, w, nachher, locale);
    case Format::Dezimal:
    case Format::Fest: {
        const double differenz = zahl(e, w, nachher) - zahl(e, w, vorher);
        betrag = format(e, w) == Format::Fest ? Zahlformat::festkomma(differenz, w.stellen, locale)
                                            : Zahlformat::dezimal(differenz, w.stellen, locale);
        positiv = differenz > 0.0;
        break;
    }
    default: {
        const qint64 differenz = SchiffsDaten::differenz(ganz(e, w, nachher), ganz(e, w, vorher));
        betrag = locale.toString(differenz);
        positiv = differenz > 0;
    }
    }
    // A difference too small for the format shows as no change.
    return positiv && betrag != text(e, w, SchiffsDaten(), locale) ? QLatin1Char('+') + betrag : betrag;
}

QString SchiffsWerte::unterschied(const Eintrag &e, const SchiffsDaten &vorher, const SchiffsDaten &nachher,
                                  const QLocale &locale)
{
    if (zeilenText(e, vorher, locale) == zeilenText(e, nachher, locale))
        return QString();
    QStringList teile;
    for (int i = 0; i < angezeigt(e); ++i)
        teile.append(unterschied(e, e.werte[i], vorher, nachher, locale));
    return teile.join(QStringLiteral(" / "));
}

bool SchiffsWerte::an(const Eintrag &e, const SchiffsDaten &d)
{
    return wertAnzahl(e) > 0 && ganz(e, e.werte[0], d) != 0;
}

QString SchiffsWerte::warnung(const Eintrag &e, const SchiffsDaten &d, const QLocale &locale)
{
    if (!istBudget(e) || !e.budget.warnung)
        return QString();
    const QList<Platzhalter::Wert> werte = {
        Platzhalter::Wert::text(text(e, teil(Teil::Benutzt, 0), d, locale)),
        Platzhalter::Wert::text(text(e, teil(Teil::Verfuegbar, 0), d, locale)),
    };
    return Platzhalter::fuelle(QString::fromUtf8(e.budget.warnung), werte);
}

// ------------------------------------------------------------ export

int SchiffsWerte::anzahlPlatzhalter()
{
    int hoechster = qMax(PlatzhalterName, PlatzhalterBeschreibung);
    for (const Eintrag &e : eintraege) {
        for (const Wert &w : e.werte)
            hoechster = qMax(hoechster, w.platzhalter);
    }
    return hoechster;
}

QList<Platzhalter::Wert> SchiffsWerte::exportWerte(const SchiffsDaten &d, const QString &name,
                                                   const QString &beschreibung)
{
    QList<Platzhalter::Wert> werte(anzahlPlatzhalter());
    werte[PlatzhalterName - 1] = Platzhalter::Wert::text(name);
    werte[PlatzhalterBeschreibung - 1] = Platzhalter::Wert::text(beschreibung);
    for (const Eintrag &e : eintraege) {
        for (const Wert &w : e.werte) {
            if (w.platzhalter <= 0)
                continue;
            Platzhalter::Wert &ziel = werte[w.platzhalter - 1];
            switch (format(e, w)) {
            case Format::Dezimal: ziel = Platzhalter::Wert::zahl(zahl(e, w, d), 'g', 6); break;
            case Format::Fest: ziel = Platzhalter::Wert::zahl(zahl(e, w, d), 'f', w.stellen); break;
            default: ziel = Platzhalter::Wert::ganz(ganz(e, w, d)); break;
            }
        }
    }
    return werte;
}
