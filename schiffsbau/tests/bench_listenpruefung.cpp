// Times the list checker: on the delivered data folder and on a generated
// folder of 100,000 component rows spread over all 21 list kinds (with the
// delivered template and base list).
// Run: build/schiffsbau/schiffsbau_lib_bench_listenpruefung [-iterations N]

#include <QtTest>

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

// Column count of each list kind (category index -> fields).
const QList<QPair<int, int>> arten{
    {1, 11}, {4, 8}, {5, 8}, {6, 10}, {7, 9}, {8, 9}, {9, 11}, {10, 10}, {11, 10}, {12, 9}, {13, 10},
    {14, 11}, {15, 10}, {16, 12}, {17, 10}, {18, 10}, {19, 9}, {20, 11}, {21, 12}, {22, 11}, {23, 11}};

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
    QDir d(m_ordner.path());
    QVERIFY(d.mkpath("listen"));
    const int proArt = zeilenGesamt / int(arten.size());
    int geschrieben = 0;
    for (int a = 0; a < arten.size(); ++a) {
        const int kat = arten.at(a).first;
        const int spalten = arten.at(a).second;
        const int zeilen = (a == arten.size() - 1) ? zeilenGesamt - geschrieben : proArt;
        QByteArray inhalt = "Bezeichnung;Hersteller;Leg.;TL;St /n;t /n\n";
        for (int z = 0; z < zeilen; ++z) {
            inhalt += "Komponente " + QByteArray::number(z) + " \xe4\xf6\xfc;Hersteller;B;"
                      + QByteArray::number(8 + z % 9) + ";" + QByteArray::number(1000 + z) + ";0.5";
            for (int s = 6; s < spalten - 2; ++s)
                inhalt += ";" + QByteArray::number(s * 7 + z % 13);
            inhalt += (kat == 22 || kat == 23 || kat == 1) ? ";Schaden 2W10" : ";12";
            inhalt += (z % 2) ? ";GSTPV\n" : ";St\xfc" "ck\n";
        }
        QFile datei(d.filePath(QStringLiteral("listen/") + KomponentenBibliothek::dateiMuster(kat).replace("*", "_bench")));
        QVERIFY(datei.open(QIODevice::WriteOnly));
        QCOMPARE(datei.write(inhalt), inhalt.size());
        geschrieben += zeilen;
    }
    for (const char *datei : {"exportvorlage.zse", "basisliste.zsb"})
        QVERIFY(QFile::copy(QStringLiteral(ZORVEL_DATA_DIR "/") + datei, d.filePath(datei)));
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
