// German numbers and calendar whatever the system's locale (the tests run
// under C.UTF-8).
#include "charakter.h"
#include "regelwerk.h"
#include "sprachumgebung.h"
#include "tabbasis.h"
#include "tabeigenschaften.h"

#include <QCalendarWidget>
#include <QDateEdit>
#include <QLabel>
#include <QTest>

class TestSprachumgebung : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Sprachumgebung::einrichten(); }

    void zahlenSindDeutsch()
    {
        QCOMPARE(QStringLiteral("%L1").arg(45000), QStringLiteral("45.000"));
        QCOMPARE(QStringLiteral("%L1").arg(1.5, 0, 'g', 6), QStringLiteral("1,5"));

        Regelwerk regelwerk;
        Charakter charakter(&regelwerk);
        charakter.setzeBasistypus(2);
        charakter.setzeEigenschaftPunkte(6, 1);
        TabEigenschaften tab(&charakter, &regelwerk);
        tab.aktualisieren();
        QCOMPARE(tab.findChild<QLabel *>("labelPhysisFaktor")->text(), QStringLiteral("1,3"));
        QCOMPARE(tab.findChild<QLabel *>("labelStdBewegung")->text(), QStringLiteral("1,8 m"));
    }

    void kalenderIstDeutsch()
    {
        Regelwerk regelwerk;
        Charakter charakter(&regelwerk);
        TabBasis tab(&charakter, &regelwerk);
        auto *datum = tab.findChild<QDateEdit *>();
        QVERIFY(datum);
        QVERIFY(datum->calendarWidget());
        QCOMPARE(datum->calendarWidget()->locale().language(), QLocale::German);
        QCOMPARE(datum->calendarWidget()->locale().monthName(3), QStringLiteral("März"));
    }
};

QTEST_MAIN(TestSprachumgebung)
#include "tst_sprachumgebung.moc"
