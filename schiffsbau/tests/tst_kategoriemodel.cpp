// The two list models of the chooser: category labels and the components of
// one category.
#include "kategoriemodel.h"
#include "komponentenbibliothek.h"
#include "komponentenmodel.h"
#include "tst_fenster_hilfen.h"

#include <QAbstractItemModelTester>
#include <QColor>
#include <QFont>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

class TestKategorieModel : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void kategorien_data();
    void kategorien();
    void kategorieAusserhalb();
    void komponentenEinerKategorie();
    void wechselAufLeereKategorie();
    void wechselAufGleicheKategorie();
    void wechselZwischenSpaltenzahlen();

private:
    QTemporaryDir m_dir;
    QString m_altesVerzeichnis;
    KomponentenBibliothek *m_pBibliothek = nullptr;
};

void TestKategorieModel::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QVERIFY(schreibeReaktorliste(m_dir.path()));
    m_altesVerzeichnis = QDir::currentPath();
    QVERIFY(QDir::setCurrent(m_dir.path()));
    m_pBibliothek = new KomponentenBibliothek();
    m_pBibliothek->lade();
    m_pBibliothek->erzeugeKategorien();
    QCOMPARE(m_pBibliothek->anzahlElemente(KatReaktoren), 3);
}

void TestKategorieModel::cleanupTestCase()
{
    delete m_pBibliothek;
    QDir::setCurrent(m_altesVerzeichnis);
}

void TestKategorieModel::kategorien_data()
{
    QTest::addColumn<int>("zeile");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("fett");

    QTest::newRow("Standard-Räume") << 0 << QStringLiteral("*Standard-Räume (9)") << true;
    QTest::newRow("Weitere Räume") << 1 << QStringLiteral(" Weitere Räume (0)") << false;
    QTest::newRow("Basis-Lebenssysteme") << 2 << QStringLiteral(" Basis-Lebenssysteme (8)") << false;
    QTest::newRow("Sonstige") << 3 << QStringLiteral("*Sonstige Basiskomponenten (5)") << true;
    QTest::newRow("Reaktoren") << 7 << QStringLiteral("*Reaktoren (3)") << true;
    QTest::newRow("Türme") << 23 << QStringLiteral(" Türme, Störer, Weitere, ... (0)") << false;
}

void TestKategorieModel::kategorien()
{
    QFETCH(int, zeile);
    QFETCH(QString, text);
    QFETCH(bool, fett);

    KategorieModel model(m_pBibliothek);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(model.rowCount(), 24);
    const QModelIndex index = model.index(zeile, 0);
    QCOMPARE(model.data(index, Qt::DisplayRole).toString(), text);
    const QFont font = model.data(index, Qt::FontRole).value<QFont>();
    QCOMPARE(font.pointSize(), 8);
    QCOMPARE(font.bold(), fett);
    QVERIFY(!model.data(index, Qt::ToolTipRole).isValid());
}

void TestKategorieModel::kategorieAusserhalb()
{
    KategorieModel model(m_pBibliothek);
    QVERIFY(!model.data(QModelIndex(), Qt::DisplayRole).isValid());
    QVERIFY(!model.index(24, 0).isValid());

    // An empty library has no categories.
    KomponentenBibliothek leer;
    KategorieModel leeresModel(&leer);
    QCOMPARE(leeresModel.rowCount(), 0);
}

void TestKategorieModel::komponentenEinerKategorie()
{
    KomponentenModel model(m_pBibliothek);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);

    // Category 0 at construction: the nine built-in rooms in four columns.
    QCOMPARE(model.rowCount(), 9);
    QCOMPARE(model.columnCount(), 4);
    QCOMPARE(model.headerData(0, Qt::Horizontal).toString(), QStringLiteral("Bezeichnung"));
    QCOMPARE(model.headerData(1, Qt::Horizontal).toString(), QStringLiteral("Beschreibung"));
    QCOMPARE(model.headerData(2, Qt::Horizontal).toString(), QStringLiteral("GSTPV"));
    QCOMPARE(model.headerData(3, Qt::Horizontal).toString(), QStringLiteral("Einheit"));
    QCOMPARE(model.headerData(2, Qt::Vertical).toString(), QStringLiteral("3"));
    QCOMPARE(model.headerData(0, Qt::Horizontal, Qt::TextAlignmentRole).toInt(), 1);
    QCOMPARE(model.headerData(0, Qt::Vertical, Qt::TextAlignmentRole).toInt(), 1);

    QCOMPARE(model.data(model.index(0, 0)).toString(),
             QStringLiteral("Wartungs/Lüftungsschächte, Maschinenraum"));
    QCOMPARE(model.data(model.index(0, 3)).toString(), QStringLiteral("max 1x"));
    QCOMPARE(model.data(model.index(2, 2)).toInt(), 10); // Turbolifte
    QCOMPARE(model.data(model.index(2, 2), Qt::BackgroundRole).value<QColor>(), QColor(230, 237, 255));
    QCOMPARE(model.data(model.index(2, 2), Qt::FontRole).value<QFont>().pointSize(), 8);
    QVERIFY(!model.data(model.index(2, 2), Qt::ToolTipRole).isValid());
}

void TestKategorieModel::wechselAufLeereKategorie()
{
    KomponentenModel model(m_pBibliothek);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QSignalSpy entfernt(&model, &QAbstractItemModel::rowsRemoved);
    QSignalSpy eingefuegt(&model, &QAbstractItemModel::rowsInserted);

    model.slotSetKategorie(5); // no armour lists
    QCOMPARE(entfernt.count(), 1);
    QCOMPARE(entfernt.at(0).at(1).toInt(), 0);
    QCOMPARE(entfernt.at(0).at(2).toInt(), 8);
    QCOMPARE(eingefuegt.count(), 0);
    QCOMPARE(model.rowCount(), 0);
    QCOMPARE(model.columnCount(), 0);
    QVERIFY(!model.headerData(0, Qt::Horizontal).isValid());

    // Far beyond the last category: empty as well, never an error.
    model.slotSetKategorie(4000000000u);
    QCOMPARE(model.rowCount(), 0);
    QVERIFY(!model.data(model.index(0, 0)).isValid());
}

void TestKategorieModel::wechselAufGleicheKategorie()
{
    KomponentenModel model(m_pBibliothek);
    model.slotSetKategorie(3);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QSignalSpy entfernt(&model, &QAbstractItemModel::rowsRemoved);
    QSignalSpy eingefuegt(&model, &QAbstractItemModel::rowsInserted);
    QSignalSpy layout(&model, &QAbstractItemModel::layoutChanged);

    model.slotSetKategorie(3);
    QCOMPARE(entfernt.count(), 0);
    QCOMPARE(eingefuegt.count(), 0);
    QCOMPARE(layout.count(), 1);
    QCOMPARE(model.rowCount(), 5);
    QCOMPARE(model.data(model.index(0, 0)).toString(), QStringLiteral("Treibstofftank"));
}

void TestKategorieModel::wechselZwischenSpaltenzahlen()
{
    KomponentenModel model(m_pBibliothek);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QSignalSpy eingefuegt(&model, &QAbstractItemModel::rowsInserted);

    model.slotSetKategorie(KatReaktoren);
    QCOMPARE(eingefuegt.count(), 1);
    QCOMPARE(eingefuegt.at(0).at(2).toInt(), 2);
    QCOMPARE(model.rowCount(), 3);
    QCOMPARE(model.columnCount(), 9);
    QCOMPARE(model.headerData(4, Qt::Horizontal).toString(), QStringLiteral("St /n"));
    QCOMPARE(model.headerData(6, Qt::Horizontal).toString(), QStringLiteral("RE /n"));
    QCOMPARE(model.data(model.index(1, 0)).toString(), QStringLiteral("Blitzreaktor"));
    QCOMPARE(model.data(model.index(1, 3)).toInt(), 10);

    model.slotSetKategorie(2);
    QCOMPARE(model.rowCount(), 8);
    QCOMPARE(model.columnCount(), 4);
    QCOMPARE(model.data(model.index(0, 0)).toString(), QStringLiteral("Umweltkontrollsystem"));
}

QTEST_MAIN(TestKategorieModel)
#include "tst_kategoriemodel.moc"
