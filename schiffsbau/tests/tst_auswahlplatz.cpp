// Where the chooser window opens: below the main window when it fits,
// otherwise the nearest place on the free screen area.
#include "auswahlplatz.h"

#include <QtTest>

class TestAuswahlPlatz : public QObject
{
    Q_OBJECT

private slots:
    void berechne_data();
    void berechne();
    void startPlatz_data();
    void startPlatz();
};

void TestAuswahlPlatz::berechne_data()
{
    QTest::addColumn<QRect>("haupt");
    QTest::addColumn<QSize>("auswahl");
    QTest::addColumn<QRect>("frei");
    QTest::addColumn<QRect>("erwartet");

    // 1600 x 1000: the pair fits, the chooser goes right below.
    QTest::newRow("passt") << QRect(350, 112, 902, 577) << QSize(982, 225) << QRect(0, 0, 1600, 1000)
                           << QRect(350, 689, 982, 225);
    // 1280 x 720 with a panel of 40 pixels at the bottom: it moves up.
    QTest::newRow("unten zu knapp") << QRect(190, 0, 902, 577) << QSize(982, 225) << QRect(0, 0, 1280, 680)
                                    << QRect(190, 455, 982, 225);
    // A main window far right: the chooser moves left to show whole.
    QTest::newRow("rechts zu knapp") << QRect(600, 0, 600, 300) << QSize(982, 225) << QRect(0, 0, 1366, 728)
                                     << QRect(384, 300, 982, 225);
    // A panel at the top and a window above the free area.
    QTest::newRow("oben") << QRect(-50, -600, 500, 300) << QSize(400, 200) << QRect(0, 30, 1280, 690)
                          << QRect(0, 30, 400, 200);
    // Larger than the free area: as large as it and inside it.
    QTest::newRow("zu gross") << QRect(0, 0, 700, 500) << QSize(982, 225) << QRect(0, 0, 800, 600)
                              << QRect(0, 375, 800, 225);
    // No screen known: directly below.
    QTest::newRow("kein Bildschirm") << QRect(10, 20, 900, 550) << QSize(980, 200) << QRect()
                                     << QRect(10, 570, 980, 200);
}

void TestAuswahlPlatz::berechne()
{
    QFETCH(QRect, haupt);
    QFETCH(QSize, auswahl);
    QFETCH(QRect, frei);
    QFETCH(QRect, erwartet);
    const QRect platz = AuswahlPlatz::berechne(haupt, auswahl, frei);
    QCOMPARE(platz, erwartet);
    if (!frei.isEmpty())
        QVERIFY(frei.contains(platz));
}

void TestAuswahlPlatz::startPlatz_data()
{
    QTest::addColumn<QRect>("frei");
    QTest::addColumn<QRect>("erwartet");
    // 80 % of the width; the height leaves room for the chooser below.
    QTest::newRow("1600x1000") << QRect(0, 0, 1600, 1000) << QRect(145, 0, 1280, 660);
    QTest::newRow("1280x720") << QRect(0, 0, 1280, 720) << QRect(113, 0, 1024, 460);
    QTest::newRow("Leiste oben") << QRect(0, 40, 1920, 1040) << QRect(177, 40, 1536, 700);
    QTest::newRow("800x600") << QRect(0, 0, 800, 600) << QRect(0, 0, 770, 340);
    QTest::newRow("kein Bildschirm") << QRect() << QRect(0, 0, 900, 550);
}

void TestAuswahlPlatz::startPlatz()
{
    QFETCH(QRect, frei);
    QFETCH(QRect, erwartet);
    const int auswahl = AuswahlPlatz::auswahlHoehe(frei.height());
    const QRect platz = AuswahlPlatz::startPlatz(frei, auswahl, 30);
    QCOMPARE(platz, erwartet);
    // Both windows with their frames fit one above the other.
    if (!frei.isEmpty())
        QVERIFY(platz.bottom() + 30 + auswahl + 30 <= frei.bottom() + 1);
}

QTEST_APPLESS_MAIN(TestAuswahlPlatz)
#include "tst_auswahlplatz.moc"
