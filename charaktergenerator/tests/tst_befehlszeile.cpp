// The character generator without its window, started as a script would:
// no display, sheets of several files in one PDF or text, and the errors of
// a wrong call or an unreadable file.
#include "charakter.h"
#include "charakterxml.h"
#include "regelwerk.h"

#include "../../gemeinsam/tests/programmlauf_hilfen.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestBefehlszeile : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void aufruf_data();
    void aufruf();
    void pdfJederBogenAufNeuerSeite();

private:
    QTemporaryDir m_dir;
};

namespace {

bool schreibeCharakter(const QString &pfad, const QString &name)
{
    Regelwerk regelwerk;
    Charakter c(&regelwerk);
    c.setzeText(CharakterBasis::Name, name);
    QFile datei(pfad);
    const QByteArray xml = CharakterXml::schreiben(&c);
    return datei.open(QIODevice::WriteOnly) && datei.write(xml) == xml.size();
}

} // namespace

void TestBefehlszeile::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QVERIFY(schreibeCharakter(m_dir.filePath(QStringLiteral("arkon.zch")), QStringLiteral("Arkon")));
    QVERIFY(schreibeCharakter(m_dir.filePath(QStringLiteral("vess.zch")), QStringLiteral("Jorin Vess")));
    QFile kaputt(m_dir.filePath(QStringLiteral("kaputt.zch")));
    QVERIFY(kaputt.open(QIODevice::WriteOnly) && kaputt.write("<Charakter><Basis") > 0);
    QVERIFY(QDir(m_dir.path()).mkdir(QStringLiteral("ordner")));
}

void TestBefehlszeile::aufruf_data()
{
    QTest::addColumn<QStringList>("argumente");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("ausgabe");
    QTest::addColumn<QString>("fehler");
    // A file written, with a text it must hold.
    QTest::addColumn<QString>("datei");
    QTest::addColumn<QString>("inhalt");

    QTest::newRow("Hilfe") << QStringList{"--help"} << 0 << "--pdf AUSGABE.pdf HELD.zch" << "" << "" << "";
    QTest::newRow("Version, Qt-Option bleibt Qts")
        << QStringList{"-style", "fusion", "--version"} << 0 << "charaktergenerator 0.9.3\n" << "" << "" << "";
    QTest::newRow("unbekannte Option") << QStringList{"--unsinn", "arkon.zch"} << 2 << ""
                                       << "Unbekannte Option „--unsinn“." << "" << "";
    QTest::newRow("ohne Charakter") << QStringList{"--pdf", "aus.pdf"} << 2 << ""
                                    << "Es fehlt die Charakterdatei." << "" << "";
    QTest::newRow("Text") << QStringList{"--text", "held.txt", "vess.zch"} << 0 << "" << ""
                          << "held.txt" << "Jorin Vess";
    QTest::newRow("unlesbare übersprungen")
        << QStringList{"--text", "gruppe.txt", "fehlt.zch", "kaputt.zch", "arkon.zch"} << 1 << ""
        << "kaputt.zch" << "gruppe.txt" << "Arkon";
    QTest::newRow("Ziel nicht schreibbar") << QStringList{"--pdf", "ordner", "arkon.zch"} << 1 << ""
                                           << "Die Datei ordner konnte nicht geschrieben werden." << "" << "";
}

void TestBefehlszeile::aufruf()
{
    QFETCH(QStringList, argumente);
    QFETCH(int, status);
    QFETCH(QString, ausgabe);
    QFETCH(QString, fehler);
    QFETCH(QString, datei);
    QFETCH(QString, inhalt);

    const Programmlauf lauf = starteProgramm(QStringLiteral("charaktergenerator"), argumente, m_dir.path());
    QVERIFY2(lauf.status == status, qPrintable(lauf.fehler));
    QVERIFY2(lauf.ausgabe.contains(ausgabe), qPrintable(lauf.ausgabe));
    QVERIFY2(lauf.fehler.contains(fehler), qPrintable(lauf.fehler));
    // Nothing but the program's own German messages, each naming it.
    for (const QString &zeile : lauf.fehler.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        QVERIFY2(zeile.startsWith(QLatin1String("charaktergenerator: ")) || status == 2,
                 qPrintable(zeile));
    }
    if (status == 2)
        QVERIFY(lauf.fehler.contains(QStringLiteral("Aufruf: charaktergenerator")));
    if (!datei.isEmpty()) {
        QFile f(m_dir.filePath(datei));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY(QString::fromLocal8Bit(f.readAll()).contains(inhalt));
    }
}

void TestBefehlszeile::pdfJederBogenAufNeuerSeite()
{
    const QString ordner = m_dir.path();
    const QString programm = QStringLiteral("charaktergenerator");
    QCOMPARE(starteProgramm(programm, {"--pdf", "a.pdf", "arkon.zch"}, ordner).status, 0);
    QCOMPARE(starteProgramm(programm, {"--pdf", "v.pdf", "vess.zch"}, ordner).status, 0);
    QCOMPARE(starteProgramm(programm, {"--pdf=gruppe.pdf", "arkon.zch", "vess.zch", "arkon.zch"}, ordner).status, 0);
    const int a = pdfSeiten(m_dir.filePath(QStringLiteral("a.pdf")));
    const int v = pdfSeiten(m_dir.filePath(QStringLiteral("v.pdf")));
    QVERIFY(a >= 1 && v >= 1);
    QCOMPARE(pdfSeiten(m_dir.filePath(QStringLiteral("gruppe.pdf"))), 2 * a + v);
}

QTEST_GUILESS_MAIN(TestBefehlszeile)
#include "tst_befehlszeile.moc"
