// Undo and redo in the character generator, driven through the real window.
#include "fenster_hilfen.h"
#include "mainwindow.h"
#include "persistenz.h"

#include <QAbstractItemView>
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>

#include <memory>

class TestVerlauf : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<MainWindow> fenster;

    template<typename T>
    T *kind(const char *name) { return kindVon<T>(fenster.get(), name); }
    QAction *rueckgaengig() { return kind<QAction>("actionRueckgaengig"); }
    QAction *wiederholen() { return kind<QAction>("actionWiederholen"); }
    // What the user sees of the character: the header and the fields touched.
    QStringList bild()
    {
        QStringList texte;
        for (const char *name : { "labelInfoName", "labelInfoEP", "labelPunkteMut", "labelPunkteWissen" })
            texte << kind<QLabel>(name)->text();
        texte << kind<QLineEdit>("editName")->text();
        return texte;
    }
    void tippeName(const QString &name)
    {
        QLineEdit *edit = kind<QLineEdit>("editName");
        edit->setFocus();
        QTest::keyClicks(edit, name);
        QTest::keyClick(edit, Qt::Key_Return);
    }

private slots:
    void init()
    {
        fenster = std::make_unique<MainWindow>();
        fenster->show();
        QVERIFY(QTest::qWaitForWindowExposed(fenster.get()));
    }
    void cleanup() { fenster.reset(); }

    void rueckgaengigUndWiederholen()
    {
        QVERIFY(!rueckgaengig()->isEnabled());
        QVERIFY(!wiederholen()->isEnabled());
        // Step 2 is built when it is first opened; its fields belong to the picture.
        kind<QPushButton>("buttonWeiter")->click();
        kind<QTabWidget>("tabWidget")->setCurrentIndex(0);
        const QStringList anfang = bild();

        tippeName(QStringLiteral("Kara")); // Enter goes on to step 2
        QTest::mouseClick(kind<QPushButton>("buttonPlusMut"), Qt::LeftButton);
        QTest::mouseClick(kind<QPushButton>("buttonPlusWissen"), Qt::LeftButton);
        QCOMPARE(rueckgaengig()->text().remove('&'), QStringLiteral("Rückgängig: Wissen steigern"));
        const QStringList ende = bild();
        QVERIFY(fenster->isWindowModified());

        for (const char *schritt : { "Wissen steigern", "Mut steigern", "Name ändern" }) {
            QCOMPARE(rueckgaengig()->text().remove('&'), QStringLiteral("Rückgängig: ") + QString::fromUtf8(schritt));
            rueckgaengig()->trigger();
        }
        QCOMPARE(bild(), anfang);
        QVERIFY(!rueckgaengig()->isEnabled());
        QVERIFY(!fenster->isWindowModified());
        // The steps reached stay open.
        QVERIFY(kind<QTabWidget>("tabWidget")->isTabEnabled(1));
        QCOMPARE(kind<QTabWidget>("tabWidget")->currentIndex(), 1);

        for (int i = 0; i < 3; ++i)
            wiederholen()->trigger();
        QCOMPARE(bild(), ende);
        QVERIFY(!wiederholen()->isEnabled());
        QVERIFY(fenster->isWindowModified());

        // A new step after an undo drops what could have been redone.
        rueckgaengig()->trigger();
        QTest::mouseClick(kind<QPushButton>("buttonPlusMut"), Qt::LeftButton);
        QVERIFY(!wiederholen()->isEnabled());
        QCOMPARE(kind<QLabel>("labelPunkteMut")->text(), QStringLiteral("2"));
        QCOMPARE(kind<QLabel>("labelPunkteWissen")->text(), QStringLiteral("0"));
    }

    // Ctrl+Z undoes, Ctrl+Y and Ctrl+Shift+Z redo one step each; F10
    // opens the first menu.
    void tasten()
    {
        fenster->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(fenster.get()));
        kind<QPushButton>("buttonWeiter")->click();
        const QStringList anfang = bild();
        kind<QPushButton>("buttonPlusMut")->click();
        const QStringList eins = bild();
        kind<QPushButton>("buttonPlusMut")->click();
        const QStringList zwei = bild();
        QVERIFY(anfang != eins && eins != zwei);

        auto *tabs = kind<QTabWidget>("tabWidget");
        QTest::keyClick(tabs, Qt::Key_Z, Qt::ControlModifier);
        QTest::keyClick(tabs, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(bild(), anfang);
        QTest::keyClick(tabs, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(bild(), eins);
        QTest::keyClick(tabs, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(bild(), zwei);

        QVERIFY(!fenster->menuBar()->activeAction());
        QTest::keyClick(tabs, Qt::Key_F10);
        QCOMPARE(fenster->menuBar()->activeAction(), fenster->menuBar()->actions().value(0));
    }

    // The catalogue marks what is learned, also after undo and redo.
    void erlerntFolgtDemVerlauf()
    {
        for (int i = 0; i < 3; ++i)
            kind<QPushButton>("buttonWeiter")->click();
        auto *liste = kind<QAbstractItemView>("listSprachen");
        const QModelIndex neosynd = liste->model()->index(1, 0);
        QVERIFY(neosynd.data().toString().contains(QStringLiteral("Neosynd")));
        liste->setCurrentIndex(neosynd);
        QPushButton *lernen = kind<QPushButton>("buttonPlusSprache");
        lernen->click();
        QVERIFY(neosynd.data(Qt::FontRole).value<QFont>().bold());
        QVERIFY(!lernen->isEnabled());
        rueckgaengig()->trigger();
        QVERIFY(!neosynd.data(Qt::FontRole).value<QFont>().bold());
        QVERIFY(lernen->isEnabled());
        wiederholen()->trigger();
        QVERIFY(neosynd.data(Qt::FontRole).value<QFont>().bold());
        QVERIFY(!lernen->isEnabled());
    }

    void speichernUndNeu()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        kind<QPushButton>("buttonWeiter")->click();
        QTest::mouseClick(kind<QPushButton>("buttonPlusMut"), Qt::LeftButton);
        Persistenz::setzeNaechsteDatei(dir.filePath(QStringLiteral("kara.zch")));
        kind<QAction>("actionSpeichern")->trigger();
        QVERIFY(!fenster->isWindowModified());
        // Saving keeps the history; back before the save is a change,
        // forward to it again is none.
        rueckgaengig()->trigger();
        QVERIFY(fenster->isWindowModified());
        wiederholen()->trigger();
        QVERIFY(!fenster->isWindowModified());

        QTest::mouseClick(kind<QPushButton>("buttonPlusMut"), Qt::LeftButton);
        {
            DialogBeantworter antwort{ QString() };
            kind<QAction>("actionNeu")->trigger();
        }
        QVERIFY(!rueckgaengig()->isEnabled());
        QVERIFY(!wiederholen()->isEnabled());
    }

    // Which actions make a step: a refused click none, typing into a text
    // one for the whole text, a raise and its undo bring the header back.
    void schrittRegeln()
    {
        kind<QPushButton>("buttonWeiter")->click();
        // Nothing to lower yet: refused.
        QTest::mouseClick(kind<QPushButton>("buttonMinMut"), Qt::LeftButton);
        QVERIFY(!rueckgaengig()->isEnabled());

        kind<QTabWidget>("tabWidget")->setCurrentIndex(0);
        QTextEdit *text = kind<QTextEdit>("textKindheit");
        text->setFocus();
        QTest::keyClicks(text, QStringLiteral("Auf Zorvel"));
        QCOMPARE(rueckgaengig()->text().remove('&'), QStringLiteral("Rückgängig: Kindheit ändern"));
        rueckgaengig()->trigger();
        QCOMPARE(text->toPlainText(), QString());
        QVERIFY(!rueckgaengig()->isEnabled());

        // Removing a language with a raised proficiency is one step.
        for (int i = 0; i < 3; ++i)
            kind<QPushButton>("buttonWeiter")->click();
        auto *katalog = kind<QAbstractItemView>("listSprachen");
        katalog->setCurrentIndex(katalog->model()->index(0, 0));
        kind<QPushButton>("buttonPlusSprache")->click();
        auto *eigene = kind<QAbstractItemView>("tabelleEigeneSprachen");
        const QModelIndex befaehigung = eigene->model()->index(0, 1);
        QVERIFY(eigene->model()->setData(befaehigung, eigene->model()->data(befaehigung, Qt::EditRole).toInt() + 1));
        const QString vorher = eigene->model()->data(befaehigung).toString();
        eigene->setCurrentIndex(befaehigung);
        kind<QPushButton>("buttonSpracheEntfernen")->click();
        QCOMPARE(eigene->model()->rowCount(), 0);
        QVERIFY(rueckgaengig()->text().endsWith(QStringLiteral(" entfernen")));
        rueckgaengig()->trigger();
        QCOMPARE(eigene->model()->rowCount(), 1);
        QCOMPARE(eigene->model()->data(eigene->model()->index(0, 1)).toString(), vorher);
    }
};

QTEST_MAIN(TestVerlauf)
#include "tst_verlauf.moc"
