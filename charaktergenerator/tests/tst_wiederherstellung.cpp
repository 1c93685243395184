// A character never gets lost with the program: while it has unsaved
// changes a recovery copy lies beside the user's data, and the next start
// offers to bring it back.
#include "fenster_hilfen.h"
#include "mainwindow.h"
#include "persistenz.h"
#include "programmstart.h"
#include "rettungskopie.h"

#include <QAction>
#include <QFile>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

QByteArray lies(const QString &pfad)
{
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The name typed into step 1 and left there, still being edited.
void tippeName(MainWindow &fenster, const QString &name)
{
    auto *feld = kindVon<QLineEdit>(&fenster, "editName");
    feld->setFocus();
    feld->selectAll();
    QTest::keyClicks(feld, name);
}

} // namespace

class TestWiederherstellung : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir dir;

    QString pfad(const char *name) const { return dir.filePath(QLatin1String(name)); }
    std::unique_ptr<MainWindow> neuesFenster()
    {
        auto fenster = std::make_unique<MainWindow>();
        fenster->show();
        fenster->activateWindow();
        if (!QTest::qWaitForWindowActive(fenster.get()))
            qFatal("window not active");
        // Quick, so that the test waits no longer than it must.
        fenster->rettungskopie()->setzeVerzoegerung(50);
        return fenster;
    }

private slots:
    void init()
    {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, pfad("einstellungen"));
        QSettings().clear();
        // Never the user's own folder.
        Rettungskopie::setzeOrdner(pfad("wiederherstellung"));
        QDir(pfad("wiederherstellung")).removeRecursively();
        // A changed new character shows the mark: Qt finds the placeholder.
        QTest::failOnWarning(QRegularExpression(QStringLiteral("placeholder")));
    }
    void cleanup() { Rettungskopie::setzeOrdner(QString()); }

    // Typed text makes a copy once the timer has run; saving, discarding
    // and closing remove it.
    void kopieEntstehtUndGeht_data()
    {
        QTest::addColumn<QString>("ende");
        QTest::newRow("speichern") << "speichern";
        QTest::newRow("verwerfen") << "verwerfen";
        QTest::newRow("schliessen") << "schliessen";
    }
    void kopieEntstehtUndGeht()
    {
        QFETCH(QString, ende);
        const std::unique_ptr<MainWindow> fenster = neuesFenster();
        const QString kopie = fenster->rettungskopie()->datei();
        tippeName(*fenster, QStringLiteral("Zara"));
        QVERIFY(!QFile::exists(kopie));
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(kopie), 5000);
        Rettungskopie::Kopf kopf;
        QByteArray dokument;
        QVERIFY(Rettungskopie::dekodiere(lies(kopie), kopf, dokument));
        QCOMPARE(kopf.titel, QStringLiteral("Zara"));
        QCOMPARE(kopf.datei, QString());
        QVERIFY(dokument.contains("Name=\"Zara\""));
        QVERIFY(fenster->isWindowModified());

        DialogBeantworter antwort(QString(), QMessageBox::Discard);
        if (ende == QLatin1String("speichern")) {
            Persistenz::setzeNaechsteDatei(pfad("zara.zch"));
            kindVon<QAction>(fenster.get(), "actionSpeichern")->trigger();
            QVERIFY(lies(pfad("zara.zch")).contains("Name=\"Zara\""));
        } else if (ende == QLatin1String("verwerfen")) {
            kindVon<QAction>(fenster.get(), "actionNeu")->trigger();
            QCOMPARE(antwort.fragen, 1);
        } else {
            QVERIFY(fenster->close());
            QCOMPARE(antwort.fragen, 1);
        }
        QVERIFY(!QFile::exists(kopie));
    }

    // Typing that never pauses as long as the delay still gets a copy.
    void kopieAuchOhnePause()
    {
        const std::unique_ptr<MainWindow> fenster = neuesFenster();
        const QString kopie = fenster->rettungskopie()->datei();
        auto *feld = kindVon<QLineEdit>(fenster.get(), "editName");
        feld->setFocus();
        for (int i = 0; i < 100 && !QFile::exists(kopie); ++i) {
            QTest::keyClick(feld, Qt::Key_A);
            QTest::qWait(20);
        }
        QVERIFY(QFile::exists(kopie));
    }

    // The start asks about the copy of an ended instance, never about one
    // of a running instance; "Wiederherstellen" brings the change back as
    // an unsaved change of its file, and saving writes that file. A file
    // argument comes after that.
    void startFragtUndStelltWiederHer()
    {
        const QString held = pfad("held.zch");
        QString verwaist;
        {
            const std::unique_ptr<MainWindow> beendet = neuesFenster();
            tippeName(*beendet, QStringLiteral("Zara"));
            Persistenz::setzeNaechsteDatei(held);
            kindVon<QAction>(beendet.get(), "actionSpeichern")->trigger();
            tippeName(*beendet, QStringLiteral("Zara Blau"));
            verwaist = beendet->rettungskopie()->datei();
            QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(verwaist), 5000);
        } // gone without closing its window, as a killed program
        QVERIFY(QFile::exists(verwaist));

        const std::unique_ptr<MainWindow> laufend = neuesFenster();
        tippeName(*laufend, QStringLiteral("Ohne Datei"));
        const QString fremd = laufend->rettungskopie()->datei();
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(fremd), 5000);

        // The box is accepted with its default, "Wiederherstellen"; the file
        // argument then asks about the unsaved change first ("Abbrechen").
        DialogBeantworter antwort(QString(), QMessageBox::Cancel);
        const std::unique_ptr<MainWindow> fenster = Programmstart::starte<MainWindow>(pfad("anderer.zch"));
        QCOMPARE(antwort.fragen, 1);
        QCOMPARE(antwort.meldungen.size(), 1);
        QVERIFY(antwort.meldungen[0].contains(QStringLiteral("„Zara Blau“ aus der Datei ")
                                              + QDir::toNativeSeparators(held)));
        QCOMPARE(kindVon<QLineEdit>(fenster.get(), "editName")->text(), QStringLiteral("Zara Blau"));
        QCOMPARE(fenster->windowTitle().remove(QStringLiteral("[*]")),
                 QStringLiteral("held.zch - ZORVEL2 - Charaktergenerator (0.9.3)"));
        QVERIFY(fenster->isWindowModified());
        // The copy is the new window's now; the running instance keeps its own.
        QVERIFY(!QFile::exists(verwaist));
        QVERIFY(QFile::exists(fenster->rettungskopie()->datei()));
        QVERIFY(QFile::exists(fremd));

        kindVon<QAction>(fenster.get(), "actionSpeichern")->trigger(); // no dialog: cancelled if one came
        QCOMPARE(antwort.dateidialoge, 0);
        QVERIFY(lies(held).contains("Name=\"Zara Blau\""));
        QVERIFY(!fenster->isWindowModified());
        QVERIFY(!QFile::exists(fenster->rettungskopie()->datei()));
    }
};

QTEST_MAIN(TestWiederherstellung)
#include "tst_wiederherstellung.moc"
