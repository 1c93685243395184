// Character files that were edited by hand or damaged: the loader brings
// numbers that the rules cannot mean into them, but takes the rest as stored
// (huge counters, actions and special areas with impossible indices), and the
// model stores whatever it is given. So every query and every operation of
// the model, the sheet and the writer must cope with numbers far outside the
// rules without crashing, reading outside a table or letting an int wrap
// around.

#include "aktion.h"
#include "basistypus.h"
#include "charakter.h"
#include "charakterwertsachen.h"
#include "charaktertext.h"
#include "charakterxml.h"
#include "persistenz.h"
#include "regelwerk.h"
#include "spezialgebiet.h"

#include "fenster_hilfen.h"

#include <QApplication>
#include <QBuffer>
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <climits>

#include "beschaedigtedateien_hilfen.h"

using namespace beschaedigt;

namespace {

QByteArray dokument(const QByteArray& innen)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Charakter>\n" + innen
           + "\n</Charakter>\n";
}

} // namespace

class TestBeschaedigteDateien : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void jedeAbfrageUndOperationHaeltStand_data();
    void jedeAbfrageUndOperationHaeltStand();

    void artAusserhalbDerTabelleVerhaeltSichWieDieErste_data();
    void artAusserhalbDerTabelleVerhaeltSichWieDieErste();
    void summenLaufenNichtUeber();
    void zaehlerAmRandVerweigernWeitereKaeufe();
    void ruecknahmenAmRandLaufenNichtUeber();
    void bogenBehaeltLeereNamen();

private:
    bool lade(const QByteArray& xml, Charakter& c);
    // Every query the window and the sheet use; the answers are folded into
    // one string so that nothing can be optimised away.
    QString frageAlles(Charakter& c);
    // Every operation the editor offers, once up and once down.
    void bedieneAlles(Charakter& c);

    Regelwerk m_regelwerk;
    QTemporaryDir* m_dir = nullptr;
    int m_nummer = 0;
};

void TestBeschaedigteDateien::initTestCase()
{
    m_dir = new QTemporaryDir;
    QVERIFY(m_dir->isValid());
}

void TestBeschaedigteDateien::cleanupTestCase()
{
    delete m_dir;
}

bool TestBeschaedigteDateien::lade(const QByteArray& xml, Charakter& c)
{
    const QString pfad = m_dir->filePath(QStringLiteral("kaputt%1.zch").arg(++m_nummer));
    QFile f(pfad);
    if (!f.open(QIODevice::WriteOnly) || f.write(xml) != xml.size())
        return false;
    f.close();
    DialogBeantworter wache{ QString() };
    Persistenz p;
    const bool ok = p.laden(pfad, &c);
    // Only the list of values brought into the rules may show up.
    QStringList andere;
    for (const QString& text : std::as_const(wache.meldungen)) {
        if (!text.contains(QStringLiteral("die die Regeln nicht zulassen")))
            andere << text;
    }
    if (!andere.isEmpty())
        qWarning() << "unexpected boxes:" << andere;
    return ok && andere.isEmpty();
}

QString TestBeschaedigteDateien::frageAlles(Charakter& c)
{
    const Regelwerk* r = c.regelwerk();
    QString t;
    auto n = [&t](qint64 x) { t += QString::number(x) + u' '; };

    const Basistypus* b = c.basistyp();
    if (!b)
        return QStringLiteral("no species");
    t += b->name + b->merkmale;
    n(c.basistypusIndex());
    if (const Basistypus* b2 = r->basistyp(c.basistypusIndex()))
        t += b2->name;
    for (const Spezialgebiet* s : b->bonusSpezialgebiete)
        t += s->Bezeichnung;
    for (bool rest : { false, true }) {
        n(c.startEP(rest));
        n(c.verfuegbareEP(rest));
        n(c.asp(rest));
        n(c.msp(rest));
        n(c.ksp(rest));
    }
    for (int art = 0; art < 3; ++art) {
        for (int spalte = 0; spalte < 6; ++spalte) {
            n(c.punkte(art, spalte));
            t += r->stufenName(r->stufe(c.punkte(art, spalte)));
        }
    }
    for (int e = 0; e < Regelwerk::AnzahlEigenschaften; ++e) {
        n(c.eigenschaft(e));
        n(c.eigenschaftPunkte(e));
        n(r->steigerungsKosten(c.eigenschaftPunkte(e)));
        n(r->steigerungsKosten(c.eigenschaftPunkte(e) - (c.eigenschaftPunkte(e) > INT_MIN)));
    }
    for (int k = 0; k < Regelwerk::AnzahlKenntnisse; ++k) {
        n(c.kenntnis(k));
        t += r->kenntnisName(k) + r->kenntnisBezug(k);
    }
    n(c.initiative());
    t += QString::number(c.standardbewegung());
    for (int art = 0; art < 5; ++art) {
        for (int spalte : { 0, 1, 3 })
            n(c.energie(art, spalte));
        n(c.gekaufteEnergie(art));
    }
    n(c.groesse());
    n(c.gewicht());
    n(c.normalGewicht());
    n(c.zufallsGroesse());
    t += c.geburtsdatum().toString(QStringLiteral("dd.MM.yyyy"));
    n(c.kapital());
    n(c.schulden());
    n(c.cassias());
    n(c.ceptomyzin());
    n(c.bonuspunkte());
    n(c.prestige());
    n(c.genutzteStartEP());
    n(c.genutzteEP());

    for (int art = 0; art < 3; ++art) {
        for (int i = 0; i < c.anzahlAktionen(art); ++i) {
            const Aktion* a = c.aktion(art, i);
            t += a->Bezeichnung + c.wurf(a) + r->kenntnisName(a->Kenntnis)
                 + r->spezialisierungName(a->Spezialisierung) + r->kenntnisBezug(a->Kenntnis);
            n(c.wurfSumme(a));
            n(r->befaehigungKosten(a->Befaehigung));
            if (const Spezialgebiet* s = c.spezialgebietFuer(a->Spezialisierung))
                t += s->Bezeichnung;
            if (const Aktion* k = r->sucheAktion(art, a->Bezeichnung))
                t += k->Bezeichnung;
        }
    }
    for (int i = 0; i < c.anzahlSpezialgebiete(); ++i) {
        const Spezialgebiet* s = c.spezialgebiet(i);
        t += s->Bezeichnung + c.wurf(s) + r->kenntnisName(s->Kenntnis)
             + r->spezialisierungName(s->Typ) + r->kenntnisBezug(s->Kenntnis)
             + Regelwerk::eigenschaftKuerzel(s->Eigenschaft1)
             + Regelwerk::eigenschaftName(s->Eigenschaft2)
             + Regelwerk::eigenschaftBeschriftung(s->Eigenschaft1);
        n(c.wurfSumme(s));
        n(r->spezialgebietKosten(s->Wert));
        n(r->anzahlSpezialgebiete(s->Kenntnis));
        if (const Spezialgebiet* k = r->spezialgebiet(s->Kenntnis, 0))
            t += k->Bezeichnung;
    }

    t += CharakterText::bogen(&c);
    const QByteArray xml = CharakterXml::schreiben(&c);
    if (xml.isEmpty())
        return QStringLiteral("not written");
    t += QString::fromUtf8(xml);
    return t;
}

void TestBeschaedigteDateien::bedieneAlles(Charakter& c)
{
    for (int e = 0; e < Regelwerk::AnzahlEigenschaften; ++e) {
        c.eigenschaftSteigern(e);
        c.eigenschaftSenken(e);
        c.eigenschaftSenken(e);
    }
    for (int art = 0; art < 3; ++art) {
        c.punktKaufen(art);
        c.punktVerkaufen(art);
        c.punktVerkaufen(art);
    }
    for (int art = 2; art <= 4; ++art) {
        c.energieKaufen(art);
        c.energieVerkaufen(art);
        c.energieVerkaufen(art);
    }
    c.sensitivSetzen(!c.sensitiv());
    c.sensitivSetzen(!c.sensitiv());
    c.kapitalKaufen(1);
    c.kapitalVerkaufen(1);
    c.schuldenKaufen(1);
    c.schuldenVerkaufen(1);
    c.cassiasKaufen(1);
    c.cassiasVerkaufen(1);
    c.ceptomyzinKaufen(1);
    c.ceptomyzinVerkaufen(1);
    c.prestigeKaufen();
    c.prestigeVerkaufen();
    c.bonusKaufen();
    c.bonusVerkaufen();

    for (int art = 0; art < 3; ++art) {
        for (int i = 0; i < c.anzahlAktionen(art); ++i) {
            Aktion* a = c.aktion(art, i);
            if (a->Befaehigung < INT_MAX)
                c.befaehigungSetzen(art, i, a->Befaehigung + 1);
            c.befaehigungSetzen(art, i, -10);
            c.befaehigungSetzen(art, i, 2);
        }
        if (const Aktion* k = m_regelwerk.aktion(art, 0)) {
            auto* kopie = new Aktion(*k);
            if (!c.aktionHinzufuegen(art, kopie))
                delete kopie;
        }
    }
    for (int i = 0; i < c.anzahlSpezialgebiete(); ++i) {
        Spezialgebiet* s = c.spezialgebiet(i);
        if (s->Wert < INT_MAX)
            c.spezialgebietWertSetzen(i, s->Wert + 1);
        c.spezialgebietWertSetzen(i, 0);
        c.spezialgebietWertSetzen(i, 20);
    }
    auto* neu = new Spezialgebiet(*m_regelwerk.spezialgebiet(8, 0));
    if (!c.spezialgebietHinzufuegen(neu))
        delete neu;
}

// ---------------------------------------------------------------- every query, every operation

void TestBeschaedigteDateien::jedeAbfrageUndOperationHaeltStand_data()
{
    QTest::addColumn<QByteArray>("innen");

    const QByteArray ganzJa = "<Spezialgebiete BenutztSpezis=\"Ja\">";
    QTest::newRow("species 99") << QByteArray("<Basisdaten BasistypusIndex=\"99\" generieren=\"Ja\"/>");
    QTest::newRow("species -1") << QByteArray("<Basisdaten BasistypusIndex=\"-1\" generieren=\"Ja\"/>");
    QTest::newRow("species 18") << QByteArray("<Basisdaten BasistypusIndex=\"18\" generieren=\"Nein\"/>");
    QTest::newRow("species largest int")
        << QByteArray("<Basisdaten BasistypusIndex=\"" + Max + "\" generieren=\"Ja\"/>");
    QTest::newRow("species smallest int")
        << QByteArray("<Basisdaten BasistypusIndex=\"" + Min + "\" generieren=\"Ja\"/>");
    QTest::newRow("raises 500")
        << QByteArray("<Basisdaten generieren=\"Ja\"/><Eigenschaften" + alle(EigenschaftNamen, "500") + "/>");
    QTest::newRow("raises largest int")
        << QByteArray("<Basisdaten generieren=\"Ja\"/><Eigenschaften" + alle(EigenschaftNamen, Max) + "/>");
    QTest::newRow("raises smallest int")
        << QByteArray("<Basisdaten generieren=\"Nein\"/><Eigenschaften" + alle(EigenschaftNamen, Min) + "/>");
    QTest::newRow("counters largest int, generating")
        << QByteArray("<Basisdaten generieren=\"Ja\" Sensitiv=\"Ja\"/><Punkte" + alle(PunktNamen, Max) + "/>");
    QTest::newRow("counters largest int, generated")
        << QByteArray("<Basisdaten generieren=\"Nein\"/><Punkte" + alle(PunktNamen, Max) + "/>");
    QTest::newRow("counters smallest int, generating")
        << QByteArray("<Basisdaten generieren=\"Ja\" Sensitiv=\"Ja\"/><Punkte" + alle(PunktNamen, Min) + "/>");
    QTest::newRow("counters smallest int, generated")
        << QByteArray("<Basisdaten generieren=\"Nein\"/><Punkte" + alle(PunktNamen, Min) + "/>");
    QTest::newRow("energies largest int")
        << QByteArray("<Basisdaten BasistypusIndex=\"6\" generieren=\"Ja\"/><Energie" + alle(EnergieNamen, Max) + "/>");
    QTest::newRow("energies smallest int")
        << QByteArray("<Basisdaten BasistypusIndex=\"6\" generieren=\"Nein\"/><Energie" + alle(EnergieNamen, Min) + "/>");
    QTest::newRow("goods largest int")
        << QByteArray("<Basisdaten generieren=\"Ja\"/><Startdinge" + alle(StartdingNamen, Max) + "/>");
    QTest::newRow("goods smallest int")
        << QByteArray("<Basisdaten generieren=\"Nein\"/><Startdinge" + alle(StartdingNamen, Min) + "/>");
    QTest::newRow("height and weight at the ends")
        << QByteArray("<Basisdaten generieren=\"Ja\" Tag=\"99\" Monat=\"-3\" Jahr=\"" + Max
                      + "\"/><Aussehen Groesse=\"" + Min + "\" Gewicht=\"" + Max + "\"/>");
    QTest::newRow("actions with impossible indices")
        << QByteArray("<Basisdaten generieren=\"Ja\"/><Aktionen>"
                      + aktion("A", "42", "77", "5", "-3") + aktion("B", "-1", "-5", "1", "99")
                      + aktion("C", "3", "18", "2", "-11") + aktion("D", "1", "0", "5", "3")
                      + "</Aktionen>");
    QTest::newRow("actions with extreme numbers")
        << QByteArray("<Basisdaten generieren=\"Nein\"/><Aktionen>"
                      + aktion("A", "1", "0", Max, Max) + aktion("B", "2", "1", Min, Min)
                      + aktion("C", "3", "13", Min, Max) + aktion("D", Max, Min, Max, Min)
                      + "</Aktionen>");
    QTest::newRow("special areas with impossible indices")
        << QByteArray("<Basisdaten generieren=\"Ja\"/>" + ganzJa
                      + gebiet("S", "77", "-1", "0", "20", "-7", "99")
                      + gebiet("T", "-3", "42", "-5", "11", "100", "-1")
                      + gebiet("U", "18", "10", "0", Max, Min, "21") + "</Spezialgebiete>");
    QTest::newRow("special areas with extreme numbers, actions use them")
        << QByteArray("<Basisdaten generieren=\"Ja\"/><Eigenschaften" + alle(EigenschaftNamen, Max)
                      + "/><Aktionen>" + aktion("Sprache", "1", "0", "5", Max)
                      + aktion("Technik", "2", "1", "3", Min) + aktion("Para", "3", "13", "3", Max)
                      + "</Aktionen>" + ganzJa + gebiet("S", "0", "1", Max, "0", "0", Max)
                      + gebiet("T", "1", "2", Min, "0", "0", Min)
                      + gebiet("U", "13", "3", Max, "4", "4", Min) + "</Spezialgebiete>");
    QTest::newRow("everything at once")
        << QByteArray("<Basisdaten BasistypusIndex=\"-7\" generieren=\"Ja\" Sensitiv=\"Ja\"/>"
                      "<Punkte" + alle(PunktNamen, Min) + "/><Energie" + alle(EnergieNamen, Max)
                      + "/><Eigenschaften" + alle(EigenschaftNamen, Min) + "/><Aktionen>"
                      + aktion("A", "42", "77", Min, Min) + aktion("B", Min, "0", Max, Max)
                      + "</Aktionen><Startdinge" + alle(StartdingNamen, Min) + "/>" + ganzJa
                      + gebiet("S", "0", Min, Min, Max, Min, Min) + "</Spezialgebiete>");
}

void TestBeschaedigteDateien::jedeAbfrageUndOperationHaeltStand()
{
    QFETCH(QByteArray, innen);
    Charakter c(&m_regelwerk);
    QVERIFY(lade(dokument(innen), c));

    for (bool spezis : { false, true }) {
        c.setzeBenutztSpezis(spezis);
        QVERIFY(!frageAlles(c).startsWith(u"no species"));
    }

    // What is saved reads back as the same character.
    const QByteArray gespeichert = CharakterXml::schreiben(&c);
    QVERIFY(!gespeichert.isEmpty());
    Charakter wieder(&m_regelwerk);
    QVERIFY(lade(gespeichert, wieder));
    QCOMPARE(CharakterXml::schreiben(&wieder), gespeichert);
    QCOMPARE(CharakterText::bogen(&wieder), CharakterText::bogen(&c));

    // Every button of the editor, in both phases.
    for (bool generieren : { c.generieren(), !c.generieren() }) {
        c.setzeGenerieren(generieren);
        bedieneAlles(c);
        frageAlles(c);
        for (int art = 0; art < 3; ++art) {
            while (c.anzahlAktionen(art) > 0)
                QVERIFY(c.aktionEntfernen(art, 0));
        }
        while (c.anzahlSpezialgebiete() > 0)
            QVERIFY(c.spezialgebietEntfernen(0));
        frageAlles(c);
    }
}

// ---------------------------------------------------------------- the answers for extreme data

void TestBeschaedigteDateien::artAusserhalbDerTabelleVerhaeltSichWieDieErste_data()
{
    QTest::addColumn<int>("index");
    QTest::newRow("99") << 99;
    QTest::newRow("-1") << -1;
    QTest::newRow("18") << m_regelwerk.anzahlBasistypen();
    QTest::newRow("smallest int") << INT_MIN;
}

void TestBeschaedigteDateien::artAusserhalbDerTabelleVerhaeltSichWieDieErste()
{
    QFETCH(int, index);
    Charakter c(&m_regelwerk);
    c.setzeBasistypus(index);
    // The model keeps the index (a file holding it reads as the first species) ...
    QCOMPARE(c.basistypusIndex(), index);
    QVERIFY(CharakterXml::schreiben(&c).contains("BasistypusIndex=\"" + QByteArray::number(index) + '"'));
    // ... and every lookup answers as for the first species.
    Charakter erste(&m_regelwerk);
    QCOMPARE(c.basistyp(), m_regelwerk.basistyp(0));
    QCOMPARE(c.startEP(true), erste.startEP(true));
    QCOMPARE(c.punkte(2, 3), erste.punkte(2, 3));
    QCOMPARE(c.energie(0, 3), erste.energie(0, 3));
    QCOMPARE(CharakterText::bogen(&c), CharakterText::bogen(&erste));
}

void TestBeschaedigteDateien::summenLaufenNichtUeber()
{
    Charakter c(&m_regelwerk);   // Terraner: every attribute starts at 10
    for (int e : { Regelwerk::Kraft, Regelwerk::Kondition, Regelwerk::Wissen })
        c.setzeEigenschaftPunkte(e, INT_MAX);
    for (int e : { Regelwerk::Mut, Regelwerk::Instinkt, Regelwerk::Sinne })
        c.setzeEigenschaftPunkte(e, INT_MIN);
    c.setzePunkte(1, 1, INT_MAX);
    c.setzePunkte(1, 2, INT_MAX);
    c.setzePunkte(1, 4, INT_MIN);
    c.setzePunkte(0, 1, INT_MIN);
    c.setzePunkte(0, 2, INT_MIN);
    c.setzeGenutzteStartEP(INT_MIN);
    c.setzeGekaufteEnergie(3, INT_MAX);
    c.setzeGroesse(INT_MIN);
    c.aktionAnhaengen(0, new Aktion(QStringLiteral("Sprache"), 0, 0, INT_MAX, 5));
    c.aktionAnhaengen(1, new Aktion(QStringLiteral("Technik"), 2, 1, INT_MIN, 5));
    QCOMPARE(c.eigenschaft(Regelwerk::Kraft), INT_MAX);
    QCOMPARE(c.eigenschaft(Regelwerk::Mut), INT_MIN + 10);
    QCOMPARE(c.energie(0, 3), INT_MAX);               // LE from Kraft and Kondition
    QCOMPARE(c.kenntnis(0), INT_MAX);                 // Vita: Wissen twice
    QCOMPARE(c.initiative(), INT_MIN + 11);           // -2147483638 + 0.5, cut towards zero
    QCOMPARE(c.punkte(1, 3), INT_MAX);
    QCOMPARE(c.punkte(1, 5), INT_MAX);
    QCOMPARE(c.punkte(0, 3), INT_MIN);
    QCOMPARE(c.energie(3, 3), INT_MAX);
    QCOMPARE(c.startEP(true), INT_MAX);
    QCOMPARE(c.normalGewicht(), INT_MIN);
    // The roll modifier is worked out in full: Vita 2147483647 = 536870911 dice + 3,
    // plus the proficiency.
    QCOMPARE(c.wurf(c.aktion(0, 0)), QStringLiteral("536870911W +2147483650"));
    // Technik (It, Wi): (10 + 2147483647) / 2 rounded = 1073741829 = 268435457 dice + 1,
    // plus the proficiency.
    QCOMPARE(c.wurf(c.aktion(1, 0)), QStringLiteral("268435457W -2147483647"));
}

void TestBeschaedigteDateien::zaehlerAmRandVerweigernWeitereKaeufe()
{
    Charakter c(&m_regelwerk);
    QVERIFY(lade(dokument("<Basisdaten generieren=\"Nein\" Sensitiv=\"Nein\"/><Punkte GekaufteTP=\""
                          + Max + "\" GekaufteSP=\"" + QByteArray::number(INT_MAX - 1)
                          + "\" GekaufteMP=\"" + Max + "\" GenutzteEP=\"" + Max
                          + "\"/><Energie PNE=\"" + Max + "\"/>"),
                 c));
    // A bought counter at the end of int takes no more points.
    QVERIFY(!c.punktKaufen(1));
    QVERIFY(!c.punktKaufen(0));
    QCOMPARE(c.punkte(1, 1), INT_MAX);
    QCOMPARE(c.punkte(0, 1), INT_MAX - 1);
    QVERIFY(!c.energieKaufen(2));
    QCOMPARE(c.energie(2, 1), INT_MAX);
    // After generation the used EP cannot grow beyond int: nothing is bought for free.
    QCOMPARE(c.genutzteEP(), INT_MAX);
    QVERIFY(!c.energieKaufen(3));
    QCOMPARE(c.energie(3, 1), 0);
    QVERIFY(!c.kapitalKaufen(1));
    QCOMPARE(c.kapital(), 0);
    QVERIFY(!c.sensitivSetzen(true));
    QVERIFY(!c.sensitiv());
    QVERIFY(!c.eigenschaftSteigern(0));
    QCOMPARE(c.eigenschaftPunkte(0), 0);
    QCOMPARE(c.genutzteEP(), INT_MAX);
}

void TestBeschaedigteDateien::ruecknahmenAmRandLaufenNichtUeber()
{
    Charakter c(&m_regelwerk);
    c.setzeGenutzteStartEP(INT_MIN);
    c.setzePunkte(1, 4, INT_MIN);
    c.setzeGekaufteEnergie(3, 3);
    c.setzeEigenschaftPunkte(Regelwerk::Mut, INT_MIN);
    c.setzeEigenschaftPunkte(Regelwerk::Wissen, 1);
    c.aktionAnhaengen(1, new Aktion(QStringLiteral("Technik"), 2, 1, -10, INT_MIN));
    // Giving EP back at the lower end of the counter keeps it there.
    QVERIFY(c.energieVerkaufen(3));
    QCOMPARE(c.genutzteStartEP(), INT_MIN);
    QVERIFY(c.eigenschaftSenken(2));
    QCOMPARE(c.genutzteStartEP(), INT_MIN);
    // A raise counter at the lower end cannot be lowered further.
    QVERIFY(!c.eigenschaftSenken(0));
    QCOMPARE(c.eigenschaftPunkte(0), INT_MIN);
    // Removing an action refunds its cost without wrapping the used points.
    QVERIFY(c.aktionEntfernen(1, 0));
    QCOMPARE(c.punkte(1, 4), INT_MIN + INT_MAX);
}

void TestBeschaedigteDateien::bogenBehaeltLeereNamen()
{
    Charakter c(&m_regelwerk);
    QVERIFY(lade(dokument("<Basisdaten generieren=\"Ja\"/><Aktionen>" + aktion("Funk", "1", "18", "2", "-3")
                          + aktion("Irgendwas", "42", "77", "2", "1") + "</Aktionen>"
                          + "<Spezialgebiete BenutztSpezis=\"Ja\">"
                          + gebiet("Weit weg", "18", "42", "2", "20", "-1", "99")
                          + gebiet("Davor", "18", "-1", "0", "0", "0", "3") + "</Spezialgebiete>"),
                 c));
    const QStringList zeilen = CharakterText::bogen(&c).split(u'\n');
    QVERIFY(zeilen.contains(QStringLiteral("Weit weg (, 2) 20")));   // the highest level
    QVERIFY(zeilen.contains(QStringLiteral("Davor (, 0) 3")));
    QVERIFY(zeilen.contains(QStringLiteral("Funk (Akademik, ) -3")));
    QVERIFY(zeilen.contains(QStringLiteral("Irgendwas (, ) 1")));
}

QTEST_MAIN(TestBeschaedigteDateien)
#include "tst_beschaedigtedateien.moc"
