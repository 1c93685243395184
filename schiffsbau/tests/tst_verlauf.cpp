// Undo and redo in the ship builder, driven through the real window.
#include "komponente.h"
#include "komponentenauswahl.h"
#include "komponentenbibliothek.h"
#include "mainwindow.h"
#include "schiffsmodel.h"
#include "tst_fenster_hilfen.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QtTest>

#include <memory>

class TestVerlauf : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void hinzufuegenUndAnzahl();
    void leerenIstEinSchritt();
    void abgelehnteAenderungIstKeinSchritt();
    void tastenAuchImAuswahlfenster();

private:
    template <typename T>
    T *kind(const char *name) { return kindVon<T>(m_pFenster.get(), name); }
    QAction *rueckgaengig() { return kind<QAction>("actionRueckgaengig"); }
    QAction *wiederholen() { return kind<QAction>("actionWiederholen"); }
    // The table, the price and a few values of the data panel.
    QStringList bild();

    QString m_altesVerzeichnis;
    std::unique_ptr<MainWindow> m_pFenster;
};

void TestVerlauf::init()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    m_altesVerzeichnis = QDir::currentPath();
    QVERIFY(QDir::setCurrent(QStringLiteral(ZORVEL_DATA_DIR)));
    DialogWaechter waechter;
    m_pFenster = std::make_unique<MainWindow>();
    m_pFenster->show();
}

void TestVerlauf::cleanup()
{
    m_pFenster.reset();
    qApp->setStyleSheet(QString());
    QDir::setCurrent(m_altesVerzeichnis);
}

QStringList TestVerlauf::bild()
{
    QStringList texte;
    const SchiffsModel *model = m_pFenster->schiffsModel();
    for (int i = 0; i < model->rowCount(); ++i)
        texte << QStringLiteral("%1x %2").arg(model->anzahl(i)).arg(model->komponente(i)->name());
    for (const char *name : { "labelPreis", "labelGSTP", "labelRumpf", "labelGewicht" })
        texte << kind<QLabel>(name)->text();
    texte << kind<QLineEdit>("editName")->text();
    return texte;
}

void TestVerlauf::hinzufuegenUndAnzahl()
{
    QVERIFY(!rueckgaengig()->isEnabled()); // the base list is no step
    const QStringList anfang = bild();
    const QString rumpf = m_pFenster->bibliothek()->element(4, 0)->name();

    m_pFenster->onAddKomponente(4, 0, 50);
    QCOMPARE(rueckgaengig()->text().remove('&'), QStringLiteral("Rückgängig: 50x %1 hinzufügen").arg(rumpf));
    const QStringList mit50 = bild();
    SchiffsModel *model = m_pFenster->schiffsModel();
    const int zeile = model->rowCount() - 1;
    QVERIFY(model->setData(model->index(zeile, SchiffsModel::SpalteAnzahl), 80));
    QCOMPARE(rueckgaengig()->text().remove('&'), QStringLiteral("Rückgängig: Anzahl von %1 ändern").arg(rumpf));
    const QStringList mit80 = bild();
    QVERIFY(mit80 != mit50);

    rueckgaengig()->trigger();
    QCOMPARE(bild(), mit50);
    rueckgaengig()->trigger();
    QCOMPARE(bild(), anfang);
    QVERIFY(!m_pFenster->isWindowModified());
    wiederholen()->trigger();
    wiederholen()->trigger();
    QCOMPARE(bild(), mit80);
    QVERIFY(m_pFenster->isWindowModified());
}

void TestVerlauf::leerenIstEinSchritt()
{
    kind<QLineEdit>("editName")->setText(QStringLiteral("Kormoran"));
    const QStringList vorher = bild();
    {
        DialogWaechter waechter; // throws the unsaved name away
        kind<QAction>("actionLeeren")->trigger();
    }
    QCOMPARE(m_pFenster->schiffsModel()->rowCount(), 0);
    QCOMPARE(rueckgaengig()->text().remove('&'), QStringLiteral("Rückgängig: Liste leeren"));
    rueckgaengig()->trigger();
    QCOMPARE(bild(), vorher);
    QCOMPARE(rueckgaengig()->text().remove('&'), QStringLiteral("Rückgängig: Name ändern"));
}

void TestVerlauf::abgelehnteAenderungIstKeinSchritt()
{
    SchiffsModel *model = m_pFenster->schiffsModel();
    QVERIFY(model->rowCount() > 0);
    model->setData(model->index(0, SchiffsModel::SpalteAnzahl), QStringLiteral("viele"));
    model->setData(model->index(0, SchiffsModel::SpalteAnzahl), SchiffsModel::maxAnzahl + 1);
    m_pFenster->onAddKomponente(4, 999999, 1); // beyond the library
    QVERIFY(!rueckgaengig()->isEnabled());
}

// Ctrl+Z, Ctrl+Y and Ctrl+Shift+Z take one step each, also while the
// chooser window is the active one; F10 opens the main window's menu.
void TestVerlauf::tastenAuchImAuswahlfenster()
{
    m_pFenster->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_pFenster.get()));
    QVERIFY(m_pFenster->bibliothek()->element(4, 1));
    const QStringList anfang = bild();
    m_pFenster->onAddKomponente(4, 0, 50);
    const QStringList eins = bild();
    m_pFenster->onAddKomponente(4, 1, 20);
    const QStringList zwei = bild();
    QVERIFY(anfang != eins && eins != zwei);

    QTest::keyClick(m_pFenster.get(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(bild(), eins);

    KomponentenAuswahl *auswahl = m_pFenster->auswahl();
    auswahl->show();
    auswahl->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(auswahl));
    auto *tabelle = kindVon<QWidget>(auswahl, "komponentenView");
    QTest::keyClick(tabelle, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(bild(), anfang);
    QTest::keyClick(tabelle, Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(bild(), eins);

    m_pFenster->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_pFenster.get()));
    QTest::keyClick(m_pFenster.get(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(bild(), zwei);

    QVERIFY(!m_pFenster->menuBar()->activeAction());
    QTest::keyClick(m_pFenster.get(), Qt::Key_F10);
    QCOMPARE(m_pFenster->menuBar()->activeAction(), m_pFenster->menuBar()->actions().value(0));
}

QTEST_MAIN(TestVerlauf)
#include "tst_verlauf.moc"
