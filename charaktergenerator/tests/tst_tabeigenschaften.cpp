#include "charakter.h"
#include "regelwerk.h"
#include "tabeigenschaften.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace {
const char *const Zeilen[11] = { "Mut",    "Intelligenz", "Wissen", "Instinkt",
                                 "Emotion", "Kraft",      "Koerper", "Hand",
                                 "Sinne",  "Kondition",   "Ausstrahlung" };
const char *const Kenntnisse[10] = { "Vita",         "Akademik",  "Technik",   "Paranormik",
                                     "Transport",    "Handwerk",  "Beeinflussen", "Kognition",
                                     "Athletik",     "Kampf" };
} // namespace

class TestTabEigenschaften : public QObject
{
    Q_OBJECT

private:
    Regelwerk *regelwerk = nullptr;
    Charakter *charakter = nullptr;
    TabEigenschaften *tab = nullptr;

    QLabel *label(const QString &name)
    {
        auto *l = tab->findChild<QLabel *>(name);
        if (!l)
            qFatal("label %s not found", qPrintable(name));
        return l;
    }
    QPushButton *plus(int e) { return tab->findChild<QPushButton *>(QStringLiteral("buttonPlus") + QLatin1String(Zeilen[e])); }
    QPushButton *minus(int e) { return tab->findChild<QPushButton *>(QStringLiteral("buttonMin") + QLatin1String(Zeilen[e])); }
    QString punkte(int e) { return label(QStringLiteral("labelPunkte") + QLatin1String(Zeilen[e]))->text(); }
    QString wert(int e) { return label(QStringLiteral("labelWert") + QLatin1String(Zeilen[e]))->text(); }
    QString start(int e) { return label(QStringLiteral("labelStart") + QLatin1String(Zeilen[e]))->text(); }

private slots:
    void init()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        regelwerk = new Regelwerk;
        charakter = new Charakter(regelwerk);
        tab = new TabEigenschaften(charakter, regelwerk);
        tab->neuAufbauen();
        tab->show();
    }
    void cleanup()
    {
        delete tab;
        delete charakter;
        delete regelwerk;
    }

    void frischerCharakter_data()
    {
        QTest::addColumn<int>("basistyp");
        QTest::addColumn<QList<int>>("startwerte");
        QTest::addColumn<QString>("physis");
        QTest::addColumn<QString>("psyche");
        QTest::addColumn<QString>("le");
        QTest::addColumn<QString>("pe");
        QTest::addColumn<QString>("initiative");
        QTest::addColumn<QString>("bewegung");
        // LE = (2 Kr + 3 Ko) / Physis, PE = (It + Mu + 3 Em) / Psyche, rounded half up
        QTest::newRow("Terraner") << 0 << QList<int>{ 10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10 }
                                  << "1,5" << "1,5" << "33" << "33" << "10" << "2 m";
        QTest::newRow("Metonoid") << 2 << QList<int>{ 10, 7, 8, 12, 10, 14, 8, 9, 10, 12, 10 }
                                  << "1,3" << "1,4" << "49" << "34" << "11" << "1,6 m";
        QTest::newRow("Beta-Pictor") << 6 << QList<int>{ 15, 7, 7, 9, 14, 8, 8, 7, 12, 13, 10 }
                                     << "2,5" << "0,8" << "22" << "80" << "12" << "1,6 m";
        QTest::newRow("Tokmarde") << 7 << QList<int>{ 13, 10, 8, 11, 8, 0, 0, 0, 0, 0, 10 }
                                  << "1,1" << "1,7" << "0" << "28" << "8" << "0 m";
        QTest::newRow("Minelauvaner") << 4 << QList<int>{ 8, 10, 7, 9, 8, 8, 15, 9, 12, 14, 10 }
                                      << "1,4" << "1,6" << "41" << "26" << "10" << "3 m";
    }
    void frischerCharakter()
    {
        QFETCH(int, basistyp);
        QFETCH(QList<int>, startwerte);
        charakter->setzeBasistypus(basistyp);
        tab->aktualisieren();
        for (int e = 0; e < 11; ++e) {
            QCOMPARE(start(e), QString::number(startwerte.at(e)));
            QCOMPARE(wert(e), QString::number(startwerte.at(e)));
            QCOMPARE(punkte(e), QStringLiteral("0"));
            QVERIFY(!minus(e)->isEnabled());
            QVERIFY(plus(e)->isEnabled());
        }
        QTEST(label("labelPhysisFaktor")->text(), "physis");
        QTEST(label("labelPsycheFaktor")->text(), "psyche");
        QTEST(label("labelLE")->text(), "le");
        QTEST(label("labelPE")->text(), "pe");
        QTEST(label("labelInitiative")->text(), "initiative");
        QTEST(label("labelStdBewegung")->text(), "bewegung");
    }

    void steigernUndSenken()
    {
        QSignalSpy kopf(tab, &AbstractTab::signalUpdateHeader);
        QTest::mouseClick(plus(6), Qt::LeftButton);   // Körperbeherrschung 11
        QCOMPARE(kopf.count(), 1);
        QCOMPARE(punkte(6), QStringLiteral("1"));
        QCOMPARE(wert(6), QStringLiteral("11"));
        QCOMPARE(start(6), QStringLiteral("10"));
        QVERIFY(minus(6)->isEnabled());
        QVERIFY(!minus(5)->isEnabled());
        QCOMPARE(label("labelStdBewegung")->text(), QStringLiteral("2,2 m"));
        QCOMPARE(label("labelKenntnisAthletik")->text(), QStringLiteral("11"));
        QCOMPARE(charakter->startEP(true), 197);

        QTest::mouseClick(plus(6), Qt::LeftButton);   // 12: 3 + 4 EP
        QCOMPARE(charakter->startEP(true), 193);
        QCOMPARE(label("labelStdBewegung")->text(), QStringLiteral("2,4 m"));
        QCOMPARE(label("labelKenntnisAthletik")->text(), QStringLiteral("12"));

        QTest::mouseClick(minus(6), Qt::LeftButton);
        QCOMPARE(charakter->startEP(true), 197);
        QTest::mouseClick(minus(6), Qt::LeftButton);
        QCOMPARE(charakter->startEP(true), 200);
        QCOMPARE(punkte(6), QStringLiteral("0"));
        QVERIFY(!minus(6)->isEnabled());
        QCOMPARE(kopf.count(), 4);

        // a disabled "-" does nothing
        QTest::mouseClick(minus(6), Qt::LeftButton);
        QCOMPARE(charakter->eigenschaftPunkte(6), 0);
        QCOMPARE(charakter->startEP(true), 200);
    }

    // Each button reaches its own attribute, whatever the order of the connections.
    void jederKnopfSeineEigenschaft()
    {
        for (int e = 0; e < 11; ++e) {
            plus(e)->click();
            for (int j = 0; j < 11; ++j)
                QCOMPARE(charakter->eigenschaftPunkte(j), j <= e ? 1 : 0);
            QCOMPARE(punkte(e), QStringLiteral("1"));
        }
        for (int e = 0; e < 11; ++e) {
            minus(e)->click();
            QCOMPARE(charakter->eigenschaftPunkte(e), 0);
            QVERIFY(!minus(e)->isEnabled());
        }
        QCOMPARE(charakter->startEP(true), 200);
    }

    void kenntnisseUndAbgeleitetes()
    {
        // Wissen 12, Instinkt 11, Mut 11, Emotionen 11
        plus(2)->click();
        plus(2)->click();
        plus(3)->click();
        plus(0)->click();
        plus(4)->click();
        const char *const erwartet[10] = { "12", "10", "11", "11", "10", "12", "11", "11", "10", "11" };
        for (int k = 0; k < 10; ++k)
            QCOMPARE(label(QStringLiteral("labelKenntnis") + QLatin1String(Kenntnisse[k]))->text(),
                     QString::fromLatin1(erwartet[k]));
        // PE (10 + 11 + 33) / 1.5 = 36, initiative (11 + 11 + 10) / 3 = 10.67 -> 11
        QCOMPARE(label("labelPE")->text(), QStringLiteral("36"));
        QCOMPARE(label("labelInitiative")->text(), QStringLiteral("11"));
        QCOMPARE(label("labelLE")->text(), QStringLiteral("33"));

        // with the special-area module the knowledge areas are halved
        charakter->setzeBenutztSpezis(true);
        tab->aktualisieren();
        QCOMPARE(label("labelKenntnisVita")->text(), QStringLiteral("6"));
        QCOMPARE(label("labelKenntnisAkademik")->text(), QStringLiteral("5"));
    }

    void steigernBisDieEPAusgehen()
    {
        QSignalSpy kopf(tab, &AbstractTab::signalUpdateHeader);
        // Mut nine times: 3+4+5+6+8+12+20+40+70 = 168, 32 left; the tenth (160) is refused
        for (int i = 0; i < 10; ++i)
            plus(0)->click();
        QCOMPARE(punkte(0), QStringLiteral("9"));
        QCOMPARE(wert(0), QStringLiteral("19"));
        QCOMPARE(charakter->startEP(true), 32);
        QCOMPARE(kopf.count(), 9);

        // Intelligenz five times: 26, 6 left; Wissen once: 3 left; the next (4) is refused
        for (int i = 0; i < 5; ++i)
            plus(1)->click();
        plus(2)->click();
        QCOMPARE(charakter->startEP(true), 3);
        kopf.clear();
        plus(2)->click();
        QCOMPARE(kopf.count(), 0);
        QCOMPARE(punkte(2), QStringLiteral("1"));
        QCOMPARE(charakter->startEP(true), 3);
        // three EP still buy the first raise of another attribute
        plus(3)->click();
        QCOMPARE(kopf.count(), 1);
        QCOMPARE(charakter->startEP(true), 0);
    }

    void elfteSteigerung()
    {
        // after generation EP are booked as used, so all ten raises can be bought
        charakter->setzeGenerieren(false);
        for (int i = 0; i < 10; ++i)
            plus(8)->click();
        QCOMPARE(punkte(8), QStringLiteral("10"));
        QCOMPARE(wert(8), QStringLiteral("20"));
        QCOMPARE(charakter->verfuegbareEP(false), 328);

        QSignalSpy kopf(tab, &AbstractTab::signalUpdateHeader);
        plus(8)->click();
        QCOMPARE(kopf.count(), 0);
        QCOMPARE(punkte(8), QStringLiteral("10"));
        QCOMPARE(charakter->eigenschaftPunkte(8), 10);
        QCOMPARE(charakter->verfuegbareEP(false), 328);

        minus(8)->click();
        QCOMPARE(charakter->verfuegbareEP(false), 168);
        QCOMPARE(punkte(8), QStringLiteral("9"));
    }

    void slotsIgnorierenUngueltigeIndizes()
    {
        tab->onEigenschaftPlus(11);
        tab->onEigenschaftPlus(-1);
        tab->onEigenschaftMinus(11);
        tab->onEigenschaftMinus(-1);
        for (int e = 0; e < 11; ++e)
            QCOMPARE(charakter->eigenschaftPunkte(e), 0);
        QCOMPARE(charakter->startEP(true), 200);
    }

    void plusNenntDenPreisDerNaechstenSteigerung()
    {
        QCOMPARE(plus(3)->toolTip(),
                 QStringLiteral("Nächste Steigerung: %1 EP").arg(regelwerk->steigerungsKosten(0)));
        plus(3)->click();
        QCOMPARE(plus(3)->toolTip(),
                 QStringLiteral("Nächste Steigerung: %1 EP").arg(regelwerk->steigerungsKosten(1)));
        QVERIFY(regelwerk->steigerungsKosten(1) != regelwerk->steigerungsKosten(0));
        charakter->setzeEigenschaftPunkte(3, 10);
        tab->aktualisieren();
        QCOMPARE(plus(3)->toolTip(), QStringLiteral("Keine weitere Steigerung möglich"));
    }

    void englischesZahlenformat()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        charakter->setzeBasistypus(2);
        charakter->setzeEigenschaftPunkte(6, 1);
        tab->aktualisieren();
        QCOMPARE(label("labelPhysisFaktor")->text(), QStringLiteral("1.3"));
        QCOMPARE(label("labelStdBewegung")->text(), QStringLiteral("1.8 m"));
    }
};

QTEST_MAIN(TestTabEigenschaften)
#include "tst_tabeigenschaften.moc"
