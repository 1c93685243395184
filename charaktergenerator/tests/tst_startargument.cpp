// A character file given on the command line: which argument counts, and
// that the window opens it as "laden ..." does, with the question about
// unsaved changes, and remembers it under "Zuletzt geöffnet".
#include "fenster_hilfen.h"
#include "mainwindow.h"
#include "persistenz.h"
#include "startargument.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

class TestStartargument : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void argument_data();
    void argument();
    void fensterOeffnetDatei();

private:
    std::unique_ptr<QTemporaryDir> m_pDir;
};

void TestStartargument::init()
{
    m_pDir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_pDir->isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_pDir->filePath(QStringLiteral("einstellungen")));
    QSettings().clear();
}

void TestStartargument::argument_data()
{
    QTest::addColumn<QStringList>("argumente");
    QTest::addColumn<QString>("datei");
    const QString hier = QDir::currentPath();
    QTest::newRow("keins") << QStringList{QStringLiteral("charaktergenerator")} << QString();
    QTest::newRow("relativ") << QStringList{QStringLiteral("cg"), QStringLiteral("held.zch")}
                             << hier + QStringLiteral("/held.zch");
    QTest::newRow("anderes übergangen")
        << QStringList{QStringLiteral("cg"), QStringLiteral("--unbekannt"), QStringLiteral("notiz.txt"),
                       QStringLiteral("/tmp/Runde/Held.ZCH"), QStringLiteral("zweiter.zch")}
        << QStringLiteral("/tmp/Runde/Held.ZCH");
    QTest::newRow("URL") << QStringList{QStringLiteral("cg"), QStringLiteral("file:///tmp/mein%20held.zch")}
                         << QStringLiteral("/tmp/mein held.zch");
    QTest::newRow("kein Charakter") << QStringList{QStringLiteral("cg"), QStringLiteral("schiff.zss")} << QString();
}

void TestStartargument::argument()
{
    QFETCH(QStringList, argumente);
    QFETCH(QString, datei);
    QCOMPARE(Startargument::datei(argumente, QStringLiteral(".zch")), datei);
}

void TestStartargument::fensterOeffnetDatei()
{
    const QString datei = m_pDir->filePath(QStringLiteral("vess.zch"));
    {
        MainWindow fenster;
        auto *name = fenster.findChild<QLineEdit *>(QStringLiteral("editName"));
        QTest::keyClicks(name, QStringLiteral("Jorin Vess"));
        QTest::keyClick(name, Qt::Key_Return);
        Persistenz::setzeNaechsteDatei(datei);
        fenster.findChild<QAction *>(QStringLiteral("actionSpeichern"))->trigger();
    }
    MainWindow fenster;
    auto *name = fenster.findChild<QLineEdit *>(QStringLiteral("editName"));
    // Saved files are remembered, and the next start offers them.
    auto *zuletzt = fenster.findChild<QMenu *>(QStringLiteral("menuZuletztGeoeffnet"));
    QVERIFY(zuletzt);
    QCOMPARE(zuletzt->actions().at(0)->text(), QStringLiteral("&1 vess.zch"));

    name->selectAll();
    QTest::keyClicks(name, QStringLiteral("Ungespeichert"));
    QTest::keyClick(name, Qt::Key_Return);
    {
        DialogBeantworter antwort(QString(), QMessageBox::Cancel);
        fenster.oeffneDatei(Startargument::datei({QStringLiteral("cg"), datei}, QStringLiteral(".zch")));
        QCOMPARE(antwort.fragen, 1);
    }
    QCOMPARE(name->text(), QStringLiteral("Ungespeichert"));
    {
        DialogBeantworter antwort(QString(), QMessageBox::Discard);
        zuletzt->actions().at(0)->trigger();
        QCOMPARE(antwort.fragen, 1);
        QCOMPARE(antwort.meldungen, QStringList());
    }
    QCOMPARE(fenster.findChild<QLabel *>(QStringLiteral("labelInfoName"))->text(), QStringLiteral("Jorin Vess"));
    QCOMPARE(fenster.windowTitle().remove(QStringLiteral("[*]")), QStringLiteral("vess.zch - ZORVEL2 - Charaktergenerator (0.9.3)"));
}

QTEST_MAIN(TestStartargument)
#include "tst_startargument.moc"
