// Where the ship builder finds its data: the search order of the folders,
// the files taken from the folder in use, and the warning when no folder
// holds component lists.
#include "datenordner.h"
#include "komponente.h"
#include "komponentenbibliothek.h"
#include "mainwindow.h"
#include "persistenz.h"
#include "schiffsmodel.h"
#include "tst_fenster_hilfen.h"

#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {
bool schreibe(const QString &pfad, const QByteArray &bytes)
{
    QFile f(pfad);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}
} // namespace

class TestDatenOrdner : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void suchfolge();
    void ersterOrdnerMitListenGilt_data();
    void ersterOrdnerMitListenGilt();
    void dateienAusDemOrdnerInGebrauch();
    void ohneListenWarnung();

private:
    QString ordner(const QString &name) const { return m_pDir->filePath(name); }

    std::unique_ptr<QTemporaryDir> m_pDir;
    QString m_altesVerzeichnis;
};

void TestDatenOrdner::init()
{
    m_pDir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_pDir->isValid());
    m_altesVerzeichnis = QDir::currentPath();
}

void TestDatenOrdner::cleanup()
{
    DatenOrdner::setze(QString(), QStringList());
    qApp->setStyleSheet(QString());
    QDir::setCurrent(m_altesVerzeichnis);
    m_pDir.reset();
}

void TestDatenOrdner::suchfolge()
{
    const QStringList folge = DatenOrdner::suchfolge(QStringLiteral("/home/spieler/schiffe"),
                                                     QStringLiteral("/home/spieler/.local/share/zorvel2/schiffsbau"),
                                                     QStringLiteral("/opt/zorvel2/bin"));
    QCOMPARE(folge, QStringList({QStringLiteral("/home/spieler/schiffe"),
                                 QStringLiteral("/home/spieler/.local/share/zorvel2/schiffsbau"),
                                 QStringLiteral("/opt/zorvel2/share/zorvel2/schiffsbau"),
                                 QStringLiteral("/opt/zorvel2/bin/data")}));
    // This process: the working directory comes first.
    QCOMPARE(DatenOrdner::suchfolge().first(), QDir::currentPath());
}

// Which of the four folders hold "listen" (a bit each: working directory,
// user folder, installed folder, build folder) and which one is used.
void TestDatenOrdner::ersterOrdnerMitListenGilt_data()
{
    QTest::addColumn<int>("mitListen");
    QTest::addColumn<int>("erwartet");
    QTest::newRow("alle") << 0xF << 0;
    QTest::newRow("Benutzer vor Installation") << 0xE << 1;
    QTest::newRow("Installation vor Bauordner") << 0xC << 2;
    QTest::newRow("nur Bauordner") << 0x8 << 3;
    QTest::newRow("Arbeitsordner allein") << 0x1 << 0;
    QTest::newRow("keiner") << 0x0 << -1;
}

void TestDatenOrdner::ersterOrdnerMitListenGilt()
{
    QFETCH(int, mitListen);
    QFETCH(int, erwartet);
    const QStringList folge = DatenOrdner::suchfolge(ordner(QStringLiteral("arbeit")), ordner(QStringLiteral("benutzer")),
                                                     ordner(QStringLiteral("prefix/bin")));
    QCOMPARE(folge.size(), 4);
    for (int i = 0; i < 4; ++i) {
        // A folder without "listen" holds the other files: it still does not count.
        QVERIFY(QDir().mkpath(folge.at(i)));
        QVERIFY(schreibe(folge.at(i) + QStringLiteral("/basisliste.zsb"), "2.0;;;\n"));
        if (mitListen & (1 << i))
            QVERIFY(QDir().mkpath(folge.at(i) + QStringLiteral("/listen")));
    }
    QCOMPARE(DatenOrdner::finde(folge), erwartet < 0 ? QString() : folge.at(erwartet));
}

void TestDatenOrdner::dateienAusDemOrdnerInGebrauch()
{
    // Until a folder is set, everything is relative to the working directory.
    QCOMPARE(DatenOrdner::pfad(QStringLiteral("style.qss")), QStringLiteral("style.qss"));

    const QString daten = ordner(QStringLiteral("daten"));
    QVERIFY(schreibeReaktorliste(daten));
    QVERIFY(QDir().mkpath(ordner(QStringLiteral("anderswo"))));
    QVERIFY(QDir::setCurrent(ordner(QStringLiteral("anderswo"))));
    DatenOrdner::setze(daten, QStringList(daten));
    QVERIFY(DatenOrdner::hatListen());
    QCOMPARE(DatenOrdner::pfad(QStringLiteral("basisliste.zsb")), daten + QStringLiteral("/basisliste.zsb"));

    QVERIFY(schreibe(daten + QStringLiteral("/basisliste.zsb"), "2.0;;;\n7;2;Blitzreaktor;Zet;L;10;20000;1.5;20;80;GSTPV;\n"));
    QVERIFY(schreibe(daten + QStringLiteral("/style.qss"), "QLabel { color: navy; }"));

    DialogWaechter waechter;
    MainWindow fenster;
    QVERIFY2(waechter.texte.isEmpty(), qPrintable(waechter.texte.join(QLatin1Char('|'))));
    QCOMPARE(fenster.bibliothek()->anzahlElemente(KatReaktoren), 3);
    QCOMPARE(fenster.schiffsModel()->rowCount(), 1);
    QCOMPARE(fenster.schiffsModel()->anzahl(0), 2);
    QCOMPARE(qApp->styleSheet(), QStringLiteral("QLabel { color: navy; }"));
    SchiffsModel model;
    Persistenz persistenz(&model, fenster.bibliothek());
    QCOMPARE(persistenz.vorlage(), daten + QStringLiteral("/exportvorlage.zse"));
}

void TestDatenOrdner::ohneListenWarnung()
{
    const QStringList gesucht = {ordner(QStringLiteral("a")), ordner(QStringLiteral("b"))};
    QVERIFY(QDir::setCurrent(m_pDir->path()));
    DatenOrdner::setze(QString(), gesucht);
    QVERIFY(!DatenOrdner::hatListen());
    DialogWaechter waechter;
    MainWindow fenster;
    QCOMPARE(waechter.titel, QStringList(QStringLiteral("Keine Komponentenlisten")));
    QCOMPARE(waechter.texte.size(), 1);
    for (const QString &o : gesucht)
        QVERIFY2(waechter.texte.at(0).contains(QDir::toNativeSeparators(o)), qPrintable(waechter.texte.at(0)));
}

QTEST_MAIN(TestDatenOrdner)
#include "tst_datenordner.moc"
