// GUI tests of step 3 (special areas), driven through the widgets' object names.
#include <QAbstractItemModelTester>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTableView>
#include <QTimer>
#include <QtTest>

#include "charakter.h"
#include "dialogspezialgebiet.h"
#include "regelwerk.h"
#include "spezialgebiet.h"
#include "tabspezialgebiete.h"

class TestTabSpezialgebiete : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startZustand();
    void modulAnUndAus();
    void basistypWechselMitModul();
    void grenzeVon25Gebieten();
    void vorhandenesGebietSperrtHinzufuegen();
    void punkteBearbeitenImView();
    void bonusDialog_data();
    void bonusDialog();
    void neuAufbauenVergisstAuswahl();

private:
    template<typename T> T* w(const char* name)
    {
        T* widget = tab->findChild<T*>(name);
        if (!widget)
            qFatal("widget %s not found", name);
        return widget;
    }
    void waehleKenntnis(int k) { w<QListWidget>("listKentnisse")->setCurrentRow(k); }
    void waehleSpezi(int zeile)
    {
        QListView* liste = w<QListView>("listSpezis");
        liste->selectionModel()->setCurrentIndex(liste->model()->index(zeile, 0),
                                                 QItemSelectionModel::ClearAndSelect);
    }
    void waehleEigenes(int zeile)
    {
        QTableView* tabelle = w<QTableView>("tableEigeneSpezis");
        tabelle->selectionModel()->setCurrentIndex(tabelle->model()->index(zeile, 1),
                                                   QItemSelectionModel::ClearAndSelect);
    }
    QString zelle(int zeile, int spalte)
    {
        QAbstractItemModel* m = w<QTableView>("tableEigeneSpezis")->model();
        return m->data(m->index(zeile, spalte)).toString();
    }
    int zeilen() { return w<QTableView>("tableEigeneSpezis")->model()->rowCount(); }
    void modulAn()
    {
        w<QCheckBox>("checkSpezis")->click();
        QVERIFY(charakter->benutztSpezis());
    }

    Regelwerk* regelwerk = nullptr;
    Charakter* charakter = nullptr;
    TabSpezialgebiete* tab = nullptr;
    QAbstractItemModelTester* tester = nullptr;
};

void TestTabSpezialgebiete::init()
{
    regelwerk = new Regelwerk;
    charakter = new Charakter(regelwerk);
    tab = new TabSpezialgebiete(charakter, regelwerk);
    tab->show();
    tester = new QAbstractItemModelTester(w<QTableView>("tableEigeneSpezis")->model(),
                                          QAbstractItemModelTester::FailureReportingMode::QtTest);
}

void TestTabSpezialgebiete::cleanup()
{
    delete tester;
    delete tab;
    delete charakter;
    delete regelwerk;
}

void TestTabSpezialgebiete::startZustand()
{
    QVERIFY(!w<QCheckBox>("checkSpezis")->isChecked());
    QCOMPARE(w<QCheckBox>("checkSpezis")->text().remove('&'), QString("Verwende Spezialgebiete"));
    for (const char* name : {"listKentnisse", "listSpezis", "tableEigeneSpezis", "buttonEntfernen",
                             "buttonHinzufuegen", "buttonBonusspezi"})
        QVERIFY2(!w<QWidget>(name)->isEnabled(), name);
    QListWidget* kenntnisse = w<QListWidget>("listKentnisse");
    QCOMPARE(kenntnisse->count(), 10);
    QCOMPARE(kenntnisse->currentRow(), -1);
    QCOMPARE(kenntnisse->item(6)->text(), QString("Beeinflussung und Verhalten"));
    QTableView* tabelle = w<QTableView>("tableEigeneSpezis");
    QCOMPARE(tabelle->columnWidth(1), 100);
    QCOMPARE(tabelle->columnWidth(2), 60);
    QCOMPARE(tabelle->verticalHeader()->defaultSectionSize(), 20);
}

void TestTabSpezialgebiete::modulAnUndAus()
{
    QSignalSpy kopf(tab, &AbstractTab::signalUpdateHeader);
    modulAn();
    QCOMPARE(kopf.count(), 1);
    QCOMPARE(charakter->startEP(false), 280);
    QCOMPARE(zeilen(), 2);
    QCOMPARE(zelle(0, 0), QString("Athletik / Ausweichen (+0)"));
    QCOMPARE(zelle(1, 0), QString("Athletik / Rennen & Springen (+0)"));
    QCOMPARE(zelle(0, 1), QString("4"));
    // Athletik (Kb + Kb) is halved by 4 with the module: 5 + 4 = 9
    QCOMPARE(zelle(0, 2), QString("2W +1"));
    for (const char* name : {"listKentnisse", "listSpezis", "tableEigeneSpezis", "buttonEntfernen",
                             "buttonHinzufuegen", "buttonBonusspezi"})
        QVERIFY2(w<QWidget>(name)->isEnabled(), name);

    // a chosen one goes too when the module is switched off, and its EP come back
    waehleKenntnis(9);
    waehleSpezi(3);
    w<QPushButton>("buttonHinzufuegen")->click();
    QCOMPARE(zeilen(), 3);
    QCOMPARE(charakter->startEP(true), 279);

    w<QCheckBox>("checkSpezis")->click();
    QVERIFY(!charakter->benutztSpezis());
    QCOMPARE(kopf.count(), 3);
    QCOMPARE(zeilen(), 0);
    QCOMPARE(charakter->startEP(false), 200);
    QCOMPARE(charakter->startEP(true), 200);
    QVERIFY(!w<QWidget>("buttonHinzufuegen")->isEnabled());
    QVERIFY(!w<QWidget>("tableEigeneSpezis")->isEnabled());
}

void TestTabSpezialgebiete::basistypWechselMitModul()
{
    modulAn();
    waehleKenntnis(0);
    waehleSpezi(0);   // Medizin
    w<QPushButton>("buttonHinzufuegen")->click();
    QCOMPARE(zeilen(), 3);

    charakter->setzeBasistypus(8);   // Wandler-Chamäleonid
    tab->onBasistypGewechselt();
    QCOMPARE(zeilen(), 4);
    QCOMPARE(zelle(0, 0), QString("Vita / Medizin (+0)"));
    QCOMPARE(zelle(1, 0), QString("Athletik / Ausweichen (+0)"));
    QCOMPARE(zelle(3, 0), QString("Athletik / Verwandeln (+0)"));
    QCOMPARE(zelle(3, 1), QString("4"));

    charakter->setzeBasistypus(17);  // At'rang-gulor
    tab->onBasistypGewechselt();
    QCOMPARE(zeilen(), 3);
    QCOMPARE(zelle(2, 0), QString("Athletik / Fliegen (+0)"));
    // 1 EP for Medizin, the species' own are free; 190 + 80 start EP
    QCOMPARE(charakter->startEP(true), 269);
}

void TestTabSpezialgebiete::grenzeVon25Gebieten()
{
    modulAn();
    QPushButton* hinzu = w<QPushButton>("buttonHinzufuegen");
    QPushButton* bonus = w<QPushButton>("buttonBonusspezi");
    int n = 0;
    for (int k = 0; k < 10 && n < 25; ++k) {
        waehleKenntnis(k);
        const int anzahl = regelwerk->anzahlSpezialgebiete(k);
        for (int i = 0; i < anzahl && n < 25; ++i) {
            if (k == 8 && (i == 1 || i == 3))
                continue;   // the species already has these
            waehleSpezi(i);
            QVERIFY(hinzu->isEnabled());
            hinzu->click();
            ++n;
        }
    }
    QCOMPARE(zeilen(), 27);
    QCOMPARE(charakter->startEP(true), 255);
    QVERIFY(!hinzu->isEnabled());
    QVERIFY(!bonus->isEnabled());

    // another catalogue area does not enable them
    waehleKenntnis(9);
    waehleSpezi(8);
    QVERIFY(!hinzu->isEnabled());
    QVERIFY(!bonus->isEnabled());

    // removing one frees the place
    waehleEigenes(5);
    w<QPushButton>("buttonEntfernen")->click();
    QCOMPARE(zeilen(), 26);
    QVERIFY(hinzu->isEnabled());
    QVERIFY(bonus->isEnabled());
    QVERIFY(w<QPushButton>("buttonEntfernen")->isEnabled());
}

void TestTabSpezialgebiete::vorhandenesGebietSperrtHinzufuegen()
{
    modulAn();
    waehleKenntnis(8);
    waehleSpezi(1);   // "Ausweichen", which the species brings
    QVERIFY(!w<QPushButton>("buttonHinzufuegen")->isEnabled());
    QVERIFY(w<QPushButton>("buttonBonusspezi")->isEnabled());
    waehleSpezi(0);   // "Akrobatik"
    QVERIFY(w<QPushButton>("buttonHinzufuegen")->isEnabled());

    // with no EP left the character refuses it: nothing changes
    QVERIFY(charakter->epAusgeben(charakter->startEP(true)));
    QSignalSpy kopf(tab, &AbstractTab::signalUpdateHeader);
    w<QPushButton>("buttonHinzufuegen")->click();
    QCOMPARE(zeilen(), 2);
    QCOMPARE(kopf.count(), 1);
}

void TestTabSpezialgebiete::punkteBearbeitenImView()
{
    modulAn();
    waehleKenntnis(1);
    waehleSpezi(0);
    w<QPushButton>("buttonHinzufuegen")->click();
    QCOMPARE(zelle(2, 1), QString("1"));
    QVERIFY(charakter->epAusgeben(charakter->startEP(true) - 4));   // 4 EP left

    QTableView* tabelle = w<QTableView>("tableEigeneSpezis");
    QSignalSpy kopf(tab, &AbstractTab::signalUpdateHeader);
    auto bearbeite = [&](int wert) {
        const QModelIndex index = tabelle->model()->index(2, 1);
        tabelle->setCurrentIndex(index);
        tabelle->edit(index);
        QSpinBox* editor = tabelle->viewport()->findChild<QSpinBox*>();
        QVERIFY(editor);
        editor->setValue(wert);
        QTest::keyClick(editor, Qt::Key_Return);   // commits through a queued call
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    };

    bearbeite(5);   // 6 - 1 = 5 EP: refused, the old value stays
    QCOMPARE(zelle(2, 1), QString("1"));
    QCOMPARE(charakter->startEP(true), 4);
    QCOMPARE(kopf.count(), 0);

    bearbeite(4);   // 4 - 1 = 3 EP
    QCOMPARE(zelle(2, 1), QString("4"));
    QCOMPARE(charakter->startEP(true), 1);
    QCOMPARE(kopf.count(), 1);
}

void TestTabSpezialgebiete::bonusDialog_data()
{
    QTest::addColumn<int>("restEP");
    QTest::addColumn<bool>("annehmen");
    QTest::addColumn<int>("zeilenDanach");
    QTest::newRow("angenommen") << 10 << true << 3;
    QTest::newRow("abgebrochen") << 10 << false << 2;
    QTest::newRow("keine EP") << 0 << true << 2;
}

void TestTabSpezialgebiete::bonusDialog()
{
    QFETCH(int, restEP);
    QFETCH(bool, annehmen);
    QFETCH(int, zeilenDanach);
    modulAn();
    QVERIFY(charakter->epAusgeben(charakter->startEP(true) - restEP));

    bool geprueft = false;
    QTimer::singleShot(0, this, [&]() {
        // A failed check below leaves the lambda early: the dialog is
        // closed then, so that the test fails instead of hanging.
        const auto schliessen = qScopeGuard([&] {
            if (!geprueft)
                if (auto* offen = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
                    offen->reject();
        });
        auto* dialog = qobject_cast<DialogSpezialgebiet*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        QCOMPARE(dialog->windowTitle(), QString("Neues Bonusspezialgebiet"));
        QPushButton* ok = dialog->findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Ok);
        QLineEdit* name = dialog->findChild<QLineEdit*>("inputName");
        QVERIFY(!ok->isEnabled());
        QTest::keyClicks(name, "   ");
        QVERIFY(!ok->isEnabled());
        name->clear();
        QTest::keyClicks(name, "Tunnelkunde");
        QVERIFY(ok->isEnabled());
        dialog->findChild<QComboBox*>("inputKenntnis")->setCurrentIndex(7);
        dialog->findChild<QRadioButton*>("inputBonusZwei")->setChecked(true);
        dialog->findChild<QComboBox*>("inputEigenschaftEins")->setCurrentIndex(3);
        dialog->findChild<QComboBox*>("inputEigenschaftZwei")->setCurrentIndex(8);
        geprueft = true;
        if (annehmen)
            ok->click();
        else
            dialog->reject();
    });
    w<QPushButton>("buttonBonusspezi")->click();
    QVERIFY(geprueft);
    QCOMPARE(zeilen(), zeilenDanach);
    if (zeilenDanach == 3) {
        QCOMPARE(zelle(2, 0), QString("Kognition / Tunnelkunde (+2)"));
        const Spezialgebiet* s = charakter->spezialgebiet(2);
        QCOMPARE(s->Typ, 18);
        QCOMPARE(s->Eigenschaft1, 3);
        QCOMPARE(s->Eigenschaft2, 8);
        QCOMPARE(s->Wert, 1);
        QVERIFY(!s->bonusSpezialgebiet);
        QCOMPARE(charakter->startEP(true), restEP - 1);
    } else {
        QCOMPARE(charakter->startEP(true), restEP);
    }
}

void TestTabSpezialgebiete::neuAufbauenVergisstAuswahl()
{
    modulAn();
    waehleEigenes(1);
    charakter->zuruecksetzen();
    tab->neuAufbauen();
    QVERIFY(!w<QCheckBox>("checkSpezis")->isChecked());
    QCOMPARE(zeilen(), 0);
    QVERIFY(!w<QTableView>("tableEigeneSpezis")->currentIndex().isValid());
    // removing without selection does nothing
    modulAn();
    w<QPushButton>("buttonEntfernen")->click();
    QCOMPARE(zeilen(), 2);
}

QTEST_MAIN(TestTabSpezialgebiete)
#include "tst_tabspezialgebiete.moc"
