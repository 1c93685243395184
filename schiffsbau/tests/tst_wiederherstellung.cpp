// Ships left unsaved by ended instances come back one per start, the
// newest first, and only the user's word deletes one.
#include "mainwindow.h"
#include "programmstart.h"
#include "rettungskopie.h"
#include "tst_fenster_hilfen.h"

#include <QDir>
#include <QLineEdit>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

class TestWiederherstellung : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void kopienNacheinander();
    void teilweiseGenommeneKopieBleibt();

private:
    QString ordner() const { return m_dir.filePath(QStringLiteral("wiederherstellung")); }
    QStringList kopien() const
    {
        return QDir(ordner()).entryList({ QLatin1Char('*') + Rettungskopie::kopieEndung() }, QDir::Files);
    }
    // A never-saved ship named `name`, its copy written, and its program
    // gone without closing the window.
    void hinterlasse(const QString &name);

    QTemporaryDir m_dir;
    QString m_altesVerzeichnis;
};

void TestWiederherstellung::init()
{
    m_altesVerzeichnis = QDir::currentPath();
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       m_dir.filePath(QStringLiteral("einstellungen")));
    QSettings().clear();
    QVERIFY(QDir::setCurrent(QStringLiteral(ZORVEL_DATA_DIR)));
    // Never the user's own folder.
    Rettungskopie::setzeOrdner(ordner());
}

void TestWiederherstellung::cleanup()
{
    Rettungskopie::setzeOrdner(QString());
    qApp->setStyleSheet(QString());
    QDir::setCurrent(m_altesVerzeichnis);
}

void TestWiederherstellung::hinterlasse(const QString &name)
{
    MainWindow fenster;
    kindVon<QLineEdit>(&fenster, "editName")->setText(name);
    QVERIFY(fenster.isWindowModified());
    QVERIFY(fenster.rettungskopie()->schreibeJetzt());
    QVERIFY(fenster.rettungskopie()->warte());
}

void TestWiederherstellung::kopienNacheinander()
{
    hinterlasse(QStringLiteral("Kormoran"));
    QTest::qWait(5); // the second copy is the newer one
    hinterlasse(QStringLiteral("Falke"));
    QCOMPARE(kopien().size(), 2);

    {
        DialogWaechter waechter; // accepts the box: its default, "Wiederherstellen"
        const std::unique_ptr<MainWindow> fenster = Programmstart::starte<MainWindow>(QString());
        QCOMPARE(waechter.titel, QStringList{ QStringLiteral("Wiederherstellung") });
        QVERIFY(waechter.texte[0].contains(QStringLiteral("„Falke“ (nie gespeichert)")));
        QVERIFY(waechter.texte[0].contains(QStringLiteral("Eine weitere Kopie wartet")));
        // A new, changed ship.
        QCOMPARE(kindVon<QLineEdit>(fenster.get(), "editName")->text(), QStringLiteral("Falke"));
        QCOMPARE(fenster->windowTitle().remove(QStringLiteral("[*]")),
                 QStringLiteral("ZORVEL2 - Schiffsbau-Assistent V0.12.0"));
        QVERIFY(fenster->isWindowModified());
        QCOMPARE(kopien().size(), 2); // the window's own now, and the one waiting
        QVERIFY(fenster->close());
        QCOMPARE(waechter.fragen, 1);
        QCOMPARE(kopien().size(), 1);
    }
    {
        DialogWaechter antwort{ QString() };
        antwort.knopf = QStringLiteral("Verwerfen");
        const std::unique_ptr<MainWindow> fenster = Programmstart::starte<MainWindow>(QString());
        QCOMPARE(antwort.texte.size(), 1);
        QVERIFY(antwort.texte[0].contains(QStringLiteral("„Kormoran“")));
        QVERIFY(!antwort.texte[0].contains(QStringLiteral("weitere")));
        QVERIFY(!fenster->isWindowModified());
        QCOMPARE(kindVon<QLineEdit>(fenster.get(), "editName")->text(), QString());
        QCOMPARE(kopien(), QStringList());
    }
    DialogWaechter waechter;
    const std::unique_ptr<MainWindow> fenster = Programmstart::starte<MainWindow>(QString());
    QCOMPARE(waechter.titel, QStringList());
}

void TestWiederherstellung::teilweiseGenommeneKopieBleibt()
{
    // A component that today's lists no longer know: the window holds the
    // ship without it, the copy keeps it for the next start.
    QVERIFY(QDir().mkpath(ordner()));
    const QString alt = QDir(ordner()).filePath(QStringLiteral("alt") + Rettungskopie::kopieEndung());
    const Rettungskopie::Kopf kopf{ QString(), QStringLiteral("Wrack"), QDateTime::currentDateTimeUtc() };
    const QByteArray inhalt = Rettungskopie::kodiere(kopf, "2.0;Wrack;;\n0;1;Unbekannt;\n");
    QFile datei(alt);
    QVERIFY(datei.open(QIODevice::WriteOnly) && datei.write(inhalt) == inhalt.size());
    datei.close();
    {
        DialogWaechter waechter;
        const std::unique_ptr<MainWindow> fenster = Programmstart::starte<MainWindow>(QString());
        QCOMPARE(kindVon<QLineEdit>(fenster.get(), "editName")->text(), QStringLiteral("Wrack"));
        QVERIFY(fenster->isWindowModified());
    }
    QVERIFY(QFile::exists(alt));
}

QTEST_MAIN(TestWiederherstellung)
#include "tst_wiederherstellung.moc"
