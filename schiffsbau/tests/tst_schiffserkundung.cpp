// Exploring a ship through the windows: finding a component in the
// chooser, the preview of what adding it changes, the budget bars, the
// comparison with a ship file and the summary for the clipboard.
#include "budgetbalken.h"
#include "komponente.h"
#include "komponentenauswahl.h"
#include "mainwindow.h"
#include "schiffsdaten.h"
#include "schiffsmodel.h"
#include "schiffswerte.h"
#include "tst_fenster_hilfen.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

// Built-in rooms and fittings and two reactors of the test list (Latin-1).
const char *const basisliste =
    "2.0;;;\n"
    "0;1;Wartungs/L\xfc""ftungssch\xe4""chte, Maschinenraum;\n"
    "0;4;Cockpit/Br\xfc""cke/Zentrale;\n"
    "3;13;Treibstofftank;\n"
    "3;1;Landestelzen;\n"
    "7;2;Fusionsreaktor A;Kern AG;L;12;50000;2.5;40;100;GSTPV;\n";

// The same ship changed: another name, no landing legs, a third fusion
// reactor and a micro reactor.
const char *const kopie =
    "2.0;Kopie;;\n"
    "0;1;Wartungs/L\xfc""ftungssch\xe4""chte, Maschinenraum;\n"
    "0;4;Cockpit/Br\xfc""cke/Zentrale;\n"
    "3;13;Treibstofftank;\n"
    "7;3;Fusionsreaktor A;Kern AG;L;12;50000;2.5;40;100;GSTPV;\n"
    "7;1;Mikroreaktor;Atom & Co;I;14;90000;0.5;60;200;GSTPV;\n";

bool schreibe(const QString &pfad, const QByteArray &bytes)
{
    QFile f(pfad);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// The texts of a table, row by row.
QList<QStringList> zeilen(const QTableWidget *t)
{
    QList<QStringList> z;
    for (int r = 0; r < t->rowCount(); ++r) {
        QStringList felder;
        for (int s = 0; s < t->columnCount(); ++s)
            felder << (t->item(r, s) ? t->item(r, s)->text() : QString());
        z << felder;
    }
    return z;
}

} // namespace

class TestSchiffsErkundung : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void suchenSortierenHinzufuegen_data();
    void suchenSortierenHinzufuegen();
    void wirkungWieNachDemHinzufuegen();
    void balkenFarben_data();
    void balkenFarben();
    void vergleichMitKopie();
    void vergleichUnlesbar();
    void zusammenfassung();
    void auswahlImHauptfenster();
    void grosseZahlenOhneVerdeckteSpalte();

private:
    void klickeKategorie(int zeile);
    void klickeZeile(int zeile);
    template <typename T>
    T *imFenster(const char *name) { return kindVon<T>(m_pFenster.get(), name); }
    template <typename T>
    T *inAuswahl(const char *name) { return kindVon<T>(m_pFenster->auswahl(), name); }
    // The panel's text of an entry as the preview writes it.
    QString panelText(const SchiffsWerte::Eintrag &e);

    QString m_altesVerzeichnis;
    std::unique_ptr<QTemporaryDir> m_pDir;
    std::unique_ptr<MainWindow> m_pFenster;
};

void TestSchiffsErkundung::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    m_altesVerzeichnis = QDir::currentPath();
}

void TestSchiffsErkundung::init()
{
    m_pDir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_pDir->isValid());
    QVERIFY(schreibeReaktorliste(m_pDir->path()));
    QVERIFY(schreibe(m_pDir->filePath(QStringLiteral("basisliste.zsb")), QByteArray(basisliste)));
    QVERIFY(QDir::setCurrent(m_pDir->path()));
    DialogWaechter waechter;
    m_pFenster = std::make_unique<MainWindow>();
    m_pFenster->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_pFenster.get()));
}

void TestSchiffsErkundung::cleanup()
{
    m_pFenster.reset();
    QDir::setCurrent(m_altesVerzeichnis);
    m_pDir.reset();
}

void TestSchiffsErkundung::klickeKategorie(int zeile)
{
    auto *liste = imFenster<QListView>("listKategorien");
    const QModelIndex index = liste->model()->index(zeile, 0);
    QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, liste->visualRect(index).center());
}

void TestSchiffsErkundung::klickeZeile(int zeile)
{
    auto *view = inAuswahl<QTableView>("komponentenView");
    const QModelIndex index = view->model()->index(zeile, 1);
    view->scrollTo(index);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
}

QString TestSchiffsErkundung::panelText(const SchiffsWerte::Eintrag &e)
{
    QStringList teile;
    for (const char *name : e.anzeige) {
        if (!name)
            continue;
        QWidget *w = imFenster<QWidget>(name);
        if (auto *kasten = qobject_cast<QCheckBox *>(w))
            teile << (kasten->isChecked() ? QStringLiteral("ja") : QStringLiteral("nein"));
        else if (e.ort == SchiffsWerte::Ort::Tooltip)
            teile << w->toolTip();
        else
            teile << static_cast<QLabel *>(w)->text();
    }
    return teile.join(QStringLiteral(" / "));
}

void TestSchiffsErkundung::suchenSortierenHinzufuegen_data()
{
    QTest::addColumn<bool>("alle");
    QTest::addColumn<QString>("suche");
    QTest::addColumn<QString>("spalte");
    QTest::addColumn<int>("zeilen");
    QTest::addColumn<QString>("erste");
    // "Res": 100, 80, 200 - as numbers 80 comes first, as texts 100.
    QTest::newRow("Kategorie, Res") << false << "REAKTOR" << "Res. /n" << 3 << "Blitzreaktor";
    QTest::newRow("Kategorie, Suche") << false << "mikro" << "Bezeichnung" << 1 << "Mikroreaktor";
    // Prices 50000, 20000, 90000 over all categories.
    QTest::newRow("alle, St") << true << "reaktor" << "St" << 3 << "Blitzreaktor";
    QTest::newRow("alle, Suche") << true << "fusionsR" << "St" << 1 << "Fusionsreaktor A";
}

void TestSchiffsErkundung::suchenSortierenHinzufuegen()
{
    QFETCH(bool, alle);
    QFETCH(QString, suche);
    QFETCH(QString, spalte);
    QFETCH(int, zeilen);
    QFETCH(QString, erste);
    SchiffsModel *model = m_pFenster->schiffsModel();
    const int vorher = model->rowCount();

    klickeKategorie(alle ? 3 : KatReaktoren);
    auto *suchfeld = inAuswahl<QLineEdit>("editSuche");
    QCOMPARE(suchfeld->placeholderText(), QStringLiteral("Suchen ..."));
    QCOMPARE(inAuswahl<QCheckBox>("checkAlleKategorien")->text().remove(QLatin1Char('&')),
             QStringLiteral("alle Kategorien"));
    if (alle)
        inAuswahl<QCheckBox>("checkAlleKategorien")->setChecked(true);
    QTest::keyClicks(suchfeld, suche);
    auto *view = inAuswahl<QTableView>("komponentenView");
    QCOMPARE(view->model()->rowCount(), zeilen);
    if (alle)
        QCOMPARE(view->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Kategorie"));

    // Sort ascending by a click on the column's header.
    QHeaderView *kopf = view->horizontalHeader();
    int s = 0;
    while (s < kopf->count() && view->model()->headerData(s, Qt::Horizontal).toString() != spalte)
        ++s;
    QVERIFY(s < kopf->count());
    const QPoint mitte(kopf->sectionViewportPosition(s) + kopf->sectionSize(s) / 2, kopf->height() / 2);
    QTest::mouseClick(kopf->viewport(), Qt::LeftButton, {}, mitte);
    if (kopf->sortIndicatorOrder() != Qt::AscendingOrder)
        QTest::mouseClick(kopf->viewport(), Qt::LeftButton, {}, mitte);

    // The first row as shown is added, with the count typed.
    klickeZeile(0);
    inAuswahl<QSpinBox>("sbAnzahlHinzu")->setValue(3);
    QTest::mouseClick(inAuswahl<QPushButton>("pbHinzufuegen"), Qt::LeftButton);
    QCOMPARE(model->rowCount(), vorher + 1);
    QCOMPARE(model->komponente(vorher)->name(), erste);
    QCOMPARE(model->anzahl(vorher), 3);

    // The search stays when the category changes; a search that hides the
    // chosen row leaves nothing chosen.
    klickeKategorie(KatReaktoren - 1);
    QCOMPARE(suchfeld->text(), suche);
    suchfeld->setText(QStringLiteral("gibt es nicht"));
    QTest::mouseClick(inAuswahl<QPushButton>("pbHinzufuegen"), Qt::LeftButton);
    QCOMPARE(model->rowCount(), vorher + 1);
}

void TestSchiffsErkundung::wirkungWieNachDemHinzufuegen()
{
    SchiffsModel *model = m_pFenster->schiffsModel();
    QAction *rueckgaengig = imFenster<QAction>("actionRueckgaengig");
    QVERIFY(!rueckgaengig->isEnabled());
    klickeKategorie(KatReaktoren);
    auto *wirkung = inAuswahl<QTableWidget>("tableWirkung");
    QStringList kopf;
    for (int s = 0; s < wirkung->columnCount(); ++s)
        kopf << wirkung->horizontalHeaderItem(s)->text();
    QCOMPARE(kopf, QStringList({"Wert", "jetzt", "danach", "Änderung"}));

    klickeZeile(2); // Mikroreaktor
    inAuswahl<QSpinBox>("sbAnzahlHinzu")->setValue(2);
    QCOMPARE(inAuswahl<QLabel>("lWirkung")->text(), QStringLiteral("Wirkung von 2x Mikroreaktor"));
    const QList<QStringList> vorschau = zeilen(wirkung);
    QVERIFY(vorschau.size() > 3);
    // The preview changed nothing.
    QCOMPARE(model->rowCount(), 5);
    QVERIFY(!rueckgaengig->isEnabled());
    QVERIFY(!m_pFenster->isWindowModified());
    QList<QStringList> jetzt;
    for (int i = 0; i < SchiffsWerte::anzahl(); ++i)
        jetzt << QStringList{QString::fromUtf8(SchiffsWerte::eintrag(i).bezeichnung),
                             panelText(SchiffsWerte::eintrag(i))};

    QTest::mouseClick(inAuswahl<QPushButton>("pbHinzufuegen"), Qt::LeftButton);
    QCOMPARE(model->rowCount(), 6);
    // Every row: "jetzt" was the panel before, "danach" is the panel now;
    // every value that changed is listed.
    int geaendert = 0;
    for (int i = 0; i < SchiffsWerte::anzahl(); ++i) {
        const SchiffsWerte::Eintrag &e = SchiffsWerte::eintrag(i);
        const QString bezeichnung = QString::fromUtf8(e.bezeichnung);
        const QString nachher = panelText(e);
        const QString vorher = jetzt.at(i).at(1);
        const auto zeile = std::find_if(vorschau.cbegin(), vorschau.cend(),
                                        [&](const QStringList &z) { return z.at(0) == bezeichnung; });
        if (e.ort == SchiffsWerte::Ort::Tooltip) {
            QCOMPARE(zeile != vorschau.cend(), vorher != nachher);
            continue;
        }
        QCOMPARE(zeile != vorschau.cend(), vorher != nachher);
        if (zeile == vorschau.cend())
            continue;
        ++geaendert;
        QCOMPARE(zeile->at(1), vorher);
        QCOMPARE(zeile->at(2), nachher);
    }
    QVERIFY(geaendert >= 3); // price, weight, RE at least

    // A "max 1x" fitting that is installed already changes nothing.
    klickeKategorie(0);
    inAuswahl<QLineEdit>("editSuche")->setText(QStringLiteral("maschinenraum"));
    klickeZeile(0);
    QCOMPARE(zeilen(wirkung).value(0).value(0), QStringLiteral("keine Änderung"));
}

void TestSchiffsErkundung::balkenFarben_data()
{
    QTest::addColumn<QString>("balken");
    QTest::addColumn<qint64>("benutzt");
    QTest::addColumn<qint64>("verfuegbar");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("zustand");
    using Z = BudgetBalken::Zustand;
    QTest::newRow("Volumen frei") << "balkenVolumen" << qint64(47) << qint64(120) << "47 / 120 GSTP" << int(Z::Gut);
    QTest::newRow("Volumen voll") << "balkenVolumen" << qint64(120) << qint64(120) << "120 / 120 GSTP"
                                  << int(Z::Gut);
    QTest::newRow("Volumen über") << "balkenVolumen" << qint64(121) << qint64(120) << "121 / 120 GSTP"
                                  << int(Z::Ueberzogen);
    QTest::newRow("Reaktor über") << "balkenReaktor" << qint64(1500) << qint64(40) << "1.500 / 40 RE"
                                  << int(Z::Ueberzogen);
    QTest::newRow("Speicher über") << "balkenSpeicher" << qint64(50) << qint64(10) << "50 / 10 BE"
                                   << int(Z::Warnung);
    QTest::newRow("Slots frei") << "balkenSlots" << qint64(3) << qint64(5) << "3 / 5 Slots" << int(Z::Gut);
    QTest::newRow("Slots über") << "balkenSlots" << qint64(6) << qint64(5) << "6 / 5 Slots" << int(Z::Ueberzogen);
}

void TestSchiffsErkundung::balkenFarben()
{
    QFETCH(QString, balken);
    QFETCH(qint64, benutzt);
    QFETCH(qint64, verfuegbar);
    QFETCH(QString, text);
    QFETCH(int, zustand);
    SchiffsDaten d;
    const QString name = balken;
    qint64 *felder[][2] = {{nullptr, &d.gstp}, {&d.rev, &d.re}, {&d.maxBev, &d.be}, {&d.slotsBelegt, &d.computerSlots}};
    const QStringList namen = {"balkenVolumen", "balkenReaktor", "balkenSpeicher", "balkenSlots"};
    const int i = int(namen.indexOf(name));
    if (i == 0)
        d.gstpvBelegt = float(benutzt);
    else
        *felder[i][0] = benutzt;
    *felder[i][1] = verfuegbar;
    m_pFenster->onNeueDaten(d);
    auto *b = imFenster<BudgetBalken>(balken.toLatin1().constData());
    QCOMPARE(b->text(), text);
    QCOMPARE(int(b->zustand()), zustand);
    QVERIFY(b->isVisible());
    // The panel keeps its numbers.
    if (i == 1)
        QCOMPARE(imFenster<QLabel>("labelRE")->text(), QLocale().toString(verfuegbar - benutzt) + "/40");
}

void TestSchiffsErkundung::vergleichMitKopie()
{
    const QString datei = m_pDir->filePath(QStringLiteral("kopie.zss"));
    QVERIFY(schreibe(datei, QByteArray(kopie)));
    const int zeilenVorher = m_pFenster->schiffsModel()->rowCount();
    {
        DialogWaechter antwort(datei);
        imFenster<QAction>("actionVergleichen")->trigger();
        QCOMPARE(antwort.dialoge, 1);
    }
    auto *fenster = m_pFenster->findChild<QWidget *>(QStringLiteral("DialogVergleich"));
    QVERIFY(fenster);
    QVERIFY(fenster->isVisible());
    QCOMPARE(fenster->windowTitle(), QStringLiteral("Vergleich: Schiff ohne Namen – Kopie"));
    // This ship stays as it was.
    QCOMPARE(m_pFenster->schiffsModel()->rowCount(), zeilenVorher);
    QVERIFY(!m_pFenster->isWindowModified());

    auto *komponenten = kindVon<QTableWidget>(fenster, "tableKomponentenVergleich");
    QCOMPARE(zeilen(komponenten),
             QList<QStringList>({{"Sonst.", "Landestelzen", "1", "–", "nur in diesem Schiff"},
                                 {"Reaktor", "Fusionsreaktor A", "2", "3", "+1"},
                                 {"Reaktor", "Mikroreaktor", "–", "1", "nur im anderen Schiff"}}));

    // Every value: marked with a difference exactly where the two differ.
    auto *werte = kindVon<QTableWidget>(fenster, "tableVergleich");
    QCOMPARE(werte->rowCount(), SchiffsWerte::anzahl());
    QCOMPARE(werte->horizontalHeaderItem(1)->text(), QStringLiteral("Schiff ohne Namen"));
    QCOMPARE(werte->horizontalHeaderItem(2)->text(), QStringLiteral("Kopie"));
    QStringList verschieden;
    QStringList re;
    for (const QStringList &z : zeilen(werte)) {
        QCOMPARE(z.at(3).isEmpty(), z.at(1) == z.at(2));
        if (!z.at(3).isEmpty())
            verschieden << z.at(0);
        if (z.at(0) == QLatin1String("RE"))
            re = z;
    }
    QVERIFY(verschieden.contains(QStringLiteral("RE")));
    QVERIFY(verschieden.contains(QStringLiteral("Landestelzen")));
    QVERIFY(!verschieden.contains(QStringLiteral("Treibstoff[t]")));
    QCOMPARE(re.at(1), QStringLiteral("80/80"));
    QCOMPARE(re.at(2), QStringLiteral("180/180"));
    QCOMPARE(re.at(3), QStringLiteral("+100 / +100"));

    QTest::mouseClick(kindVon<QPushButton>(fenster, "buttonKopieren"), Qt::LeftButton);
    const QString text = QGuiApplication::clipboard()->text();
    QVERIFY(text.contains(QStringLiteral("Wert\tSchiff ohne Namen\tKopie\tUnterschied\n")));
    QVERIFY(text.contains(QStringLiteral("Reaktor\tFusionsreaktor A\t2\t3\t+1\n")));
    fenster->close();
}

void TestSchiffsErkundung::vergleichUnlesbar()
{
    // An empty file is refused with the box of "laden ...".
    const QString datei = m_pDir->filePath(QStringLiteral("leer.zss"));
    QVERIFY(schreibe(datei, QByteArray()));
    DialogWaechter antwort(datei);
    imFenster<QAction>("actionVergleichen")->trigger();
    QCOMPARE(antwort.dialoge, 1);
    QCOMPARE(antwort.texte.size(), 1);
    QVERIFY(antwort.texte.at(0).contains(QStringLiteral("ist leer.")));
    QVERIFY(antwort.texte.at(0).contains(QStringLiteral("Das aktuelle Schiff wurde beibehalten.")));
    QVERIFY(!m_pFenster->findChild<QWidget *>(QStringLiteral("DialogVergleich")));
}

void TestSchiffsErkundung::zusammenfassung()
{
    imFenster<QLineEdit>("editName")->setText(QStringLiteral("Falke"));
    imFenster<QAction>("actionZusammenfassung")->trigger();
    const QStringList text = QGuiApplication::clipboard()->text().split(QLatin1Char('\n'));
    QCOMPARE(text.value(0), QStringLiteral("Falke"));
    QVERIFY(text.contains(QStringLiteral("Reaktor: 0 / 80 RE")));
    QVERIFY(text.contains(QStringLiteral("- 2x Fusionsreaktor A")));
    QVERIFY(text.contains(QStringLiteral("- 13x Treibstofftank")));
    // No hull: the volume is overdrawn and says so.
    QVERIFY(text.filter(QRegularExpression(QStringLiteral("^Volumen: .* / 0 GSTP \\(überschritten\\)$"))).size()
            == 1);
    QVERIFY(text.filter(QStringLiteral("Feldgeschwindigkeit")).size() == 1);
}

void TestSchiffsErkundung::auswahlImHauptfenster()
{
    KomponentenAuswahl *auswahl = m_pFenster->auswahl();
    QAction *andocken = imFenster<QAction>("actionAuswahlImHauptfenster");
    QVERIFY(!andocken->isChecked()); // free-standing unless chosen
    klickeKategorie(KatReaktoren);
    QVERIFY(auswahl->isWindow());

    andocken->trigger();
    QCOMPARE(auswahl->window(), m_pFenster.get());
    QVERIFY(auswahl->isVisible());
    // In the window the chooser lies below the ship, not over it.
    const QRect schiff(imFenster<QWidget>("fSchiff")->mapTo(m_pFenster.get(), QPoint()),
                       imFenster<QWidget>("fSchiff")->size());
    const QRect platz(auswahl->mapTo(m_pFenster.get(), QPoint()), auswahl->size());
    QVERIFY(!schiff.intersects(platz));
    klickeZeile(0);
    QTest::mouseClick(inAuswahl<QPushButton>("pbHinzufuegen"), Qt::LeftButton);
    QCOMPARE(m_pFenster->schiffsModel()->rowCount(), 6);

    andocken->trigger();
    QVERIFY(auswahl->isWindow());
    QVERIFY(auswahl->isVisible());

    // A maximised window takes the chooser in until it is restored.
    m_pFenster->setWindowState(Qt::WindowMaximized);
    QVERIFY(andocken->isChecked());
    QCOMPARE(auswahl->window(), m_pFenster.get());
    m_pFenster->setWindowState(Qt::WindowNoState);
    QVERIFY(!andocken->isChecked());
    QVERIFY(auswahl->isWindow());
}

void TestSchiffsErkundung::grosseZahlenOhneVerdeckteSpalte()
{
    SchiffsDaten d;
    d.gstp = 999999999999;
    d.gstpvBelegt = 1.0e12f;
    d.re = 999999999999;
    d.rev = 1;
    d.wasserLiter = 999999999999;
    d.frachtExternTonnen = 999999999999;
    m_pFenster->onNeueDaten(d);
    QApplication::processEvents();
    // The panel's contents get all the width they need: nothing of the
    // right column lies under the vertical scroll bar.
    auto *inhalt = imFenster<QWidget>("scrollAreaWidgetContents");
    QVERIFY(inhalt->width() >= inhalt->minimumSizeHint().width());
}

QTEST_MAIN(TestSchiffsErkundung)
#include "tst_schiffserkundung.moc"
