// Recomputes the data of a ship of 10,000 installed rows, a mix of every
// list kind and every built-in fitting. The calculation must stay under
// 100 ns per row. The preview of an addition in the chooser (the ship
// recomputed with the component and the table of changed values filled)
// must take under 1 ms for a ship of 1,000 rows.
//
// Run: build the target schiffsbau_lib_bench_schiffsdaten in a release build
// (RelWithDebInfo, as scripts/setup.sh configures it) and start it:
//   cmake --build build --target schiffsbau_lib_bench_schiffsdaten
//   ./build/schiffsbau/schiffsbau_lib_bench_schiffsdaten
#include <QtTest>

#include "diverse.h"
#include "komponente.h"
#include "komponentenauswahl.h"
#include "komponentenbibliothek.h"
#include "schiffsdaten.h"
#include "schiffsmodel.h"

#include <QElapsedTimer>

namespace {

constexpr int anzahlZeilen = 10000;

} // namespace

class BenchSchiffsDaten : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void berechne();
    void nanosekundenProZeile();
    void vorschauTausendZeilen();

private:
    // Appends `anzahl` rows of the mix to `model`.
    void fuelle(SchiffsModel *model, int anzahl);

    KomponentenBibliothek m_bibliothek;
    SchiffsModel *m_model = nullptr;
};

void BenchSchiffsDaten::initTestCase()
{
    m_model = new SchiffsModel;
    QCOMPARE(m_model->rowCount(), 0);
    fuelle(m_model, anzahlZeilen);
}

void BenchSchiffsDaten::fuelle(SchiffsModel *model, int anzahl)
{
    // Every list kind gets a row of plain numbers, long enough for each kind.
    const QStringList felder{ "Bench", "Werft", "A", "10", "1500", "0.5",
                              "3", "2", "1", "1", "1", "GSTPV" };
    QList<int> listenKategorien;
    for (int kat = 0; kat < KomponentenBibliothek::AnzahlKategorien; ++kat) {
        if (kat != 0 && kat != 2 && kat != 3)
            listenKategorien << kat;
    }
    for (int i = 0; i < anzahl; ++i) {
        Komponente *k = nullptr;
        if (i % 3 == 0) {
            Diverse *d = new Diverse;
            d->setzeTyp(1 + (i / 3) % Diverse::AnzahlTypen);
            d->leseZeile(QStringList());
            k = d;
        } else {
            k = m_bibliothek.ausFeldern(listenKategorien.at(i % listenKategorien.size()), felder);
        }
        QVERIFY(k);
        model->addKomponente(k, 1 + i % 50);
    }
}

void BenchSchiffsDaten::cleanupTestCase()
{
    delete m_model;
}

void BenchSchiffsDaten::berechne()
{
    SchiffsDaten d;
    QBENCHMARK {
        d = m_model->berechne();
    }
    QVERIFY(d.preis > 0);
}

void BenchSchiffsDaten::nanosekundenProZeile()
{
    // Warm up, then take the best of several rounds of recomputing.
    SchiffsDaten d = m_model->berechne();
    double besteNs = 1e300;
    for (int runde = 0; runde < 20; ++runde) {
        QElapsedTimer uhr;
        uhr.start();
        constexpr int wiederholungen = 10;
        for (int w = 0; w < wiederholungen; ++w)
            d = m_model->berechne();
        const double ns = double(uhr.nsecsElapsed()) / (wiederholungen * double(anzahlZeilen));
        besteNs = std::min(besteNs, ns);
    }
    QCOMPARE(m_model->rowCount(), anzahlZeilen);
    QVERIFY(d.gstp > 0);
    qInfo("Recomputing %d rows: %.1f ns per row", anzahlZeilen, besteNs);
    QVERIFY2(besteNs < 100.0, qPrintable(QStringLiteral("%1 ns per row").arg(besteNs)));
}

void BenchSchiffsDaten::vorschauTausendZeilen()
{
    constexpr int zeilen = 1000;
    SchiffsModel schiff;
    fuelle(&schiff, zeilen);
    KomponentenAuswahl auswahl(&m_bibliothek);
    Komponente *k = schiff.komponente(1);
    const SchiffsDaten jetzt = schiff.berechne();
    double besteMs = 1e300;
    SchiffsDaten danach;
    for (int runde = 0; runde < 50; ++runde) {
        QElapsedTimer uhr;
        uhr.start();
        danach = schiff.berechneMit(k, 3);
        auswahl.zeigeWirkung(jetzt, danach);
        besteMs = std::min(besteMs, double(uhr.nsecsElapsed()) / 1e6);
    }
    QCOMPARE(schiff.rowCount(), zeilen);
    QVERIFY(danach.preis > jetzt.preis);
    qInfo("Preview of an addition, %d rows: %.3f ms", zeilen, besteMs);
    QVERIFY2(besteMs < 1.0, qPrintable(QStringLiteral("%1 ms").arg(besteMs)));
}

QTEST_MAIN(BenchSchiffsDaten)
#include "bench_schiffsdaten.moc"
