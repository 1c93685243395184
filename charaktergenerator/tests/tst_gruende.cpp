// Refusals say why, the character's check and its clean-up, driven through
// the real window: a refused change leaves the document as it was and shows
// its reason in the status bar.
#include "fenster_hilfen.h"
#include "mainwindow.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QCheckBox>

#include <functional>
#include <memory>

class TestGruende;
using Handlung = std::function<void(TestGruende *)>;
Q_DECLARE_METATYPE(Handlung)

class TestGruende : public QObject
{
    Q_OBJECT

public:
    std::unique_ptr<MainWindow> fenster;

    template<typename T>
    T *kind(const char *name) { return kindVon<T>(fenster.get(), name); }
    QAction *rueckgaengig() { return kind<QAction>("actionRueckgaengig"); }
    QString status() { return fenster->statusBar()->currentMessage(); }
    // "weiter ->" until step `schritt` (1 to 6) is current.
    void zuSchritt(int schritt)
    {
        auto *tabs = kind<QTabWidget>("tabWidget");
        while (tabs->currentIndex() < schritt - 1)
            kind<QPushButton>("buttonWeiter")->click();
        tabs->setCurrentIndex(schritt - 1);
    }
    void klicke(const char *knopf) { QTest::mouseClick(kind<QPushButton>(knopf), Qt::LeftButton); }
    // Selects the entry of a catalogue list whose text contains `name`.
    QModelIndex waehle(const char *liste, const QString &name)
    {
        auto *view = kind<QListView>(liste);
        const QModelIndexList treffer = view->model()->match(view->model()->index(0, 0), Qt::DisplayRole,
                                                             name, 1, Qt::MatchContains);
        if (treffer.isEmpty())
            qFatal("no entry %s", qPrintable(name));
        view->setCurrentIndex(treffer.first());
        return treffer.first();
    }
    // What a user does: the first click selects, the second makes it a double click.
    void doppelklick(const char *liste, const QString &name)
    {
        auto *view = kind<QListView>(liste);
        const QModelIndex index = waehle(liste, name);
        view->scrollTo(index);
        const QPoint punkt = view->visualRect(index).center();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, punkt);
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, punkt);
    }
    void waehleSpezies(const QString &name)
    {
        zuSchritt(1);
        auto *box = kind<QComboBox>("comboBasistypus");
        box->setCurrentIndex(box->findText(name));
    }
    // What shows whether the document changed: the header, the history and the mark.
    QStringList stand()
    {
        QStringList texte;
        for (const char *name : { "labelInfoEP", "labelInfoSP", "labelInfoTP", "labelInfoMP" })
            texte << kind<QLabel>(name)->text();
        return texte << rueckgaengig()->text().remove(QLatin1Char('&')) << QString::number(fenster->isWindowModified());
    }

private slots:
    void init()
    {
        fenster = std::make_unique<MainWindow>();
        fenster->show();
        QVERIFY(QTest::qWaitForWindowExposed(fenster.get()));
    }
    void cleanup() { fenster.reset(); }

    void ablehnungNenntGrund_data()
    {
        QTest::addColumn<Handlung>("vorbereiten");
        QTest::addColumn<Handlung>("ausloesen");
        QTest::addColumn<QString>("grund");

        // A Terraner has 200 start EP: nine raises of one attribute cost 168.
        QTest::newRow("Steigerung zu teuer")
            << Handlung([](TestGruende *t) {
                   t->zuSchritt(2);
                   for (int i = 0; i < 9; ++i)
                       t->klicke("buttonPlusMut");
               })
            << Handlung([](TestGruende *t) { t->klicke("buttonPlusMut"); })
            << QStringLiteral("Mut steigern: kostet 160 EP, übrig sind 32 EP.");
        QTest::newRow("Sprache doppelt (Doppelklick)")
            << Handlung([](TestGruende *t) {
                   t->zuSchritt(4);
                   t->doppelklick("listSprachen", QStringLiteral("Latein"));
               })
            << Handlung([](TestGruende *t) { t->doppelklick("listSprachen", QStringLiteral("Latein")); })
            << QStringLiteral("Latein ist schon gelernt.");
        QTest::newRow("ohne TP lernen")
            << Handlung([](TestGruende *t) {
                   t->zuSchritt(4);
                   t->waehle("listTechnik", QStringLiteral("Chemikalienherstellung"));
               })
            << Handlung([](TestGruende *t) { t->klicke("buttonPlusTechnik"); })
            << QStringLiteral("Chemikalienherstellung lernen: kostet 3 TP, übrig sind 0 TP.");
        QTest::newRow("entfernen ohne Auswahl")
            << Handlung([](TestGruende *t) { t->zuSchritt(4); })
            << Handlung([](TestGruende *t) { t->klicke("buttonSpracheEntfernen"); })
            << QStringLiteral("Entfernen: bitte rechts einen erlernten Eintrag wählen.");
        QTest::newRow("Spezialgebiet über 20 (getippt)")
            << Handlung([](TestGruende *t) {
                   t->zuSchritt(3);
                   t->kind<QCheckBox>("checkSpezis")->click();
                   t->kind<QListWidget>("listKentnisse")->setCurrentRow(0);
                   auto *liste = t->kind<QListView>("listSpezis");
                   liste->setCurrentIndex(liste->model()->index(0, 0));
                   t->klicke("buttonHinzufuegen");
               })
            << Handlung([](TestGruende *t) {
                   QAbstractItemModel *model = t->kind<QTableView>("tableEigeneSpezis")->model();
                   QVERIFY(model->rowCount() > 0);
                   model->setData(model->index(model->rowCount() - 1, 1), 30);
               })
            << QStringLiteral("höchstens 20 Punkte.");
        QTest::newRow("MP, die die Spezies nicht kaufen kann")
            << Handlung([](TestGruende *t) {
                   t->waehleSpezies(QStringLiteral("Beta-Pictor"));
                   t->zuSchritt(5);
               })
            << Handlung([](TestGruende *t) { t->kind<QCheckBox>("checkSensitiv")->click(); })
            << QStringLiteral("Sensitiv: nicht für Beta-Pictor.");
    }

    void ablehnungNenntGrund()
    {
        QFETCH(Handlung, vorbereiten);
        QFETCH(Handlung, ausloesen);
        QFETCH(QString, grund);
        vorbereiten(this);
        fenster->statusBar()->clearMessage();
        const QStringList vorher = stand();
        ausloesen(this);
        QCOMPARE(stand(), vorher);
        QVERIFY2(status().endsWith(grund), qPrintable(status()));
    }

    // A species change that leaves purchases the new species cannot make:
    // the status bar and the check say so; "Bereinigen" refunds them in one
    // step of the history.
    void pruefungUndBereinigen()
    {
        waehleSpezies(QStringLiteral("Tokmarde"));
        zuSchritt(6);
        for (int i = 0; i < 2; ++i)
            klicke("buttonPlusCepto");
        waehleSpezies(QStringLiteral("Beta-Pictor"));
        QVERIFY2(status().contains(QStringLiteral("Start-Ceptomyzin 6: nicht für Beta-Pictor.")),
                 qPrintable(status()));
        QCOMPARE(kind<QLabel>("labelInfoEP")->text(), QStringLiteral("173/175"));

        zuSchritt(6);
        auto *liste = kind<QListWidget>("listPruefung");
        const auto eintraege = [liste] {
            QStringList texte;
            for (int i = 0; i < liste->count(); ++i)
                texte << liste->item(i)->text();
            return texte.join(QLatin1Char('|'));
        };
        QVERIFY(eintraege().contains(QStringLiteral("6) Diverse: Start-Ceptomyzin 6")));
        QVERIFY(kind<QWidget>("infoFrame")->toolTip().contains(QStringLiteral("Start-Ceptomyzin 6")));
        QVERIFY(!kind<QPushButton>("buttonPlusCepto")->isEnabled());
        QVERIFY(kind<QPushButton>("buttonPlusCepto")->toolTip().contains(QStringLiteral("nicht für Beta-Pictor")));

        klicke("buttonBereinigen");
        QVERIFY(!eintraege().contains(QStringLiteral("Ceptomyzin")));
        QCOMPARE(kind<QLabel>("labelInfoEP")->text(), QStringLiteral("175/175"));
        QCOMPARE(kind<QLabel>("labelKaufCepto")->text(), QStringLiteral("0"));
        QCOMPARE(rueckgaengig()->text().remove(QLatin1Char('&')), QStringLiteral("Rückgängig: Bereinigen"));
        rueckgaengig()->trigger();
        QCOMPARE(kind<QLabel>("labelInfoEP")->text(), QStringLiteral("173/175"));
        QVERIFY(eintraege().contains(QStringLiteral("Start-Ceptomyzin 6")));

        // A double click on an entry goes to its step.
        auto *eintrag = liste->findItems(QStringLiteral("1) Basis"), Qt::MatchStartsWith).value(0);
        QVERIFY(eintrag);
        liste->scrollToItem(eintrag);
        const QPoint punkt = liste->visualItemRect(eintrag).center();
        QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, punkt);
        QTest::mouseDClick(liste->viewport(), Qt::LeftButton, {}, punkt);
        QCOMPARE(kind<QTabWidget>("tabWidget")->currentIndex(), 0);
    }

    // The header's check follows the height, which changes no points.
    void pruefungImKopfFolgtGroesse()
    {
        auto *kopf = kind<QWidget>("infoFrame");
        QVERIFY2(kopf->toolTip().contains(QStringLiteral("Größe 0 cm")), qPrintable(kopf->toolTip()));
        kind<QSpinBox>("boxGroesse")->setValue(195);
        QVERIFY2(!kopf->toolTip().contains(QStringLiteral("Größe")), qPrintable(kopf->toolTip()));
    }

    // Forgetting "Latein" while a related language has its discount is one
    // step: undo brings back exactly the state before.
    void lateinEntfernenEinSchritt()
    {
        zuSchritt(4);
        doppelklick("listSprachen", QStringLiteral("Latein"));
        doppelklick("listSprachen", QStringLiteral("Newdeutsch"));
        QCOMPARE(kind<QLabel>("labelInfoSP")->text(), QStringLiteral("8/20"));   // 7 + (6 - 1)
        const QStringList vorher = stand();

        auto *tabelle = kind<QTableView>("tabelleEigeneSprachen");
        tabelle->setCurrentIndex(tabelle->model()->index(0, 0));
        klicke("buttonSpracheEntfernen");
        QCOMPARE(kind<QLabel>("labelInfoSP")->text(), QStringLiteral("14/20"));  // Newdeutsch at 6
        QCOMPARE(rueckgaengig()->text().remove(QLatin1Char('&')), QStringLiteral("Rückgängig: Latein entfernen"));
        rueckgaengig()->trigger();
        QCOMPARE(stand(), vorher);
    }
};

QTEST_MAIN(TestGruende)
#include "tst_gruende.moc"
