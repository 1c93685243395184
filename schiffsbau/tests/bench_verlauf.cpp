// Times one undo and one redo of a realistic ship in the real window: the
// delivered base list and a component of every list category, several
// hundred rows in all. Each must take well under 5 ms.
//
// Run (release build, as scripts/setup.sh configures it), in the data folder:
//   cd build/schiffsbau/data && ../schiffsbau_lib_bench_verlauf -platform offscreen
#include "komponentenbibliothek.h"
#include "mainwindow.h"
#include "schiffsmodel.h"

#include <QAction>
#include <QElapsedTimer>
#include <QtTest>

class BenchVerlauf : public QObject
{
    Q_OBJECT

private slots:
    void undoUndRedo();
};

void BenchVerlauf::undoUndRedo()
{
    if (!QFileInfo::exists(QStringLiteral("listen")))
        QDir::setCurrent(QStringLiteral(ZORVEL_DATA_DIR));
    MainWindow w;
    KomponentenBibliothek *bib = w.bibliothek();
    for (int kat = 0; kat < bib->anzahlKategorien(); ++kat) {
        for (int i = 0; i < bib->anzahlElemente(kat) && i < 12; ++i)
            w.onAddKomponente(uint(kat), uint(i), 1 + i);
    }
    qInfo("%d rows", w.schiffsModel()->rowCount());

    QAction *undo = w.findChild<QAction *>(QStringLiteral("actionRueckgaengig"));
    QAction *redo = w.findChild<QAction *>(QStringLiteral("actionWiederholen"));
    QVERIFY(undo && redo && undo->isEnabled());
    constexpr int runden = 100;
    QElapsedTimer uhr;
    uhr.start();
    for (int i = 0; i < runden; ++i) {
        undo->trigger();
        redo->trigger();
    }
    const double ms = double(uhr.nsecsElapsed()) / 1e6 / (2 * runden);
    qInfo("one undo or redo: %.2f ms (limit 5 ms)", ms);
    QVERIFY(ms < 5.0);
}

QTEST_MAIN(BenchVerlauf)
#include "bench_verlauf.moc"
