// Times the data sheets of a fleet: 100 ships (the base list with a few
// dozen components each) into one PDF, by the program started as a script
// would. Must take under 10 s of processor time.
//
// Run (release build, as scripts/setup.sh configures it):
//   ./build/schiffsbau/schiffsbau_lib_bench_befehlszeile
#include "../../gemeinsam/tests/programmlauf_hilfen.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/resource.h>

// User and system time of the ended child processes, in seconds.
static double prozessorzeitDerKinder()
{
    rusage nutzung{};
    getrusage(RUSAGE_CHILDREN, &nutzung);
    return double(nutzung.ru_utime.tv_sec + nutzung.ru_stime.tv_sec)
           + double(nutzung.ru_utime.tv_usec + nutzung.ru_stime.tv_usec) / 1e6;
}

class BenchBefehlszeile : public QObject
{
    Q_OBJECT

private slots:
    void hundertBoegen();
};

void BenchBefehlszeile::hundertBoegen()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QFile basis(QStringLiteral(ZORVEL_DATA_DIR "/basisliste.zsb"));
    QVERIFY(basis.open(QIODevice::ReadOnly));
    QByteArray zeilen = basis.readAll();
    zeilen = zeilen.mid(zeilen.indexOf('\n') + 1);
    QStringList argumente{QStringLiteral("--daten"), QStringLiteral(ZORVEL_DATA_DIR),
                          QStringLiteral("--pdf"), QStringLiteral("flotte.pdf")};
    for (int i = 0; i < 100; ++i) {
        const QString datei = QStringLiteral("schiff%1.zss").arg(i);
        QFile f(dir.filePath(datei));
        const QByteArray text = "2.0;Schiff " + QByteArray::number(i) + ";Ein Frachter;\n" + zeilen;
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(text) == text.size());
        argumente << datei;
    }
    QElapsedTimer uhr;
    uhr.start();
    const double vorher = prozessorzeitDerKinder();
    const Programmlauf lauf = starteProgramm(QStringLiteral("schiffsbau"), argumente, dir.path());
    const qint64 ms = uhr.elapsed();
    const qint64 cpu = qint64((prozessorzeitDerKinder() - vorher) * 1000);
    QCOMPARE(lauf.status, 0);
    const int seiten = pdfSeiten(dir.filePath(QStringLiteral("flotte.pdf")));
    qInfo("100 ship data sheets, %d pages: %lld ms, processor time %lld ms", seiten, ms, cpu);
    // The wall time depends on the load of the machine.
    QVERIFY(cpu < 10000);
}

QTEST_GUILESS_MAIN(BenchBefehlszeile)
#include "bench_befehlszeile.moc"
