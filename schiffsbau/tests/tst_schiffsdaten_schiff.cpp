// A whole ship built from the delivered component lists and the built-in
// fittings, its data worked out by hand (below) and checked field by field.
#include <QtTest>

#include "komponente.h"
#include "komponentenbibliothek.h"
#include "schiffsdaten.h"
#include "gleitkomma_hilfen.h"
#include "schiffsmodel.h"

#include <cmath>

namespace {

struct Zeile
{
    int kategorie;
    const char *name;
    int anzahl;
    int preis;      // per unit, as the working below assumes
    double gewicht; // per unit
};

// The ship: a 200 GSTP freighter. Per row: price x n, weight x n,
// GSTPV x n, REV x n, BEV x n, computer slots.
const Zeile schiff[] = {
    // hull 1200 St, 1 t, 1.5 hull points per GSTP: 240000 St, 200 t, 0 GSTPV, 1 slot;
    // GSTP 200, hull points 300
    { 4, "Stahlverbund", 200, 1200, 1.0 },
    // armour 5000 St, 2.5 t, protection 20: 50000 St, 25 t, 10 GSTPV, 1 slot; teilschutz 200
    { 5, "Verbundpanzerung", 10, 5000, 2.5 },
    // reactor 25000 St, 2.5 t, 120 RE: 125000 St, 12.5 t, 5 GSTPV, 1 slot; RE 600
    { 7, "Fusionsreaktor F-2", 5, 25000, 2.5 },
    // store 12000 St, 2.5 t, 1500 BE, 3 GSTPV: 24000 St, 5 t, 6 GSTPV, 2 slots; BE 3000
    { 8, "Kondensatorbank KB-4", 2, 12000, 2.5 },
    // manoeuvre drive 15000 St, 2 t, steering 300, 30 REV, 3 GSTPV:
    // 60000 St, 8 t, 12 GSTPV, 120 REV, 4 slots; partial steering 1200
    { 9, "Ionen-Manövriereinheit IM-5", 4, 15000, 2.0 },
    // field coils 25000 St, 1.5 t, 1 Mio km/s, 25 REV: 250000 St, 15 t, 10 GSTPV,
    // 250 REV, 1 slot; field-coil sum 10
    { 11, "Feldspule FS-2", 10, 25000, 1.5 },
    // jump drive 30000 St, 3 t, 50 t jump, 100 BEV: 180000 St, 18 t, 6 GSTPV,
    // BEV 600, 1 slot; jump tonnage 300
    { 12, "Sprungtriebwerk ST-1", 6, 30000, 3.0 },
    // computer 25000 St, 0.8 t, 20 slots, 10 REV, 1 GSTPV: no slot of its own
    { 13, "Navigationsrechner NR-20", 1, 25000, 0.8 },
    // sensors 10000 St, 0.5 t, Erf. 1, 1 Mio km, 8 REV: 30000 St, 1.5 t, 3 GSTPV,
    // 24 REV, 1 slot; range 3
    { 14, "Sensorphalanx SP-2", 3, 10000, 0.5 },
    // sensors 25000 St, 0.6 t, Erf. 2, 2.5 Mio km, 10 REV: range 2.5 < 3, not the best
    { 14, "Weitbereichsphalanx WP-4", 1, 25000, 0.6 },
    // scanner 8000 St, 0.3 t, Erf. 2, 2000 km, 2 BEV, 1 GSTPV: 16000 St, 0.6 t,
    // 2 GSTPV, BEV 4, 2 slots
    { 16, "Materiescanner MS-2", 2, 8000, 0.3 },
    // relay 5000 St, 0.3 t, 200 Mio km, 3 REV: 10000 St, 0.6 t, 2 GSTPV, 6 REV,
    // 1 slot; range 400
    { 17, "Richtfunkrelais RR-2", 2, 5000, 0.3 },
    // TR transmitter 10000 St, 0.5 t, 5 LJ, 2 BEV: 40000 St, 2 t, 4 GSTPV, BEV 8,
    // 1 slot; range 20
    { 18, "TR-Sender T-5", 4, 10000, 0.5 },
    // shield 10000 St, 1 t, SE 10 = REV 10: 50000 St, 5 t, 5 GSTPV, 50 REV, 1 slot; SE 50
    { 19, "Deflektorschirm DS-1", 5, 10000, 1.0 },
    // fire control 8000 St, 0.3 t, handling 1, 5 REV, 1 GSTPV: 16000 St, 0.6 t,
    // 2 GSTPV, 10 REV, 2 slots
    { 15, "Zielrechner ZR-1", 2, 8000, 0.3 },
    // weapon 20000 St, 2 t, 5 BEV, 10 REV, 2 GSTPV, unit "Stück": 40000 St, 4 t,
    // 4 GSTPV, 20 REV, BEV 10, 2 slots
    { 22, "Leichtes Lasergeschütz", 2, 20000, 2.0 },
    // further room 15000 St, 0.5 t, 5 REV, 1 GSTPV, unit GSTPV: 60000 St, 2 t,
    // 4 GSTPV, 20 REV, 1 slot
    { 1, "Labor", 4, 15000, 0.5 },
    // gravity 5000 St, 0.5 t, 50 Grav.GSTP, 5 REV, 1 GSTPV: 20000 St, 2 t, 4 GSTPV,
    // 20 REV, 4 slots; Grav.GSTP 200
    { 6, "Gravoplatte G-50", 4, 5000, 0.5 },
    // interferer 20000 St, 0.5 t, 50 scan protection, 10 REV, 1 GSTPV: 20000 St,
    // 0.5 t, 1 GSTPV, 10 REV, 1 slot
    { 20, "Signalstörer SI-1", 1, 20000, 0.5 },
    // built-ins, one slot per row for types 1-19, none for 20-22
    { 0, "Wartungs/Lüftungsschächte, Maschinenraum", 1, 0, 0.0 },
    // fuel: 2 x 4000 + 5 x 1000 = 13000 St, 25 GSTPV, 50 t fuel
    { 3, "Treibstofftank", 25, 0, 0.0 },
    { 0, "Steigschächte/Treppen", 2, 0, 0.0 },         // 20 GSTPV, 2 decks
    { 0, "Turbolifte", 1, 500, 0.0 },                  // 500 St, 10 GSTPV, 5 REV
    { 0, "Cockpit/Brücke/Zentrale", 6, 1000, 0.0 },    // 6000 St, 6 GSTPV, 3 persons
    { 0, "Kabinen & Gänge", 40, 100, 0.0 },            // 4000 St, 40 GSTPV, 4 persons
    { 0, "Frachtraum, intern", 30, 0, 0.0 },           // 3 x 1000 = 3000 St, 30 GSTPV, 30 t
    { 0, "Frachtraum, extern", 5, 0, 0.0 },            // 5 x 400 = 2000 St, 5 GSTPV, 10 t
    { 0, "Hangar mit Tor", 12, 0, 0.0 },               // 1500 + 2 x 600 = 2700 St, 12 GSTPV, BEV 12
    { 2, "Umweltkontrollsystem", 6, 5000, 0.0 },       // 30000 St, 6 GSTPV, 60 REV
    { 2, "Wassertank & Recycler", 2, 500, 0.1 },       // 1000 St, 2 GSTPV, 0.2 t, 200 l
    { 3, "Trägheitsdämpfer", 1, 0, 0.0 },              // 1 % of GSTP
    { 3, "Spiegelpanzerung", 1, 0, 0.0 },
    { 3, "EMAP-Starkfeld", 1, 0, 0.0 },
    { 3, "Landestelzen", 1, 0, 0.0 },
    { 2, "Druckschotts", 1, 0, 0.0 },
    { 2, "Rettungskapsel", 6, 15000, 0.5 },            // 90000 St, 30 GSTPV, 60 REV, 3 t
    { 2, "Schleudersitz", 2, 5000, 0.1 },              // 10000 St, 4 GSTPV, 20 REV, 0.2 t
    { 2, "Gasballon", 1, 1000, 0.0 },                  // 1000 St, 1 GSTPV
    { 2, "Fallschirm", 2, 500, 0.0 },                  // 1000 St, 2 GSTPV
    { 2, "Smashbag", 3, 3000, 0.0 },                   // 9000 St, 3 GSTPV
};

bool gleich(float ist, double soll)
{
    return gleichBis(ist, soll, 1e-5);
}

} // namespace

#define QCOMPARE_FLOAT(ist, soll) QCOMPARE_FLOAT_BIS(ist, soll, 1e-5)

class TestSchiffsDatenSchiff : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void ganzesSchiff();

private:
    SchiffsModel m_model;
};

void TestSchiffsDatenSchiff::initTestCase()
{
    // The library reads the folder "listen" of the working directory.
    const QString vorher = QDir::currentPath();
    QVERIFY(QDir::setCurrent(QStringLiteral(ZORVEL_DATA_DIR)));
    KomponentenBibliothek bibliothek;
    bibliothek.lade();
    QVERIFY(QDir::setCurrent(vorher));

    for (const Zeile &z : schiff) {
        const QString name = QString::fromUtf8(z.name);
        Komponente *k = bibliothek.kopie(z.kategorie, name);
        QVERIFY2(k, qPrintable(name));
        QCOMPARE(k->typ(), z.kategorie);
        // The delivered values the working below relies on.
        QVERIFY2(k->preis() == z.preis, qPrintable(name));
        QVERIFY2(gleich(k->gewicht(), z.gewicht), qPrintable(name));
        m_model.addKomponente(k, z.anzahl);
    }
}

void TestSchiffsDatenSchiff::ganzesSchiff()
{
    QSignalSpy spy(&m_model, &SchiffsModel::neueDaten);
    const SchiffsDaten d = m_model.berechne();
    QCOMPARE(spy.count(), 1);

    // Sums over the rows (step by step, rows in order):
    // price: list rows 240000 + 50000 + 125000 + 24000 + 60000 + 250000 + 180000
    //   + 25000 + 30000 + 25000 + 16000 + 10000 + 40000 + 50000 + 16000 + 40000
    //   + 60000 + 20000 + 20000 = 1281000; built-ins 13000 + 500 + 6000 + 4000
    //   + 3000 + 2000 + 2700 + 30000 + 1000 + 90000 + 10000 + 1000 + 1000 + 9000
    //   = 173200; together 1454200
    // weight: 200 + 25 + 12.5 + 5 + 8 + 15 + 18 + 0.8 + 1.5 + 0.6 + 0.6 + 0.6 + 2
    //   + 5 + 0.6 + 4 + 2 + 2 + 0.5 = 303.7; built-ins 0.2 + 3 + 0.2 = 3.4; 307.1 t
    // GSTPV: list rows 82, built-ins 196: 278
    // REV: 120 + 250 + 10 + 24 + 10 + 6 + 50 + 10 + 20 + 20 + 20 + 10 = 550;
    //   built-ins 5 + 60 + 60 + 20 = 145: 695
    // largest BEV row: jump drive 6 x 100 = 600
    // slots: list rows 1+1+1+2+4+1+1+0+1+1+2+1+1+1+2+2+1+4+1 = 28; built-ins of
    //   types 1-19: 18 rows; 46
    //
    // Finishing steps, GSTP 200:
    //  1. size class 9 (200 < 400)
    //  2. hull points 300 + 0.5 -> 300
    //  3. armour rundeDiv(200, 200) = 1.5 -> 1
    //  4. mirror armour: 10 armour GSTPV x 50000 = 500000 St -> 1954200 St
    //  5. scan protection rundeDiv(50, 200) = 0.75 -> 0
    //  6. handling 2 / 2 = 1
    //  7. engine room rundeDiv(200, 20) = 10.5 -> 10 GSTPV -> 288 GSTPV
    //  8. bridge 6 div 2 = 3 persons;  9. cabins 40 div 10 = 4 persons
    // 10. damper 1 %: v = rundeDiv(200, 100) = 2.5 -> 2: 290 GSTPV, +10000 St
    //     -> 1964200 St, +60 REV -> 755, +0.4 t -> 307.5 t; damping 1 + 9 = 10 g
    // 11. EMAP: p = 200 div 500 = 0 -> 1, v = 2: 292 GSTPV, +20 REV -> 775,
    //     +4000 St -> 1968200 St
    // 12. landing legs v = 2: 294 GSTPV, +2000 St -> 1970200 St
    // 13. bulkheads v = 2: 296 GSTPV, +10000 St -> 1980200 St, +2 t -> 309.5 t
    // 14. empty weight 309.5 t
    // 15. loaded weight 309.5 + 10 (ext. cargo) + 50 (fuel) + 30 (int. cargo) = 399.5 t
    // 16. S = 1200, K = 9, V = 10 x 1e6, H = rundeDiv(90, 2) = 45.5 -> 45:
    //     steering 1200 / 509.5 - 1 = 1.3553, 1200 / 554.5 - 1 = 1.1641,
    //     1200 / 599.5 - 1 = 1.0017; field speed 1e7 / 509.5 = 19627.1,
    //     1e7 / 554.5 = 18034.3, 1e7 / 599.5 = 16680.6 km/s
    QCOMPARE(d.gstp, qint64(200));
    QCOMPARE(d.gstpvBelegt, 296.0f);
    QCOMPARE(d.gstpvMaschinenraum, qint64(10));
    QCOMPARE(d.gstpvLandestelzen, qint64(2));
    QCOMPARE(d.gstpvEmap, qint64(2));
    QCOMPARE(d.gstpvDruckschotts, qint64(2));
    QCOMPARE(d.gstpvTraegheitsdaempfer, qint64(2));
    QCOMPARE(d.re, qint64(600));
    QCOMPARE(d.rev, qint64(775));
    QCOMPARE(d.be, qint64(3000));
    QCOMPARE(d.maxBev, qint64(600));
    QCOMPARE(d.objektgroesse, 9);
    QCOMPARE_FLOAT(d.leergewicht, 309.5);
    QCOMPARE_FLOAT(d.gewicht, 399.5);
    QCOMPARE(d.preis, qint64(1980200));
    QCOMPARE(d.rumpf, 300.0f);
    QCOMPARE(d.panzerungGstpv, qint64(10));
    QCOMPARE(d.teilschutzSumme, qint64(200));
    QCOMPARE(d.panzerung, qint64(1));
    QCOMPARE(d.schildenergie, qint64(50));
    QCOMPARE(d.teilscanschutzSumme, qint64(50));
    QCOMPARE(d.scanschutz, qint64(0));
    QCOMPARE(d.teilsteuerungSumme, qint64(1200));
    QCOMPARE_FLOAT(d.steuerungLeer, 1200.0 / 509.5 - 1.0);
    QCOMPARE_FLOAT(d.steuerungHalb, 1200.0 / 554.5 - 1.0);
    QCOMPARE_FLOAT(d.steuerungVoll, 1200.0 / 599.5 - 1.0);
    QCOMPARE_FLOAT(d.feldspulenSumme, 10.0);
    QCOMPARE_FLOAT(d.feldgeschwLeer, 1e7 / 509.5);
    QCOMPARE_FLOAT(d.feldgeschwHalb, 1e7 / 554.5);
    QCOMPARE_FLOAT(d.feldgeschwVoll, 1e7 / 599.5);
    QCOMPARE(d.gravGstp, qint64(200));
    QCOMPARE(d.sprungTonnen, qint64(300));
    QCOMPARE(d.computerSlots, qint64(20));
    QCOMPARE(d.slotsBelegt, qint64(46));
    QCOMPARE(d.sensorBonus, qint64(1));
    QCOMPARE(d.sensorReichweite, 3.0f);
    QCOMPARE(d.feuerleitAnzahl, qint64(2));
    QCOMPARE(d.handhabungSumme, qint64(2));
    QCOMPARE(d.handhabungMittel, 1.0f);
    QCOMPARE(d.scannerErfassung, qint64(2));
    QCOMPARE(d.scannerReichweite, qint64(2000));
    QCOMPARE(d.kommReichweite, qint64(400));
    QCOMPARE(d.trReichweite, qint64(20));
    QCOMPARE(d.maschinenraum, true);
    QCOMPARE(d.treibstoffTonnen, qint64(50));
    QCOMPARE(d.treppenDecks, qint64(2));
    QCOMPARE(d.liftDecks, qint64(1));
    QCOMPARE(d.brueckeGstpv, qint64(6));
    QCOMPARE(d.brueckePersonen, qint64(3));
    QCOMPARE(d.kabinenGstpv, qint64(40));
    QCOMPARE(d.kabinenPersonen, qint64(4));
    QCOMPARE(d.weitereRaeumeGstpv, qint64(4));
    QCOMPARE(d.frachtInternTonnen, qint64(30));
    QCOMPARE(d.frachtExternTonnen, qint64(10));
    QCOMPARE(d.hangarTor, qint64(12));
    QCOMPARE(d.hangarKraftfeld, qint64(0));
    QCOMPARE(d.lebenserhaltungPersonen, qint64(6));
    QCOMPARE(d.wasserLiter, qint64(200));
    QCOMPARE(d.traegheitsdaempfung, qint64(10));
    QCOMPARE(d.spiegelpanzerung, true);
    QCOMPARE(d.emapStarkfeld, true);
    QCOMPARE(d.landestelzen, true);
    QCOMPARE(d.druckschotts, true);
    QCOMPARE(d.rettungskapselPersonen, qint64(6));
    QCOMPARE(d.schleudersitzPersonen, qint64(2));
    QCOMPARE(d.gasballons, qint64(1));
    QCOMPARE(d.fallschirme, qint64(2));
    QCOMPARE(d.smashbags, qint64(3));
}

QTEST_MAIN(TestSchiffsDatenSchiff)
#include "tst_schiffsdaten_schiff.moc"
