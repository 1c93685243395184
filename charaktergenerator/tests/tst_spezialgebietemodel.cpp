// Tests of the two special-area models: the catalogue list of one knowledge
// area and the character's table of chosen special areas.
#include <QAbstractItemModelTester>
#include <QFont>
#include <QSignalSpy>
#include <QtTest>

#include "charakter.h"
#include "charakterspezialgebietmodel.h"
#include "regelwerk.h"
#include "spezialgebiet.h"
#include "spezialgebietemodel.h"

class TestSpezialgebieteModel : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void katalogZeilenJeKenntnis_data();
    void katalogZeilenJeKenntnis();
    void katalogAnzeigeUndAuswahl();
    void katalogWechselKuendigtZeilenAn();

    void hinzufuegenKostetEinEP();
    void hinzufuegenOhneEPWirdAbgelehnt();
    void tabelleZeigtBezeichnungPunkteWurf();
    void punkteBearbeiten_data();
    void punkteBearbeiten();
    void basistypGebieteKommenUndGehen();
    void entfernenNurMitAuswahl();
    void entferneAlleErstattetEP();
    void enthaeltPrueftDenNamen();

private:
    Regelwerk* regelwerk = nullptr;
    Charakter* charakter = nullptr;
    CharakterSpezialgebietModel* model = nullptr;
    QAbstractItemModelTester* tester = nullptr;

    Spezialgebiet* kopie(int kenntnis, int i) { return new Spezialgebiet(*regelwerk->spezialgebiet(kenntnis, i)); }
};

void TestSpezialgebieteModel::init()
{
    regelwerk = new Regelwerk;
    charakter = new Charakter(regelwerk);
    model = new CharakterSpezialgebietModel(charakter, regelwerk);
    tester = new QAbstractItemModelTester(model, QAbstractItemModelTester::FailureReportingMode::QtTest);
}

void TestSpezialgebieteModel::cleanup()
{
    delete tester;
    delete model;
    delete charakter;
    delete regelwerk;
}

void TestSpezialgebieteModel::katalogZeilenJeKenntnis_data()
{
    QTest::addColumn<int>("kenntnis");
    QTest::addColumn<int>("zeilen");
    const int anzahl[] = {6, 8, 8, 7, 8, 6, 9, 4, 8, 9};
    for (int k = 0; k < 10; ++k)
        QTest::addRow("kenntnis %d", k) << k << anzahl[k];
    QTest::addRow("ohne Kenntnis") << 10 << 0;
}

void TestSpezialgebieteModel::katalogZeilenJeKenntnis()
{
    QFETCH(int, kenntnis);
    QFETCH(int, zeilen);
    SpezialgebieteModel katalog(regelwerk);
    QAbstractItemModelTester pruefer(&katalog, QAbstractItemModelTester::FailureReportingMode::QtTest);
    katalog.setzeKenntnis(kenntnis);
    QCOMPARE(katalog.rowCount(), zeilen);
}

void TestSpezialgebieteModel::katalogAnzeigeUndAuswahl()
{
    SpezialgebieteModel katalog(regelwerk);
    QCOMPARE(katalog.kenntnis(), 0);
    QCOMPARE(katalog.data(katalog.index(0), Qt::DisplayRole).toString(), QString("Medizin (+0)"));
    QCOMPARE(katalog.data(katalog.index(0), Qt::FontRole).value<QFont>().pointSize(), 8);
    QVERIFY(!katalog.data(katalog.index(0), Qt::ToolTipRole).isValid());
    QVERIFY(!katalog.data(QModelIndex(), Qt::DisplayRole).isValid());

    QVERIFY(katalog.auswahl() == nullptr);
    katalog.setzeAuswahl(2);
    QCOMPARE(katalog.auswahl()->Bezeichnung, QString("Biologie & Genetik"));
    katalog.setzeAuswahl(6);   // beyond the six areas of "Vita"
    QVERIFY(katalog.auswahl() == nullptr);

    katalog.setzeKenntnis(8);
    katalog.setzeAuswahl(1);
    QCOMPARE(katalog.auswahl()->Bezeichnung, QString("Ausweichen"));
    QVERIFY(!katalog.auswahl()->bonusSpezialgebiet);
}

void TestSpezialgebieteModel::katalogWechselKuendigtZeilenAn()
{
    SpezialgebieteModel katalog(regelwerk);
    QAbstractItemModelTester pruefer(&katalog, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QSignalSpy entfernt(&katalog, &QAbstractItemModel::rowsRemoved);
    QSignalSpy eingefuegt(&katalog, &QAbstractItemModel::rowsInserted);

    katalog.setzeKenntnis(0);   // unchanged: nothing announced
    QCOMPARE(entfernt.count() + eingefuegt.count(), 0);

    katalog.setzeKenntnis(7);
    QCOMPARE(entfernt.count(), 1);
    QCOMPARE(entfernt.at(0).at(2).toInt(), 5);
    QCOMPARE(eingefuegt.count(), 1);
    QCOMPARE(eingefuegt.at(0).at(2).toInt(), 3);
    QCOMPARE(katalog.data(katalog.index(0)).toString(), QString("Suchen (+0)"));

    katalog.setzeKenntnis(10);  // an area without entries: rows go, none come
    QCOMPARE(entfernt.count(), 2);
    QCOMPARE(eingefuegt.count(), 1);
    QCOMPARE(katalog.rowCount(), 0);
}

void TestSpezialgebieteModel::hinzufuegenKostetEinEP()
{
    QSignalSpy eingefuegt(model, &QAbstractItemModel::rowsInserted);
    QVERIFY(model->hinzufuegen(kopie(0, 0)));
    QCOMPARE(model->rowCount(), 1);
    QCOMPARE(eingefuegt.count(), 1);
    QCOMPARE(charakter->startEP(true), 199);
    QCOMPARE(charakter->spezialgebiet(0)->Wert, 1);
    QCOMPARE(model->anzahlGewaehlte(), 1);
}

void TestSpezialgebieteModel::hinzufuegenOhneEPWirdAbgelehnt()
{
    QVERIFY(charakter->epAusgeben(200));
    QSignalSpy eingefuegt(model, &QAbstractItemModel::rowsInserted);
    Spezialgebiet* s = kopie(0, 0);
    QVERIFY(!model->hinzufuegen(s));
    delete s;   // refused: the caller still owns it
    QCOMPARE(model->rowCount(), 0);
    QCOMPARE(charakter->anzahlSpezialgebiete(), 0);
    QCOMPARE(eingefuegt.count(), 0);

    // a species' own special area is free and still taken
    QVERIFY(model->hinzufuegen(new Spezialgebiet(*regelwerk->bonusSpezialgebiet(0))));
    QCOMPARE(model->rowCount(), 1);
}

void TestSpezialgebieteModel::tabelleZeigtBezeichnungPunkteWurf()
{
    QCOMPARE(model->columnCount(), 3);
    QCOMPARE(model->headerData(0, Qt::Horizontal).toString(), QString("Bezeichnung"));
    QCOMPARE(model->headerData(1, Qt::Horizontal).toString(), QString("Punkte"));
    QCOMPARE(model->headerData(2, Qt::Horizontal).toString(), QString("Wurf"));
    QCOMPARE(model->headerData(4, Qt::Vertical).toString(), QString("5"));

    // Terraner, Athletik (Kb + Kb) / 2 = 10; "Ausweichen" bonus area at level 4: 14 -> 3W +2
    QVERIFY(model->hinzufuegen(new Spezialgebiet(*regelwerk->bonusSpezialgebiet(0))));
    const QModelIndex name = model->index(0, 0);
    QCOMPARE(model->data(name).toString(), QString("Athletik / Ausweichen (+0)"));
    QCOMPARE(model->data(model->index(0, 1)).toString(), QString("4"));
    QCOMPARE(model->data(model->index(0, 2)).toString(), QString("3W +2"));
    QCOMPARE(model->data(name, Qt::BackgroundRole).value<QColor>(), QColor(230, 237, 255));
    QCOMPARE(model->data(model->index(0, 1), Qt::BackgroundRole).value<QColor>(), QColor(Qt::white));
    QVERIFY(!model->data(name, Qt::ToolTipRole).isValid());

    QCOMPARE(model->flags(name), Qt::ItemIsEnabled);
    QCOMPARE(model->flags(model->index(0, 1)),
             Qt::ItemIsSelectable | Qt::ItemIsEditable | Qt::ItemIsEnabled);

    // a self-defined area with bonus 2 shows it
    QVERIFY(model->hinzufuegen(new Spezialgebiet("Höhlenkunde", 18, 7, 2, 0, 3, 8, false)));
    QCOMPARE(model->data(model->index(1, 0)).toString(), QString("Kognition / Höhlenkunde (+2)"));
}

void TestSpezialgebieteModel::punkteBearbeiten_data()
{
    QTest::addColumn<int>("restEP");
    QTest::addColumn<QString>("eingabe");
    QTest::addColumn<bool>("angenommen");
    QTest::addColumn<int>("wert");
    QTest::addColumn<int>("restEPDanach");

    // level 1 -> 5 costs 6 - 1 = 5 EP
    QTest::newRow("genug EP") << 199 << "5" << true << 5 << 194;
    QTest::newRow("genau genug EP") << 5 << "5" << true << 5 << 0;
    QTest::newRow("zu wenig EP") << 4 << "5" << false << 1 << 4;
    QTest::newRow("keine Zahl") << 199 << "fünf" << false << 1 << 199;
    QTest::newRow("über 20") << 199 << "21" << false << 1 << 199;
    QTest::newRow("senken erstattet") << 0 << "0" << true << 0 << 1;
}

void TestSpezialgebieteModel::punkteBearbeiten()
{
    QFETCH(int, restEP);
    QFETCH(QString, eingabe);
    QFETCH(bool, angenommen);
    QFETCH(int, wert);
    QFETCH(int, restEPDanach);

    QVERIFY(model->hinzufuegen(kopie(0, 0)));
    QVERIFY(charakter->epAusgeben(charakter->startEP(true) - restEP));
    QSignalSpy update(model, &CharakterSpezialgebietModel::updateDaten);
    QSignalSpy geaendert(model, &QAbstractItemModel::dataChanged);

    QCOMPARE(model->setData(model->index(0, 1), eingabe), angenommen);
    QCOMPARE(charakter->spezialgebiet(0)->Wert, wert);
    QCOMPARE(model->data(model->index(0, 1)).toString(), QString::number(wert));
    QCOMPARE(charakter->startEP(true), restEPDanach);
    QCOMPARE(update.count(), angenommen ? 1 : 0);
    QCOMPARE(geaendert.count(), angenommen ? 1 : 0);
}

void TestSpezialgebieteModel::basistypGebieteKommenUndGehen()
{
    charakter->setzeBasistypus(7);   // Tokmarde: Ausweichen, Rennen & Springen, Software
    model->fuegeBasistypGebieteHinzu();
    QCOMPARE(model->rowCount(), 3);
    QCOMPARE(charakter->spezialgebiet(2)->Bezeichnung, QString("Software"));
    QCOMPARE(charakter->spezialgebiet(2)->Wert, 4);
    QCOMPARE(model->anzahlGewaehlte(), 0);
    QCOMPARE(charakter->startEP(true), 90);

    QVERIFY(model->hinzufuegen(kopie(9, 0)));   // a chosen one in between
    Spezialgebiet doppelt(*regelwerk->bonusSpezialgebiet(0));
    QVERIFY(!model->hinzufuegen(&doppelt));     // an area of that name is there already
    QCOMPARE(model->anzahlGewaehlte(), 1);

    charakter->setzeBasistypus(14);  // Veganoid: Ausweichen, Telepathie
    model->entferneBasistypGebiete();
    QCOMPARE(model->rowCount(), 1);
    QCOMPARE(charakter->spezialgebiet(0)->Bezeichnung, QString("Hiebwaffen"));
    model->fuegeBasistypGebieteHinzu();
    QCOMPARE(model->rowCount(), 3);
    QCOMPARE(charakter->spezialgebiet(1)->Bezeichnung, QString("Ausweichen"));
    QCOMPARE(charakter->spezialgebiet(2)->Bezeichnung, QString("Telepathie"));
    QVERIFY(charakter->spezialgebiet(2)->bonusSpezialgebiet);
    // the catalogue's own records stay untouched
    QCOMPARE(regelwerk->bonusSpezialgebiet(2)->Wert, 0);
}

void TestSpezialgebieteModel::entfernenNurMitAuswahl()
{
    QVERIFY(model->hinzufuegen(kopie(0, 0)));
    QVERIFY(model->hinzufuegen(kopie(0, 1)));
    QVERIFY(!model->entfernen());
    model->setzeAuswahl(2);
    QVERIFY(!model->entfernen());
    QCOMPARE(model->rowCount(), 2);

    model->setzeAuswahl(0);
    QSignalSpy entfernt(model, &QAbstractItemModel::rowsRemoved);
    QVERIFY(model->entfernen());
    QCOMPARE(entfernt.count(), 1);
    QCOMPARE(model->rowCount(), 1);
    QCOMPARE(charakter->spezialgebiet(0)->Bezeichnung, QString("Wirkstoffkunde"));
    QCOMPARE(charakter->startEP(true), 199);
}

void TestSpezialgebieteModel::entferneAlleErstattetEP()
{
    model->fuegeBasistypGebieteHinzu();
    QVERIFY(model->hinzufuegen(kopie(1, 0)));
    QVERIFY(model->setData(model->index(2, 1), 5));
    QCOMPARE(charakter->startEP(true), 194);
    model->entferneAlle();
    QCOMPARE(model->rowCount(), 0);
    QCOMPARE(charakter->anzahlSpezialgebiete(), 0);
    QCOMPARE(charakter->startEP(true), 200);
    model->entferneAlle();   // nothing left: nothing happens
    QCOMPARE(model->rowCount(), 0);
}

void TestSpezialgebieteModel::enthaeltPrueftDenNamen()
{
    model->fuegeBasistypGebieteHinzu();   // Terraner: Ausweichen, Rennen & Springen
    QVERIFY(model->enthaelt(regelwerk->spezialgebiet(8, 1)));    // catalogue "Ausweichen"
    QVERIFY(!model->enthaelt(regelwerk->spezialgebiet(8, 0)));   // "Akrobatik"
    QVERIFY(!model->enthaelt(nullptr));
}

QTEST_MAIN(TestSpezialgebieteModel)
#include "tst_spezialgebietemodel.moc"
