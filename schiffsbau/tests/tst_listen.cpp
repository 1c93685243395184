// The delivered component lists must let a player build working ships:
// a small courier, a freighter and a warship, each with enough reactor
// output, computer slots, energy store, steering and jump capacity.

#include <QtTest>

#include "komponente.h"
#include "komponentenbibliothek.h"
#include "schiffsdaten.h"
#include "schiffsmodel.h"

namespace {

struct Teil
{
    int kat;
    const char *name;
    int anzahl;
};

using Bauplan = QList<Teil>;

const Bauplan kurier{
    {4, "Keramikschaum-Rumpf", 60},
    {0, "Wartungs/Lüftungsschächte, Maschinenraum", 1},
    {0, "Cockpit/Brücke/Zentrale", 4},
    {0, "Kabinen & Gänge", 10},
    {0, "Frachtraum, intern", 6},
    {2, "Umweltkontrollsystem", 3},
    {2, "Wassertank & Recycler", 1},
    {2, "Schleudersitz", 3},
    {3, "Treibstofftank", 6},
    {7, "Fusionsreaktor F-4 Kompakt", 2},
    {8, "Kondensatorbank KB-4", 1},
    {9, "Ionen-Manövriereinheit IM-5", 2},
    {11, "Schnellfeldspule SF-4", 3},
    {12, "Sprungtriebwerk ST-3", 1},
    {13, "Navigationsrechner NR-20", 1},
    {14, "Sensorphalanx SP-2", 1},
    {17, "Richtfunkrelais RR-2", 1},
    {18, "TR-Sender T-5", 1},
};

const Bauplan frachter{
    {4, "Stahlverbund", 400},
    {0, "Wartungs/Lüftungsschächte, Maschinenraum", 1},
    {0, "Cockpit/Brücke/Zentrale", 6},
    {0, "Kabinen & Gänge", 40},
    {0, "Turbolifte", 3},
    {0, "Frachtraum, intern", 40},
    {0, "Frachtraum, extern", 120},
    {2, "Umweltkontrollsystem", 7},
    {2, "Wassertank & Recycler", 3},
    {2, "Rettungskapsel", 4},
    {3, "Treibstofftank", 20},
    {7, "Fusionsreaktor F-2", 9},
    {8, "Supraleiterspeicher SL-10", 1},
    {9, "Schubvektor-Triebwerk SV-8", 5},
    {11, "Feldspule FS-2", 20},
    {12, "Sprungtriebwerk ST-3", 9},
    {13, "Schiffsrechner SR-40", 1},
    {14, "Weitbereichsphalanx WP-4", 2},
    {16, "Materiescanner MS-2", 1},
    {17, "Hyperfunkrelais HR-4", 1},
    {18, "TR-Transmitter T-12", 1},
    {21, "Zugstrahlprojektor ZP-3", 1},
};

const Bauplan kriegsschiff{
    {4, "Militärischer Panzerrumpf", 1000},
    {5, "Keramik-Titan-Schichtpanzer", 100},
    {0, "Wartungs/Lüftungsschächte, Maschinenraum", 1},
    {0, "Cockpit/Brücke/Zentrale", 20},
    {0, "Kabinen & Gänge", 250},
    {0, "Turbolifte", 5},
    {1, "Krankenstation", 1},
    {1, "Waffenkammer", 2},
    {2, "Umweltkontrollsystem", 35},
    {2, "Wassertank & Recycler", 10},
    {2, "Druckschotts", 1},
    {2, "Rettungskapsel", 20},
    {3, "Treibstofftank", 50},
    {6, "Schwerkraftkern SK-600", 2},
    {7, "Gefechtsreaktor GR-9", 10},
    {8, "Gefechtsspeicher GS-80", 1},
    {9, "Gefechtsmanöver-Einheit GM-12", 8},
    {10, "Gefechtsfeldprojektor GF-9", 10},
    {11, "Gefechtsfeldspule GS-8", 15},
    {12, "Flottensprungantrieb FA-9", 4},
    {13, "Gefechtspositronik GP-150", 1},
    {14, "Gefechtsortung GO-9", 4},
    {15, "Gefechtsleitstand GL-5", 2},
    {16, "Energieortungsscanner EO-6", 1},
    {17, "Flottenrelais FR-6", 1},
    {18, "Flotten-Transmitter FT-80", 1},
    {19, "Gefechtsschirm GS-6", 30},
    {20, "Tarnfeld-Interferant TI-6", 1},
    {22, "Impulskanone", 6},
    {22, "Raketenwerfer RW-4", 4},
    {22, "Punktverteidigung", 4},
    {23, "Geschützturm", 6},
};

} // namespace

Q_DECLARE_METATYPE(Bauplan)

class TstListen : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void schiffe_data();
    void schiffe();

private:
    KomponentenBibliothek m_bibliothek;
};

void TstListen::initTestCase()
{
    const QString alt = QDir::currentPath();
    QVERIFY(QDir::setCurrent(QStringLiteral(ZORVEL_DATA_DIR)));
    m_bibliothek.lade();
    m_bibliothek.erzeugeKategorien();
    QVERIFY(QDir::setCurrent(alt));
}

void TstListen::schiffe_data()
{
    QTest::addColumn<Bauplan>("bauplan");
    QTest::addColumn<int>("mindestSteuerung");
    QTest::newRow("Kurier") << kurier << 5;
    QTest::newRow("Frachter") << frachter << 1;
    QTest::newRow("Kriegsschiff") << kriegsschiff << 3;
}

void TstListen::schiffe()
{
    QFETCH(Bauplan, bauplan);
    QFETCH(int, mindestSteuerung);

    SchiffsModel schiff;
    for (const Teil &teil : bauplan) {
        Komponente *k = m_bibliothek.kopie(teil.kat, QString::fromUtf8(teil.name));
        QVERIFY2(k, teil.name);
        schiff.addKomponente(k, teil.anzahl);
    }
    const SchiffsDaten d = schiff.berechne();
    qInfo("GSTP %lld, belegt %.0f GSTPV, RE %lld / REV %lld, BE %lld / max BEV %lld, Slots %lld / %lld,"
          " Gewicht %.1f / %.1f t, Sprung %lld t, Steuerung %.2f / %.2f / %.2f,"
          " Feld %.0f / %.0f km/s, Rumpf %.0f, Panzerung %lld, Schild %lld, Preis %lld St",
          d.gstp, d.gstpvBelegt, d.re, d.rev, d.be, d.maxBev, d.computerSlots, d.slotsBelegt,
          d.leergewicht, d.gewicht, d.sprungTonnen, d.steuerungLeer, d.steuerungHalb, d.steuerungVoll,
          d.feldgeschwLeer, d.feldgeschwVoll, d.rumpf, d.panzerung, d.schildenergie, d.preis);

    QVERIFY(d.gstpvBelegt <= d.gstp);
    QVERIFY(d.gstpvBelegt >= d.gstp / 2); // no empty shell
    QVERIFY(d.re >= d.rev);
    QVERIFY(d.re <= 2 * d.rev);           // no absurdly oversized reactor
    QVERIFY(d.be >= d.maxBev);
    QVERIFY(d.computerSlots >= d.slotsBelegt);
    QVERIFY(d.sprungTonnen >= d.gstp + d.gewicht);
    QVERIFY(d.steuerungVoll >= mindestSteuerung);
    QVERIFY(d.feldgeschwVoll > 1000);
    QVERIFY(d.rumpf >= d.gstp);
    QVERIFY(d.lebenserhaltungPersonen >= d.kabinenPersonen + d.brueckePersonen);
}

QTEST_GUILESS_MAIN(TstListen)
#include "tst_listen.moc"
