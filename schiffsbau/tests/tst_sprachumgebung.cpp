// German numbers whatever the system's locale (the tests run under C.UTF-8).
#include "sprachumgebung.h"

#include <QLocale>
#include <QTest>

class TestSprachumgebung : public QObject
{
    Q_OBJECT

private slots:
    void zahlenSindDeutsch()
    {
        Sprachumgebung::einrichten();
        QCOMPARE(QStringLiteral("%L1 St").arg(15000), QStringLiteral("15.000 St"));
        QCOMPARE(QStringLiteral("%L1").arg(2.25, 0, 'f', 2), QStringLiteral("2,25"));
        QCOMPARE(QLocale().toString(QDate(2026, 3, 1), QStringLiteral("MMMM")), QStringLiteral("März"));
    }
};

QTEST_MAIN(TestSprachumgebung)
#include "tst_sprachumgebung.moc"
