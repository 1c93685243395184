// The character generator from the keyboard alone: every key goes to the
// widget that has the focus, as a user's would, and no mouse event reaches
// the window. Every menu entry and button has a mnemonic, every field a name.
#include "fenster_hilfen.h"
#include "mainwindow.h"
#include "persistenz.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSet>
#include <QSettings>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QUndoStack>
#include <QtTest>

#include <memory>

class TestTastatur : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    std::unique_ptr<MainWindow> fenster;

    template<typename T>
    T *kind(const char *name) { return kindVon<T>(fenster.get(), name); }
    QString label(const char *name) { return kind<QLabel>(name)->text(); }
    int schritt() { return kind<QTabWidget>("tabWidget")->currentIndex(); }
    int schritte() { return fenster->findChild<QUndoStack *>()->count(); }

    // A key as the user presses it: to an open menu, else to the focus.
    void taste(Qt::Key key, Qt::KeyboardModifiers mod = Qt::NoModifier)
    {
        QWidget *ziel = QApplication::activePopupWidget();
        if (!ziel)
            ziel = QApplication::focusWidget();
        QTest::keyClick(ziel ? ziel : fenster.get(), key, mod);
    }
    // Tab until the widget `name` has the focus (false when it is not reached).
    bool tabBis(const char *name)
    {
        QWidget *ziel = kind<QWidget>(name);
        for (int i = 0; i < 80 && QApplication::focusWidget() != ziel; ++i)
            taste(Qt::Key_Tab);
        return QApplication::focusWidget() == ziel;
    }

private slots:
    void init()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.filePath("einstellungen"));
        fenster = std::make_unique<MainWindow>();
        fenster->show();
        QVERIFY(QTest::qWaitForWindowActive(fenster.get()));
    }
    void cleanup() { fenster.reset(); }

    // Through all six steps and saved, keys only.
    void charakterMitTastatur()
    {
        // The name field has the focus at the start.
        QCOMPARE(QApplication::focusWidget(), kind<QWidget>("editName"));
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Kara Vel"));

        // Alt with a letter that no mnemonic takes changes nothing (the
        // species box would jump to "Terranerin" and "Metonoid").
        QVERIFY(tabBis("comboBasistypus"));
        for (Qt::Key buchstabe : { Qt::Key_T, Qt::Key_M }) {
            taste(buchstabe, Qt::AltModifier);
            QCOMPARE(kind<QComboBox>("comboBasistypus")->currentIndex(), 0);
        }
        QCOMPARE(label("labelInfoName"), QStringLiteral("Kara Vel"));

        // Enter goes on; on a focused button it presses that button.
        taste(Qt::Key_Return);
        QCOMPARE(schritt(), 1);
        QVERIFY(tabBis("buttonPlusMut"));
        taste(Qt::Key_Space);
        taste(Qt::Key_Return);
        QCOMPARE(label("labelPunkteMut"), QStringLiteral("2"));
        // A mnemonic presses its button as a short animation.
        taste(Qt::Key_W, Qt::AltModifier);
        QTRY_COMPARE(schritt(), 2);
        taste(Qt::Key_W, Qt::AltModifier);
        QTRY_COMPARE(schritt(), 3);

        // Learn a language, Delete removes it as one step, learn it again.
        auto *eigene = kind<QAbstractItemView>("tabelleEigeneSprachen");
        QVERIFY(tabBis("listSprachen"));
        taste(Qt::Key_L, Qt::AltModifier);
        QTRY_COMPARE(eigene->model()->rowCount(), 1);
        QVERIFY(tabBis("tabelleEigeneSprachen"));
        const int vorher = schritte();
        taste(Qt::Key_Delete);
        QCOMPARE(eigene->model()->rowCount(), 0);
        QCOMPARE(schritte(), vorher + 1);
        QVERIFY(tabBis("listSprachen"));
        taste(Qt::Key_Down);
        taste(Qt::Key_L, Qt::AltModifier);
        QTRY_COMPARE(eigene->model()->rowCount(), 1);

        taste(Qt::Key_W, Qt::AltModifier);
        QTRY_COMPARE(schritt(), 4);
        taste(Qt::Key_Return);
        QCOMPARE(schritt(), 5);
        QVERIFY(tabBis("buttonPlusStartgeld"));
        taste(Qt::Key_Space);
        QCOMPARE(label("labelKaufStartgeld"), QStringLiteral("15.000"));

        // "fertig" cannot be undone: Enter leaves it alone, its mnemonic presses it.
        QVERIFY(tabBis("buttonWeiter"));
        taste(Qt::Key_Return);
        QVERIFY(kind<QPushButton>("buttonWeiter")->isVisible());
        taste(Qt::Key_F, Qt::AltModifier);
        QTRY_VERIFY(!kind<QPushButton>("buttonWeiter")->isVisible());

        const QString datei = dir.filePath(QStringLiteral("kara.zch"));
        Persistenz::setzeNaechsteDatei(datei);
        taste(Qt::Key_S, Qt::ControlModifier);
        QFile f(datei);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray inhalt = f.readAll();
        QVERIFY(inhalt.contains("Kara Vel"));
        QVERIFY(!fenster->isWindowModified());

        // A new character begins with its name again.
        taste(Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(schritt(), 0);
        QCOMPARE(QApplication::focusWidget(), kind<QWidget>("editName"));
    }

    // Every menu, entry and button with a letter has a mnemonic, unique in
    // its menu and among what a step shows; every widget the keyboard
    // reaches has a name.
    void mnemonikenUndNamen()
    {
        // Alt+C in the species box opens the menu "Charakter", no species.
        kind<QWidget>("comboBasistypus")->setFocus();
        taste(Qt::Key_C, Qt::AltModifier);
        QCOMPARE(QApplication::activePopupWidget(), kind<QMenu>("menuCharakter"));
        QCOMPARE(kind<QComboBox>("comboBasistypus")->currentIndex(), 0);
        taste(Qt::Key_Escape);

        const auto mnemonik = [](const QString &text) { return QKeySequence::mnemonic(text); };
        QSet<QKeySequence> leiste;
        for (QAction *menue : fenster->menuBar()->actions()) {
            QVERIFY2(!mnemonik(menue->text()).isEmpty(), qPrintable(menue->text()));
            leiste << mnemonik(menue->text());
            QSet<QKeySequence> eintraege;
            int anzahl = 0;
            for (QAction *a : menue->menu()->actions()) {
                if (a->isSeparator())
                    continue;
                QVERIFY2(!mnemonik(a->text()).isEmpty(), qPrintable(a->text()));
                eintraege << mnemonik(a->text());
                ++anzahl;
            }
            QCOMPARE(eintraege.size(), anzahl);
        }

        auto *weiter = kind<QPushButton>("buttonWeiter");
        for (int i = 0; i < 6; ++i) {
            if (i > 0)
                weiter->click();
            QSet<QKeySequence> sichtbar = leiste;
            int knoepfe = leiste.size();
            for (QWidget *w : fenster->findChildren<QWidget *>()) {
                if (!w->isVisible())
                    continue;
                if (auto *knopf = qobject_cast<QAbstractButton *>(w);
                    knopf && knopf->text().contains(QRegularExpression(QStringLiteral("\\w")))) {
                    QVERIFY2(!mnemonik(knopf->text()).isEmpty(), qPrintable(knopf->objectName()));
                    sichtbar << mnemonik(knopf->text());
                    ++knoepfe;
                }
                // What the keyboard reaches (not the parts of a compound widget).
                const bool teil = qobject_cast<QHeaderView *>(w) || qobject_cast<QScrollBar *>(w)
                                  || qobject_cast<QAbstractSpinBox *>(w->parentWidget())
                                  || qobject_cast<QComboBox *>(w->parentWidget())
                                  || qobject_cast<QTabBar *>(w->parentWidget());
                if (w->focusPolicy() & Qt::TabFocus && !w->focusProxy() && !teil) {
                    auto *knopf = qobject_cast<QAbstractButton *>(w);
                    QVERIFY2(!w->accessibleName().isEmpty()
                                 || (knopf && knopf->text().contains(QRegularExpression(QStringLiteral("\\w")))),
                             qPrintable(w->objectName() + QLatin1Char(' ') + QLatin1String(w->metaObject()->className())));
                }
            }
            QVERIFY2(sichtbar.size() == knoepfe, qPrintable(QStringLiteral("step %1").arg(i + 1)));
        }
    }
};

QTEST_MAIN(TestTastatur)
#include "tst_tastatur.moc"
