// GUI tests of step 4 (languages and technical actions), driven through the
// widgets' object names.
#include <QAbstractItemModelTester>
#include <QHeaderView>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTableView>
#include <QtTest>

#include "aktion.h"
#include "charakter.h"
#include "regelwerk.h"
#include "tabaktionen.h"

class TestTabAktionen : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startZustand();
    void punkteKaufenUndVerkaufen_data();
    void punkteKaufenUndVerkaufen();
    void spracheLernenUndEntfernen();
    void lateinZuerst();
    void lateinDanach();
    void technikBrauchtTP();
    void befaehigungImView();
    void modulZeigtSpezialisierungen();
    void erlernteSpracheNurEinmal();
    void lernPreisImTooltip();

private:
    template<typename T> T* w(const char* name)
    {
        T* widget = tab->findChild<T*>(name);
        if (!widget)
            qFatal("widget %s not found", name);
        return widget;
    }
    QString text(const char* name) { return w<QLabel>(name)->text(); }
    // selects the catalogue row whose text contains the name
    void waehle(const char* liste, const QString& name)
    {
        QListView* view = w<QListView>(liste);
        QAbstractItemModel* m = view->model();
        for (int i = 0; i < m->rowCount(); ++i) {
            if (m->data(m->index(i, 0)).toString().contains(" " + name + " ")) {
                view->selectionModel()->setCurrentIndex(m->index(i, 0), QItemSelectionModel::ClearAndSelect);
                return;
            }
        }
        QFAIL(qPrintable("no catalogue row " + name));
    }
    void lerneSprache(const QString& name)
    {
        waehle("listSprachen", name);
        w<QPushButton>("buttonPlusSprache")->click();
    }
    // What a user does: the first click selects, the second makes it a double click.
    void doppelklick(QListView* liste, const QModelIndex& eintrag)
    {
        liste->scrollTo(eintrag);
        const QPoint punkt = liste->visualRect(eintrag).center();
        QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, punkt);
        QTest::mouseDClick(liste->viewport(), Qt::LeftButton, {}, punkt);
    }
    void waehleEigene(const char* tabelle, int zeile)
    {
        QTableView* view = w<QTableView>(tabelle);
        view->selectionModel()->setCurrentIndex(view->model()->index(zeile, 1),
                                                QItemSelectionModel::ClearAndSelect);
    }
    QString zelle(const char* tabelle, int zeile, int spalte)
    {
        QAbstractItemModel* m = w<QTableView>(tabelle)->model();
        return m->data(m->index(zeile, spalte)).toString();
    }
    int genutzteSP() { return charakter->punkte(0, CharakterBasis::Genutzt); }

    Regelwerk* regelwerk = nullptr;
    Charakter* charakter = nullptr;
    TabAktionen* tab = nullptr;
    QList<QAbstractItemModelTester*> tester;
};

void TestTabAktionen::init()
{
    regelwerk = new Regelwerk;
    charakter = new Charakter(regelwerk);
    tab = new TabAktionen(charakter, regelwerk);
    tab->show();
    for (const char* name : {"listSprachen", "listTechnik"})
        tester << new QAbstractItemModelTester(w<QListView>(name)->model(),
                                               QAbstractItemModelTester::FailureReportingMode::QtTest);
    for (const char* name : {"tabelleEigeneSprachen", "tabelleEigeneTechnik"})
        tester << new QAbstractItemModelTester(w<QTableView>(name)->model(),
                                               QAbstractItemModelTester::FailureReportingMode::QtTest);
}

void TestTabAktionen::cleanup()
{
    qDeleteAll(tester);
    tester.clear();
    delete tab;
    delete charakter;
    delete regelwerk;
}

void TestTabAktionen::startZustand()
{
    QCOMPARE(text("labelStartSP"), QString("20 +"));
    QCOMPARE(text("labelKaufSP"), QString("0"));
    QCOMPARE(text("labelGesamtSP"), QString("= 20"));
    QCOMPARE(text("labelStartTP"), QString("0 +"));
    QCOMPARE(text("labelGesamtTP"), QString("= 0"));
    QVERIFY(!w<QPushButton>("buttonMinSP")->isEnabled());
    QVERIFY(!w<QPushButton>("buttonMinTP")->isEnabled());
    QVERIFY(w<QPushButton>("buttonPlusSP")->isEnabled());
    QCOMPARE(w<QListView>("listSprachen")->model()->rowCount(), 22);
    QCOMPARE(w<QListView>("listTechnik")->model()->rowCount(), 22);
    for (const char* name : {"tabelleEigeneSprachen", "tabelleEigeneTechnik"}) {
        QTableView* t = w<QTableView>(name);
        QCOMPARE(t->columnWidth(1), 50);
        QCOMPARE(t->columnWidth(2), 50);
        QCOMPARE(t->verticalHeader()->defaultSectionSize(), 20);
        QCOMPARE(t->model()->headerData(1, Qt::Horizontal).toString(), QString("Wert"));
    }
}

void TestTabAktionen::punkteKaufenUndVerkaufen_data()
{
    QTest::addColumn<QString>("art");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("jeEP");
    QTest::newRow("SP") << "SP" << 0 << 20 << 2;
    QTest::newRow("TP") << "TP" << 1 << 0 << 1;
}

void TestTabAktionen::punkteKaufenUndVerkaufen()
{
    QFETCH(QString, art);
    QFETCH(int, index);
    QFETCH(int, start);
    QFETCH(int, jeEP);
    const QByteArray plus = ("buttonPlus" + art).toLatin1();
    const QByteArray minus = ("buttonMin" + art).toLatin1();
    const QByteArray kauf = ("labelKauf" + art).toLatin1();
    const QByteArray gesamt = ("labelGesamt" + art).toLatin1();

    QSignalSpy kopf(tab, &AbstractTab::signalUpdateHeader);
    w<QPushButton>(plus)->click();
    QCOMPARE(kopf.count(), 1);
    QCOMPARE(charakter->startEP(true), 199);
    QCOMPARE(charakter->punkte(index, CharakterBasis::Gekauft), jeEP);
    QCOMPARE(text(kauf), QString::number(jeEP));
    QCOMPARE(text(gesamt), QString("= %1").arg(start + jeEP));
    QVERIFY(w<QPushButton>(minus)->isEnabled());

    w<QPushButton>(minus)->click();
    QCOMPARE(kopf.count(), 2);
    QCOMPARE(charakter->startEP(true), 200);
    QCOMPARE(text(kauf), QString("0"));
    QVERIFY(!w<QPushButton>(minus)->isEnabled());

    // with no EP left "+" is refused and nothing is redrawn or reported
    QVERIFY(charakter->epAusgeben(200));
    w<QPushButton>(plus)->click();
    QCOMPARE(kopf.count(), 2);
    QCOMPARE(text(kauf), QString("0"));
}

void TestTabAktionen::spracheLernenUndEntfernen()
{
    QSignalSpy aktionen(charakter, &Charakter::signalAktionspunkteUpdate);
    w<QPushButton>("buttonPlusSprache")->click();   // nothing selected: nothing learned
    QCOMPARE(charakter->anzahlAktionen(0), 0);

    lerneSprache("Neosynd");
    QCOMPARE(charakter->anzahlAktionen(0), 1);
    QCOMPARE(aktionen.count(), 1);
    QCOMPARE(zelle("tabelleEigeneSprachen", 0, 0), QString("[Akademik] Sprachen & Schriften / Neosynd (4 P)"));
    QCOMPARE(zelle("tabelleEigeneSprachen", 0, 1), QString("-10"));
    QCOMPARE(zelle("tabelleEigeneSprachen", 0, 2), QString("2W -8"));

    QSignalSpy kopf(tab, &AbstractTab::signalUpdateHeader);
    w<QPushButton>("buttonSpracheEntfernen")->click();   // no learned row selected
    QCOMPARE(charakter->anzahlAktionen(0), 1);
    waehleEigene("tabelleEigeneSprachen", 0);
    w<QPushButton>("buttonSpracheEntfernen")->click();
    QCOMPARE(charakter->anzahlAktionen(0), 0);
    QCOMPARE(genutzteSP(), 0);
    QCOMPARE(kopf.count(), 1);   // the click without a selection only explains itself
}

void TestTabAktionen::lateinZuerst()
{
    lerneSprache("Latein");
    lerneSprache("Newdeutsch");
    QCOMPARE(genutzteSP(), 12);
    QCOMPARE(zelle("tabelleEigeneSprachen", 1, 0),
             QString("[Akademik] Sprachen & Schriften / Newdeutsch (5 P)"));

    waehleEigene("tabelleEigeneSprachen", 0);
    w<QPushButton>("buttonSpracheEntfernen")->click();
    QCOMPARE(charakter->anzahlAktionen(0), 1);
    QCOMPARE(genutzteSP(), 6);
    QCOMPARE(zelle("tabelleEigeneSprachen", 0, 0),
             QString("[Akademik] Sprachen & Schriften / Newdeutsch (6 P)"));
}

void TestTabAktionen::lateinDanach()
{
    lerneSprache("Newdeutsch");
    lerneSprache("Latein");
    QCOMPARE(genutzteSP(), 13);
    QCOMPARE(charakter->aktion(0, 0)->Kosten, 6);
    // removing Latein takes nothing back that was never given
    waehleEigene("tabelleEigeneSprachen", 1);
    w<QPushButton>("buttonSpracheEntfernen")->click();
    QCOMPARE(genutzteSP(), 6);
}

void TestTabAktionen::technikBrauchtTP()
{
    waehle("listTechnik", "Programmverbesserung");   // 4 TP
    w<QPushButton>("buttonPlusTechnik")->click();
    QCOMPARE(charakter->anzahlAktionen(1), 0);
    for (int i = 0; i < 4; ++i)
        w<QPushButton>("buttonPlusTP")->click();
    QCOMPARE(text("labelGesamtTP"), QString("= 4"));
    w<QPushButton>("buttonPlusTechnik")->click();
    QCOMPARE(charakter->anzahlAktionen(1), 1);
    QCOMPARE(zelle("tabelleEigeneTechnik", 0, 0), QString("[Technik] Software / Programmverbesserung (4 P)"));
    // Technik (It + Wi) / 2 = 10
    QCOMPARE(zelle("tabelleEigeneTechnik", 0, 2), QString("2W -8"));

    waehleEigene("tabelleEigeneTechnik", 0);
    w<QPushButton>("buttonTechnikEntfernen")->click();
    QCOMPARE(charakter->anzahlAktionen(1), 0);
    QCOMPARE(charakter->punkte(1, CharakterBasis::Genutzt), 0);
}

void TestTabAktionen::befaehigungImView()
{
    lerneSprache("Neosynd");   // 16 SP left
    QTableView* tabelle = w<QTableView>("tabelleEigeneSprachen");
    auto bearbeite = [&](int wert) {
        const QModelIndex index = tabelle->model()->index(0, 1);
        tabelle->setCurrentIndex(index);
        tabelle->edit(index);
        QSpinBox* editor = tabelle->viewport()->findChild<QSpinBox*>();
        QVERIFY(editor);
        editor->setValue(wert);
        QTest::keyClick(editor, Qt::Key_Return);   // commits through a queued call
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    };

    bearbeite(2);   // 20 SP needed: refused, the old value stays
    QCOMPARE(zelle("tabelleEigeneSprachen", 0, 1), QString("-10"));
    QCOMPARE(genutzteSP(), 4);

    bearbeite(0);   // 10 SP
    QCOMPARE(zelle("tabelleEigeneSprachen", 0, 1), QString("0"));
    QCOMPARE(zelle("tabelleEigeneSprachen", 0, 2), QString("2W +2"));
    QCOMPARE(genutzteSP(), 14);
}

void TestTabAktionen::modulZeigtSpezialisierungen()
{
    QAbstractItemModel* technik = w<QListView>("listTechnik")->model();
    QCOMPARE(technik->data(technik->index(0, 0)).toString(),
             QString("Technik / Mod. von Elektrokomponenten (5 P)"));
    charakter->setzeBenutztSpezis(true);
    tab->aktualisieren();
    QCOMPARE(technik->data(technik->index(0, 0)).toString(),
             QString("Elektrotechnik / Mod. von Elektrokomponenten (5 P)"));
    QAbstractItemModel* sprachen = w<QListView>("listSprachen")->model();
    QVERIFY(sprachen->data(sprachen->index(0, 0)).toString().startsWith("Sprachen & Schriften / "));
    charakter->setzeBenutztSpezis(false);
    tab->aktualisieren();
    QVERIFY(sprachen->data(sprachen->index(0, 0)).toString().startsWith("Akademik / "));
}

void TestTabAktionen::erlernteSpracheNurEinmal()
{
    QListView* liste = w<QListView>("listSprachen");
    QPushButton* lernen = w<QPushButton>("buttonPlusSprache");
    lerneSprache("Neosynd");
    const QModelIndex neosynd = liste->currentIndex();
    QVERIFY(!lernen->isEnabled());
    QVERIFY(lernen->toolTip().contains("bereits erlernt"));
    QVERIFY(neosynd.data(Qt::FontRole).value<QFont>().bold());
    QVERIFY(!neosynd.data(Qt::DecorationRole).value<QIcon>().isNull());

    // A double click learns another language, but never the same one twice.
    const QModelIndex dyrania = liste->model()->index(13, 0);
    QVERIFY(dyrania.data().toString().contains(" Dyrania "));
    QVERIFY(!dyrania.data(Qt::FontRole).value<QFont>().bold());
    doppelklick(liste, dyrania);
    QCOMPARE(charakter->anzahlAktionen(0), 2);
    QCOMPARE(genutzteSP(), 8);
    QVERIFY(dyrania.data(Qt::FontRole).value<QFont>().bold());
    doppelklick(liste, neosynd);
    QCOMPARE(charakter->anzahlAktionen(0), 2);
    QCOMPARE(genutzteSP(), 8);

    // The character refuses it too, whatever asks.
    Aktion zweite(*regelwerk->aktion(0, 1));
    QVERIFY(!charakter->aktionHinzufuegen(0, &zweite));
    QCOMPARE(genutzteSP(), 8);

    // Forgotten, it can be learned again.
    waehleEigene("tabelleEigeneSprachen", 0);
    w<QPushButton>("buttonSpracheEntfernen")->click();
    QVERIFY(!neosynd.data(Qt::FontRole).value<QFont>().bold());
    liste->selectionModel()->setCurrentIndex(neosynd, QItemSelectionModel::ClearAndSelect);
    QVERIFY(lernen->isEnabled());
}

void TestTabAktionen::lernPreisImTooltip()
{
    waehle("listSprachen", "Newdeutsch");
    QCOMPARE(w<QPushButton>("buttonPlusSprache")->toolTip(), QString("Kostet 6 SP (übrig: 20 SP)"));
    // With Latein the price shown is the one paid.
    lerneSprache("Latein");
    waehle("listSprachen", "Newdeutsch");
    QCOMPARE(w<QPushButton>("buttonPlusSprache")->toolTip(), QString("Kostet 5 SP (übrig: 13 SP)"));
    waehle("listTechnik", "Sprengsatzbau");
    QCOMPARE(w<QPushButton>("buttonPlusTechnik")->toolTip(), QString("Kostet 5 TP (übrig: 0 TP)"));
}

QTEST_MAIN(TestTabAktionen)
#include "tst_tabaktionen.moc"
