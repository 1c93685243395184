// Times one undo and one redo of a realistic ship in the real window: the
// delivered base list and a component of every list category, several
// hundred rows in all. Each must take well under 5 ms. Writing the
// recovery copy of a ship of 1,000 rows must too.
//
// Run (release build, as scripts/setup.sh configures it), in the data folder:
//   cd build/schiffsbau/data && ../schiffsbau_lib_bench_verlauf -platform offscreen
#include "komponentenbibliothek.h"
#include "mainwindow.h"
#include "rettungskopie.h"
#include "rettungsmessung.h"
#include "schiffsmodel.h"

#include <QAction>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>

class BenchVerlauf : public QObject
{
    Q_OBJECT

private slots:
    void undoUndRedo();
    void rettungskopie();
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

void BenchVerlauf::rettungskopie()
{
    if (!QFileInfo::exists(QStringLiteral("listen")))
        QDir::setCurrent(QStringLiteral(ZORVEL_DATA_DIR));
    QTemporaryDir ordner;
    Rettungskopie::setzeOrdner(ordner.path());
    MainWindow w;
    KomponentenBibliothek *bib = w.bibliothek();
    for (int i = 0; w.schiffsModel()->rowCount() < 1000; ++i) {
        const int kat = i % bib->anzahlKategorien();
        if (bib->anzahlElemente(kat) > 0)
            w.onAddKomponente(uint(kat), uint((i / bib->anzahlKategorien()) % bib->anzahlElemente(kat)), 1 + i % 7);
    }
    qInfo("%d rows", w.schiffsModel()->rowCount());

    auto *name = w.findChild<QLineEdit *>(QStringLiteral("editName"));
    constexpr int runden = 100;
    QVERIFY(messeRettungskopie(w.rettungskopie(), runden, [&](int i) {
        name->setText(QStringLiteral("Kormoran %1").arg(i)); // a changed ship each time
    }));
    Rettungskopie::setzeOrdner(QString());
}

QTEST_MAIN(BenchVerlauf)
#include "bench_verlauf.moc"
