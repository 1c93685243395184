// The chooser window: selecting, the count box, adding by button and by
// double click, and the element index after sorting.
#include "komponente.h"
#include "komponentenauswahl.h"
#include "komponentenbibliothek.h"
#include "tst_fenster_hilfen.h"

#include <QAbstractItemModelTester>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

class TestKomponentenAuswahl : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void aufbau();
    void auswahlZeigtEinheit_data();
    void auswahlZeigtEinheit();
    void hinzufuegenMitAnzahl();
    void ohneAuswahlNichts();
    void doppelklickEineEinheit();
    void nachSortierenBibliotheksindex_data();
    void nachSortierenBibliotheksindex();
    void leereKategorie();
    void kategoriewechselSetztZurueck();

private:
    QModelIndex sichtbar(int zeile, int spalte = 0) const;
    void waehle(int zeile);

    QTemporaryDir m_dir;
    QString m_altesVerzeichnis;
    KomponentenBibliothek *m_pBibliothek = nullptr;
    KomponentenAuswahl *m_pAuswahl = nullptr;
    QTableView *m_pView = nullptr;
    QSpinBox *m_pBox = nullptr;
    QLabel *m_pEinheit = nullptr;
    QPushButton *m_pKnopf = nullptr;
};

void TestKomponentenAuswahl::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QVERIFY(schreibeReaktorliste(m_dir.path()));
    m_altesVerzeichnis = QDir::currentPath();
    QVERIFY(QDir::setCurrent(m_dir.path()));
    m_pBibliothek = new KomponentenBibliothek();
    m_pBibliothek->lade();
    m_pBibliothek->erzeugeKategorien();
}

void TestKomponentenAuswahl::cleanupTestCase()
{
    delete m_pBibliothek;
    QDir::setCurrent(m_altesVerzeichnis);
}

void TestKomponentenAuswahl::init()
{
    m_pAuswahl = new KomponentenAuswahl(m_pBibliothek);
    m_pView = m_pAuswahl->findChild<QTableView *>(QStringLiteral("komponentenView"));
    m_pBox = m_pAuswahl->findChild<QSpinBox *>(QStringLiteral("sbAnzahlHinzu"));
    m_pEinheit = m_pAuswahl->findChild<QLabel *>(QStringLiteral("lEinheit"));
    m_pKnopf = m_pAuswahl->findChild<QPushButton *>(QStringLiteral("pbHinzufuegen"));
    QVERIFY(m_pView && m_pBox && m_pEinheit && m_pKnopf);
    m_pAuswahl->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_pAuswahl));
}

void TestKomponentenAuswahl::cleanup()
{
    delete m_pAuswahl;
    m_pAuswahl = nullptr;
}

QModelIndex TestKomponentenAuswahl::sichtbar(int zeile, int spalte) const
{
    return m_pView->model()->index(zeile, spalte);
}

// Clicks the visible row as a user would.
void TestKomponentenAuswahl::waehle(int zeile)
{
    m_pView->scrollTo(sichtbar(zeile, 0));
    const QRect rechteck = m_pView->visualRect(sichtbar(zeile, 0));
    QTest::mouseClick(m_pView->viewport(), Qt::LeftButton, {}, rechteck.center());
}

void TestKomponentenAuswahl::aufbau()
{
    QCOMPARE(m_pAuswahl->windowTitle(), QStringLiteral("Komponenten"));
    QVERIFY(m_pAuswahl->parent() == nullptr);
    QCOMPARE(m_pKnopf->text().remove('&'), QStringLiteral("Hinzufügen"));
    QCOMPARE(m_pBox->value(), 0);
    QCOMPARE(m_pBox->maximum(), 1000000);
    QVERIFY(m_pView->isSortingEnabled());
    QCOMPARE(m_pView->selectionMode(), QAbstractItemView::SingleSelection);
    QCOMPARE(m_pView->selectionBehavior(), QAbstractItemView::SelectRows);
    QAbstractItemModelTester tester(m_pView->model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    m_pAuswahl->setKategorie(KatReaktoren);
    m_pAuswahl->setKategorie(0);
    QCOMPARE(m_pView->model()->rowCount(), 9);
    QCOMPARE(m_pView->horizontalHeader()->count(), 4);
}

void TestKomponentenAuswahl::auswahlZeigtEinheit_data()
{
    QTest::addColumn<uint>("kategorie");
    QTest::addColumn<int>("zeile");
    QTest::addColumn<QString>("einheit");
    QTest::addColumn<int>("maximum");

    QTest::newRow("Maschinenraum, max 1x") << 0u << 0 << QStringLiteral("max 1x") << 1;
    QTest::newRow("Turbolifte") << 0u << 2 << QStringLiteral("Decks") << 1000000;
    QTest::newRow("Landestelzen, max 1x") << 3u << 4 << QStringLiteral("max 1x") << 1;
    QTest::newRow("Gasballon") << 2u << 5 << QStringLiteral("Stück") << 1000000;
    QTest::newRow("Reaktor") << uint(KatReaktoren) << 1 << QStringLiteral("GSTPV") << 1000000;
}

void TestKomponentenAuswahl::auswahlZeigtEinheit()
{
    QFETCH(uint, kategorie);
    QFETCH(int, zeile);
    QFETCH(QString, einheit);
    QFETCH(int, maximum);

    m_pAuswahl->setKategorie(kategorie);
    waehle(zeile);
    QCOMPARE(m_pEinheit->text(), einheit);
    QCOMPARE(m_pBox->value(), 1);
    QCOMPARE(m_pBox->maximum(), maximum);
    QCOMPARE(m_pAuswahl->element(), zeile);

    // The box cannot be set beyond its limit.
    m_pBox->setValue(7);
    QCOMPARE(m_pBox->value(), qMin(7, maximum));
}

void TestKomponentenAuswahl::hinzufuegenMitAnzahl()
{
    QSignalSpy spy(m_pAuswahl, &KomponentenAuswahl::signalAddKomponente);
    m_pAuswahl->setKategorie(2);
    waehle(3); // Rettungskapsel
    m_pBox->setValue(12);
    QTest::mouseClick(m_pKnopf, Qt::LeftButton);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toUInt(), 2u);
    QCOMPARE(spy.at(0).at(1).toUInt(), 3u);
    QCOMPARE(spy.at(0).at(2).toInt(), 12);
}

void TestKomponentenAuswahl::ohneAuswahlNichts()
{
    QSignalSpy spy(m_pAuswahl, &KomponentenAuswahl::signalAddKomponente);
    m_pAuswahl->setKategorie(3);
    QTest::mouseClick(m_pKnopf, Qt::LeftButton);
    QCOMPARE(spy.count(), 0);
    // A count typed without a chosen row adds nothing either.
    m_pBox->setValue(2);
    QTest::mouseClick(m_pKnopf, Qt::LeftButton);
    QCOMPARE(spy.count(), 0);
}

void TestKomponentenAuswahl::doppelklickEineEinheit()
{
    QSignalSpy spy(m_pAuswahl, &KomponentenAuswahl::signalAddKomponente);
    m_pAuswahl->setKategorie(0);
    waehle(4);
    m_pBox->setValue(5);
    QCOMPARE(m_pBox->value(), 5);

    // The second click of a double click on the selected row.
    const QRect rechteck = m_pView->visualRect(sichtbar(4, 0));
    QTest::mouseDClick(m_pView->viewport(), Qt::LeftButton, {}, rechteck.center());
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toUInt(), 0u);
    QCOMPARE(spy.at(0).at(1).toUInt(), 4u);
    QCOMPARE(spy.at(0).at(2).toInt(), 1);

    // Double click on another row than the selected one: that row, once.
    // A double click on another row: its first click selects that row.
    spy.clear();
    waehle(6);
    m_pBox->setValue(9);
    QTest::mouseDClick(m_pView->viewport(), Qt::LeftButton, {}, m_pView->visualRect(sichtbar(6, 0)).center());
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(1).toUInt(), 6u);
    QCOMPARE(spy.at(0).at(2).toInt(), 1);
}

void TestKomponentenAuswahl::nachSortierenBibliotheksindex_data()
{
    QTest::addColumn<uint>("kategorie");
    QTest::addColumn<int>("spalte");
    QTest::addColumn<int>("sichtbareZeile");
    QTest::addColumn<QString>("name");

    // By name, ascending: "Cockpit/Brücke/Zentrale" comes first.
    QTest::newRow("Räume nach Name") << 0u << 0 << 0 << QStringLiteral("Cockpit/Brücke/Zentrale");
    QTest::newRow("Räume nach Name, letzte") << 0u << 0 << 8 << QStringLiteral("Wartungs/Lüftungsschächte, Maschinenraum");
    // By tech level (numbers): 10 before 12 before 14.
    QTest::newRow("Reaktoren nach TL") << uint(KatReaktoren) << 3 << 0 << QStringLiteral("Blitzreaktor");
    QTest::newRow("Reaktoren nach TL, letzte") << uint(KatReaktoren) << 3 << 2 << QStringLiteral("Mikroreaktor");
}

void TestKomponentenAuswahl::nachSortierenBibliotheksindex()
{
    QFETCH(uint, kategorie);
    QFETCH(int, spalte);
    QFETCH(int, sichtbareZeile);
    QFETCH(QString, name);

    QSignalSpy spy(m_pAuswahl, &KomponentenAuswahl::signalAddKomponente);
    m_pAuswahl->setKategorie(kategorie);
    // A click on the column header sorts, as the user does it.
    QHeaderView *kopf = m_pView->horizontalHeader();
    const int x = kopf->sectionViewportPosition(spalte) + kopf->sectionSize(spalte) / 2;
    QTest::mouseClick(kopf->viewport(), Qt::LeftButton, {}, QPoint(x, kopf->height() / 2));
    QCOMPARE(kopf->sortIndicatorSection(), spalte);
    if (kopf->sortIndicatorOrder() != Qt::AscendingOrder)
        m_pView->sortByColumn(spalte, Qt::AscendingOrder);
    QCOMPARE(m_pView->model()->data(sichtbar(sichtbareZeile, 0)).toString(), name);

    waehle(sichtbareZeile);
    QTest::mouseClick(m_pKnopf, Qt::LeftButton);
    QCOMPARE(spy.count(), 1);
    const int element = int(spy.at(0).at(1).toUInt());
    const Komponente *k = m_pBibliothek->element(int(kategorie), element);
    QVERIFY(k);
    QCOMPARE(k->name(), name);
}

void TestKomponentenAuswahl::leereKategorie()
{
    QSignalSpy spy(m_pAuswahl, &KomponentenAuswahl::signalAddKomponente);
    m_pAuswahl->setKategorie(0);
    waehle(1);
    m_pAuswahl->setKategorie(5);
    QCOMPARE(m_pView->model()->rowCount(), 0);
    QCOMPARE(m_pView->model()->columnCount(), 0);
    QCOMPARE(m_pView->horizontalHeader()->count(), 0);
    QTest::mouseClick(m_pKnopf, Qt::LeftButton);
    QCOMPARE(spy.count(), 0);
}

void TestKomponentenAuswahl::kategoriewechselSetztZurueck()
{
    m_pAuswahl->setKategorie(3);
    waehle(4); // Landestelzen: max 1x
    QCOMPARE(m_pBox->maximum(), 1);
    m_pAuswahl->setKategorie(KatReaktoren);
    QCOMPARE(m_pAuswahl->kategorie(), uint(KatReaktoren));
    QCOMPARE(m_pAuswahl->element(), 0);
    QCOMPARE(m_pBox->value(), 0);
    QCOMPARE(m_pEinheit->text(), QString());
    QCOMPARE(m_pView->horizontalHeader()->count(), 9);
    QCOMPARE(m_pView->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Bezeichnung"));
    waehle(2);
    QCOMPARE(m_pBox->maximum(), 1000000);
    QCOMPARE(m_pEinheit->text(), QStringLiteral("GSTPV"));
}

QTEST_MAIN(TestKomponentenAuswahl)
#include "tst_komponentenauswahl.moc"
