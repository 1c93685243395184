// GUI tests of step 5 (paranormal side), driven through the widgets' object names.
#include <QAbstractItemModelTester>
#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QtTest>

#include "charakter.h"
#include "regelwerk.h"
#include "tabparanormik.h"

class TestTabParanormik : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startZustand_data();
    void startZustand();
    void stufeBeimKaufenVonMP_data();
    void stufeBeimKaufenVonMP();
    void pneBisKeineMPMehr();
    void sensitiv_data();
    void sensitiv();
    void faehigkeitLernen();
    void neuerCharakter();

private:
    template<typename T> T* w(const char* name)
    {
        T* widget = tab->findChild<T*>(name);
        if (!widget)
            qFatal("widget %s not found", name);
        return widget;
    }
    QString text(const char* name) { return w<QLabel>(name)->text(); }
    void klicke(const char* name, int mal = 1)
    {
        for (int i = 0; i < mal; ++i)
            w<QPushButton>(name)->click();
    }

    Regelwerk* regelwerk = nullptr;
    Charakter* charakter = nullptr;
    TabParanormik* tab = nullptr;
    QList<QAbstractItemModelTester*> tester;
};

void TestTabParanormik::init()
{
    regelwerk = new Regelwerk;
    charakter = new Charakter(regelwerk);
    tab = new TabParanormik(charakter, regelwerk);
    tab->show();
    tester << new QAbstractItemModelTester(w<QListView>("listAktionen")->model(),
                                           QAbstractItemModelTester::FailureReportingMode::QtTest);
    tester << new QAbstractItemModelTester(w<QTableView>("tabelleEigeneAktionen")->model(),
                                           QAbstractItemModelTester::FailureReportingMode::QtTest);
}

void TestTabParanormik::cleanup()
{
    qDeleteAll(tester);
    tester.clear();
    delete tab;
    delete charakter;
    delete regelwerk;
}

void TestTabParanormik::startZustand_data()
{
    QTest::addColumn<int>("basistyp");
    QTest::addColumn<QString>("startMP");
    QTest::addColumn<QString>("stufe");
    QTest::addColumn<QString>("info");
    QTest::addColumn<bool>("mpKaufbar");
    QTest::newRow("Terraner") << 0 << "0 +" << "-" << "Maximal 0 Spezialgebiet(e)" << true;
    QTest::newRow("Metonoid") << 2 << "10 +" << "Dilettant" << "Maximal 1 Spezialgebiet(e)" << true;
    QTest::newRow("Beta-Pictor") << 6 << "0 +" << "-" << "Maximal 0 Spezialgebiet(e)" << false;
    QTest::newRow("Halb-Zorvelat") << 9 << "0 +" << "-" << "Maximal 0 Spezialgebiet(e)" << false;
    QTest::newRow("Halb-Zorvelatin") << 10 << "0 +" << "-" << "Maximal 0 Spezialgebiet(e)" << false;
    QTest::newRow("Veganoid") << 14 << "100 +" << "Geselle" << "Maximal 3 Spezialgebiet(e)" << true;
}

void TestTabParanormik::startZustand()
{
    QFETCH(int, basistyp);
    QFETCH(QString, startMP);
    QFETCH(QString, stufe);
    QFETCH(QString, info);
    QFETCH(bool, mpKaufbar);
    charakter->setzeBasistypus(basistyp);
    tab->aktualisieren();
    QCOMPARE(text("labelStartMP"), startMP);
    QCOMPARE(text("labelKaufMP"), QString("0"));
    QCOMPARE(text("labelGesamtMP"), "= " + startMP.chopped(2));
    QCOMPARE(text("labelKaufPNE"), QString("0"));
    QCOMPARE(text("labelParanormikerstufe"), stufe);
    QCOMPARE(text("labelInfo"), info);
    QCOMPARE(w<QPushButton>("buttonPlusMP")->isEnabled(), mpKaufbar);
    QVERIFY(!w<QPushButton>("buttonMinMP")->isEnabled());
    QVERIFY(!w<QPushButton>("buttonMinPNE")->isEnabled());
    QVERIFY(!w<QCheckBox>("checkSensitiv")->isChecked());
    QCOMPARE(w<QTableView>("tabelleEigeneAktionen")->columnWidth(1), 100);
    QCOMPARE(w<QTableView>("tabelleEigeneAktionen")->columnWidth(2), 60);
}

void TestTabParanormik::stufeBeimKaufenVonMP_data()
{
    QTest::addColumn<int>("klicks");
    QTest::addColumn<QString>("stufe");
    QTest::addColumn<int>("zahl");
    QTest::newRow("9") << 9 << "-" << 0;
    QTest::newRow("10") << 10 << "Dilettant" << 1;
    QTest::newRow("25") << 25 << "Dilettant" << 1;
    QTest::newRow("26") << 26 << "Auszubildender" << 2;
    QTest::newRow("99") << 99 << "Auszubildender" << 2;
    QTest::newRow("100") << 100 << "Geselle" << 3;
}

void TestTabParanormik::stufeBeimKaufenVonMP()
{
    QFETCH(int, klicks);
    QFETCH(QString, stufe);
    QFETCH(int, zahl);
    QSignalSpy kopf(tab, &AbstractTab::signalUpdateHeader);
    klicke("buttonPlusMP", klicks);
    QCOMPARE(kopf.count(), klicks);
    QCOMPARE(text("labelKaufMP"), QString::number(klicks));
    QCOMPARE(text("labelGesamtMP"), QString("= %1").arg(klicks));
    QCOMPARE(text("labelParanormikerstufe"), stufe);
    QCOMPARE(text("labelInfo"), QString("Maximal %1 Spezialgebiet(e)").arg(zahl));
    QCOMPARE(charakter->startEP(true), 200 - klicks);
    QVERIFY(w<QPushButton>("buttonMinMP")->isEnabled());

    // one MP sold back crosses the border downwards again
    klicke("buttonMinMP");
    QCOMPARE(text("labelParanormikerstufe"), regelwerk->stufenName(regelwerk->stufe(klicks - 1)));
}

void TestTabParanormik::pneBisKeineMPMehr()
{
    charakter->setzeBasistypus(2);   // Metonoid: 10 MP
    tab->aktualisieren();
    QSignalSpy kopf(tab, &AbstractTab::signalUpdateHeader);
    klicke("buttonPlusPNE", 10);
    QCOMPARE(text("labelKaufPNE"), QString("10"));
    QCOMPARE(charakter->punkte(2, CharakterBasis::Rest), 0);
    QVERIFY(w<QPushButton>("buttonMinPNE")->isEnabled());
    QCOMPARE(kopf.count(), 10);

    klicke("buttonPlusPNE");   // no MP left: refused
    QCOMPARE(text("labelKaufPNE"), QString("10"));
    QCOMPARE(kopf.count(), 10);

    klicke("buttonMinPNE");
    QCOMPARE(text("labelKaufPNE"), QString("9"));
    QCOMPARE(charakter->punkte(2, CharakterBasis::Rest), 1);
    QCOMPARE(charakter->startEP(true), 170);   // PNE cost MP, never EP
}

void TestTabParanormik::sensitiv_data()
{
    QTest::addColumn<int>("restEP");
    QTest::addColumn<bool>("angekreuzt");
    QTest::newRow("mit EP") << 1 << true;
    QTest::newRow("ohne EP") << 0 << false;
}

void TestTabParanormik::sensitiv()
{
    QFETCH(int, restEP);
    QFETCH(bool, angekreuzt);
    QVERIFY(charakter->epAusgeben(200 - restEP));
    QCheckBox* box = w<QCheckBox>("checkSensitiv");
    QSignalSpy kopf(tab, &AbstractTab::signalUpdateHeader);
    box->click();
    QCOMPARE(box->isChecked(), angekreuzt);
    QCOMPARE(charakter->sensitiv(), angekreuzt);
    QCOMPARE(charakter->startEP(true), angekreuzt ? 0 : restEP);
    QCOMPARE(kopf.count(), 1);
    if (angekreuzt) {
        box->click();   // switching off refunds the EP
        QVERIFY(!box->isChecked());
        QCOMPARE(charakter->startEP(true), 1);
    }
}

void TestTabParanormik::faehigkeitLernen()
{
    QListView* liste = w<QListView>("listAktionen");
    QCOMPARE(liste->model()->rowCount(), 23);
    QCOMPARE(liste->model()->data(liste->model()->index(4, 0)).toString(),
             QString("Esoterik/ Tiefenmeditation (2 P)"));
    liste->selectionModel()->setCurrentIndex(liste->model()->index(4, 0), QItemSelectionModel::ClearAndSelect);

    w<QPushButton>("buttonPlusAktion")->click();   // a Terraner has no MP
    QTableView* tabelle = w<QTableView>("tabelleEigeneAktionen");
    QCOMPARE(tabelle->model()->rowCount(), 0);

    klicke("buttonPlusMP", 2);
    w<QPushButton>("buttonPlusAktion")->click();
    QCOMPARE(tabelle->model()->rowCount(), 1);
    QCOMPARE(tabelle->model()->data(tabelle->model()->index(0, 0)).toString(),
             QString("[Paranormik] Esoterik / Tiefenmeditation (2 P)"));
    // Paranormik (Is + Em) / 2 = 10
    QCOMPARE(tabelle->model()->data(tabelle->model()->index(0, 2)).toString(), QString("2W -8"));
    QCOMPARE(charakter->punkte(2, CharakterBasis::Rest), 0);

    tabelle->selectionModel()->setCurrentIndex(tabelle->model()->index(0, 1), QItemSelectionModel::ClearAndSelect);
    w<QPushButton>("buttonAktionEntfernen")->click();
    QCOMPARE(tabelle->model()->rowCount(), 0);
    QCOMPARE(charakter->punkte(2, CharakterBasis::Rest), 2);
}

void TestTabParanormik::neuerCharakter()
{
    charakter->setzeBasistypus(14);   // Veganoid: 100 MP
    QListView* liste = w<QListView>("listAktionen");
    liste->selectionModel()->setCurrentIndex(liste->model()->index(0, 0), QItemSelectionModel::ClearAndSelect);
    w<QPushButton>("buttonPlusAktion")->click();
    klicke("buttonPlusPNE", 3);
    QTableView* tabelle = w<QTableView>("tabelleEigeneAktionen");
    tabelle->selectionModel()->setCurrentIndex(tabelle->model()->index(0, 1), QItemSelectionModel::ClearAndSelect);
    QCOMPARE(tabelle->model()->rowCount(), 1);

    charakter->zuruecksetzen();
    tab->neuAufbauen();
    QCOMPARE(tabelle->model()->rowCount(), 0);
    QCOMPARE(text("labelKaufPNE"), QString("0"));
    QCOMPARE(text("labelStartMP"), QString("0 +"));
    QVERIFY(!w<QPushButton>("buttonMinPNE")->isEnabled());
    w<QPushButton>("buttonAktionEntfernen")->click();   // the old selection is gone
    // the new table still follows its selection
    klicke("buttonPlusMP", 4);
    w<QPushButton>("buttonPlusAktion")->click();
    QCOMPARE(tabelle->model()->rowCount(), 1);
    tabelle->selectionModel()->setCurrentIndex(tabelle->model()->index(0, 1), QItemSelectionModel::ClearAndSelect);
    w<QPushButton>("buttonAktionEntfernen")->click();
    QCOMPARE(tabelle->model()->rowCount(), 0);
}

QTEST_MAIN(TestTabParanormik)
#include "tst_tabparanormik.moc"
