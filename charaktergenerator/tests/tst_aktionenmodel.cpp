// Tests of the two action models: the catalogue list of one kind and the
// character's table of learned actions, with the Latin discount of languages.
#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QtTest>

#include "aktion.h"
#include "aktionenmodel.h"
#include "charakter.h"
#include "charakteraktionenmodel.h"
#include "regelwerk.h"
#include "spezialgebiet.h"

class TestAktionenModel : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void katalogZeilen_data();
    void katalogZeilen();
    void katalogAnzeigeWechselt();
    void katalogAuswahl();

    void lernenZahltPunkte();
    void lernenOhnePunkteWirdAbgelehnt();
    void tabelleZeigtBezeichnungWertWurf();
    void wurfMitSpezialgebiet();
    void wertBearbeiten_data();
    void wertBearbeiten();
    void lateinVorher();
    void lateinEntfernenNimmtNachlassZurueck();
    void lateinNachherAendertNichts();
    void lateinNachlassGehoertDemCharakter();
    void entfernenNurMitAuswahl();
    void neuLadenNachZuruecksetzen();

private:
    Aktion* kopie(int art, const QString& anfang) { return new Aktion(*regelwerk->sucheAktion(art, anfang)); }
    Aktion* lerne(CharakterAktionenModel* m, const QString& anfang);

    Regelwerk* regelwerk = nullptr;
    Charakter* charakter = nullptr;
    CharakterAktionenModel* sprachen = nullptr;
    QAbstractItemModelTester* tester = nullptr;
};

void TestAktionenModel::init()
{
    regelwerk = new Regelwerk;
    charakter = new Charakter(regelwerk);
    sprachen = new CharakterAktionenModel(0, charakter, regelwerk);
    tester = new QAbstractItemModelTester(sprachen, QAbstractItemModelTester::FailureReportingMode::QtTest);
}

void TestAktionenModel::cleanup()
{
    delete tester;
    delete sprachen;
    delete charakter;
    delete regelwerk;
}

Aktion* TestAktionenModel::lerne(CharakterAktionenModel* m, const QString& anfang)
{
    Aktion* a = kopie(m->art(), anfang);
    if (m->hinzufuegen(a))
        return a;
    delete a;
    return nullptr;
}

void TestAktionenModel::katalogZeilen_data()
{
    QTest::addColumn<int>("art");
    QTest::addColumn<int>("zeilen");
    QTest::addColumn<QString>("ersteZeile");
    QTest::addColumn<QString>("ersteZeileModul");
    QTest::newRow("Sprachen") << 0 << 22 << "Akademik / Standard(Imperial) (3 P)"
                              << "Sprachen & Schriften / Standard(Imperial) (3 P)";
    QTest::newRow("Technik") << 1 << 22 << "Technik / Mod. von Elektrokomponenten (5 P)"
                             << "Elektrotechnik / Mod. von Elektrokomponenten (5 P)";
    QTest::newRow("Paranormik") << 2 << 23 << "Parapsychologie/ Abschirmung (4 P)"
                                << "Parapsychologie/ Abschirmung (4 P)";
}

void TestAktionenModel::katalogZeilen()
{
    QFETCH(int, art);
    QFETCH(int, zeilen);
    QFETCH(QString, ersteZeile);
    QFETCH(QString, ersteZeileModul);
    AktionenModel katalog(art, regelwerk);
    QAbstractItemModelTester pruefer(&katalog, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(katalog.rowCount(), zeilen);
    QCOMPARE(katalog.data(katalog.index(0)).toString(), ersteZeile);
    katalog.setzeAnzeige(true);
    QCOMPARE(katalog.data(katalog.index(0)).toString(), ersteZeileModul);
    QVERIFY(!katalog.data(katalog.index(0), Qt::FontRole).isValid());
}

void TestAktionenModel::katalogAnzeigeWechselt()
{
    AktionenModel katalog(1, regelwerk);
    QSignalSpy geaendert(&katalog, &QAbstractItemModel::dataChanged);
    katalog.setzeAnzeige(false);
    QCOMPARE(geaendert.count(), 0);
    katalog.setzeAnzeige(true);
    QCOMPARE(geaendert.count(), 1);
    QCOMPARE(katalog.data(katalog.index(21)).toString(),
             QString("Wirkstoffkunde / Arzneimittelmodifikation (6 P)"));
}

void TestAktionenModel::katalogAuswahl()
{
    AktionenModel katalog(2, regelwerk);
    QVERIFY(katalog.auswahl() == nullptr);
    katalog.setzeAuswahl(4);
    QCOMPARE(katalog.auswahl()->Bezeichnung, QString("Tiefenmeditation"));
    katalog.setzeAuswahl(23);
    QVERIFY(katalog.auswahl() == nullptr);
}

void TestAktionenModel::lernenZahltPunkte()
{
    QSignalSpy eingefuegt(sprachen, &QAbstractItemModel::rowsInserted);
    QVERIFY(lerne(sprachen, "Standard"));
    QCOMPARE(eingefuegt.count(), 1);
    QCOMPARE(sprachen->rowCount(), 1);
    QCOMPARE(charakter->punkte(0, CharakterBasis::Genutzt), 3);
    QCOMPARE(charakter->punkte(0, CharakterBasis::Rest), 17);
}

void TestAktionenModel::lernenOhnePunkteWirdAbgelehnt()
{
    CharakterAktionenModel technik(1, charakter);
    QAbstractItemModelTester pruefer(&technik, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QSignalSpy eingefuegt(&technik, &QAbstractItemModel::rowsInserted);
    QVERIFY(!lerne(&technik, "Programmverbesserung"));   // a Terraner has no TP
    QCOMPARE(technik.rowCount(), 0);
    QCOMPARE(eingefuegt.count(), 0);

    QVERIFY(charakter->punktKaufen(1));
    QVERIFY(charakter->punktKaufen(1));
    QVERIFY(charakter->punktKaufen(1));
    QVERIFY(!lerne(&technik, "Programmverbesserung"));   // 4 TP with 3 left
    QVERIFY(charakter->punktKaufen(1));
    QVERIFY(lerne(&technik, "Programmverbesserung"));
    QCOMPARE(technik.rowCount(), 1);
}

void TestAktionenModel::tabelleZeigtBezeichnungWertWurf()
{
    QCOMPARE(sprachen->columnCount(), 3);
    QCOMPARE(sprachen->headerData(0, Qt::Horizontal).toString(), QString("Bezeichnung"));
    QCOMPARE(sprachen->headerData(1, Qt::Horizontal).toString(), QString("Wert"));
    QCOMPARE(sprachen->headerData(2, Qt::Horizontal).toString(), QString("Wurf"));
    QCOMPARE(sprachen->headerData(0, Qt::Vertical).toString(), QString("1"));

    QVERIFY(lerne(sprachen, "Neosynd"));
    QCOMPARE(sprachen->data(sprachen->index(0, 0)).toString(),
             QString("[Akademik] Sprachen & Schriften / Neosynd (4 P)"));
    QCOMPARE(sprachen->data(sprachen->index(0, 1)).toString(), QString("-10"));
    // Akademik of a Terraner is 10: 2 dice, rest 2 - 10
    QCOMPARE(sprachen->data(sprachen->index(0, 2)).toString(), QString("2W -8"));
    QCOMPARE(sprachen->data(sprachen->index(0, 2), Qt::BackgroundRole).value<QColor>(), QColor(230, 237, 255));
    QCOMPARE(sprachen->data(sprachen->index(0, 1), Qt::BackgroundRole).value<QColor>(), QColor(Qt::white));
    QCOMPARE(sprachen->flags(sprachen->index(0, 2)), Qt::ItemIsEnabled);
    QVERIFY(sprachen->flags(sprachen->index(0, 1)) & Qt::ItemIsEditable);
}

void TestAktionenModel::wurfMitSpezialgebiet()
{
    QVERIFY(lerne(sprachen, "Neosynd"));
    Spezialgebiet* s = new Spezialgebiet(*regelwerk->spezialgebiet(1, 1));   // "Sprachen & Schriften", Typ 0
    QVERIFY(charakter->spezialgebietHinzufuegen(s));
    QVERIFY(charakter->spezialgebietWertSetzen(0, 5));
    // module off: the special area does not count
    QCOMPARE(sprachen->data(sprachen->index(0, 2)).toString(), QString("2W -8"));
    // module on: Akademik halved to 5, plus level 5 = 10
    charakter->setzeBenutztSpezis(true);
    QCOMPARE(sprachen->data(sprachen->index(0, 2)).toString(), QString("2W -8"));
    QVERIFY(charakter->spezialgebietWertSetzen(0, 9));
    QCOMPARE(sprachen->data(sprachen->index(0, 2)).toString(), QString("3W -8"));
}

void TestAktionenModel::wertBearbeiten_data()
{
    QTest::addColumn<int>("gekaufteSP");
    QTest::addColumn<QString>("eingabe");
    QTest::addColumn<bool>("angenommen");
    QTest::addColumn<int>("wert");
    QTest::addColumn<int>("genutzteSP");

    // Terraner: 20 SP, "Neosynd" costs 4; raising to 0 costs 10 more, to +2 20 more
    QTest::newRow("auf 0") << 0 << "0" << true << 0 << 14;
    QTest::newRow("auf +2 zu teuer") << 0 << "2" << false << -10 << 4;
    QTest::newRow("auf +2 mit gekauften SP") << 4 << "2" << true << 2 << 24;
    QTest::newRow("auf +3 gibt es nicht") << 40 << "3" << false << -10 << 4;
    QTest::newRow("keine Zahl") << 0 << "viel" << false << -10 << 4;
    QTest::newRow("mit Leerzeichen") << 0 << " -5 " << true << -5 << 9;
}

void TestAktionenModel::wertBearbeiten()
{
    QFETCH(int, gekaufteSP);
    QFETCH(QString, eingabe);
    QFETCH(bool, angenommen);
    QFETCH(int, wert);
    QFETCH(int, genutzteSP);

    for (int i = 0; i < gekaufteSP; i += 2)
        QVERIFY(charakter->punktKaufen(0));
    Aktion* a = lerne(sprachen, "Neosynd");
    QVERIFY(a);
    QSignalSpy geaendert(sprachen, &QAbstractItemModel::dataChanged);
    QCOMPARE(sprachen->setData(sprachen->index(0, 1), eingabe), angenommen);
    QCOMPARE(a->Befaehigung, wert);
    QCOMPARE(sprachen->data(sprachen->index(0, 1)).toString(), QString::number(wert));
    QCOMPARE(charakter->punkte(0, CharakterBasis::Genutzt), genutzteSP);
    QCOMPARE(geaendert.count(), angenommen ? 1 : 0);
    // only the value column is editable
    QVERIFY(!sprachen->setData(sprachen->index(0, 0), "0"));
}

void TestAktionenModel::lateinVorher()
{
    QVERIFY(lerne(sprachen, "Latein"));
    Aktion* newdeutsch = lerne(sprachen, "Newdeutsch");
    QVERIFY(newdeutsch);
    QCOMPARE(newdeutsch->Kosten, 5);
    QCOMPARE(charakter->punkte(0, CharakterBasis::Genutzt), 12);
    QCOMPARE(sprachen->data(sprachen->index(1, 0)).toString(),
             QString("[Akademik] Sprachen & Schriften / Newdeutsch (5 P)"));
    // a language outside the four keeps its price
    Aktion* neosynd = lerne(sprachen, "Neosynd");
    QVERIFY(neosynd);
    QCOMPARE(neosynd->Kosten, 4);
}

void TestAktionenModel::lateinEntfernenNimmtNachlassZurueck()
{
    QVERIFY(charakter->punktKaufen(0));   // 22 SP
    QVERIFY(lerne(sprachen, "Latein"));
    Aktion* standard = lerne(sprachen, "Standard");
    Aktion* francais = lerne(sprachen, "Francais");
    QVERIFY(standard && francais);
    QCOMPARE(standard->Kosten, 2);
    QCOMPARE(francais->Kosten, 4);
    QCOMPARE(charakter->punkte(0, CharakterBasis::Genutzt), 13);

    QSignalSpy neu(sprachen, &QAbstractItemModel::modelReset);
    sprachen->setzeAuswahl(0);
    QVERIFY(sprachen->entfernen());
    QCOMPARE(sprachen->rowCount(), 2);
    QCOMPARE(standard->Kosten, 3);
    QCOMPARE(francais->Kosten, 5);
    // 13 - 7 for Latein + 2 taken back
    QCOMPARE(charakter->punkte(0, CharakterBasis::Genutzt), 8);
    QCOMPARE(neu.count(), 1);   // the prices of other rows changed in the same change
    QCOMPARE(sprachen->data(sprachen->index(0, 0)).toString(),
             QString("[Akademik] Sprachen & Schriften / Standard(Imperial) (3 P)"));
}

void TestAktionenModel::lateinNachherAendertNichts()
{
    Aktion* newdeutsch = lerne(sprachen, "Newdeutsch");
    QVERIFY(lerne(sprachen, "Latein"));
    QCOMPARE(newdeutsch->Kosten, 6);
    QCOMPARE(charakter->punkte(0, CharakterBasis::Genutzt), 13);
}

void TestAktionenModel::lateinNachlassGehoertDemCharakter()
{
    // a model without the catalogue: the discount is the character's rule
    CharakterAktionenModel ohne(0, charakter);
    QVERIFY(lerne(&ohne, "Latein"));
    Aktion* portespan = lerne(&ohne, "Portespan");
    QVERIFY(portespan);
    QCOMPARE(portespan->Kosten, 3);
    ohne.setzeAuswahl(0);
    QVERIFY(ohne.entfernen());
    QCOMPARE(portespan->Kosten, 4);
    QCOMPARE(charakter->punkte(0, CharakterBasis::Genutzt), 4);
}

void TestAktionenModel::entfernenNurMitAuswahl()
{
    QVERIFY(lerne(sprachen, "Neosynd"));
    QVERIFY(!sprachen->entfernen());
    sprachen->setzeAuswahl(1);
    QVERIFY(!sprachen->entfernen());
    sprachen->setzeAuswahl(0);
    QVERIFY(sprachen->entfernen());
    QCOMPARE(sprachen->rowCount(), 0);
    QCOMPARE(charakter->punkte(0, CharakterBasis::Genutzt), 0);
}

void TestAktionenModel::neuLadenNachZuruecksetzen()
{
    QVERIFY(lerne(sprachen, "Neosynd"));
    sprachen->setzeAuswahl(0);
    charakter->zuruecksetzen();
    QSignalSpy zurueck(sprachen, &QAbstractItemModel::modelReset);
    sprachen->neuLaden();
    QCOMPARE(zurueck.count(), 1);
    QCOMPARE(sprachen->rowCount(), 0);
    QCOMPARE(sprachen->auswahl(), -1);
    QVERIFY(!sprachen->entfernen());
    QVERIFY(lerne(sprachen, "Neosynd"));
    QCOMPARE(sprachen->rowCount(), 1);
}

QTEST_MAIN(TestAktionenModel)
#include "tst_aktionenmodel.moc"
