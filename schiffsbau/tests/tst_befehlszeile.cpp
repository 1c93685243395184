// The ship builder without its window, started as a script would: no
// display, data sheets of several ships in one PDF, the list check of a
// folder and ships checked against today's lists.
#include "tst_fenster_hilfen.h"

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
    void pruefen_data();
    void pruefen();
    void aufruf_data();
    void aufruf();
    void pdfJedesSchiffAufNeuerSeite();

private:
    QTemporaryDir m_dir;
};

namespace {

bool schreibe(const QString &pfad, const QByteArray &daten)
{
    QFile datei(pfad);
    return datei.open(QIODevice::WriteOnly) && datei.write(daten) == daten.size();
}

} // namespace

void TestBefehlszeile::initTestCase()
{
    QVERIFY(m_dir.isValid());
    const QString daten = m_dir.filePath(QStringLiteral("daten"));
    QVERIFY(schreibeReaktorliste(daten));
    QVERIFY(QFile::copy(QStringLiteral(ZORVEL_DATA_DIR "/exportvorlage.zse"),
                        daten + QStringLiteral("/exportvorlage.zse")));
    // Saved while the first reactor cost 50000 St and weighed 2.5 t; the
    // list now says 65000 St and 3 t. The third is in no list any more.
    QVERIFY(schreibe(m_dir.filePath(QStringLiteral("falke.zss")),
                     "2.0;Falke;;\n"
                     "7;1;Fusionsreaktor A;Kern AG;L;12;50000;2.5;40;100;GSTPV;\n"
                     "7;2;Blitzreaktor;Zet;L;10;20000;1.5;20;80;GSTPV;\n"
                     "7;1;Altreaktor;Zet;L;9;1000;9;10;10;GSTPV;\n"));
    QFile liste(daten + QStringLiteral("/listen/reaktoren_test.csv"));
    QVERIFY(liste.open(QIODevice::ReadOnly));
    QByteArray zeilen = liste.readAll();
    liste.close();
    zeilen.replace("Kern AG;L;12;50000;2.5;", "Kern AG;L;12;65000;3;");
    QVERIFY(schreibe(liste.fileName(), zeilen));
    QVERIFY(schreibe(m_dir.filePath(QStringLiteral("kaputt.zss")), "3.0;Unbekannt;;\n7;1;X;\n"));
    QVERIFY(schreibe(m_dir.filePath(QStringLiteral("steuerzeichen.zss")), "2.0;Steuer;;\n0;1;\x1b[2JFremd;\n"));
    // Lists with faults: a negative price, a row cut short.
    const QString falsch = m_dir.filePath(QStringLiteral("falsch"));
    QVERIFY(QDir().mkpath(falsch + QStringLiteral("/listen")));
    QVERIFY(schreibe(falsch + QStringLiteral("/listen/reaktoren.csv"),
                     "Bezeichnung;Hersteller;Leg.;TL;St;t;RE;Res;Einheit\n"
                     "Fusionsreaktor A;Kern AG;L;12;50000;2.5;40;100;GSTPV\n"
                     "Blitz;Zet;L;10;-20000;1.5;20;80;GSTPV\n"
                     "Kurz;Zet;L;7\n"));
    QVERIFY(QDir().mkpath(m_dir.filePath(QStringLiteral("ohne"))));
}

void TestBefehlszeile::pruefen_data()
{
    QTest::addColumn<QString>("ordner");
    QTest::addColumn<int>("status");
    // The findings of the list file, by their "datei:zeile:" beginning.
    QTest::addColumn<QStringList>("zeilen");

    QTest::newRow("geliefert") << QStringLiteral(ZORVEL_DATA_DIR) << 0 << QStringList();
    QTest::newRow("fehlerhaft") << QStringLiteral("falsch") << 1
                                << QStringList{"falsch/listen/reaktoren.csv:3: Feld 5 (St /n) „-20000“",
                                               "falsch/listen/reaktoren.csv:4: Die Zeile hat 4 Felder"};
    QTest::newRow("ohne Listen") << QStringLiteral("ohne") << 2 << QStringList();
}

void TestBefehlszeile::pruefen()
{
    QFETCH(QString, ordner);
    QFETCH(int, status);
    QFETCH(QStringList, zeilen);

    const Programmlauf lauf = starteProgramm(QStringLiteral("schiffsbau"), {"--pruefen", ordner}, m_dir.path());
    QCOMPARE(lauf.status, status);
    if (status == 2) {
        QVERIFY2(lauf.fehler.contains(QStringLiteral("enthält keine Listen")), qPrintable(lauf.fehler));
        return;
    }
    QStringList ausgabe = lauf.ausgabe.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QVERIFY(!ausgabe.isEmpty());
    const QString summe = ausgabe.takeLast();
    QCOMPARE(summe, ausgabe.isEmpty() ? QStringLiteral("keine Befunde")
                                      : QStringLiteral("%1 Befunde").arg(ausgabe.size()));
    const QStringList liste = ausgabe.filter(QStringLiteral("/listen/"));
    QCOMPARE(liste.size(), zeilen.size());
    for (int i = 0; i < zeilen.size(); ++i)
        QVERIFY2(liste.at(i).startsWith(zeilen.at(i)), qPrintable(liste.at(i)));
}

void TestBefehlszeile::aufruf_data()
{
    QTest::addColumn<QStringList>("argumente");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("ausgabe");
    QTest::addColumn<QString>("fehler");

    QTest::newRow("Version") << QStringList{"--version"} << 0 << "schiffsbau 0.12.0\n" << "";
    QTest::newRow("unbekannte Option") << QStringList{"--unsinn=1", "falke.zss"} << 2 << ""
                                       << "Unbekannte Option „--unsinn“.";
    QTest::newRow("heutige Listen")
        << QStringList{"--daten", "daten", "--pruefen-schiff", "falke.zss"} << 1
        << "falke.zss: Fusionsreaktor A: Preis 50.000 St, in der Liste jetzt 65.000 St; "
           "Gewicht 2,5 t, in der Liste jetzt 3 t\n"
           "falke.zss: Altreaktor: nicht mehr in den Listen\n"
        << "";
    QTest::newRow("unlesbar übersprungen")
        << QStringList{"--daten", "daten", "--text", "falke.txt", "kaputt.zss", "falke.zss"} << 1 << ""
        << "schiffsbau: Die Datei kaputt.zss ist keine Schiffsdatei";
    // A component no list knows fails the comparison; the terminal shows no
    // escape sequence from the file.
    QTest::newRow("unbekannte Komponente")
        << QStringList{"--daten", "daten", "--pruefen-schiff", "steuerzeichen.zss"} << 1 << ""
        << "wurden Komponenten nicht gefunden: 1x ?[2JFremd (Zeile 2)";
    QTest::newRow("Datenordner fehlt") << QStringList{"--daten", "fehlt", "--pdf", "a.pdf", "falke.zss"} << 2
                                       << "" << "Der Datenordner fehlt existiert nicht.";
}

void TestBefehlszeile::aufruf()
{
    QFETCH(QStringList, argumente);
    QFETCH(int, status);
    QFETCH(QString, ausgabe);
    QFETCH(QString, fehler);

    const Programmlauf lauf = starteProgramm(QStringLiteral("schiffsbau"), argumente, m_dir.path());
    QVERIFY2(lauf.status == status, qPrintable(lauf.fehler));
    QCOMPARE(lauf.ausgabe, ausgabe);
    QVERIFY2(lauf.fehler.contains(fehler), qPrintable(lauf.fehler));
    if (argumente.contains(QStringLiteral("--text"))) {
        QFile text(m_dir.filePath(QStringLiteral("falke.txt")));
        QVERIFY(text.open(QIODevice::ReadOnly));
        QVERIFY(text.readAll().contains("Falke"));
    }
}

void TestBefehlszeile::pdfJedesSchiffAufNeuerSeite()
{
    const QString ordner = m_dir.path();
    const QString basis = QStringLiteral(ZORVEL_DATA_DIR "/basisliste.zsb");
    const QString programm = QStringLiteral("schiffsbau");
    const QStringList daten{"--daten", "daten"};
    QCOMPARE(starteProgramm(programm, daten + QStringList{"--pdf", "a.pdf", "falke.zss"}, ordner).status, 0);
    QCOMPARE(starteProgramm(programm, {"--pdf", "b.pdf", basis}, ordner).status, 0);
    QCOMPARE(starteProgramm(programm, daten + QStringList{"--pdf", "ab.pdf", "falke.zss", basis, "falke.zss"}, ordner).status, 0);
    const int a = pdfSeiten(m_dir.filePath(QStringLiteral("a.pdf")));
    const int b = pdfSeiten(m_dir.filePath(QStringLiteral("b.pdf")));
    QVERIFY(a >= 1 && b >= 1);
    QCOMPARE(pdfSeiten(m_dir.filePath(QStringLiteral("ab.pdf"))), 2 * a + b);
}

QTEST_MAIN(TestBefehlszeile)
#include "tst_befehlszeile.moc"
