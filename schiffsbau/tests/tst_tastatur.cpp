// The ship builder from the keyboard alone: every key goes to the widget
// that has the focus, as a user's would, and no mouse event reaches a
// window. Every menu entry and button has a mnemonic, every field a name.
#include "komponentenauswahl.h"
#include "komponentenbibliothek.h"
#include "mainwindow.h"
#include "schiffsmodel.h"
#include "tst_fenster_hilfen.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QHeaderView>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QSet>
#include <QSettings>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

class TestTastatur : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    QString altesVerzeichnis;
    std::unique_ptr<MainWindow> fenster;

    template<typename T>
    T *kind(const char *name) { return kindVon<T>(fenster.get(), name); }

    // A key as the user presses it: to an open menu, else to the focus.
    void taste(Qt::Key key, Qt::KeyboardModifiers mod = Qt::NoModifier)
    {
        QWidget *ziel = QApplication::activePopupWidget();
        if (!ziel)
            ziel = QApplication::focusWidget();
        QTest::keyClick(ziel ? ziel : fenster.get(), key, mod);
    }
    // Tab until `ziel` has the focus (false when it is not reached).
    bool tabBis(QWidget *ziel)
    {
        for (int i = 0; i < 40 && QApplication::focusWidget() != ziel; ++i)
            taste(Qt::Key_Tab);
        return QApplication::focusWidget() == ziel;
    }
    // A closed menu gives the activation back to the main window on a
    // desktop; the offscreen platform leaves it with the menu.
    bool zurueckZumFenster()
    {
        fenster->activateWindow();
        return QTest::qWaitForWindowActive(fenster.get());
    }

private slots:
    void init()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.filePath("einstellungen"));
        altesVerzeichnis = QDir::currentPath();
        QVERIFY(QDir::setCurrent(QStringLiteral(ZORVEL_DATA_DIR)));
        fenster = std::make_unique<MainWindow>();
        fenster->show();
        QVERIFY(QTest::qWaitForWindowActive(fenster.get()));
    }
    void cleanup()
    {
        fenster.reset();
        qApp->setStyleSheet(QString());
        QDir::setCurrent(altesVerzeichnis);
    }

    // An empty ship, five components from five categories, a name, saved.
    void schiffMitTastatur()
    {
        SchiffsModel *schiff = fenster->schiffsModel();
        KomponentenAuswahl *auswahl = fenster->auswahl();
        taste(Qt::Key_L, Qt::AltModifier);
        QCOMPARE(QApplication::activePopupWidget(), kind<QMenu>("menuKomponentenliste"));
        taste(Qt::Key_L); // "leeren"
        QTRY_COMPARE(schiff->rowCount(), 0);
        QVERIFY(zurueckZumFenster());

        auto *kategorien = kind<QListView>("listKategorien");
        auto *tabelle = kindVon<QAbstractItemView>(auswahl, "komponentenView");
        auto *anzahl = kindVon<QSpinBox>(auswahl, "sbAnzahlHinzu");
        bool mitAnzahl = false;
        QVERIFY(tabBis(kategorien));
        for (int n = 1; n <= 5; ++n) {
            if (n > 1)
                taste(Qt::Key_Down);
            while (fenster->bibliothek()->anzahlElemente(kategorien->currentIndex().row()) == 0)
                taste(Qt::Key_Down);
            // Space or Enter opens the chooser, the focus in its table.
            taste(n == 1 ? Qt::Key_Space : Qt::Key_Return);
            QTRY_VERIFY(auswahl->isActiveWindow());
            QCOMPARE(QApplication::focusWidget(), tabelle);
            QVERIFY(tabelle->selectionModel()->isRowSelected(0, QModelIndex()));
            // Enter in the count box adds with the count typed (once, for a
            // component that may come more than once), in the table with 1.
            const bool anzahlTippen = !mitAnzahl && anzahl->maximum() > 1;
            if (anzahlTippen) {
                QVERIFY(tabBis(anzahl));
                QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("3"));
                mitAnzahl = true;
            }
            taste(Qt::Key_Return);
            QCOMPARE(schiff->rowCount(), n);
            QCOMPARE(schiff->anzahl(n - 1), anzahlTippen ? 3 : 1);
            // Escape goes back to the categories.
            taste(Qt::Key_Escape);
            QTRY_VERIFY(fenster->isActiveWindow());
            QCOMPARE(QApplication::focusWidget(), kategorien);
        }

        QVERIFY(mitAnzahl);
        QVERIFY(tabBis(kind<QWidget>("editName")));
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Kestrel"));
        const QString datei = dir.filePath(QStringLiteral("kestrel.zss"));
        {
            DialogWaechter antwort(datei);
            taste(Qt::Key_S, Qt::ControlModifier);
            QCOMPARE(antwort.dialoge, 1);
        }
        QFile f(datei);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY(f.readAll().contains("Kestrel"));
        QVERIFY(!fenster->isWindowModified());
    }

    // Every menu entry and button with a letter has a mnemonic, unique in
    // its menu; every widget the keyboard reaches in both windows has a name.
    void mnemonikenUndNamen()
    {
        for (QAction *menue : fenster->menuBar()->actions()) {
            QVERIFY2(!QKeySequence::mnemonic(menue->text()).isEmpty(), qPrintable(menue->text()));
            QSet<QKeySequence> eintraege;
            int anzahl = 0;
            for (QAction *a : menue->menu()->actions()) {
                if (a->isSeparator())
                    continue;
                QVERIFY2(!QKeySequence::mnemonic(a->text()).isEmpty(), qPrintable(a->text()));
                eintraege << QKeySequence::mnemonic(a->text());
                ++anzahl;
            }
            QCOMPARE(eintraege.size(), anzahl);
        }
        fenster->onKategorieKlick(QModelIndex());
        for (QWidget *fensterTeil : { static_cast<QWidget *>(fenster.get()), static_cast<QWidget *>(fenster->auswahl()) }) {
            for (QWidget *w : fensterTeil->findChildren<QWidget *>()) {
                auto *knopf = qobject_cast<QAbstractButton *>(w);
                const bool beschriftet = knopf && knopf->text().contains(QRegularExpression(QStringLiteral("\\w")));
                if (beschriftet)
                    QVERIFY2(!QKeySequence::mnemonic(knopf->text()).isEmpty(), qPrintable(w->objectName()));
                const bool teil = qobject_cast<QHeaderView *>(w) || qobject_cast<QScrollBar *>(w)
                                  || qobject_cast<QAbstractSpinBox *>(w->parentWidget());
                if (w->focusPolicy() & Qt::TabFocus && !w->focusProxy() && !teil
                    && w->isVisible())
                    QVERIFY2(beschriftet || !w->accessibleName().isEmpty(),
                             qPrintable(w->objectName() + QLatin1Char(' ') + QLatin1String(w->metaObject()->className())));
            }
        }
    }
};

QTEST_MAIN(TestTastatur)
#include "tst_tastatur.moc"
