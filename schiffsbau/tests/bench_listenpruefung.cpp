// Times the list checker: on the delivered data folder and on a generated
// folder of 100,000 component rows spread over all 21 list kinds (with the
// delivered template and base list).
// Run: build/schiffsbau/schiffsbau_lib_bench_listenpruefung [-iterations N]

#include <QtTest>

#include "bench_listen_hilfen.h"
#include "komponentenbibliothek.h"
#include "listenpruefung.h"

#include <sys/resource.h>

namespace {

const int zeilenGesamt = 100000;

double prozesszeitMs()
{
    rusage r{};
    getrusage(RUSAGE_SELF, &r);
    return (r.ru_utime.tv_sec + r.ru_stime.tv_sec) * 1e3 + (r.ru_utime.tv_usec + r.ru_stime.tv_usec) / 1e3;
}

// Best processor time of `laeufe` checks of `ordner`, and the time of the first.
QPair<double, double> miss(const QString &ordner, int laeufe)
{
    double erste = 0.0;
    double beste = -1.0;
    for (int lauf = 0; lauf < laeufe; ++lauf) {
        const double anfang = prozesszeitMs();
        const QList<ListenBefund> befunde = ListenPruefung::pruefe(ordner);
        const double ms = prozesszeitMs() - anfang;
        if (!befunde.isEmpty())
            qWarning("%s: %d findings, the first: %s", qPrintable(ordner), int(befunde.size()),
                     qPrintable(befunde.first().text));
        if (lauf == 0)
            erste = ms;
        if (beste < 0 || ms < beste)
            beste = ms;
    }
    return {erste, beste};
}

} // namespace

class BenchListenPruefung : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void gelieferterOrdner();
    void generierteZeilen();
    void generierteZeilenBenchmark();

private:
    QTemporaryDir m_ordner;
};

void BenchListenPruefung::initTestCase()
{
    QVERIFY(m_ordner.isValid());
    QVERIFY(schreibeGenerierteListen(m_ordner.path(), zeilenGesamt));
    for (const char *datei : {"exportvorlage.zse", "basisliste.zsb"})
        QVERIFY(QFile::copy(QStringLiteral(ZORVEL_DATA_DIR "/") + datei, m_ordner.filePath(QLatin1String(datei))));
}

void BenchListenPruefung::gelieferterOrdner()
{
    const QPair<double, double> ms = miss(QStringLiteral(ZORVEL_DATA_DIR), 10);
    qInfo("delivered data folder: first check %.1f ms, best %.1f ms (processor time)", ms.first, ms.second);
    QVERIFY2(ms.second < 100.0, "the delivered lists must be checked in well under 100 ms");
}

void BenchListenPruefung::generierteZeilen()
{
    QVERIFY(ListenPruefung::pruefe(m_ordner.path()).isEmpty());
    const QPair<double, double> ms = miss(m_ordner.path(), 5);
    qInfo("%d generated rows: first check %.0f ms, best %.0f ms, %.2f us per row (processor time)",
          zeilenGesamt, ms.first, ms.second, ms.second * 1000.0 / zeilenGesamt);
    QVERIFY2(ms.second < 1000.0, "100,000 rows must be checked in under a second");
}

void BenchListenPruefung::generierteZeilenBenchmark()
{
    QBENCHMARK {
        ListenPruefung::pruefe(m_ordner.path());
    }
}

QTEST_GUILESS_MAIN(BenchListenPruefung)
#include "bench_listenpruefung.moc"
