// A ship saved before its lists changed: opening it names exactly the
// values that differ, "Auf aktuelle Listen umstellen" takes today's as one
// step; and the list problems found at start-up show in the status bar.
#include "tst_fenster_hilfen.h"

#include "komponente.h"
#include "listenpruefung.h"
#include "mainwindow.h"
#include "schiffsmodel.h"

#include <QAction>
#include <QLabel>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

class TestListenAbgleich : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void geaenderteWerteUndUmstellen();
    void problemeBeimStart();

private:
    std::unique_ptr<QTemporaryDir> m_pDir;
    QString m_alt;
};

void TestListenAbgleich::init()
{
    m_pDir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_pDir->isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       m_pDir->filePath(QStringLiteral("einstellungen")));
    QVERIFY(schreibeReaktorliste(m_pDir->path()));
    m_alt = QDir::currentPath();
    QVERIFY(QDir::setCurrent(m_pDir->path()));
}

void TestListenAbgleich::cleanup()
{
    QDir::setCurrent(m_alt);
}

void TestListenAbgleich::geaenderteWerteUndUmstellen()
{
    // Saved while the first reactor cost 50000 St; the list now says 65000.
    // The blitz reactor is as listed, the old one is in no list any more.
    QFile schiff(m_pDir->filePath(QStringLiteral("falke.zss")));
    QVERIFY(schiff.open(QIODevice::WriteOnly));
    schiff.write("2.0;Falke;;\n"
                 "7;1;Fusionsreaktor A;Kern AG;L;12;50000;2.5;40;100;GSTPV;\n"
                 "7;2;Blitzreaktor;Zet;L;10;20000;1.5;20;80;GSTPV;\n"
                 "7;1;Altreaktor;Zet;L;9;1000;9;10;10;GSTPV;\n");
    schiff.close();
    QFile liste(m_pDir->filePath(QStringLiteral("listen/reaktoren_test.csv")));
    QVERIFY(liste.open(QIODevice::ReadOnly));
    QByteArray zeilen = liste.readAll();
    liste.close();
    zeilen.replace("Kern AG;L;12;50000;", "Kern AG;L;12;65000;");
    QVERIFY(liste.open(QIODevice::WriteOnly | QIODevice::Truncate) && liste.write(zeilen) == zeilen.size());
    liste.close();

    DialogWaechter waechter;
    MainWindow fenster;
    fenster.oeffneDatei(schiff.fileName());
    QCOMPARE(waechter.titel, QStringList{QStringLiteral("Abweichungen von den Listen")});
    const QString text = waechter.texte.value(0);
    QVERIFY2(text.contains(QStringLiteral("\nFusionsreaktor A: Preis 50.000 St, in der Liste jetzt 65.000 St\n"
                                          "Altreaktor: nicht mehr in den Listen\n")),
             qPrintable(text));
    QVERIFY(!text.contains(QStringLiteral("Blitzreaktor")));

    // The ship keeps its stored values until the user asks for today's.
    SchiffsModel *model = fenster.schiffsModel();
    QCOMPARE(model->komponente(0)->preis(), 50000);
    kindVon<QAction>(&fenster, "actionAktualisieren")->trigger();
    QCOMPARE(model->rowCount(), 3);
    QCOMPARE(model->komponente(0)->preis(), 65000);
    QCOMPARE(model->anzahl(1), 2);
    QCOMPARE(model->komponente(2)->name(), QStringLiteral("Altreaktor"));

    // One step: undone at once.
    auto *rueckgaengig = kindVon<QAction>(&fenster, "actionRueckgaengig");
    QVERIFY2(rueckgaengig->text().remove(QLatin1Char('&')).contains(QStringLiteral("Auf aktuelle Listen umstellen")),
             qPrintable(rueckgaengig->text()));
    rueckgaengig->trigger();
    QCOMPARE(model->rowCount(), 3);
    QCOMPARE(model->komponente(0)->preis(), 50000);
    QVERIFY(!rueckgaengig->isEnabled());
}

void TestListenAbgleich::problemeBeimStart()
{
    // The folder lacks the base list and the template, and one row is cut
    // short.
    QFile liste(m_pDir->filePath(QStringLiteral("listen/reaktoren_test.csv")));
    QVERIFY(liste.open(QIODevice::Append));
    liste.write("Kurz;Zet;L;7\n");
    liste.close();
    const qsizetype probleme = ListenPruefung::pruefe(m_pDir->path()).size();
    QVERIFY(probleme >= 3);

    std::unique_ptr<MainWindow> fenster;
    {
        DialogWaechter waechter;
        fenster = std::make_unique<MainWindow>();
    }
    auto *hinweis = kindVon<QLabel>(fenster.get(), "labelListenProbleme");
    QVERIFY2(hinweis->text().contains(QStringLiteral(">%1 Probleme in den Listen – Liste → Listen prüfen ...<")
                                          .arg(probleme)),
             qPrintable(hinweis->text()));

    // A click on it opens the checker.
    QString geoeffnet;
    {
        DialogWaechter waechter;
        emit hinweis->linkActivated(QStringLiteral("#"));
        geoeffnet = waechter.andereKlassen.value(0);
    }
    QCOMPARE(geoeffnet, QStringLiteral("ListenPruefungDialog"));
}

QTEST_MAIN(TestListenAbgleich)
#include "tst_listenabgleich.moc"
