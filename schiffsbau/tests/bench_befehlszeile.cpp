// Times the data sheets of a fleet: 100 ships (the base list with a few
// dozen components each) into one PDF, by the program started as a script
// would. Must take under 10 s of processor time.
//
// Run (release build, as scripts/setup.sh configures it):
//   ./build/schiffsbau/schiffsbau_lib_bench_befehlszeile
#include "../../gemeinsam/tests/programmlauf_hilfen.h"

#include <QTemporaryDir>
#include <QtTest>

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
    const GemessenerLauf m = starteGemessen(QStringLiteral("schiffsbau"), argumente, dir.path(),
                                            QStringLiteral("flotte.pdf"));
    QCOMPARE(m.status, 0);
    qInfo("100 ship data sheets, %d pages: %lld ms, processor time %lld ms", m.seiten, m.ms, m.prozessorMs);
    // The wall time depends on the load of the machine.
    QVERIFY(m.prozessorMs < 10000);
}

QTEST_GUILESS_MAIN(BenchBefehlszeile)
#include "bench_befehlszeile.moc"
