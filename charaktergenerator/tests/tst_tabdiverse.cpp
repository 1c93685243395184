// GUI tests of step 6 (extra energies, starting money, prestige, bonus
// points), driven through the widgets' object names.
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include "charakter.h"
#include "regelwerk.h"
#include "tabdiverse.h"

class TestTabDiverse : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void freigabeJeBasistyp_data();
    void freigabeJeBasistyp();
    void tauschSchritte_data();
    void tauschSchritte();
    void astroniumKostetFuenfEP();
    void deltaenergie();
    void ohneEPNurZurueckgeben();

private:
    template<typename T> T* w(const char* name)
    {
        T* widget = tab->findChild<T*>(name);
        if (!widget)
            qFatal("widget %s not found", name);
        return widget;
    }
    QString text(const char* name) { return w<QLabel>(name)->text(); }
    void klicke(const QByteArray& name) { w<QPushButton>(name.constData())->click(); }
    void basistyp(int index)
    {
        charakter->setzeBasistypus(index);
        tab->aktualisieren();
    }

    Regelwerk* regelwerk = nullptr;
    Charakter* charakter = nullptr;
    TabDiverse* tab = nullptr;
};

void TestTabDiverse::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
}

void TestTabDiverse::init()
{
    regelwerk = new Regelwerk;
    charakter = new Charakter(regelwerk);
    tab = new TabDiverse(charakter, regelwerk);
    tab->show();
}

void TestTabDiverse::cleanup()
{
    delete tab;
    delete charakter;
    delete regelwerk;
}

void TestTabDiverse::freigabeJeBasistyp_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("de");
    QTest::addColumn<bool>("ae");
    QTest::addColumn<bool>("cassias");
    QTest::addColumn<bool>("cepto");
    QTest::newRow("Terraner") << 0 << false << false << false << false;
    QTest::newRow("Beta-Pictor") << 6 << true << false << false << false;
    QTest::newRow("Tokmarde") << 7 << false << false << false << true;
    QTest::newRow("Halb-Zorvelat") << 9 << false << true << false << false;
    QTest::newRow("Halb-Zorvelatin") << 10 << false << true << false << false;
    QTest::newRow("Cassiopier-Arbeiterin") << 11 << false << false << true << false;
    QTest::newRow("At'rang-gulor") << 17 << false << false << false << false;
}

void TestTabDiverse::freigabeJeBasistyp()
{
    QFETCH(int, index);
    QFETCH(bool, de);
    QFETCH(bool, ae);
    QFETCH(bool, cassias);
    QFETCH(bool, cepto);
    basistyp(11);   // start from another species: every state must follow the new one
    basistyp(index);
    QCOMPARE(w<QPushButton>("buttonPlusDE")->isEnabled(), de);
    QCOMPARE(w<QPushButton>("buttonPlusAE")->isEnabled(), ae);
    QCOMPARE(w<QPushButton>("buttonPlusCassias")->isEnabled(), cassias);
    QCOMPARE(w<QPushButton>("buttonPlusCepto")->isEnabled(), cepto);
    for (const char* name : {"buttonPlusStartgeld", "buttonPlusSchulden", "buttonPlusPrestige", "buttonPlusBonus"})
        QVERIFY2(w<QPushButton>(name)->isEnabled(), name);
    for (const char* name : {"buttonMinDE", "buttonMinAE", "buttonMinCassias", "buttonMinCepto",
                             "buttonMinStartgeld", "buttonMinSchulden", "buttonMinPrestige", "buttonMinBonus"})
        QVERIFY2(!w<QPushButton>(name)->isEnabled(), name);
    QCOMPARE(text("labelStartDE"), QString("%1 +").arg(index == 6 ? 40 : 0));
    QCOMPARE(text("labelStartAE"), QString("%1 +").arg(index == 9 || index == 10 ? 10 : 0));
}

void TestTabDiverse::tauschSchritte_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("zeile");
    QTest::addColumn<QString>("nachEinemSchritt");
    QTest::addColumn<QString>("nachZweiSchritten");
    QTest::newRow("Start-Geld") << 0 << "Startgeld" << "15.000" << "30.000";
    QTest::newRow("Schulden") << 0 << "Schulden" << "100.000" << "200.000";
    QTest::newRow("Cassias") << 11 << "Cassias" << "500" << "1.000";
    QTest::newRow("Ceptomyzin") << 7 << "Cepto" << "3" << "6";
    QTest::newRow("Prestige") << 0 << "Prestige" << "40" << "80";
    QTest::newRow("Bonuspunkte") << 0 << "Bonus" << "5" << "10";
}

void TestTabDiverse::tauschSchritte()
{
    QFETCH(int, index);
    QFETCH(QString, zeile);
    QFETCH(QString, nachEinemSchritt);
    QFETCH(QString, nachZweiSchritten);
    basistyp(index);
    const int ep = charakter->startEP(true);
    const QByteArray plus = ("buttonPlus" + zeile).toLatin1();
    const QByteArray minus = ("buttonMin" + zeile).toLatin1();
    const QByteArray menge = ("labelKauf" + zeile).toLatin1();

    QSignalSpy kopf(tab, &AbstractTab::signalUpdateHeader);
    klicke(plus);
    QCOMPARE(text(menge), nachEinemSchritt);
    QVERIFY(w<QPushButton>(minus)->isEnabled());
    klicke(plus);
    QCOMPARE(text(menge), nachZweiSchritten);
    QCOMPARE(charakter->startEP(true), ep - 2);
    klicke(minus);
    klicke(minus);
    QCOMPARE(text(menge), QString("0"));
    QVERIFY(!w<QPushButton>(minus)->isEnabled());
    QCOMPARE(charakter->startEP(true), ep);
    QCOMPARE(kopf.count(), 4);
}

void TestTabDiverse::astroniumKostetFuenfEP()
{
    QCOMPARE(w<QLabel>("bezAE")->toolTip(), QString("5 EP -> 1 AE"));
    QCOMPARE(w<QLabel>("bezDE")->toolTip(), QString("1 EP -> 1 DE"));
    basistyp(9);
    QVERIFY(charakter->epAusgeben(charakter->startEP(true) - 9));
    QSignalSpy kopf(tab, &AbstractTab::signalUpdateHeader);
    klicke("buttonPlusAE");
    QCOMPARE(text("labelKaufAE"), QString("1"));
    QCOMPARE(text("labelGesamtAE"), QString("= 11"));
    QCOMPARE(charakter->startEP(true), 4);
    klicke("buttonPlusAE");   // 4 EP are not enough
    QCOMPARE(text("labelKaufAE"), QString("1"));
    QCOMPARE(kopf.count(), 1);
    klicke("buttonMinAE");
    QCOMPARE(text("labelGesamtAE"), QString("= 10"));
    QCOMPARE(charakter->startEP(true), 9);
    QVERIFY(!w<QPushButton>("buttonMinAE")->isEnabled());
}

void TestTabDiverse::deltaenergie()
{
    basistyp(6);
    klicke("buttonPlusDE");
    klicke("buttonPlusDE");
    QCOMPARE(text("labelStartDE"), QString("40 +"));
    QCOMPARE(text("labelKaufDE"), QString("2"));
    QCOMPARE(text("labelGesamtDE"), QString("= 42"));
    QCOMPARE(charakter->startEP(true), 173);
}

void TestTabDiverse::ohneEPNurZurueckgeben()
{
    klicke("buttonPlusBonus");
    QVERIFY(charakter->epAusgeben(charakter->startEP(true)));
    QSignalSpy kopf(tab, &AbstractTab::signalUpdateHeader);
    for (const char* name : {"buttonPlusStartgeld", "buttonPlusSchulden", "buttonPlusPrestige", "buttonPlusBonus"})
        klicke(name);
    QCOMPARE(kopf.count(), 0);
    QCOMPARE(text("labelKaufStartgeld"), QString("0"));
    QCOMPARE(text("labelKaufBonus"), QString("5"));
    klicke("buttonMinBonus");
    QCOMPARE(text("labelKaufBonus"), QString("0"));
    QCOMPARE(charakter->startEP(true), 1);
    QCOMPARE(kopf.count(), 1);
}

QTEST_MAIN(TestTabDiverse)
#include "tst_tabdiverse.moc"
