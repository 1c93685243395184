// A ship file given on the command line: which argument counts, and that
// the window opens it as "laden ..." does.
#include "mainwindow.h"
#include "schiffsmodel.h"
#include "startargument.h"
#include "tst_fenster_hilfen.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

class TestStartargument : public QObject
{
    Q_OBJECT

private slots:
    void argument_data();
    void argument();
    void fensterOeffnetDatei();
};

void TestStartargument::argument_data()
{
    QTest::addColumn<QStringList>("argumente");
    QTest::addColumn<QString>("datei");
    QTest::newRow("keins") << QStringList{QStringLiteral("schiffsbau")} << QString();
    QTest::newRow("relativ") << QStringList{QStringLiteral("sb"), QStringLiteral("kormoran.zss")}
                             << QDir::currentPath() + QStringLiteral("/kormoran.zss");
    QTest::newRow("anderes übergangen")
        << QStringList{QStringLiteral("sb"), QStringLiteral("-v"), QStringLiteral("held.zch"),
                       QStringLiteral("/tmp/Flotte/Kormoran.ZSS")}
        << QStringLiteral("/tmp/Flotte/Kormoran.ZSS");
    QTest::newRow("URL") << QStringList{QStringLiteral("sb"), QStringLiteral("file:///tmp/k%C3%B6rmoran.zss")}
                         << QStringLiteral("/tmp/körmoran.zss");
    QTest::newRow("Basisliste nicht") << QStringList{QStringLiteral("sb"), QStringLiteral("basisliste.zsb")} << QString();
}

void TestStartargument::argument()
{
    QFETCH(QStringList, argumente);
    QFETCH(QString, datei);
    QCOMPARE(Startargument::datei(argumente, QStringLiteral(".zss")), datei);
}

void TestStartargument::fensterOeffnetDatei()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.filePath(QStringLiteral("einstellungen")));
    QVERIFY(schreibeReaktorliste(dir.path()));
    const QString alt = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir.path()));
    QFile f(dir.filePath(QStringLiteral("kormoran.zss")));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("2.0;Kormoran;Ein Frachter;\n3;5;Treibstofftank;\n");
    f.close();
    {
        std::unique_ptr<MainWindow> fenster;
        {
            DialogWaechter waechter;
            fenster = std::make_unique<MainWindow>();
            fenster->oeffneDatei(Startargument::datei({QStringLiteral("schiffsbau"), QStringLiteral("kormoran.zss")}, QStringLiteral(".zss")));
            QVERIFY(waechter.texte.isEmpty());
        }
        QCOMPARE(fenster->findChild<QLineEdit *>(QStringLiteral("editName"))->text(), QStringLiteral("Kormoran"));
        QCOMPARE(fenster->schiffsModel()->rowCount(), 1);
        QCOMPARE(fenster->schiffsModel()->anzahl(0), 5);

        // With unsaved changes it asks first, as "laden ..." does; "Abbrechen"
        // keeps the ship on screen.
        auto *name = fenster->findChild<QLineEdit *>(QStringLiteral("editName"));
        name->setText(QStringLiteral("Kormoran II"));
        DialogWaechter antwort(QString(), QMessageBox::Cancel);
        fenster->oeffneDatei(dir.filePath(QStringLiteral("kormoran.zss")));
        QCOMPARE(antwort.fragen, 1);
        QCOMPARE(name->text(), QStringLiteral("Kormoran II"));
    }
    QDir::setCurrent(alt);
}

QTEST_MAIN(TestStartargument)
#include "tst_startargument.moc"
