#include <QtTest>

#include <functional>

#include "charakter.h"
#include "charakterwertsachen.h"
#include "regelwerk.h"

// Conversions of EP into starting goods and extra energies.
class TestCharakterWertsachen : public QObject
{
    Q_OBJECT

private:
    Regelwerk r;

    using Schritt = std::function<bool(Charakter&)>;
    using Menge = std::function<int(Charakter&)>;

    struct Ware {
        Schritt kaufen;
        Schritt verkaufen;
        Menge menge;
        int proKauf;
        int epProKauf;
        QString spezies = QStringLiteral("Terraner");   // one that may buy it
    };

    static Ware ware(const QString& name)
    {
        if (name == "Kapital")
            return { [](Charakter& c) { return c.kapitalKaufen(1); },
                     [](Charakter& c) { return c.kapitalVerkaufen(1); },
                     [](Charakter& c) { return c.kapital(); }, 15000, 1 };
        if (name == "Schulden")
            return { [](Charakter& c) { return c.schuldenKaufen(1); },
                     [](Charakter& c) { return c.schuldenVerkaufen(1); },
                     [](Charakter& c) { return c.schulden(); }, 100000, 1 };
        if (name == "Cassias")
            return { [](Charakter& c) { return c.cassiasKaufen(1); },
                     [](Charakter& c) { return c.cassiasVerkaufen(1); },
                     [](Charakter& c) { return c.cassias(); }, 500, 1,
                     QStringLiteral("Cassiopier-Arbeiterin") };
        if (name == "Ceptomyzin")
            return { [](Charakter& c) { return c.ceptomyzinKaufen(1); },
                     [](Charakter& c) { return c.ceptomyzinVerkaufen(1); },
                     [](Charakter& c) { return c.ceptomyzin(); }, 3, 1, QStringLiteral("Tokmarde") };
        if (name == "Prestige")
            return { [](Charakter& c) { return c.prestigeKaufen(); },
                     [](Charakter& c) { return c.prestigeVerkaufen(); },
                     [](Charakter& c) { return c.prestige(); }, 40, 1 };
        if (name == "Bonus")
            return { [](Charakter& c) { return c.bonusKaufen(); },
                     [](Charakter& c) { return c.bonusVerkaufen(); },
                     [](Charakter& c) { return c.bonuspunkte(); }, 5, 1 };
        if (name == "DE")
            return { [](Charakter& c) { return c.energieKaufen(3); },
                     [](Charakter& c) { return c.energieVerkaufen(3); },
                     [](Charakter& c) { return c.energie(3, 1); }, 1, 1, QStringLiteral("Beta-Pictor") };
        return { [](Charakter& c) { return c.energieKaufen(4); },
                 [](Charakter& c) { return c.energieVerkaufen(4); },
                 [](Charakter& c) { return c.energie(4, 1); }, 1, 5, QStringLiteral("Halb-Zorvelat") };
    }

private slots:
    void umtausch_data()
    {
        QTest::addColumn<QString>("name");
        for (const char* n : { "Kapital", "Schulden", "Cassias", "Ceptomyzin", "Prestige",
                               "Bonus", "DE", "AE" })
            QTest::newRow(n) << QString(n);
    }

    // Buying two units and selling one back, while generating and afterwards.
    void umtausch()
    {
        QFETCH(QString, name);
        const Ware w = ware(name);
        Charakter c(&r);
        c.setzeBasistypus(r.basistypNamen().indexOf(w.spezies));
        const int start = c.startEP(false);
        QVERIFY(!w.verkaufen(c));
        QVERIFY(w.kaufen(c));
        QVERIFY(w.kaufen(c));
        QCOMPARE(w.menge(c), 2 * w.proKauf);
        QCOMPARE(c.startEP(true), start - 2 * w.epProKauf);
        QVERIFY(w.verkaufen(c));
        QCOMPARE(w.menge(c), w.proKauf);
        QCOMPARE(c.startEP(true), start - w.epProKauf);

        // with no EP left nothing can be bought, but selling still works
        c.setzeGenutzteStartEP(start);
        QVERIFY(!w.kaufen(c));
        QCOMPARE(w.menge(c), w.proKauf);
        QVERIFY(w.verkaufen(c));
        QCOMPARE(c.startEP(true), w.epProKauf);
        QCOMPARE(w.menge(c), 0);

        // after generation every purchase is booked as EP used after generation
        c.setzeGenerieren(false);
        QVERIFY(w.kaufen(c));
        QCOMPARE(c.genutzteEP(), w.epProKauf);
        QCOMPARE(c.genutzteStartEP(), start - w.epProKauf);
        QVERIFY(w.verkaufen(c));
        QCOMPARE(c.genutzteEP(), 0);
    }

    void schuldenObergrenze()
    {
        Charakter c(&r);
        for (int i = 0; i < 60; ++i)
            QVERIFY(c.schuldenKaufen(1));
        QCOMPARE(c.schulden(), 6000000);
        QVERIFY(!c.schuldenKaufen(1));
        QCOMPARE(c.startEP(true), 140);
        QVERIFY(c.schuldenVerkaufen(1));
        QVERIFY(!c.schuldenKaufen(2));
        QVERIFY(c.schuldenKaufen(1));
    }

    void astroniumEnergie()
    {
        Charakter c(&r);
        c.setzeBasistypus(9);
        c.setzeGenutzteStartEP(146);               // 4 left
        QVERIFY(!c.energieKaufen(4));
        QCOMPARE(c.energie(4, 3), 10);
        c.setzeGenutzteStartEP(145);               // 5 left
        QVERIFY(c.energieKaufen(4));
        QCOMPARE(c.startEP(true), 0);
        QCOMPARE(c.energie(4, 3), 11);
    }

    void teilVerkaufVerweigert()
    {
        Charakter c(&r);
        c.setzeBonuspunkte(3);
        QVERIFY(!c.bonusVerkaufen());
        QCOMPARE(c.bonuspunkte(), 3);
        c.setzePrestige(39);
        QVERIFY(!c.prestigeVerkaufen());
        c.wertsachen()->setzeKapital(14999);
        QVERIFY(!c.kapitalVerkaufen(1));
        c.wertsachen()->setzeCeptomyzin(2);
        QVERIFY(!c.ceptomyzinVerkaufen(1));
        c.wertsachen()->setzeCassias(499);
        QVERIFY(!c.cassiasVerkaufen(1));
        c.wertsachen()->setzeSchulden(99999);
        QVERIFY(!c.schuldenVerkaufen(1));
        QCOMPARE(c.startEP(true), 200);
    }

    void mehrereEinheiten()
    {
        Charakter c(&r);
        QVERIFY(c.kapitalKaufen(3));
        QCOMPARE(c.kapital(), 45000);
        QCOMPARE(c.startEP(true), 197);
        QVERIFY(!c.kapitalKaufen(198));
        QVERIFY(!c.kapitalKaufen(0));
        QVERIFY(!c.kapitalKaufen(-1));
        QVERIFY(!c.kapitalVerkaufen(4));
        QVERIFY(c.kapitalVerkaufen(3));
        QCOMPARE(c.startEP(true), 200);
    }

    void zuruecksetzen()
    {
        CharakterWertsachen w;
        w.setzeKapital(1);
        w.setzeSchulden(-2);
        w.setzeCassias(3);
        w.setzeCeptomyzin(4);
        QCOMPARE(w.kapital() + w.schulden() + w.cassias() + w.ceptomyzin(), 6);
        w.zuruecksetzen();
        QCOMPARE(w.kapital(), 0);
        QCOMPARE(w.schulden(), 0);
        QCOMPARE(w.cassias(), 0);
        QCOMPARE(w.ceptomyzin(), 0);
    }
};

QTEST_GUILESS_MAIN(TestCharakterWertsachen)
#include "tst_charakterwertsachen.moc"
