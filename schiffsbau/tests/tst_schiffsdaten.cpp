// The ship data calculation, checked against values worked out by hand.
#include <QtTest>

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
#include "schiffsdaten.h"
#include "gleitkomma_hilfen.h"
#include "schiffsmodel.h"
#include "schildgenerator.h"
#include "sensoren.h"
#include "signalinterferant.h"
#include "trtransmitter.h"
#include "waffen.h"
#include "weitereraeume.h"

#include <cmath>

namespace {

// A list row: the six base columns, the kind's own columns, the unit.
QStringList zeile(int preis, const QString &gewicht, const QStringList &eigene,
                  const QString &einheit = QStringLiteral("GSTPV"))
{
    QStringList felder{ QStringLiteral("Test"), QStringLiteral("Werft"), QStringLiteral("A"),
                        QStringLiteral("10"), QString::number(preis), gewicht };
    felder << eigene << einheit;
    return felder;
}

template <typename T>
Komponente *gelesen(const QStringList &felder)
{
    T *k = new T;
    k->leseZeile(felder);
    return k;
}

Komponente *eingebaut(int typNummer)
{
    Diverse *d = new Diverse;
    d->setzeTyp(typNummer);
    d->leseZeile(QStringList());
    return d;
}

// Hull material: price and weight per GSTP, hull points per GSTP.
Komponente *rumpf(int preis = 0, const QString &gewicht = QStringLiteral("0"),
                  const QString &punkte = QStringLiteral("1"))
{
    return gelesen<Rumpfmaterial>(zeile(preis, gewicht, { punkte }, QStringLiteral("GSTP")));
}

// The installed rows of one ship; owns its components.
class Schiff
{
public:
    ~Schiff() { qDeleteAll(m_komponenten); }
    Schiff &mit(Komponente *k, int n)
    {
        m_komponenten.append(k);
        m_anzahlen.append(n);
        return *this;
    }
    SchiffsDaten daten() const { return SchiffsDaten::berechne(m_komponenten, m_anzahlen); }

private:
    QList<Komponente *> m_komponenten;
    QList<int> m_anzahlen;
};

} // namespace

#define QCOMPARE_FLOAT(ist, soll) QCOMPARE_FLOAT_BIS(ist, soll, 1e-4)

class TestSchiffsDaten : public QObject
{
    Q_OBJECT

private slots:
    void leererSchiff();
    void rundeDiv_data();
    void rundeDiv();
    void groessenklasse_data();
    void groessenklasse();
    void maschinenraum_data();
    void maschinenraum();
    void treibstofftank_data();
    void treibstofftank();
    void traegheitsdaempfer();
    void emapStarkfeld_data();
    void emapStarkfeld();
    void landestelzen_data();
    void landestelzen();
    void druckschotts_data();
    void druckschotts();
    void spiegelpanzerung();
    void raeumeUndLeben();
    void summenDerArten();
    void bestesUndGroesstes();
    void steuerungUndFeldgeschwindigkeit();
    void geschwindigkeitsgrenzen();
    void keinTeilerNullOderNegativ();
    void grosseSummen();
};

void TestSchiffsDaten::leererSchiff()
{
    const SchiffsDaten d = Schiff().daten();
    QCOMPARE(d.gstp, qint64(0));
    QCOMPARE(d.objektgroesse, 17);
    QCOMPARE(d.preis, qint64(0));
    QCOMPARE(d.gewicht, 0.0f);
    QCOMPARE(d.steuerungLeer, 0.0f);
    QCOMPARE(d.feldgeschwVoll, 0.0f);
    QCOMPARE(d.maschinenraum, false);
}

void TestSchiffsDaten::rundeDiv_data()
{
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("b");
    QTest::addColumn<qint64>("ergebnis");
    QTest::newRow("30/20 rounds up") << 30.0 << 20.0 << qint64(2);
    QTest::newRow("10/20 half rounds up") << 10.0 << 20.0 << qint64(1);
    QTest::newRow("40/100 rounds down") << 40.0 << 100.0 << qint64(0);
    QTest::newRow("exact") << 2400.0 << 100.0 << qint64(24);
    QTest::newRow("float dividend") << 2.6 << 1.0 << qint64(3);
    // -1.5 + 0.5 = -1.0; -0.5 + 0.5 = 0; -0.9 + 0.5 = -0.4 cuts to 0
    QTest::newRow("negative half") << -30.0 << 20.0 << qint64(-1);
    QTest::newRow("negative small") << -10.0 << 20.0 << qint64(0);
    QTest::newRow("negative cut towards zero") << -9.0 << 10.0 << qint64(0);
    QTest::newRow("negative large") << -25.0 << 10.0 << qint64(-2);
    QTest::newRow("divisor 0") << 5.0 << 0.0 << qint64(0);
}

void TestSchiffsDaten::rundeDiv()
{
    QFETCH(double, a);
    QFETCH(double, b);
    QFETCH(qint64, ergebnis);
    QCOMPARE(SchiffsDaten::rundeDiv(a, b), ergebnis);
}

void TestSchiffsDaten::groessenklasse_data()
{
    QTest::addColumn<int>("gstp");
    QTest::addColumn<int>("klasse");
    QTest::newRow("0") << 0 << 17;
    QTest::newRow("9") << 9 << 17;
    QTest::newRow("10") << 10 << 16;
    QTest::newRow("19") << 19 << 16;
    QTest::newRow("59") << 59 << 12;
    QTest::newRow("60") << 60 << 11;
    QTest::newRow("99") << 99 << 11;
    QTest::newRow("100") << 100 << 10;
    QTest::newRow("6400") << 6400 << 4;
    QTest::newRow("12999") << 12999 << 4;
    QTest::newRow("13000") << 13000 << 3;
    QTest::newRow("51999") << 51999 << 2;
    QTest::newRow("99999") << 99999 << 1;
    QTest::newRow("100000") << 100000 << 0;
    QTest::newRow("negative") << -5 << 17;
}

void TestSchiffsDaten::groessenklasse()
{
    QFETCH(int, gstp);
    QFETCH(int, klasse);
    QCOMPARE(SchiffsModel::objektgroesse(gstp), klasse);
    // The calculation takes the class from the summed hull counts.
    Schiff schiff;
    schiff.mit(rumpf(), gstp);
    const SchiffsDaten d = schiff.daten();
    QCOMPARE(d.gstp, qint64(gstp));
    QCOMPARE(d.objektgroesse, klasse);
}

void TestSchiffsDaten::maschinenraum_data()
{
    QTest::addColumn<int>("gstp");
    QTest::addColumn<qint64>("volumen");
    QTest::newRow("GSTP 100") << 100 << qint64(5);
    QTest::newRow("GSTP 30") << 30 << qint64(2);  // 1.5 rounds up
    QTest::newRow("GSTP 10") << 10 << qint64(1);  // 0.5 rounds up
    QTest::newRow("GSTP 9") << 9 << qint64(0);    // 0.45 rounds down
    QTest::newRow("no hull") << 0 << qint64(0);
}

void TestSchiffsDaten::maschinenraum()
{
    QFETCH(int, gstp);
    QFETCH(qint64, volumen);
    Schiff schiff;
    schiff.mit(rumpf(100), gstp).mit(eingebaut(1), 1);
    const SchiffsDaten d = schiff.daten();
    QVERIFY(d.maschinenraum);
    QCOMPARE(d.gstpvMaschinenraum, volumen);
    // Hull units are not a load on the volume; only the engine room is.
    QCOMPARE(d.gstpvBelegt, float(volumen));
    // The engine room costs nothing: only the hull's 100 St per GSTP.
    QCOMPARE(d.preis, qint64(100) * gstp);
}

void TestSchiffsDaten::treibstofftank_data()
{
    QTest::addColumn<int>("anzahl");
    QTest::addColumn<qint64>("preis");
    QTest::newRow("13") << 13 << qint64(7000);   // 1 x 4000 + 3 x 1000
    QTest::newRow("10") << 10 << qint64(4000);   // one full ten
    QTest::newRow("9") << 9 << qint64(9000);     // nine single GSTPV
    QTest::newRow("25") << 25 << qint64(13000);  // 2 x 4000 + 5 x 1000
}

void TestSchiffsDaten::treibstofftank()
{
    QFETCH(int, anzahl);
    QFETCH(qint64, preis);
    Schiff schiff;
    schiff.mit(eingebaut(2), anzahl);
    const SchiffsDaten d = schiff.daten();
    QCOMPARE(d.preis, preis);
    QCOMPARE(d.treibstoffTonnen, qint64(2 * anzahl));
    QCOMPARE(d.gstpvBelegt, float(anzahl));
    // Fuel counts only in the loaded weight.
    QCOMPARE(d.leergewicht, 0.0f);
    QCOMPARE(d.gewicht, float(2 * anzahl));
    // One slot per installed built-in row.
    QCOMPARE(d.slotsBelegt, qint64(1));
}

void TestSchiffsDaten::traegheitsdaempfer()
{
    // 2 % of GSTP 300 = 6 GSTPV: 30000 St, 180 REV, 1.2 t; 2 % + 9 = 11 g.
    Schiff schiff;
    schiff.mit(rumpf(), 300).mit(eingebaut(13), 2);
    const SchiffsDaten d = schiff.daten();
    QCOMPARE(d.gstpvTraegheitsdaempfer, qint64(6));
    QCOMPARE(d.gstpvBelegt, 6.0f);
    QCOMPARE(d.preis, qint64(30000));
    QCOMPARE(d.rev, qint64(180));
    QCOMPARE_FLOAT(d.leergewicht, 1.2);
    QCOMPARE_FLOAT(d.gewicht, 1.2);
    QCOMPARE(d.traegheitsdaempfung, qint64(11));

    // Without a hull the damper takes no volume but still reports its g.
    Schiff ohneRumpf;
    ohneRumpf.mit(eingebaut(13), 3);
    const SchiffsDaten o = ohneRumpf.daten();
    QCOMPARE(o.gstpvTraegheitsdaempfer, qint64(0));
    QCOMPARE(o.preis, qint64(0));
    QCOMPARE(o.traegheitsdaempfung, qint64(12));
}

void TestSchiffsDaten::emapStarkfeld_data()
{
    QTest::addColumn<int>("gstp");
    QTest::addColumn<qint64>("volumen");
    QTest::newRow("GSTP 1200") << 1200 << qint64(24);  // p = 2: 2 % of 1200
    QTest::newRow("GSTP 400") << 400 << qint64(4);     // p = 0 raised to 1
    QTest::newRow("GSTP 1000") << 1000 << qint64(20);  // p = 2
    QTest::newRow("GSTP 30") << 30 << qint64(0);       // 0.3 + 0.5 cuts to 0
    QTest::newRow("no hull") << 0 << qint64(0);
}

void TestSchiffsDaten::emapStarkfeld()
{
    QFETCH(int, gstp);
    QFETCH(qint64, volumen);
    Schiff schiff;
    schiff.mit(rumpf(), gstp).mit(eingebaut(15), 1);
    const SchiffsDaten d = schiff.daten();
    QVERIFY(d.emapStarkfeld);
    QCOMPARE(d.gstpvEmap, volumen);
    QCOMPARE(d.gstpvBelegt, float(volumen));
    QCOMPARE(d.rev, 10 * volumen);
    QCOMPARE(d.preis, 2000 * volumen);
}

void TestSchiffsDaten::landestelzen_data()
{
    QTest::addColumn<int>("gstp");
    QTest::addColumn<qint64>("volumen");
    QTest::newRow("GSTP 40") << 40 << qint64(1);    // 0.4 gives 0, raised to 1
    QTest::newRow("GSTP 150") << 150 << qint64(2);  // 1.5 rounds up
    QTest::newRow("GSTP 449") << 449 << qint64(4);
    QTest::newRow("no hull") << 0 << qint64(1);
}

void TestSchiffsDaten::landestelzen()
{
    QFETCH(int, gstp);
    QFETCH(qint64, volumen);
    Schiff schiff;
    schiff.mit(rumpf(), gstp).mit(eingebaut(16), 1);
    const SchiffsDaten d = schiff.daten();
    QVERIFY(d.landestelzen);
    QCOMPARE(d.gstpvLandestelzen, volumen);
    QCOMPARE(d.gstpvBelegt, float(volumen));
    QCOMPARE(d.preis, 1000 * volumen);
}

void TestSchiffsDaten::druckschotts_data()
{
    QTest::addColumn<int>("gstp");
    QTest::addColumn<qint64>("volumen");
    QTest::newRow("GSTP 40") << 40 << qint64(0);   // 0 is allowed here
    QTest::newRow("GSTP 250") << 250 << qint64(3); // 2.5 rounds up
}

void TestSchiffsDaten::druckschotts()
{
    QFETCH(int, gstp);
    QFETCH(qint64, volumen);
    Schiff schiff;
    schiff.mit(rumpf(), gstp).mit(eingebaut(17), 1);
    const SchiffsDaten d = schiff.daten();
    QVERIFY(d.druckschotts);
    QCOMPARE(d.gstpvDruckschotts, volumen);
    QCOMPARE(d.gstpvBelegt, float(volumen));
    QCOMPARE(d.preis, 5000 * volumen);
    // 1 t per GSTPV, part of the empty weight.
    QCOMPARE(d.leergewicht, float(volumen));
}

void TestSchiffsDaten::spiegelpanzerung()
{
    // Armour rows of 5 and 7 GSTPV (protection 3 and 4) on GSTP 20:
    // teilschutz 15 + 28 = 43, armour rundeDiv(43, 20) = 2.15 -> 2;
    // mirror armour adds 12 x 50000 = 600000 St.
    auto panzerung = [](const QString &schutz) {
        return gelesen<Panzerung>(zeile(0, QStringLiteral("0"), { schutz }));
    };
    Schiff schiff;
    schiff.mit(rumpf(), 20).mit(panzerung(QStringLiteral("3")), 5)
        .mit(panzerung(QStringLiteral("4")), 7).mit(eingebaut(14), 1);
    const SchiffsDaten d = schiff.daten();
    QVERIFY(d.spiegelpanzerung);
    QCOMPARE(d.panzerungGstpv, qint64(12));
    QCOMPARE(d.teilschutzSumme, qint64(43));
    QCOMPARE(d.panzerung, qint64(2));
    QCOMPARE(d.preis, qint64(600000));
    // Armour rows are per GSTPV: they take 12 GSTPV and one slot each.
    QCOMPARE(d.gstpvBelegt, 12.0f);
    QCOMPARE(d.slotsBelegt, qint64(4)); // hull, two armour rows, mirror armour

    Schiff ohne;
    ohne.mit(rumpf(), 20).mit(panzerung(QStringLiteral("3")), 12);
    QCOMPARE(ohne.daten().preis, qint64(0));
    QCOMPARE(ohne.daten().panzerung, qint64(2)); // 36 / 20 = 1.8 -> 2
}

void TestSchiffsDaten::raeumeUndLeben()
{
    Schiff schiff;
    schiff.mit(eingebaut(3), 4)     // stairways: 4 decks, 40 GSTPV
        .mit(eingebaut(4), 3)       // lifts: 3 decks, 30 GSTPV, 1500 St, 15 REV
        .mit(eingebaut(5), 5)       // bridge 5 GSTPV: 2 persons, 5000 St
        .mit(eingebaut(6), 25)      // cabins 25 GSTPV: 2 persons, 2500 St
        .mit(eingebaut(7), 12)      // cargo int.: 12 t, 1000 + 800 St
        .mit(eingebaut(8), 7)       // cargo ext.: 14 t, 2800 St
        .mit(eingebaut(9), 11)      // hangar gate: 1500 + 600 St, BEV 11
        .mit(eingebaut(10), 20)     // hangar field: 3000 St, 20 REV
        .mit(eingebaut(11), 6)      // environment: 6 persons, 30000 St, 60 REV
        .mit(eingebaut(12), 3)      // water: 300 l, 1500 St, 0.3 t
        .mit(eingebaut(18), 2)      // capsules: 10 GSTPV, 30000 St, 20 REV, 1 t
        .mit(eingebaut(19), 3)      // seats: 6 GSTPV, 15000 St, 30 REV, 0.3 t
        .mit(eingebaut(20), 4)      // balloons: 4000 St
        .mit(eingebaut(21), 5)      // parachutes: 2500 St
        .mit(eingebaut(22), 6)      // smash bags: 18000 St
        .mit(gelesen<WeitereRaeume>(zeile(250, QStringLiteral("0.5"),
                                          { QStringLiteral("2"), QStringLiteral("3"),
                                            QStringLiteral("4"), QStringLiteral("Labor") })),
             3);                    // 12 GSTPV, 750 St, 9 REV, 1.5 t, BEV 6
    const SchiffsDaten d = schiff.daten();
    QCOMPARE(d.treppenDecks, qint64(4));
    QCOMPARE(d.liftDecks, qint64(3));
    QCOMPARE(d.brueckeGstpv, qint64(5));
    QCOMPARE(d.brueckePersonen, qint64(2));
    QCOMPARE(d.kabinenGstpv, qint64(25));
    QCOMPARE(d.kabinenPersonen, qint64(2));
    QCOMPARE(d.frachtInternTonnen, qint64(12));
    QCOMPARE(d.frachtExternTonnen, qint64(14));
    QCOMPARE(d.hangarTor, qint64(11));
    QCOMPARE(d.hangarKraftfeld, qint64(20));
    QCOMPARE(d.lebenserhaltungPersonen, qint64(6));
    QCOMPARE(d.wasserLiter, qint64(300));
    QCOMPARE(d.rettungskapselPersonen, qint64(2));
    QCOMPARE(d.schleudersitzPersonen, qint64(3));
    QCOMPARE(d.gasballons, qint64(4));
    QCOMPARE(d.fallschirme, qint64(5));
    QCOMPARE(d.smashbags, qint64(6));
    QCOMPARE(d.weitereRaeumeGstpv, qint64(12));
    // 1500 + 5000 + 2500 + 1800 + 2800 + 2100 + 3000 + 30000 + 1500
    // + 30000 + 15000 + 4000 + 2500 + 18000 + 750 = 120450
    QCOMPARE(d.preis, qint64(120450));
    // 40 + 30 + 5 + 25 + 12 + 7 + 11 + 20 + 6 + 3 + 10 + 6 + 4 + 5 + 6 + 12 = 202
    QCOMPARE(d.gstpvBelegt, 202.0f);
    // 15 + 20 + 60 + 20 + 30 + 9 = 154
    QCOMPARE(d.rev, qint64(154));
    // largest single draw on the store: hangar 11 x 1 against rooms 3 x 2
    QCOMPARE(d.maxBev, qint64(11));
    // 0.3 + 1 + 0.3 + 1.5 = 3.1 t empty; plus 12 + 14 t cargo
    QCOMPARE_FLOAT(d.leergewicht, 3.1);
    QCOMPARE_FLOAT(d.gewicht, 29.1);
    // types 3-12, 18 and 19 take one slot per row (12 rows), 20-22 none;
    // the further rooms are counted in GSTPV: one slot for the row.
    QCOMPARE(d.slotsBelegt, qint64(13));
}

void TestSchiffsDaten::summenDerArten()
{
    const QString null = QStringLiteral("0");
    Schiff schiff;
    schiff.mit(rumpf(10, QStringLiteral("1"), QStringLiteral("2.5")), 3)  // 7.5 hull -> 8
        .mit(gelesen<GravitationsGen>(zeile(0, null, { "4", "2", "3" }, "Stück")), 2)
        .mit(gelesen<Reaktor>(zeile(0, null, { "50", "1" })), 4)
        .mit(gelesen<EnergieSpeicher>(zeile(0, null, { "100", "2" }, "Stück")), 3)
        .mit(gelesen<Antrieb>(zeile(0, null, { "40", "5" })), 2)
        .mit(gelesen<Hauptcomputer>(zeile(0, null, { "6", "1", "2" }, "Stück")), 2)
        .mit(gelesen<Feuerleitsystem>(zeile(0, null, { "3", "0", "1" }, "Stück")), 2)
        .mit(gelesen<Feuerleitsystem>(zeile(0, null, { "6", "0", "1" }, "Stück")), 1)
        .mit(gelesen<Schildgenerator>(zeile(0, null, { "5", "1" })), 3)
        .mit(gelesen<Signalinterferant>(zeile(0, null, { "7", "0", "1", "0" }, "Stück")), 1)
        .mit(gelesen<Waffen>(zeile(1000, null, { "9", "4", "2", "Laser" }, "Stück")), 2);
    const SchiffsDaten d = schiff.daten();
    QCOMPARE(d.gstp, qint64(3));
    QCOMPARE(d.rumpf, 8.0f);
    QCOMPARE(d.gravGstp, qint64(8));
    QCOMPARE(d.re, qint64(200));
    QCOMPARE(d.be, qint64(300));
    QCOMPARE(d.sprungTonnen, qint64(80));
    QCOMPARE(d.computerSlots, qint64(12));
    QCOMPARE(d.feuerleitAnzahl, qint64(3));
    QCOMPARE(d.handhabungSumme, qint64(12));
    QCOMPARE(d.handhabungMittel, 4.0f);
    QCOMPARE(d.schildenergie, qint64(15));
    QCOMPARE(d.teilscanschutzSumme, qint64(7));
    QCOMPARE(d.scanschutz, qint64(2)); // 7 / 3 = 2.33 -> 2
    // REV: grav 2x2, computer 2x1, shield 3x5 (its energy), weapons 2x4 = 29
    QCOMPARE(d.rev, qint64(29));
    // BEV: antrieb 2x5 = 10, weapons 2x9 = 18 -> largest row 18
    QCOMPARE(d.maxBev, qint64(18));
    // hull 30 St + weapons 2000 St
    QCOMPARE(d.preis, qint64(2030));
    // GSTPV: grav 6, reactor 4, store 6, drive 2, computer 4, fire control 2 + 1,
    // shield 3, interferer 1, weapons 4 = 33
    QCOMPARE(d.gstpvBelegt, 33.0f);
    // Slots: hull 1, grav 2, reactor 1, store 3, drive 1, computer 0,
    // fire control 2 + 1, shield 1, interferer 1, weapons (unit "Stück") 2 = 15
    QCOMPARE(d.slotsBelegt, qint64(15));
    QCOMPARE_FLOAT(d.leergewicht, 3.0);
}

void TestSchiffsDaten::bestesUndGroesstes()
{
    const QString null = QStringLiteral("0");
    auto sensor = [&](const char *erf, const char *weite) {
        return gelesen<Sensoren>(zeile(0, null, { erf, weite, "0", "0" }));
    };
    auto scanner = [&](const char *erf, const char *km) {
        return gelesen<Scanner>(zeile(0, null, { erf, km, "0", "1", "0" }, "Stück"));
    };
    {
        // Equal range x count (2.0 x 3 = 3.0 x 2 = 6): the first row counts.
        Schiff schiff;
        schiff.mit(sensor("4", "2.0"), 3).mit(sensor("9", "3.0"), 2).mit(sensor("7", "1.5"), 3);
        const SchiffsDaten d = schiff.daten();
        QCOMPARE(d.sensorBonus, qint64(4));
        QCOMPARE(d.sensorReichweite, 6.0f);
    }
    {
        // A longer range later wins, whatever its bonus.
        Schiff schiff;
        schiff.mit(sensor("9", "2.0"), 3).mit(sensor("2", "1.25"), 5);
        const SchiffsDaten d = schiff.daten();
        QCOMPARE(d.sensorBonus, qint64(2));
        QCOMPARE(d.sensorReichweite, 6.25f);
    }
    {
        // Scanners: the best detection, count plays no part; ties keep the first.
        Schiff schiff;
        schiff.mit(scanner("3", "500"), 10).mit(scanner("5", "200"), 1)
            .mit(scanner("5", "900"), 1).mit(scanner("4", "2000"), 1);
        const SchiffsDaten d = schiff.daten();
        QCOMPARE(d.scannerErfassung, qint64(5));
        QCOMPARE(d.scannerReichweite, qint64(200));
    }
    {
        // Relays and TR transmitters: the largest range x count of one row.
        Schiff schiff;
        schiff.mit(gelesen<KommRelais>(zeile(0, null, { "10", "0", "0" })), 3)
            .mit(gelesen<KommRelais>(zeile(0, null, { "25", "0", "0" })), 1)
            .mit(gelesen<TrTransmitter>(zeile(0, null, { "30", "2", "1" })), 1)
            .mit(gelesen<TrTransmitter>(zeile(0, null, { "12", "1", "1" })), 2);
        const SchiffsDaten d = schiff.daten();
        QCOMPARE(d.kommReichweite, qint64(30));
        QCOMPARE(d.trReichweite, qint64(30));
        QCOMPARE(d.maxBev, qint64(2));
    }
}

void TestSchiffsDaten::steuerungUndFeldgeschwindigkeit()
{
    // Hull 100 GSTP of 1 t, field coils 10 GSTPV of 0.5 Mio km/s and 2 t,
    // manoeuvre drive 2 x 600 partial steering of 5 t, fuel tank 30 GSTPV.
    // Empty weight 100 + 20 + 10 = 130 t; loaded 130 + 60 = 190 t;
    // half load H = rundeDiv(60, 2) = 30; K = 10 (100 GSTP); S = 1200;
    // V = 5 x 1e6 = 5e6 km/s.
    Schiff schiff;
    schiff.mit(rumpf(0, QStringLiteral("1")), 100)
        .mit(gelesen<Feldspulensystem>(zeile(0, QStringLiteral("2"), { "0.5", "0", "0" })), 10)
        .mit(gelesen<ManoeverTW>(zeile(0, QStringLiteral("5"), { "600", "0", "1", "0" }, "Stück")), 2)
        .mit(eingebaut(2), 30);
    const SchiffsDaten d = schiff.daten();
    QCOMPARE(d.objektgroesse, 10);
    QCOMPARE(d.teilsteuerungSumme, qint64(1200));
    QCOMPARE_FLOAT(d.feldspulenSumme, 5.0);
    QCOMPARE_FLOAT(d.leergewicht, 130.0);
    QCOMPARE_FLOAT(d.gewicht, 190.0);
    QCOMPARE_FLOAT(d.steuerungLeer, 1200.0 / 230.0);  // 5.217
    QCOMPARE_FLOAT(d.steuerungHalb, 1200.0 / 260.0);  // 4.615
    QCOMPARE_FLOAT(d.steuerungVoll, 1200.0 / 290.0);  // 4.138
    QCOMPARE_FLOAT(d.feldgeschwLeer, 5e6 / 230.0);    // 21739
    QCOMPARE_FLOAT(d.feldgeschwHalb, 5e6 / 260.0);    // 19231
    QCOMPARE_FLOAT(d.feldgeschwVoll, 5e6 / 290.0);    // 17241

    // A field projector adds to the same partial steering.
    Schiff mitProjektor;
    mitProjektor.mit(rumpf(0, QStringLiteral("1")), 100)
        .mit(gelesen<FeldProjektor>(zeile(0, QStringLiteral("0"), { "1000", "0", "0" })), 3);
    // 3000 / 200 + 0 = 15, capped at K = 10
    QCOMPARE(mitProjektor.daten().steuerungLeer, 10.0f);
}

void TestSchiffsDaten::geschwindigkeitsgrenzen()
{
    // GSTP 9 (class 17) weighing nothing: 1000 / 9 + 7 is capped at 17;
    // 10 GSTPV of 1 Mio km/s: 1e7 / 9 km/s is capped at 250000.
    Schiff schiff;
    schiff.mit(rumpf(), 9)
        .mit(gelesen<Feldspulensystem>(zeile(0, QStringLiteral("0"), { "1", "0", "0" })), 10)
        .mit(gelesen<FeldProjektor>(zeile(0, QStringLiteral("0"), { "100", "0", "0" })), 10);
    const SchiffsDaten d = schiff.daten();
    QCOMPARE(d.steuerungLeer, 17.0f);
    QCOMPARE(d.steuerungVoll, 17.0f);
    QCOMPARE(d.feldgeschwLeer, 250000.0f);
    QCOMPARE(d.feldgeschwHalb, 250000.0f);
    QCOMPARE(d.feldgeschwVoll, 250000.0f);

    // Small partial steering on a small ship: 9 / 9 + 7 = 8, below the cap.
    Schiff klein;
    klein.mit(rumpf(), 9)
        .mit(gelesen<FeldProjektor>(zeile(0, QStringLiteral("0"), { "1", "0", "0" })), 9);
    QCOMPARE(klein.daten().steuerungLeer, 8.0f);
}

void TestSchiffsDaten::keinTeilerNullOderNegativ()
{
    const QString null = QStringLiteral("0");
    // GSTP 0 and 10 t empty; a fuel tank of -5 GSTPV makes the loaded weight
    // 0 t (divisor 0) and the half load rundeDiv(-10, 2) = -4.5 -> -4.
    Schiff schiff;
    schiff.mit(gelesen<WeitereRaeume>(zeile(0, QStringLiteral("10"), { "0", "0", "0", "x" }, "Stück")), 1)
        .mit(gelesen<Feldspulensystem>(zeile(0, null, { "1", "0", "0" })), 1)
        .mit(gelesen<FeldProjektor>(zeile(0, null, { "20", "0", "0" })), 1)
        .mit(eingebaut(2), -5);
    const SchiffsDaten d = schiff.daten();
    QCOMPARE(d.leergewicht, 10.0f);
    QCOMPARE(d.gewicht, 0.0f);
    QCOMPARE_FLOAT(d.steuerungLeer, 20.0 / 10.0 + 7.0);  // 9
    QCOMPARE_FLOAT(d.steuerungHalb, 20.0 / 6.0 + 7.0);   // divisor 0 - 4 + 10
    QCOMPARE(d.steuerungVoll, 0.0f);
    QCOMPARE(d.feldgeschwVoll, 0.0f);
    QCOMPARE_FLOAT(d.feldgeschwLeer, 1e6 / 10.0);

    // A negative hull count: every divisor is below 0, everything stays 0.
    Schiff negativ;
    negativ.mit(rumpf(), -10)
        .mit(gelesen<Feldspulensystem>(zeile(0, null, { "1", "0", "0" })), 1)
        .mit(gelesen<FeldProjektor>(zeile(0, null, { "20", "0", "0" })), 1);
    const SchiffsDaten n = negativ.daten();
    for (float wert : { n.steuerungLeer, n.steuerungHalb, n.steuerungVoll,
                        n.feldgeschwLeer, n.feldgeschwHalb, n.feldgeschwVoll })
        QCOMPARE(wert, 0.0f);
    // Negative counts are taken as they are.
    QCOMPARE(n.gstp, qint64(-10));
    QCOMPARE(n.panzerung, qint64(0));
}

void TestSchiffsDaten::grosseSummen()
{
    // A million escape capsules: 1.5e10 St, beyond 32 bits.
    Schiff schiff;
    schiff.mit(eingebaut(18), 1000000);
    const SchiffsDaten d = schiff.daten();
    QCOMPARE(d.preis, Q_INT64_C(15000000000));
    QCOMPARE(d.rev, qint64(10000000));
    QCOMPARE(d.gstpvBelegt, 5000000.0f);
    QCOMPARE(d.rettungskapselPersonen, qint64(1000000));
    QCOMPARE_FLOAT(d.leergewicht, 500000.0);

    // Three rows of 1,000,000 GSTPV of a 1000 St reactor: 3e9 St.
    Schiff reaktoren;
    for (int i = 0; i < 3; ++i)
        reaktoren.mit(gelesen<Reaktor>(zeile(1000, QStringLiteral("0"), { "1000", "0" })), 1000000);
    const SchiffsDaten r = reaktoren.daten();
    QCOMPARE(r.preis, Q_INT64_C(3000000000));
    QCOMPARE(r.re, Q_INT64_C(3000000000));
}

QTEST_GUILESS_MAIN(TestSchiffsDaten)
#include "tst_schiffsdaten.moc"
