#include <QtTest>

#include "aktion.h"
#include "basistypus.h"
#include "charakter.h"
#include "regelwerk.h"
#include "spezialgebiet.h"

// The character record and its point rules.
class TestCharakter : public QObject
{
    Q_OBJECT

private:
    Regelwerk r;

    Aktion* kopie(int art, const QString& name) { return new Aktion(*r.sucheAktion(art, name)); }

private slots:
    void frischerCharakter()
    {
        Charakter c(&r);
        QCOMPARE(c.basistypusIndex(), 0);
        QCOMPARE(c.groesse(), 0);
        QCOMPARE(c.gewicht(), 0);
        QCOMPARE(c.geburtsdatum(), QDate(2650, 1, 1));
        QVERIFY(c.generieren());
        QVERIFY(!c.benutztSpezis());
        QVERIFY(!c.sensitiv());
        for (int e = 0; e < 11; ++e)
            QCOMPARE(c.eigenschaftPunkte(e), 0);
        QCOMPARE(c.startEP(true), 200);
        QCOMPARE(c.punkte(0, 3), 20);
        QCOMPARE(c.kapital(), 0);
    }

    void einfacheZugriffe()
    {
        Charakter c(&r);
        c.setzeText(16, "Beziehung");
        c.setzeText(17, "zu weit");
        QCOMPARE(c.text(16), QString("Beziehung"));
        QCOMPARE(c.text(17), QString());
        QCOMPARE(c.text(-1), QString());

        QCOMPARE(c.setzeBasistypus(-1)->name, QString("Terraner"));
        QCOMPARE(c.basistypusIndex(), -1);
        QCOMPARE(c.setzeBasistypus(7)->name, QString("Tokmarde"));

        c.addierePunkte(0, 3, 5);
        c.addierePunkte(3, 1, 5);
        for (int spalte = 0; spalte < 6; ++spalte)
            QCOMPARE(c.punkte(0, spalte) + c.punkte(1, spalte) + c.punkte(2, spalte),
                     spalte == 0 || spalte == 3 || spalte == 5 ? 5 : 0);   // Tokmarde: 5 TP
        c.addierePunkte(1, 2, 3);
        c.addierePunkte(1, 4, 2);
        QCOMPARE(c.punkte(1, 3), 8);
        QCOMPARE(c.punkte(1, 5), 6);
        QCOMPARE(c.punkte(3, 0), -1);
        QCOMPARE(c.punkte(0, 6), -1);

        QVERIFY(!c.setzeGekaufteEnergie(1, 4));
        QVERIFY(c.setzeGekaufteEnergie(3, 4));
        QVERIFY(c.addiereGekaufteEnergie(3, 1));
        QCOMPARE(c.energie(3, 1), 5);
        c.setzeEigenschaftPunkte(11, 3);
        c.addiereEigenschaftPunkte(-1, 3);
        QCOMPARE(c.eigenschaftPunkte(11), 0);
    }

    void zuruecksetzen()
    {
        Charakter c(&r);
        c.setzeBenutztSpezis(true);
        c.setzeBasistypus(3);
        c.setzeText(0, "Name");
        c.setzeGenerieren(false);
        QVERIFY(c.eigenschaftSteigern(2));
        QVERIFY(c.aktionHinzufuegen(1, kopie(1, "Program")));
        QVERIFY(c.spezialgebietHinzufuegen(new Spezialgebiet(*r.spezialgebiet(0, 0))));
        QVERIFY(c.kapitalKaufen(1));
        c.setzeBonuspunkte(7);
        c.zuruecksetzen();
        QVERIFY(!c.benutztSpezis());
        QVERIFY(c.generieren());
        QCOMPARE(c.basistypusIndex(), 0);
        QCOMPARE(c.text(0), QString());
        QCOMPARE(c.eigenschaftPunkte(2), 0);
        QCOMPARE(c.anzahlAktionen(1), 0);
        QCOMPARE(c.anzahlSpezialgebiete(), 0);
        QCOMPARE(c.genutzteEP(), 0);
        QCOMPARE(c.punkte(1, 4), 0);
        QCOMPARE(c.kapital(), 0);
        QCOMPARE(c.bonuspunkte(), 0);
        QCOMPARE(r.anzahlAktionen(1), 22);   // the catalogue is untouched

        // the base part's reset leaves the module switch alone
        c.setzeBenutztSpezis(true);
        c.CharakterBasis::zuruecksetzen();
        QVERIFY(c.benutztSpezis());
    }

    void eigenschaftenSteigernUndSenken()
    {
        Charakter c(&r);
        for (int i = 0; i < 9; ++i)
            QVERIFY(c.eigenschaftSteigern(5));
        QCOMPARE(c.startEP(true), 32);
        QCOMPARE(c.eigenschaft(5), 19);
        QVERIFY(!c.eigenschaftSteigern(5));        // the tenth raise costs 160
        QCOMPARE(c.startEP(true), 32);
        QVERIFY(c.eigenschaftSenken(5));           // refunds the last raise: 70
        QCOMPARE(c.startEP(true), 102);
        QCOMPARE(c.eigenschaftPunkte(5), 8);

        // all ten raises cost 328; an eleventh is refused whatever the EP
        Charakter d(&r);
        d.setzeGenerieren(false);
        for (int i = 0; i < 10; ++i)
            QVERIFY(d.eigenschaftSteigern(0));
        QCOMPARE(d.genutzteEP(), 328);
        QVERIFY(!d.eigenschaftSteigern(0));
        QCOMPARE(d.genutzteEP(), 328);
        QCOMPARE(d.genutzteStartEP(), 0);

        // lowering an attribute without raises is refused and charges nothing
        QVERIFY(!c.eigenschaftSenken(0));
        QCOMPARE(c.eigenschaftPunkte(0), 0);
        QCOMPARE(c.startEP(true), 102);
        QVERIFY(!c.eigenschaftSteigern(11));
        QCOMPARE(c.eigenschaft(11), 0);
    }

    void zuWenigEP()
    {
        Charakter c(&r);
        c.setzeGenutzteStartEP(198);
        QVERIFY(!c.eigenschaftSteigern(1));
        QCOMPARE(c.eigenschaftPunkte(1), 0);
        QCOMPARE(c.startEP(true), 2);
        QVERIFY(!c.epAusgeben(3));
        QVERIFY(!c.epAusgeben(-1));
        QVERIFY(c.epAusgeben(2));
        QVERIFY(!c.epVerrechnen(-1));
        QVERIFY(c.epVerrechnen(5));
        QCOMPARE(c.startEP(true), 5);
    }

    void basistypWechselLaesstRestNegativ()
    {
        Charakter c(&r);
        for (int i = 0; i < 8; ++i)
            QVERIFY(c.eigenschaftSteigern(3));     // 98 EP
        c.setzeBasistypus(7);                      // Tokmarde: 90 start EP
        QCOMPARE(c.startEP(true), -8);
        QCOMPARE(c.eigenschaft(3), 19);           // start value 11 + 8 raises
        QVERIFY(!c.punktKaufen(1));
        QVERIFY(!c.sensitivSetzen(true));
        QVERIFY(!c.epAusgeben(0));                // a remainder below zero allows nothing
        QVERIFY(c.eigenschaftSenken(3));           // refunds 40
        QCOMPARE(c.startEP(true), 32);
        QVERIFY(c.punktKaufen(1));
    }

    void modulSpezialgebiete()
    {
        Charakter c(&r);
        QCOMPARE(c.kenntnis(3), 10);
        c.setzeBenutztSpezis(true);
        QCOMPARE(c.startEP(false), 280);
        QCOMPARE(c.kenntnis(3), 5);
        QCOMPARE(c.verfuegbareEP(true), 280);
    }

    void abgeleiteteWerte_data()
    {
        QTest::addColumn<int>("basistyp");
        QTest::addColumn<int>("raiseE");
        QTest::addColumn<int>("anzahl");
        QTest::addColumn<QString>("werte");   // Kenntnisse 0..9 | Ini | LE | PE
        QTest::newRow("Terraner") << 0 << 0 << 0 << "10 10 10 10 10 10 10 10 10 10|10|33|33";
        // Wissen 11: Technik (21/2 = 10.5) rounds up to 11, Vita 11
        QTest::newRow("Terraner Wi 11") << 0 << 2 << 1 << "11 10 11 10 10 11 10 10 10 10|10|33|33";
        // Metonoid: LE 64/1.3 = 49.2, PE 47/1.4 = 33.6
        QTest::newRow("Metonoid") << 2 << 0 << 0 << "8 7 8 11 10 10 10 11 8 10|11|49|34";
        // Beta-Pictor: LE 55/2.5 = 22, PE 64/0.8 = 80
        QTest::newRow("Beta-Pictor") << 6 << 0 << 0 << "7 7 7 12 10 8 12 11 8 14|12|22|80";
        // Tokmarde: Kraft, Kondition 0 -> LE 0; Initiative (13+11+0)/3 = 8; PE 47/1.7 = 27.6
        QTest::newRow("Tokmarde") << 7 << 0 << 0 << "8 10 9 10 0 10 9 6 0 7|8|0|28";
        // Minelauvaner: LE (16+42)/1.4 = 41.4, PE (10+8+24)/1.6 = 26.25
        QTest::newRow("Minelauvaner") << 4 << 0 << 0 << "7 10 9 9 11 8 9 11 15 10|10|41|26";
    }
    void abgeleiteteWerte()
    {
        QFETCH(int, basistyp);
        QFETCH(int, raiseE);
        QFETCH(int, anzahl);
        QFETCH(QString, werte);
        Charakter c(&r);
        c.setzeBasistypus(basistyp);
        c.setzeEigenschaftPunkte(raiseE, anzahl);
        QStringList k;
        for (int i = 0; i < 10; ++i)
            k << QString::number(c.kenntnis(i));
        const QString ist = k.join(' ') + QStringLiteral("|%1|%2|%3")
                                              .arg(c.initiative())
                                              .arg(c.energie(0, 3))
                                              .arg(c.energie(1, 3));
        QCOMPARE(ist, werte);
        QCOMPARE(c.kenntnis(10), 0);
        QCOMPARE(c.kenntnis(-1), 0);
    }

    void rundung()
    {
        QCOMPARE(CharakterBasis::runden(10.5), 11);
        QCOMPARE(CharakterBasis::runden(100.0 / 3.0), 33);
        QCOMPARE(CharakterBasis::runden(1.4), 1);
        QCOMPARE(CharakterBasis::runden(-0.4), 0);
    }

    void energienUndBewegung()
    {
        Charakter c(&r);
        QCOMPARE(c.standardbewegung(), 2.0);
        c.setzeEigenschaftPunkte(6, 1);
        QCOMPARE(c.standardbewegung(), 2.2);
        QCOMPARE(c.energie(0, 0), 0);
        QCOMPARE(c.energie(0, 1), 0);
        QCOMPARE(c.energie(0, 2), -1);
        QCOMPARE(c.energie(4, 4), -1);
        QCOMPARE(c.energie(5, 3), 0);
        QCOMPARE(c.energie(-1, 0), 0);
        c.setzeBasistypus(6);
        QCOMPARE(c.energie(3, 0), 40);
        QVERIFY(c.energieKaufen(3));
        QCOMPARE(c.energie(3, 3), 41);
        c.setzeBasistypus(9);
        QCOMPARE(c.energie(4, 3), 10);
        QCOMPARE(c.asp(false) + c.msp(false) + c.ksp(false), 0);
        c.setzeBasistypus(7);
        QCOMPARE(c.ksp(false), 52);
        QCOMPARE(c.ksp(true), 0);
        QCOMPARE(c.asp(true), 0);
    }

    void punkteKaufenUndVerkaufen()
    {
        Charakter c(&r);
        QVERIFY(c.punktKaufen(0));
        QCOMPARE(c.punkte(0, 1), 2);
        QCOMPARE(c.startEP(true), 199);
        QVERIFY(c.punktKaufen(1));
        QVERIFY(c.punktKaufen(2));
        QCOMPARE(c.punkte(1, 3), 1);
        QCOMPARE(c.punkte(2, 5), 1);
        QVERIFY(!c.punktKaufen(3));
        QCOMPARE(c.startEP(true), 197);

        QVERIFY(c.punktVerkaufen(0));
        QCOMPARE(c.startEP(true), 198);
        c.setzePunkte(0, 1, 1);
        QVERIFY(!c.punktVerkaufen(0));         // only 1 bought SP
        // bought TP already spent on an action cannot be sold back
        QVERIFY(c.aktionHinzufuegen(1, new Aktion("Eigen", 2, 6, -10, 1)));
        QCOMPARE(c.punkte(1, 5), 0);
        QVERIFY(!c.punktVerkaufen(1));
        QCOMPARE(c.punkte(1, 1), 1);
        QVERIFY(c.punktVerkaufen(2));
        QVERIFY(!c.punktVerkaufen(2));
        QCOMPARE(c.startEP(true), 199);
    }

    void zweitesEPKonto()
    {
        Charakter c(&r);
        c.setzeGenutzteStartEP(200);
        c.setzeGenerieren(false);
        QCOMPARE(c.verfuegbareEP(true), 65535);
        QCOMPARE(c.verfuegbareEP(false), 0);
        QVERIFY(c.eigenschaftSteigern(0));
        QVERIFY(c.punktKaufen(0));
        QCOMPARE(c.genutzteEP(), 4);
        QCOMPARE(c.verfuegbareEP(false), 4);
        QCOMPARE(c.genutzteStartEP(), 200);
        QVERIFY(!c.epAusgeben(65536));
        QVERIFY(c.epAusgeben(65535));
        QVERIFY(c.epZurueckgeben(65535));
        QVERIFY(c.eigenschaftSenken(0));
        QCOMPARE(c.genutzteEP(), 1);
    }

    void sensitivUndPNE()
    {
        Charakter c(&r);
        QVERIFY(!c.sensitivSetzen(false));
        QVERIFY(c.sensitivSetzen(true));
        QVERIFY(c.sensitiv());
        QCOMPARE(c.startEP(true), 199);
        QVERIFY(!c.sensitivSetzen(true));          // paid only once
        QCOMPARE(c.startEP(true), 199);
        QVERIFY(c.sensitivSetzen(false));
        QCOMPARE(c.startEP(true), 200);
        c.setzeGenutzteStartEP(200);
        QVERIFY(!c.sensitivSetzen(true));

        QVERIFY(!c.energieKaufen(2));              // Terraner: no MP
        QVERIFY(!c.energieVerkaufen(2));
        c.setzeBasistypus(2);                      // Metonoid: 10 MP
        c.setzeGenutzteStartEP(0);
        for (int i = 0; i < 10; ++i)
            QVERIFY(c.energieKaufen(2));
        QVERIFY(!c.energieKaufen(2));
        QCOMPARE(c.energie(2, 3), 10);
        QCOMPARE(c.punkte(2, 4), 10);
        QVERIFY(c.energieVerkaufen(2));
        QCOMPARE(c.punkte(2, 5), 1);
        QCOMPARE(c.startEP(true), 170);            // PNE are paid with MP only
        QVERIFY(!c.energieKaufen(0));
        QVERIFY(!c.energieKaufen(5));
    }

    void aktionen()
    {
        Charakter c(&r);
        c.setzeBasistypus(7);                      // Tokmarde: 5 TP
        QSignalSpy spy(&c, &Charakter::signalAktionspunkteUpdate);
        c.setzeGenutzteStartEP(0);
        c.addierePunkte(1, 4, 2);                  // 3 TP left
        Aktion* teuer = new Aktion("Vier", 2, 6, -10, 4);
        QVERIFY(!c.aktionHinzufuegen(1, teuer));
        delete teuer;
        QCOMPARE(c.anzahlAktionen(1), 0);
        QCOMPARE(spy.count(), 0);
        c.addierePunkte(1, 4, -2);
        c.addierePunkte(1, 1, 30);                 // 35 TP
        QVERIFY(!c.aktionHinzufuegen(1, nullptr));
        QVERIFY(c.aktionHinzufuegen(1, kopie(1, "Programmverbesserung")));   // 4 TP
        QCOMPARE(spy.count(), 1);
        QCOMPARE(c.punkte(1, 4), 4);
        QCOMPARE(c.sucheAktion(1, "Programm"), c.aktion(1, 0));
        QVERIFY(!c.sucheAktion(0, "Programm"));
        QVERIFY(!c.aktion(1, 1));

        QVERIFY(c.befaehigungSetzen(1, 0, 0));     // 10 TP
        QCOMPARE(c.punkte(1, 4), 14);
        QVERIFY(c.befaehigungSetzen(1, 0, 1));     // 4 more
        QCOMPARE(c.punkte(1, 4), 18);
        QVERIFY(c.befaehigungSetzen(1, 0, 2));     // 6 more
        QCOMPARE(c.punkte(1, 4), 24);
        QVERIFY(!c.befaehigungSetzen(1, 0, 3));
        QVERIFY(!c.befaehigungSetzen(1, 1, 0));
        QVERIFY(c.befaehigungSetzen(1, 0, -5));    // 15 back while generating
        QCOMPARE(c.punkte(1, 4), 9);
        QCOMPARE(spy.count(), 5);

        // raising beyond the remainder is refused
        c.addierePunkte(1, 4, 24);                 // remainder 2
        QVERIFY(!c.befaehigungSetzen(1, 0, -2));   // costs 3
        QVERIFY(c.befaehigungSetzen(1, 0, -3));    // costs 2
        QCOMPARE(c.punkte(1, 5), 0);
        c.addierePunkte(1, 4, -24);

        // after generation lowering is refused, raising still works
        c.setzeGenerieren(false);
        QVERIFY(!c.befaehigungSetzen(1, 0, -4));
        QVERIFY(c.befaehigungSetzen(1, 0, 0));
        QCOMPARE(c.punkte(1, 4), 14);
        // removal after generation gives back the cost, not the proficiency points
        QVERIFY(c.aktionEntfernen(1, 0));
        QCOMPARE(c.punkte(1, 4), 10);
        QCOMPARE(c.anzahlAktionen(1), 0);
        QVERIFY(!c.aktionEntfernen(1, 0));
    }

    void aktionEntfernenWaehrendGenerierung()
    {
        Charakter c(&r);
        QVERIFY(c.aktionHinzufuegen(0, kopie(0, "Latein")));
        QVERIFY(c.aktionHinzufuegen(0, kopie(0, "Neosynd")));
        QVERIFY(c.befaehigungSetzen(0, 0, -8));
        QCOMPARE(c.punkte(0, 5), 20 - 7 - 4 - 2);
        QVERIFY(c.aktionEntfernen(0, 0));
        QCOMPARE(c.punkte(0, 4), 4);
        QCOMPARE(c.aktion(0, 0)->Bezeichnung, QString("Neosynd"));
        Aktion* falscheArt = kopie(0, "Latein");
        QVERIFY(!c.aktionHinzufuegen(3, falscheArt));
        delete falscheArt;
    }

    void spezialgebiete()
    {
        Charakter c(&r);
        QVERIFY(!c.spezialgebietHinzufuegen(nullptr));
        // an ordinary copy of "Ausweichen" from the catalogue costs 1 EP and starts at 1
        QVERIFY(c.spezialgebietHinzufuegen(new Spezialgebiet(*r.spezialgebiet(8, 1))));
        QCOMPARE(c.spezialgebiet(0)->Wert, 1);
        QCOMPARE(c.startEP(true), 199);
        QVERIFY(c.spezialgebietWertSetzen(0, 5));
        QCOMPARE(c.startEP(true), 194);
        QVERIFY(!c.spezialgebietWertSetzen(0, 21));
        QVERIFY(!c.spezialgebietWertSetzen(0, -1));
        QVERIFY(!c.spezialgebietWertSetzen(1, 3));
        // an area of a name already chosen is refused
        Spezialgebiet* doppelt = new Spezialgebiet(*c.basistyp()->bonusSpezialgebiete.at(0));
        QVERIFY(!c.spezialgebietHinzufuegen(doppelt));
        delete doppelt; // a refused record stays the caller's
        QCOMPARE(c.letzterGrund(), Charakter::Grund::SchonVorhanden);
        // the species' bonus "Ausweichen" is free at level 4
        QVERIFY(c.spezialgebietAnhaengen(new Spezialgebiet(*c.basistyp()->bonusSpezialgebiete.at(0))));
        c.spezialgebiet(1)->Wert = 4;
        QCOMPARE(c.spezialgebiet(1)->Wert, 4);
        QCOMPARE(c.startEP(true), 194);
        QVERIFY(!c.spezialgebietWertSetzen(1, 3));  // levels below 4 were never paid
        QVERIFY(c.spezialgebietWertSetzen(1, 6));
        QCOMPARE(c.startEP(true), 190);
        QVERIFY(c.spezialgebietEntfernen(1));       // refunds 8 - 4
        QCOMPARE(c.startEP(true), 194);
        QVERIFY(c.spezialgebietEntfernen(0));       // refunds 6
        QCOMPARE(c.startEP(true), 200);
        QCOMPARE(c.anzahlSpezialgebiete(), 0);
        QVERIFY(!c.spezialgebietEntfernen(0));

        // unaffordable levels and areas are refused
        c.setzeGenutzteStartEP(199);
        QVERIFY(c.spezialgebietHinzufuegen(new Spezialgebiet(*r.spezialgebiet(0, 0))));
        QVERIFY(!c.spezialgebietWertSetzen(0, 2));
        QCOMPARE(c.spezialgebiet(0)->Wert, 1);
        Spezialgebiet* nochEins = new Spezialgebiet(*r.spezialgebiet(0, 1));
        QVERIFY(!c.spezialgebietHinzufuegen(nochEins));
        delete nochEins;
        QCOMPARE(c.anzahlSpezialgebiete(), 1);
    }

    void wurf_data()
    {
        QTest::addColumn<int>("summe");
        QTest::addColumn<int>("zusatz");
        QTest::addColumn<QString>("text");
        QTest::newRow("14") << 14 << 0 << "3W +2";
        QTest::newRow("10, -10") << 10 << -10 << "2W -8";
        QTest::newRow("9") << 9 << 0 << "2W +1";
        QTest::newRow("-1") << -1 << 0 << "0W -1";
        QTest::newRow("-5") << -5 << 0 << "-1W -1";
        QTest::newRow("0") << 0 << 0 << "0W +0";
        QTest::newRow("-2 +2") << -2 << 2 << "0W +0";
    }
    void wurf()
    {
        QFETCH(int, summe);
        QFETCH(int, zusatz);
        QFETCH(QString, text);
        QCOMPARE(Charakter::wurfText(summe, zusatz), text);
    }

    void wurfMitSpezialgebieten()
    {
        Charakter c(&r);
        // special area: Technik 10 + bonus 2 + level 2 = 14
        Spezialgebiet* eigen = new Spezialgebiet("Eigenes", 18, 2, 2, 0, 1, 2, false);
        QVERIFY(c.spezialgebietHinzufuegen(eigen));
        QVERIFY(c.spezialgebietWertSetzen(0, 2));
        QCOMPARE(c.wurf(eigen), QString("3W +2"));
        QCOMPARE(c.wurf(static_cast<const Spezialgebiet*>(nullptr)), QString());

        QVERIFY(c.aktionHinzufuegen(0, kopie(0, "Latein")));
        Aktion* latein = c.aktion(0, 0);
        QCOMPARE(c.wurf(latein), QString("2W -8"));     // Akademik 10, proficiency -10

        // a matching special area adds while the module is on
        c.setzeBenutztSpezis(true);                      // Akademik now 5
        QCOMPARE(c.wurf(latein), QString("1W -9"));
        QVERIFY(c.spezialgebietHinzufuegen(new Spezialgebiet(*r.spezialgebiet(1, 1))));
        QCOMPARE(c.spezialgebietFuer(0), c.spezialgebiet(1));
        QCOMPARE(c.wurfSumme(latein), 6);                // 5 + level 1
        QCOMPARE(c.wurf(latein), QString("1W -8"));
        c.setzeBenutztSpezis(false);
        QCOMPARE(c.wurfSumme(latein), 10);
        // Typ 18 never matches
        QVERIFY(!c.spezialgebietFuer(18));
        QVERIFY(!c.spezialgebietFuer(5));
    }

    void groesseUndGewicht()
    {
        Charakter c(&r);
        int kleinste = 1000, groesste = 0;
        for (int i = 0; i < 5000; ++i) {
            const int g = c.zufallsGroesse();
            kleinste = qMin(kleinste, g);
            groesste = qMax(groesste, g);
        }
        QCOMPARE(kleinste, 188);
        QCOMPARE(groesste, 203);
        c.setzeGroesse(185);
        QCOMPARE(c.normalGewicht(), 75);
        c.setzeBasistypus(6);
        QCOMPARE(c.zufallsGroesse(), 155);
        c.setzeBasistypus(8);
        QCOMPARE(c.normalGewicht(), 185);
        c.setzeGroesse(50);
        c.setzeBasistypus(2);
        QCOMPARE(c.normalGewicht(), -45);
    }
};

QTEST_GUILESS_MAIN(TestCharakter)
#include "tst_charakter.moc"
