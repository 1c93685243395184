// Times one undo and one redo of a realistic character in the real window:
// species, name and texts, raised attributes, bought points, learned
// languages, technical actions and paranormal abilities, the special-area
// module with bought areas. Each must take well under 5 ms, and so must
// writing the recovery copy of that character.
//
// Run (release build, as scripts/setup.sh configures it):
//   ./build/charaktergenerator/charaktergenerator_lib_bench_verlauf -platform offscreen
#include "mainwindow.h"
#include "rettungskopie.h"
#include "rettungsmessung.h"

#include <QAbstractItemView>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QtTest>

class BenchVerlauf : public QObject
{
    Q_OBJECT

private slots:
    void undoUndRedo();
    void rettungskopie();

private:
    // Fills the window with the character described above.
    void baue(MainWindow &w);
    template<typename T>
    T *kind(MainWindow &w, const char *name)
    {
        T *k = w.findChild<T *>(QLatin1String(name));
        if (!k)
            qFatal("widget %s not found", name);
        return k;
    }
    void lerneAlle(MainWindow &w, const char *katalog, const char *knopf, int anzahl)
    {
        auto *liste = kind<QAbstractItemView>(w, katalog);
        for (int i = 0; i < anzahl && i < liste->model()->rowCount(); ++i) {
            liste->setCurrentIndex(liste->model()->index(i, 0));
            kind<QPushButton>(w, knopf)->click();
        }
    }
};

void BenchVerlauf::baue(MainWindow &w)
{
    w.show();
    kind<QComboBox>(w, "comboBasistypus")->setCurrentIndex(7);
    for (QTextEdit *text : w.findChildren<QTextEdit *>())
        text->setPlainText(QStringLiteral("Ein Absatz Geschichte, wie ihn ein Spieler schreibt. ").repeated(8));
    kind<QLineEdit>(w, "editName")->setText(QStringLiteral("Kara Voss"));
    for (int i = 0; i < 5; ++i)
        kind<QPushButton>(w, "buttonWeiter")->click();
    for (const char *knopf : { "buttonPlusMut", "buttonPlusWissen", "buttonPlusKraft", "buttonPlusSinne" })
        kind<QPushButton>(w, knopf)->click();
    kind<QCheckBox>(w, "checkSpezis")->click();
    for (int k = 0; k < 10; ++k) {
        kind<QListWidget>(w, "listKentnisse")->setCurrentRow(k);
        lerneAlle(w, "listSpezis", "buttonHinzufuegen", 1);
    }
    for (int i = 0; i < 4; ++i) {
        kind<QPushButton>(w, "buttonPlusSP")->click();
        kind<QPushButton>(w, "buttonPlusTP")->click();
    }
    lerneAlle(w, "listSprachen", "buttonPlusSprache", 4);
    lerneAlle(w, "listTechnik", "buttonPlusTechnik", 6);
    lerneAlle(w, "listAktionen", "buttonPlusAktion", 4);
    QCoreApplication::processEvents();
}

void BenchVerlauf::undoUndRedo()
{
    MainWindow w;
    baue(w);

    QAction *undo = kind<QAction>(w, "actionRueckgaengig");
    QAction *redo = kind<QAction>(w, "actionWiederholen");
    QVERIFY(undo->isEnabled());
    constexpr int runden = 200;
    QElapsedTimer uhr;
    uhr.start();
    for (int i = 0; i < runden; ++i) {
        undo->trigger();
        redo->trigger();
    }
    const double ms = double(uhr.nsecsElapsed()) / 1e6 / (2 * runden);
    qInfo("one undo or redo: %.2f ms (limit 5 ms)", ms);
    QVERIFY(ms < 5.0);
}

void BenchVerlauf::rettungskopie()
{
    QTemporaryDir ordner;
    Rettungskopie::setzeOrdner(ordner.path());
    MainWindow w;
    baue(w);
    QAction *undo = kind<QAction>(w, "actionRueckgaengig");
    QAction *redo = kind<QAction>(w, "actionWiederholen");
    constexpr int runden = 200;
    QVERIFY(messeRettungskopie(w.rettungskopie(), runden, [&](int i) {
        (i % 2 ? redo : undo)->trigger(); // a changed character each time
    }));
    Rettungskopie::setzeOrdner(QString());
}

QTEST_MAIN(BenchVerlauf)
#include "bench_verlauf.moc"
