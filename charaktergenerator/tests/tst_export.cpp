// The plain-text character sheet, line by line.

#include "aktion.h"
#include "basistypus.h"
#include "charakter.h"
#include "charakterwertsachen.h"
#include "charakterxml.h"
#include "charaktertext.h"
#include "persistenz.h"
#include "regelwerk.h"
#include "spezialgebiet.h"

#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <QTest>

class TestExport : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void neuerCharakter();
    void vollerCharakter();
    void bewegungNachGebietsschema_data();
    void bewegungNachGebietsschema();
    void exportSchreibtDenBogenUndAendertNichts();

private:
    Regelwerk m_regelwerk;
};

namespace {

QStringList zeilen(const QString& text)
{
    return text.split(u'\n');
}

} // namespace

void TestExport::init()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
}

void TestExport::cleanup()
{
    QLocale::setDefault(QLocale::c());
}

void TestExport::neuerCharakter()
{
    Charakter c(&m_regelwerk);
    const QStringList erwartet = {
        "Charakter: ",
        "Start-EP: 200/200",
        "TP: 0/0 \tSP: 20/20 \tMP: 0/0",
        "ASP: 0/80  \tMSP: 0/120  \tKSP: 0/0",
        "",
        "--- BASISDATEN ---",
        "Typ: Terraner",
        "Merkmale: -",
        "Hautschutz: 0",
        "nicht sensitiv",
        "Reich: ",
        "Heimatplanet: ",
        "Geburtsdatum: 01.01.2650",
        "",
        "Größe: 0cm    \tGewicht: 0kg",
        "Haarfarbe:  \tHautfarbe:  \tAugenfarbe: ",
        "",
        "",
        "--- GESCHICHTE ---",
        "Kindheit: ",
        "Erziehung: ",
        "Beruf: ",
        "Werdegang: ",
        "",
        "--- CHARAKTER ---",
        "Grundcharakter: ",
        "Charakterzüge: ",
        "Umfeld: ",
        "Hobbies: ",
        "Titel: ",
        "Beziehungen: ",
        "",
        "",
        "--- EIGENSCHAFTEN ---",
        "Mut: 10  Intelligenz: 10  Wissen: 10  Instinkt: 10  Emotionen: 10  Kraft: 10  Koerperbhg: 10"
        "  Handgeschick: 10  Sinne: 10  Kondition: 10  Ausstrahlung: 10",
        "",
        "--- ENERGIEN ---",
        "LE: 33  PE: 33  PNE: 0  DE: 0  AE: 0",
        "",
        "Initiative: 10",
        "Std.Bewegung: 2",
        "",
        "--- KENNTNISSE ---",
        "Vita: 10  Akademik: 10  Technik: 10  Paranormik: 10  Transportmittel: 10  Handwerk & Kunst: 10"
        "  Beeinfl.& Verh.: 10  Kognition: 10  Athletik: 10  Kampf: 10",
        "",
        "--- SPEZIALGEBIETE ---",
        "ohne Spezialgebiete",
        "",
        "--- AKTIONEN ---",
        "",
        "--- STARTDINGE ---",
        "Kapital (St): \t0",
        "Schulden (St): \t0",
        "Cassias: \t0",
        "Ceptomyzin: \t0",
        "Bonuspunkte: \t0",
        "Prestige: \t0",
        "",
    };
    QCOMPARE(zeilen(CharakterText::bogen(&c)), erwartet);
}

void TestExport::vollerCharakter()
{
    Charakter c(&m_regelwerk);
    // Terraner with the special-area module: 280 start EP.
    c.setzeBenutztSpezis(true);
    c.setzeText(0, QStringLiteral("Zoë Ärmel"));
    for (int i = 1; i < 16; ++i)
        c.setzeText(i, QStringLiteral("T%1").arg(i));
    c.setzeText(16, QStringLiteral("Freund: Kay\nFeindin: Mara"));
    c.setzeGroesse(190);
    c.setzeGewicht(80);
    c.setzeGeburtsdatum(QDate(2649, 3, 7));
    QVERIFY(c.sensitivSetzen(true));                  // 1 EP
    QVERIFY(c.eigenschaftSteigern(6));                // Kb 11, 3 EP
    QVERIFY(c.eigenschaftSteigern(0));                // Mu 12, 3 + 4 EP
    QVERIFY(c.eigenschaftSteigern(0));
    for (int i = 0; i < 4; ++i)
        QVERIFY(c.punktKaufen(1));                    // 4 TP, 4 EP
    for (int i = 0; i < 3; ++i)
        QVERIFY(c.punktKaufen(2));                    // 3 MP, 3 EP

    QVERIFY(c.aktionHinzufuegen(0, new Aktion(*m_regelwerk.aktion(0, 0))));   // 3 SP
    QVERIFY(c.befaehigungSetzen(0, 0, 0));                                     // 10 SP
    QVERIFY(c.aktionHinzufuegen(1, new Aktion(*m_regelwerk.aktion(1, 2))));   // 3 TP
    QVERIFY(c.aktionHinzufuegen(1, new Aktion(QStringLiteral("Eigenbau"), 2, 18, -10, 1)));
    QVERIFY(c.aktionHinzufuegen(2, new Aktion(*m_regelwerk.aktion(2, 4))));   // 2 MP
    QVERIFY(c.energieKaufen(2));                                               // 1 MP

    QVERIFY(c.spezialgebietHinzufuegen(new Spezialgebiet(*m_regelwerk.spezialgebiet(2, 0))));  // 1 EP
    QVERIFY(c.spezialgebietWertSetzen(0, 3));                                                  // 2 EP
    QVERIFY(c.spezialgebietHinzufuegen(new Spezialgebiet(QStringLiteral("Fremd"), 18, 12, 1, 0, 0, 0, false)));
    QVERIFY(c.spezialgebietHinzufuegen(new Spezialgebiet(*c.basistyp()->bonusSpezialgebiete.at(0))));

    QVERIFY(c.kapitalKaufen(1));
    QVERIFY(c.schuldenKaufen(1));
    // Goods no Terraner may buy, booked as a file holds them.
    c.wertsachen()->setzeCassias(500);                // 1 EP
    c.wertsachen()->setzeCeptomyzin(3);               // 1 EP
    QVERIFY(c.epAusgeben(2));
    QVERIFY(c.prestigeKaufen());
    QVERIFY(c.bonusKaufen());
    QVERIFY(c.addiereGekaufteEnergie(3, 1));          // 1 DE, 1 EP
    QVERIFY(c.addiereGekaufteEnergie(4, 1));          // 1 AE, 5 EP
    QVERIFY(c.epAusgeben(6));

    const QStringList erwartet = {
        "Charakter: Zoë Ärmel",
        "Start-EP: 246/280",
        "TP: 0/4 \tSP: 7/20 \tMP: 0/3",
        "ASP: 0/80  \tMSP: 0/120  \tKSP: 0/0",
        "",
        "--- BASISDATEN ---",
        "Typ: Terraner",
        "Merkmale: -",
        "Hautschutz: 0",
        "sensitiv",
        "Reich: T1",
        "Heimatplanet: T2",
        "Geburtsdatum: 07.03.2649",
        "",
        "Größe: 190cm    \tGewicht: 80kg",
        "Haarfarbe: T3 \tHautfarbe: T4 \tAugenfarbe: T5",
        "T6",
        "",
        "--- GESCHICHTE ---",
        "Kindheit: T7",
        "Erziehung: T8",
        "Beruf: T9",
        "Werdegang: T10",
        "",
        "--- CHARAKTER ---",
        "Grundcharakter: T11",
        "Charakterzüge: T12",
        "Umfeld: T13",
        "Hobbies: T14",
        "Titel: T15",
        "Beziehungen: ",
        "Freund: Kay",
        "Feindin: Mara",
        "",
        "--- EIGENSCHAFTEN ---",
        "Mut: 12  Intelligenz: 10  Wissen: 10  Instinkt: 10  Emotionen: 10  Kraft: 10  Koerperbhg: 11"
        "  Handgeschick: 10  Sinne: 10  Kondition: 10  Ausstrahlung: 10",
        "",
        "--- ENERGIEN ---",
        "LE: 33  PE: 35  PNE: 1  DE: 1  AE: 1",
        "",
        "Initiative: 11",
        "Std.Bewegung: 2,2",
        "",
        "--- KENNTNISSE ---",
        "Vita: 5  Akademik: 5  Technik: 5  Paranormik: 5  Transportmittel: 5  Handwerk & Kunst: 5"
        "  Beeinfl.& Verh.: 5  Kognition: 5  Athletik: 6  Kampf: 6",
        "",
        "--- SPEZIALGEBIETE ---",
        "Kybernetik (Technik, 0) 3",
        "Fremd (, 1) 1",
        "Ausweichen (Athletik, 0) 4",
        "",
        "--- AKTIONEN ---",
        "Standard(Imperial) (Akademik, Sprachen & Schriften) 0",
        "Waffenausstattungsmod und -bau (Technik, Rüstungstechnik) -10",
        "Eigenbau (Technik, ) -10",
        "Tiefenmeditation (Paranormik, Esoterik) -10",
        "",
        "--- STARTDINGE ---",
        "Kapital (St): \t15000",
        "Schulden (St): \t100000",
        "Cassias: \t500",
        "Ceptomyzin: \t3",
        "Bonuspunkte: \t5",
        "Prestige: \t40",
        "",
    };
    QCOMPARE(zeilen(CharakterText::bogen(&c)), erwartet);
}

void TestExport::bewegungNachGebietsschema_data()
{
    QTest::addColumn<QLocale>("gebietsschema");
    QTest::addColumn<int>("steigerungen");
    QTest::addColumn<QString>("zeile");
    const QLocale deutsch(QLocale::German, QLocale::Germany);
    const QLocale englisch(QLocale::English, QLocale::UnitedStates);
    QTest::newRow("deutsch 2,2") << deutsch << 1 << "Std.Bewegung: 2,2";
    QTest::newRow("englisch 2.2") << englisch << 1 << "Std.Bewegung: 2.2";
    QTest::newRow("deutsch 2,6") << deutsch << 3 << "Std.Bewegung: 2,6";
    QTest::newRow("englisch 2.6") << englisch << 3 << "Std.Bewegung: 2.6";
    QTest::newRow("deutsch ganz") << deutsch << 5 << "Std.Bewegung: 3";
}

void TestExport::bewegungNachGebietsschema()
{
    QFETCH(QLocale, gebietsschema);
    QFETCH(int, steigerungen);
    QFETCH(QString, zeile);
    QLocale::setDefault(gebietsschema);
    Charakter c(&m_regelwerk);
    c.setzeEigenschaftPunkte(6, steigerungen);
    const QStringList z = zeilen(CharakterText::bogen(&c));
    const qsizetype i = z.indexOf(QStringLiteral("Initiative: 10"));
    QVERIFY(i > 0);
    QCOMPARE(z.at(i + 1), zeile);
}

void TestExport::exportSchreibtDenBogenUndAendertNichts()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    Charakter c(&m_regelwerk);
    c.setzeText(0, QStringLiteral("Ärger & Co"));
    c.setzeBenutztSpezis(true);
    QVERIFY(c.spezialgebietHinzufuegen(new Spezialgebiet(*m_regelwerk.spezialgebiet(8, 1))));
    const QByteArray vorher = CharakterXml::schreiben(&c);
    const QString bogen = CharakterText::bogen(&c);

    const QString pfad = dir.filePath(QStringLiteral("bogen.txt"));
    QVERIFY(QFile(pfad).open(QIODevice::WriteOnly));   // an old sheet is replaced
    Persistenz p;
    Persistenz::setzeNaechsteDatei(pfad);
    QVERIFY(p.exportieren(&c));

    QFile datei(pfad);
    QVERIFY(datei.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(datei.readAll()), bogen);
    QCOMPARE(CharakterXml::schreiben(&c), vorher);
}

QTEST_MAIN(TestExport)
#include "tst_export.moc"
