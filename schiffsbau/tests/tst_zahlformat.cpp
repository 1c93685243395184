// Decimal values of the ship data panel: fixed notation with the German
// grouping, no exponent, no noise decimals, no "-0".
#include "zahlformat.h"

#include <QLocale>
#include <QtTest>

class TestZahlformat : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void dezimal_data();
    void dezimal();
    void festkomma();
};

void TestZahlformat::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
}

void TestZahlformat::dezimal_data()
{
    QTest::addColumn<double>("wert");
    QTest::addColumn<QString>("erwartet");

    QTest::newRow("Million Tonnen") << double(1000040.0f) << "1.000.040";
    // A float of a million carries no second decimal: it is noise.
    QTest::newRow("Rauschen") << double(1000040.3f) << "1.000.040";
    QTest::newRow("halbe") << double(1234.5f) << "1.234,5";
    QTest::newRow("Summe von Zehnteln") << double(0.1f + 0.2f) << "0,3";
    QTest::newRow("zwei Stellen") << double(2500.25f) << "2.500,25";
    QTest::newRow("gerundet") << 0.125678 << "0,13";
    QTest::newRow("negativ") << -20.5 << "-20,5";
    QTest::newRow("minus null") << -0.001 << "0";
    QTest::newRow("null") << 0.0 << "0";
    QTest::newRow("zehn Milliarden") << 1.5e10 << "15.000.000.000";
}

void TestZahlformat::dezimal()
{
    QFETCH(double, wert);
    QFETCH(QString, erwartet);
    QCOMPARE(Zahlformat::dezimal(wert), erwartet);
}

void TestZahlformat::festkomma()
{
    QCOMPARE(Zahlformat::festkomma(2.0, 2), QStringLiteral("2,00"));
    QCOMPARE(Zahlformat::festkomma(-0.001, 2), QStringLiteral("0,00"));
    QCOMPARE(Zahlformat::festkomma(1.0e6, 0), QStringLiteral("1.000.000"));
    QCOMPARE(Zahlformat::festkomma(-3.0, 2), QStringLiteral("-3,00"));
}

QTEST_APPLESS_MAIN(TestZahlformat)
#include "tst_zahlformat.moc"
