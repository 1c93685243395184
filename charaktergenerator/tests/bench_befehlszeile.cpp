// Times the sheets of a campaign folder: 100 characters with every text
// field filled into one PDF, by the program started as a script would. Must
// take under 10 s of processor time.
//
// Run (release build, as scripts/setup.sh configures it):
//   ./build/charaktergenerator/charaktergenerator_lib_bench_befehlszeile
#include "charakter.h"
#include "charakterxml.h"
#include "regelwerk.h"

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
    Regelwerk regelwerk;
    Charakter c(&regelwerk);
    QStringList argumente{QStringLiteral("--pdf"), QStringLiteral("gruppe.pdf")};
    for (int i = 0; i < 100; ++i) {
        for (int t = 0; t < CharakterBasis::AnzahlTexte; ++t)
            c.setzeText(t, QStringLiteral("Ein Absatz Geschichte, wie ihn ein Spieler schreibt. ").repeated(4));
        c.setzeText(CharakterBasis::Name, QStringLiteral("Held %1").arg(i));
        const QString datei = QStringLiteral("held%1.zch").arg(i);
        QFile f(dir.filePath(datei));
        const QByteArray xml = CharakterXml::schreiben(&c);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(xml) == xml.size());
        argumente << datei;
    }
    const GemessenerLauf m = starteGemessen(QStringLiteral("charaktergenerator"), argumente, dir.path(),
                                            QStringLiteral("gruppe.pdf"));
    QCOMPARE(m.status, 0);
    qInfo("100 character sheets, %d pages: %lld ms, processor time %lld ms", m.seiten, m.ms, m.prozessorMs);
    // The wall time depends on the load of the machine.
    QVERIFY(m.prozessorMs < 10000);
}

QTEST_GUILESS_MAIN(BenchBefehlszeile)
#include "bench_befehlszeile.moc"
