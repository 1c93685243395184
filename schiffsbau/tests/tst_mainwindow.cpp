// The ship builder's main window driven as a user would: start-up with and
// without a base list, categories and the chooser, adding components, the
// data panel, the menus and closing.
#include "auswahlplatz.h"
#include "komponente.h"
#include "komponentenauswahl.h"
#include "komponentenbibliothek.h"
#include "mainwindow.h"
#include "schiffsmodel.h"
#include "tst_fenster_hilfen.h"

#include <QAction>
#include <QCheckBox>
#include <QDesktopServices>
#include <QDirIterator>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QStatusBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

#include <memory>

// Receives the URLs that the window asks the desktop to open.
class UrlEmpfaenger : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void oeffne(const QUrl &url) { urls << url; }
};

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void startMitBasisliste();
    void startOhneBasisliste();
    void startMitGeliefertenDaten();
    void bekanntesSchiff_data();
    void bekanntesSchiff();
    void panelFormat_data();
    void panelFormat();
    void panelTooltipsUndKaesten();
    void menues();
    void fensterPlatzierung();
    void kategorieKlickOeffnetAuswahl();
    void hinzufuegenPerKnopf();
    void hinzufuegenPerDoppelklick();
    void hinzufuegenNachSortieren();
    void maxEinmalBegrenztAnzahl();
    void maxEinmalNichtZweimal();
    void ablehnungNenntGrund();
    void neueZeileSichtbarUndGewaehlt();
    void entfernenPerTasteUndMenue();
    void tooltipsDerNamen();
    void warnungenRot();
    void grosseWerteOhneExponent();
    void anzahlEditor();
    void leeren();
    void basisliste();
    void basislisteUnlesbar();
    void ladenAbgebrochen();
    void ladenDatei();
    void kurzanleitung();
    void kurzanleitungFehlt();
    void ueber();
    void schliessenSchliesstAuswahl();

private:
    // Starts the window in the folder; dialogs during start-up are recorded.
    void starte();
    void klickeKategorie(int zeile);
    void waehleKomponente(int zeile);
    template <typename T>
    T *kind(const char *name, QWidget *in = nullptr)
    {
        QWidget *w = in ? in : m_pFenster.get();
        T *k = w->findChild<T *>(QLatin1String(name));
        if (!k)
            qWarning("missing widget %s", name);
        return k;
    }
    QString text(const char *name) { return kind<QLabel>(name)->text(); }

    QString m_altesVerzeichnis;
    std::unique_ptr<QTemporaryDir> m_pDir;
    std::unique_ptr<MainWindow> m_pFenster;
    QStringList m_startMeldungen;
};

namespace {

// A ship of built-in components and one reactor of the test list, as a
// ship file (Latin-1).
const char *const bekannteBasisliste =
    "2.0;Testschiff;Ein Schiff zum Testen;\n"
    "0;1;Wartungs/L\xfc""ftungssch\xe4""chte, Maschinenraum;\n"
    "0;4;Cockpit/Br\xfc""cke/Zentrale;\n"
    "3;13;Treibstofftank;\n"
    "2;2;Umweltkontrollsystem;\n"
    "3;1;Landestelzen;\n"
    "7;2;Fusionsreaktor A;Kern AG;L;12;50000;2.5;40;100;GSTPV;\n";

bool schreibe(const QString &pfad, const QByteArray &bytes)
{
    QFile f(pfad);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

bool kopiereOrdner(const QString &von, const QString &nach)
{
    QDirIterator it(von, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString quelle = it.next();
        const QString ziel = nach + QLatin1Char('/') + QDir(von).relativeFilePath(quelle);
        QDir().mkpath(QFileInfo(ziel).path());
        if (!QFile::copy(quelle, ziel))
            return false;
    }
    return true;
}

} // namespace

void TestMainWindow::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    m_altesVerzeichnis = QDir::currentPath();
}

void TestMainWindow::init()
{
    m_pDir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_pDir->isValid());
    QVERIFY(schreibeReaktorliste(m_pDir->path()));
    QVERIFY(schreibe(m_pDir->filePath(QStringLiteral("basisliste.zsb")), QByteArray(bekannteBasisliste)));
    QVERIFY(QFile::copy(QStringLiteral(ZORVEL_DATA_DIR "/style.qss"), m_pDir->filePath(QStringLiteral("style.qss"))));
    QVERIFY(QDir::setCurrent(m_pDir->path()));
}

void TestMainWindow::cleanup()
{
    m_pFenster.reset();
    qApp->setStyleSheet(QString());
    QDir::setCurrent(m_altesVerzeichnis);
    m_pDir.reset();
}

void TestMainWindow::starte()
{
    DialogWaechter waechter;
    m_pFenster = std::make_unique<MainWindow>();
    m_startMeldungen = waechter.texte;
}

void TestMainWindow::klickeKategorie(int zeile)
{
    auto *liste = kind<QListView>("listKategorien");
    const QModelIndex index = liste->model()->index(zeile, 0);
    liste->scrollTo(index);
    QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, liste->visualRect(index).center());
}

void TestMainWindow::waehleKomponente(int zeile)
{
    auto *view = kind<QTableView>("komponentenView", m_pFenster->auswahl());
    const QModelIndex index = view->model()->index(zeile, 0);
    view->scrollTo(index);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
}

void TestMainWindow::startMitBasisliste()
{
    starte();
    QVERIFY(m_startMeldungen.isEmpty());
    QCOMPARE(m_pFenster->windowTitle().remove(QStringLiteral("[*]")), QStringLiteral("ZORVEL2 - Schiffsbau-Assistent V0.12.0"));
    QCOMPARE(m_pFenster->schiffsModel()->rowCount(), 6);
    QCOMPARE(m_pFenster->schiffsModel()->anzahl(2), 13);
    QCOMPARE(m_pFenster->schiffsModel()->komponente(5)->name(), QStringLiteral("Fusionsreaktor A"));
    // The base list's name and description are not taken over.
    QCOMPARE(kind<QLineEdit>("editName")->text(), QString());
    QCOMPARE(kind<QLineEdit>("editBeschreibung")->text(), QString());
    QVERIFY(!m_pFenster->auswahl()->isVisible());
    QCOMPARE(kind<QListView>("listKategorien")->model()->rowCount(), 24);
    QVERIFY(kind<QListView>("listKategorien")->selectionModel()->selectedIndexes().isEmpty());
    auto *tabelle = kind<QTableView>("tableView");
    QCOMPARE(tabelle->model()->rowCount(), 6);
    QVERIFY(tabelle->isSortingEnabled());
    QVERIFY(tabelle->verticalHeader()->isHidden());
    QCOMPARE(tabelle->columnWidth(0), 30);
    QCOMPARE(tabelle->columnWidth(1), 60);
    QCOMPARE(tabelle->horizontalHeader()->sectionResizeMode(3), QHeaderView::Stretch);
    // Installation order until a header is clicked.
    QCOMPARE(tabelle->model()->data(tabelle->model()->index(0, 2)).toString(),
             QStringLiteral("Wartungs/Lüftungsschächte, Maschinenraum"));
}

void TestMainWindow::startOhneBasisliste()
{
    QVERIFY(QFile::remove(QStringLiteral("basisliste.zsb")));
    QVERIFY(QFile::remove(QStringLiteral("style.qss")));
    starte();
    QVERIFY(m_startMeldungen.isEmpty());
    QCOMPARE(m_pFenster->schiffsModel()->rowCount(), 0);
    QCOMPARE(qApp->styleSheet(), QString());
    // Nothing was computed yet: the form's placeholders stay.
    QCOMPARE(text("labelPreis"), QStringLiteral("00000000"));
    QCOMPARE(text("labelGewicht"), QStringLiteral("0000 - 0000"));
}

void TestMainWindow::startMitGeliefertenDaten()
{
    // The delivered data folder as the program finds it.
    QTemporaryDir geliefert;
    QVERIFY(geliefert.isValid());
    QVERIFY(kopiereOrdner(QStringLiteral(ZORVEL_DATA_DIR), geliefert.path()));
    QVERIFY(QDir::setCurrent(geliefert.path()));
    starte();
    QVERIFY2(m_startMeldungen.isEmpty(), qPrintable(m_startMeldungen.join(QLatin1Char('|'))));

    QFile basis(QStringLiteral("basisliste.zsb"));
    QVERIFY(basis.open(QIODevice::ReadOnly));
    int zeilen = 0;
    while (!basis.atEnd())
        if (!basis.readLine().trimmed().isEmpty())
            ++zeilen;
    QCOMPARE(m_pFenster->schiffsModel()->rowCount(), zeilen - 1);

    QFile stil(QStringLiteral("style.qss"));
    QVERIFY(stil.open(QIODevice::ReadOnly));
    QCOMPARE(qApp->styleSheet(), QString::fromLatin1(stil.readAll()));
    QVERIFY(!qApp->styleSheet().isEmpty());
    QDir::setCurrent(m_pDir->path());
}

void TestMainWindow::bekanntesSchiff_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("erwartet");

    QTest::newRow("Preis") << "labelPreis" << "122.000";
    QTest::newRow("Objektgröße") << "labelObjektgroesse" << "17";
    QTest::newRow("Gewicht") << "labelGewicht" << "5 - 31";
    QTest::newRow("GSTP") << "labelGSTP" << "-22/0";
    QTest::newRow("RE") << "labelRE" << "60/80";
    QTest::newRow("BE") << "labelBE" << "0 (0)";
    QTest::newRow("Steuerung leer") << "labelSteuerung0" << "7,00";
    QTest::newRow("Steuerung voll") << "labelSteuerung100" << "7,00";
    QTest::newRow("Feldgeschwindigkeit") << "labelFeldgeschw50" << "0";
    QTest::newRow("Slots") << "labelSystemslots" << "-6/0";
    QTest::newRow("Brücke") << "labelPersonenBruecke" << "2";
    QTest::newRow("Treibstoff") << "labelTreibstoffTonne" << "26";
    QTest::newRow("Lebenserhaltung") << "labelLebenserhaltung" << "2";
    QTest::newRow("Ballons") << "labelKapselzusatz" << "0 / 0 / 0";
    QTest::newRow("Sensoren") << "labelSensoren" << "0, 0";
}

void TestMainWindow::bekanntesSchiff()
{
    QFETCH(QString, label);
    QFETCH(QString, erwartet);
    starte();
    QCOMPARE(m_pFenster->findChild<QLabel *>(label)->text(), erwartet);
    QVERIFY(kind<QCheckBox>("checkMaschinenraum")->isChecked());
    QVERIFY(kind<QCheckBox>("checkLandestelzen")->isChecked());
    QVERIFY(!kind<QCheckBox>("checkDruckschotten")->isChecked());
}

void TestMainWindow::panelFormat_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("erwartet");

    QTest::newRow("Preis") << "labelPreis" << "1.234.567";
    QTest::newRow("Gewicht") << "labelGewicht" << "1.234,5 - 2.500,25";
    QTest::newRow("GSTP frei negativ") << "labelGSTP" << "-20,5/100";
    QTest::newRow("RE") << "labelRE" << "-30/50";
    QTest::newRow("BE") << "labelBE" << "5.000 (1.200)";
    QTest::newRow("Rumpf") << "labelRumpf" << "12.345";
    QTest::newRow("Steuerung leer") << "labelSteuerung0" << "2,50";
    QTest::newRow("Steuerung halb") << "labelSteuerung50" << "1,25";
    QTest::newRow("Steuerung voll") << "labelSteuerung100" << "-3,00";
    QTest::newRow("Feld leer") << "labelFeldgeschw0" << "250.000";
    QTest::newRow("Feld halb") << "labelFeldgeschw50" << "12.346";
    QTest::newRow("Feld voll") << "labelFeldgeschw100" << "0";
    QTest::newRow("Slots") << "labelSystemslots" << "-2/4";
    QTest::newRow("Sensoren") << "labelSensoren" << "3, 1.500,5";
    QTest::newRow("Scanner") << "labelScanner" << "4, 25.000";
    QTest::newRow("Kommrelais") << "labelKommRelais" << "7.000";
    QTest::newRow("TR") << "labelTRTransmitter" << "12";
    QTest::newRow("Wasser") << "labelWasser" << "100.000";
    QTest::newRow("Hangar Kraftfeld") << "labelHangarKraftfeld" << "1.001";
    QTest::newRow("Trägheit") << "labelTraegheitsdaempfung" << "11";
    QTest::newRow("Kapseln") << "labelKapselzusatz" << "1 / 2 / 3";
    QTest::newRow("Sprung") << "labelGewichtSprung" << "1.000";
    QTest::newRow("Scan-Schutz") << "labelScanSchutz" << "2";
}

void TestMainWindow::panelFormat()
{
    QFETCH(QString, label);
    QFETCH(QString, erwartet);
    starte();
    SchiffsDaten d;
    d.preis = 1234567;
    d.leergewicht = 1234.5f;
    d.gewicht = 2500.25f;
    d.gstp = 100;
    d.gstpvBelegt = 120.5f;
    d.re = 50;
    d.rev = 80;
    d.be = 5000;
    d.maxBev = 1200;
    d.rumpf = 12345.0f;
    d.steuerungLeer = 2.5f;
    d.steuerungHalb = 1.25f;
    d.steuerungVoll = -3.0f;
    d.feldgeschwLeer = 250000.0f;
    d.feldgeschwHalb = 12345.6f;
    d.computerSlots = 4;
    d.slotsBelegt = 6;
    d.sensorBonus = 3;
    d.sensorReichweite = 1500.5f;
    d.scannerErfassung = 4;
    d.scannerReichweite = 25000;
    d.kommReichweite = 7000;
    d.trReichweite = 12;
    d.wasserLiter = 100000;
    d.hangarKraftfeld = 1001;
    d.traegheitsdaempfung = 11;
    d.gasballons = 1;
    d.fallschirme = 2;
    d.smashbags = 3;
    d.sprungTonnen = 1000;
    d.scanschutz = 2;
    m_pFenster->onNeueDaten(d);
    QCOMPARE(m_pFenster->findChild<QLabel *>(label)->text(), erwartet);
}

void TestMainWindow::panelTooltipsUndKaesten()
{
    starte();
    SchiffsDaten d;
    d.gstpvMaschinenraum = 5;
    d.gstpvTraegheitsdaempfer = 1200;
    d.gstpvDruckschotts = 3;
    d.gstpvEmap = 4;
    d.gstpvLandestelzen = 1;
    d.spiegelpanzerung = true;
    d.emapStarkfeld = true;
    m_pFenster->onNeueDaten(d);
    QCOMPARE(kind<QLabel>("labelGSTP")->toolTip(),
             QStringLiteral("Maschinenraum: 5 GSTPV\nTrägheitsdämpfung: 1.200 GSTPV\nDruckschotten: 3 GSTPV\n"
                            "EMAP-Starkfeld: 4 GSTPV\nLandestelzen: 1 GSTPV"));
    QCOMPARE(kind<QLabel>("labelSteuerung0")->toolTip(), QStringLiteral("Modul: ohne Treibstofftank/Frachtraum"));
    QCOMPARE(kind<QLabel>("labelFeldgeschw50")->toolTip(), QStringLiteral("Modul: Treibstoff/Frachtraum halb voll"));
    QCOMPARE(kind<QLabel>("labelSteuerung100")->toolTip(), QStringLiteral("Treibstoff/Frachtraum voll"));
    QCOMPARE(kind<QLabel>("labelGewicht")->toolTip(), QStringLiteral("Leergewicht - Gewicht inkl. Treibstoff & Frachtraum"));
    QCOMPARE(text("bezFeldgeschw"), QStringLiteral("Feldgeschwindigkeit[km/s]*"));
    QCOMPARE(text("bezSprung"), QStringLiteral("Sprung[t]  "));
    QCOMPARE(text("lSchiffsdaten"), QStringLiteral(" Schiff"));
    QCOMPARE(kind<QLineEdit>("editName")->placeholderText(), QStringLiteral("Schiffsname"));

    const char *const kaesten[] = {"checkSpiegelpanzer", "checkMaschinenraum", "checkDruckschotten",
                                   "checkLandestelzen", "checkEMAPStarkfeld"};
    for (const char *name : kaesten) {
        QCheckBox *k = kind<QCheckBox>(name);
        QVERIFY(k->isCheckable());
        QVERIFY(!k->isEnabled());
    }
    QVERIFY(kind<QCheckBox>("checkSpiegelpanzer")->isChecked());
    QVERIFY(kind<QCheckBox>("checkEMAPStarkfeld")->isChecked());
    QVERIFY(!kind<QCheckBox>("checkMaschinenraum")->isChecked());
}

void TestMainWindow::menues()
{
    starte();
    const QList<QAction *> menues = m_pFenster->menuBar()->actions();
    QCOMPARE(menues.size(), 5);
    QCOMPARE(menues.at(0)->text().remove('&'), QStringLiteral("Schiff"));
    QCOMPARE(menues.at(1)->text().remove('&'), QStringLiteral("Bearbeiten"));
    QCOMPARE(menues.at(2)->text().remove('&'), QStringLiteral("Liste"));
    QCOMPARE(menues.at(3)->text().remove('&'), QStringLiteral("Ansicht"));
    QCOMPARE(menues.at(4)->text().remove('&'), QStringLiteral("Hilfe"));
    QStringList texte;
    for (QAction *menu : menues)
        for (QAction *a : menu->menu()->actions())
            if (!a->isSeparator())
                texte << a->objectName() + QLatin1Char('=') + a->text().remove('&');
    QCOMPARE(texte, QStringList({"actionNeu=neu", "actionLaden=laden ...",
                                 "actionZuletztGeoeffnet=Zuletzt geöffnet", "actionSpeichern=speichern",
                                 "actionSpeichernUnter=speichern unter ...",
                                 "actionExportieren=exportieren ...",
                                 "actionPdf=als PDF exportieren ...", "actionDrucken=drucken ...",
                                 "actionZusammenfassung=Zusammenfassung kopieren",
                                 "actionVergleichen=Vergleichen mit ...",
                                 "actionAktualisieren=Auf aktuelle Listen umstellen", "actionBeenden=Beenden",
                                 "actionRueckgaengig=Rückgängig", "actionWiederholen=Wiederholen",
                                 "actionLeeren=leeren",
                                 "actionBasisliste=Basisliste", "actionListenPruefen=Listen prüfen ...",
                                 "actionAuswahlImHauptfenster=Auswahl im Hauptfenster",
                                 "actionKurzanleitung=Kurzanleitung", "actionUeber=Über ..."}));
}

void TestMainWindow::fensterPlatzierung()
{
    starte();
    // A good share of the free screen, the chooser as wide and below it.
    const QRect frei = QGuiApplication::primaryScreen()->availableGeometry();
    const QRect w = m_pFenster->geometry();
    const QRect a = m_pFenster->auswahl()->geometry();
    QCOMPARE(w, AuswahlPlatz::startPlatz(frei, a.height(), 30));
    QCOMPARE(a.width(), w.width());
    QVERIFY(a.top() > w.bottom());
    QVERIFY(a.bottom() <= frei.bottom());

    // Still directly below once the chooser opens.
    m_pFenster->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_pFenster.get()));
    klickeKategorie(3);
    QVERIFY(m_pFenster->auswahl()->isVisible());
    QCOMPARE(m_pFenster->auswahl()->frameGeometry().top(), m_pFenster->frameGeometry().bottom() + 1);
    QCOMPARE(m_pFenster->auswahl()->frameGeometry().left(), m_pFenster->frameGeometry().left());
}

void TestMainWindow::kategorieKlickOeffnetAuswahl()
{
    starte();
    m_pFenster->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_pFenster.get()));
    klickeKategorie(KatReaktoren);
    KomponentenAuswahl *auswahl = m_pFenster->auswahl();
    QVERIFY(auswahl->isVisible());
    QCOMPARE(auswahl->kategorie(), uint(KatReaktoren));
    auto *view = kind<QTableView>("komponentenView", auswahl);
    QCOMPARE(view->model()->rowCount(), 3);
    QCOMPARE(view->horizontalHeader()->count(), 9);

    // Another category follows, the chooser stays open.
    klickeKategorie(2);
    QCOMPARE(auswahl->kategorie(), 2u);
    QCOMPARE(view->model()->rowCount(), 8);
    QCOMPARE(view->horizontalHeader()->count(), 4);

    // Closed by the user, a click on the same category opens it again.
    auswahl->close();
    QVERIFY(!auswahl->isVisible());
    klickeKategorie(2);
    QVERIFY(auswahl->isVisible());
}

void TestMainWindow::hinzufuegenPerKnopf()
{
    starte();
    m_pFenster->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_pFenster.get()));
    SchiffsModel *model = m_pFenster->schiffsModel();
    QCOMPARE(text("labelPreis"), QStringLiteral("122.000"));

    klickeKategorie(KatReaktoren);
    waehleKomponente(2); // Mikroreaktor, 90000 St, 60 RE
    auto *box = kind<QSpinBox>("sbAnzahlHinzu", m_pFenster->auswahl());
    box->setValue(3);
    QTest::mouseClick(kind<QPushButton>("pbHinzufuegen", m_pFenster->auswahl()), Qt::LeftButton);
    QCOMPARE(model->rowCount(), 7);
    QCOMPARE(model->komponente(6)->name(), QStringLiteral("Mikroreaktor"));
    QCOMPARE(model->anzahl(6), 3);
    QCOMPARE(text("labelPreis"), QStringLiteral("392.000"));
    QCOMPARE(text("labelRE"), QStringLiteral("240/260"));
    // The library's own component stays untouched: the ship holds a copy.
    QVERIFY(model->komponente(6) != m_pFenster->bibliothek()->element(KatReaktoren, 2));
}

void TestMainWindow::hinzufuegenPerDoppelklick()
{
    starte();
    m_pFenster->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_pFenster.get()));
    SchiffsModel *model = m_pFenster->schiffsModel();

    klickeKategorie(3);
    waehleKomponente(0); // Treibstofftank
    auto *box = kind<QSpinBox>("sbAnzahlHinzu", m_pFenster->auswahl());
    box->setValue(5);
    auto *view = kind<QTableView>("komponentenView", m_pFenster->auswahl());
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(view->model()->index(0, 0)).center());
    QCOMPARE(model->rowCount(), 7);
    QCOMPARE(model->komponente(6)->name(), QStringLiteral("Treibstofftank"));
    QCOMPARE(model->anzahl(6), 1);
    // 13 + 1 GSTPV of fuel tanks in two rows: 7000 + 1000 St more.
    QCOMPARE(text("labelTreibstoffTonne"), QStringLiteral("28"));
    QCOMPARE(text("labelPreis"), QStringLiteral("123.000"));
}

void TestMainWindow::hinzufuegenNachSortieren()
{
    starte();
    m_pFenster->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_pFenster.get()));
    SchiffsModel *model = m_pFenster->schiffsModel();

    klickeKategorie(KatReaktoren);
    auto *view = kind<QTableView>("komponentenView", m_pFenster->auswahl());
    QHeaderView *kopf = view->horizontalHeader();
    // Sort by "St /n" (price): Blitzreaktor, Fusionsreaktor A, Mikroreaktor.
    const int x = kopf->sectionViewportPosition(4) + kopf->sectionSize(4) / 2;
    QTest::mouseClick(kopf->viewport(), Qt::LeftButton, {}, QPoint(x, kopf->height() / 2));
    if (kopf->sortIndicatorOrder() != Qt::AscendingOrder)
        QTest::mouseClick(kopf->viewport(), Qt::LeftButton, {}, QPoint(x, kopf->height() / 2));
    QCOMPARE(view->model()->data(view->model()->index(0, 0)).toString(), QStringLiteral("Blitzreaktor"));

    waehleKomponente(0);
    QTest::mouseClick(kind<QPushButton>("pbHinzufuegen", m_pFenster->auswahl()), Qt::LeftButton);
    QCOMPARE(model->rowCount(), 7);
    QCOMPARE(model->komponente(6)->name(), QStringLiteral("Blitzreaktor"));
    QCOMPARE(model->anzahl(6), 1);
}

void TestMainWindow::maxEinmalBegrenztAnzahl()
{
    starte();
    m_pFenster->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_pFenster.get()));
    klickeKategorie(2);
    waehleKomponente(2); // Druckschotts: max 1x
    auto *box = kind<QSpinBox>("sbAnzahlHinzu", m_pFenster->auswahl());
    QCOMPARE(kind<QLabel>("lEinheit", m_pFenster->auswahl())->text(), QStringLiteral("max 1x"));
    QCOMPARE(box->maximum(), 1);
    box->setValue(4);
    QCOMPARE(box->value(), 1);
    QTest::mouseClick(kind<QPushButton>("pbHinzufuegen", m_pFenster->auswahl()), Qt::LeftButton);
    QCOMPARE(m_pFenster->schiffsModel()->anzahl(6), 1);
    QVERIFY(kind<QCheckBox>("checkDruckschotten")->isChecked());
}

// A "max 1x" component already in the ship stays there once, whether added
// by button or by double click.
void TestMainWindow::maxEinmalNichtZweimal()
{
    starte();
    m_pFenster->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_pFenster.get()));
    SchiffsModel *model = m_pFenster->schiffsModel();
    klickeKategorie(2);
    waehleKomponente(2); // Druckschotts: max 1x
    auto *knopf = kind<QPushButton>("pbHinzufuegen", m_pFenster->auswahl());
    QTest::mouseClick(knopf, Qt::LeftButton);
    QCOMPARE(model->rowCount(), 7);
    QTest::mouseClick(knopf, Qt::LeftButton);
    auto *view = kind<QTableView>("komponentenView", m_pFenster->auswahl());
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(view->model()->index(2, 0)).center());
    QCOMPARE(model->rowCount(), 7);
    QCOMPARE(model->anzahl(6), 1);
    // An ordinary component may come twice.
    waehleKomponente(0);
    QTest::mouseClick(knopf, Qt::LeftButton);
    QTest::mouseClick(knopf, Qt::LeftButton);
    QCOMPARE(model->rowCount(), 9);
}

// What adds nothing says why in the status bar, and the ship stays as it was.
void TestMainWindow::ablehnungNenntGrund()
{
    starte();
    m_pFenster->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_pFenster.get()));
    SchiffsModel *model = m_pFenster->schiffsModel();
    auto *knopf = kind<QPushButton>("pbHinzufuegen", m_pFenster->auswahl());
    klickeKategorie(2);   // nothing chosen yet: the count is 0
    QTest::mouseClick(knopf, Qt::LeftButton);
    QCOMPARE(model->rowCount(), 6);
    QVERIFY(m_pFenster->statusBar()->currentMessage().startsWith(QStringLiteral("Hinzufügen: Anzahl 0")));

    waehleKomponente(2); // Druckschotts: max 1x
    QTest::mouseClick(knopf, Qt::LeftButton);
    QTest::mouseClick(knopf, Qt::LeftButton);
    QCOMPARE(model->rowCount(), 7);
    QCOMPARE(model->anzahl(6), 1);
    QCOMPARE(m_pFenster->statusBar()->currentMessage(),
             QStringLiteral("%1 ist schon eingebaut (höchstens einmal je Schiff).").arg(model->komponente(6)->name()));
}

void TestMainWindow::neueZeileSichtbarUndGewaehlt()
{
    starte();
    m_pFenster->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_pFenster.get()));
    auto *tabelle = kind<QTableView>("tableView");
    for (int i = 0; i < 30; ++i)
        m_pFenster->onAddKomponente(KatReaktoren, 0, 1);
    const QModelIndex letzte = tabelle->model()->index(35, 0);
    QVERIFY(tabelle->viewport()->rect().contains(tabelle->visualRect(letzte)));
    QCOMPARE(tabelle->currentIndex().row(), 35);
    QVERIFY(tabelle->selectionModel()->isRowSelected(35, QModelIndex()));
    QVERIFY(!tabelle->selectionModel()->isRowSelected(34, QModelIndex()));
}

// Delete and the context menu entry "Entfernen" remove the selected rows
// and recompute the ship.
void TestMainWindow::entfernenPerTasteUndMenue()
{
    starte();
    m_pFenster->show();
    QVERIFY(QTest::qWaitForWindowActive(m_pFenster.get()));
    SchiffsModel *model = m_pFenster->schiffsModel();
    auto *tabelle = kind<QTableView>("tableView");
    QAction *entfernen = kind<QAction>("actionEntfernen");
    QCOMPARE(entfernen->text().remove('&'), QStringLiteral("Entfernen"));
    QCOMPARE(tabelle->contextMenuPolicy(), Qt::ActionsContextMenu);
    QVERIFY(tabelle->actions().contains(entfernen));
    QVERIFY(!entfernen->isEnabled());

    // Rows 3 and 5 (Treibstofftank, Fusionsreaktor A) by the Delete key.
    QItemSelectionModel *auswahl = tabelle->selectionModel();
    auswahl->select(tabelle->model()->index(2, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    auswahl->select(tabelle->model()->index(5, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    QVERIFY(entfernen->isEnabled());
    tabelle->setFocus();
    QTest::keyClick(tabelle, Qt::Key_Delete);
    QCOMPARE(model->rowCount(), 4);
    QCOMPARE(model->komponente(2)->name(), QStringLiteral("Umweltkontrollsystem"));
    QCOMPARE(text("labelTreibstoffTonne"), QStringLiteral("0"));
    QCOMPARE(text("labelRE"), QStringLiteral("-20/0"));

    // Row 1, picked by a click on its name, through the context menu's entry.
    const QRect name = tabelle->visualRect(tabelle->model()->index(0, SchiffsModel::SpalteName));
    QTest::mouseClick(tabelle->viewport(), Qt::LeftButton, {}, name.center());
    QVERIFY(entfernen->isEnabled());
    entfernen->trigger();
    QCOMPARE(model->rowCount(), 3);
    QCOMPARE(model->komponente(0)->name(), QStringLiteral("Cockpit/Brücke/Zentrale"));
    QVERIFY(!kind<QCheckBox>("checkMaschinenraum")->isChecked());
}

void TestMainWindow::tooltipsDerNamen()
{
    starte();
    QAbstractItemModel *model = kind<QTableView>("tableView")->model();
    QCOMPARE(model->index(0, SchiffsModel::SpalteName).data(Qt::ToolTipRole).toString(),
             QStringLiteral("Wartungs/Lüftungsschächte, Maschinenraum"));
    QCOMPARE(model->index(0, SchiffsModel::SpalteTyp).data(Qt::ToolTipRole).toString(),
             model->index(0, SchiffsModel::SpalteTyp).data().toString());
    QVERIFY(!model->index(0, SchiffsModel::SpalteDaten).data(Qt::ToolTipRole).isValid());
}

// A negative energy balance and more slots used than available show in red,
// and turn back when the ship is mended.
void TestMainWindow::warnungenRot()
{
    starte();
    auto istRot = [](QLabel *l) {
        const QColor c = l->palette().color(l->foregroundRole());
        return c.red() > 150 && c.green() < 100 && c.blue() < 100;
    };
    SchiffsDaten d;
    d.re = 10;
    d.rev = 30;
    d.computerSlots = 2;
    d.slotsBelegt = 3;
    m_pFenster->onNeueDaten(d);
    QVERIFY(istRot(kind<QLabel>("labelRE")));
    QVERIFY(istRot(kind<QLabel>("labelSystemslots")));
    QVERIFY(!istRot(kind<QLabel>("labelPreis")));
    d.rev = 10;
    d.slotsBelegt = 2;
    m_pFenster->onNeueDaten(d);
    QVERIFY(!istRot(kind<QLabel>("labelRE")));
    QVERIFY(!istRot(kind<QLabel>("labelSystemslots")));
}

// A ship of a million tonnes: fixed notation, and the panel fits the
// default window without horizontal scrolling.
void TestMainWindow::grosseWerteOhneExponent()
{
    starte();
    m_pFenster->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_pFenster.get()));
    SchiffsDaten d;
    d.leergewicht = 1000040.0f;
    d.gewicht = 1000060.0f;
    d.gstp = 833367;
    d.gstpvBelegt = 41715.0f;
    d.rumpf = 833367.0f;
    d.sensorReichweite = 2000000.0f;
    m_pFenster->onNeueDaten(d);
    QCOMPARE(text("labelGewicht"), QStringLiteral("1.000.040 - 1.000.060"));
    QCOMPARE(text("labelGSTP"), QStringLiteral("791.652/833.367"));
    QCOMPARE(text("labelRumpf"), QStringLiteral("833.367"));
    QCOMPARE(text("labelSensoren"), QStringLiteral("0, 2.000.000"));
    QApplication::processEvents();
    auto *bereich = kind<QScrollArea>("scrollAreaSchiffsdaten");
    QVERIFY(bereich->widget()->minimumSizeHint().width() <= bereich->viewport()->width());
}

// The count editor of the ship table offers exactly 0 to 1,000,000; a count
// typed into it reaches the model, and 0 removes the row.
void TestMainWindow::anzahlEditor()
{
    starte();
    auto *tabelle = kind<QTableView>("tableView");
    const QModelIndex index = tabelle->model()->index(2, SchiffsModel::SpalteAnzahl);
    tabelle->setCurrentIndex(index);
    tabelle->edit(index);
    auto *box = tabelle->viewport()->findChild<QSpinBox *>();
    QVERIFY(box);
    QCOMPARE(box->minimum(), 0);
    QCOMPARE(box->maximum(), 1000000);
    QCOMPARE(box->value(), 13);

    box->selectAll();
    QTest::keyClicks(box, QStringLiteral("-5"));
    QVERIFY(!box->text().contains(QLatin1Char('-'))); // no negative count
    QCOMPARE(box->value(), 5);
    box->selectAll();
    QTest::keyClicks(box, QStringLiteral("2000000"));
    QVERIFY(box->value() <= 1000000);
    box->selectAll();
    QTest::keyClicks(box, QStringLiteral("40"));
    QTest::keyClick(box, Qt::Key_Return);
    // the view commits the editor's value after the key press
    QTRY_COMPARE(m_pFenster->schiffsModel()->anzahl(2), 40);

    QTRY_VERIFY(!tabelle->viewport()->findChild<QSpinBox *>());
    tabelle->edit(index);
    box = tabelle->viewport()->findChild<QSpinBox *>();
    QVERIFY(box);
    box->selectAll();
    QTest::keyClicks(box, QStringLiteral("0"));
    QTest::keyClick(box, Qt::Key_Return);
    QTRY_COMPARE(m_pFenster->schiffsModel()->rowCount(), 5);
}

void TestMainWindow::leeren()
{
    starte();
    kind<QLineEdit>("editName")->setText(QStringLiteral("Kormoran"));
    kind<QLineEdit>("editBeschreibung")->setText(QStringLiteral("Frachter"));
    {
        DialogWaechter waechter;
        kind<QAction>("actionLeeren")->trigger();
        QCOMPARE(waechter.fragen, 1);
    }
    QCOMPARE(m_pFenster->schiffsModel()->rowCount(), 0);
    QCOMPARE(kind<QLineEdit>("editName")->text(), QString());
    QCOMPARE(kind<QLineEdit>("editBeschreibung")->text(), QString());
    QCOMPARE(text("labelPreis"), QStringLiteral("0"));
    QCOMPARE(text("labelGewicht"), QStringLiteral("0 - 0"));
    QVERIFY(!kind<QCheckBox>("checkMaschinenraum")->isChecked());
}

void TestMainWindow::basisliste()
{
    starte();
    kind<QLineEdit>("editName")->setText(QStringLiteral("Kormoran"));
    m_pFenster->onAddKomponente(0, 2, 3); // Turbolifte
    QCOMPARE(m_pFenster->schiffsModel()->rowCount(), 7);
    {
        DialogWaechter waechter;
        kind<QAction>("actionBasisliste")->trigger();
    }
    QCOMPARE(m_pFenster->schiffsModel()->rowCount(), 6);
    QCOMPARE(kind<QLineEdit>("editName")->text(), QString());
    QCOMPARE(text("labelPreis"), QStringLiteral("122.000"));

    // Indices beyond the library add nothing but still recompute.
    m_pFenster->onAddKomponente(0, 99, 1);
    m_pFenster->onAddKomponente(4000000000u, 0, 1);
    QCOMPARE(m_pFenster->schiffsModel()->rowCount(), 6);
}

void TestMainWindow::basislisteUnlesbar()
{
    // A folder in its place cannot be read, not even with every right.
    QVERIFY(QFile::remove(QStringLiteral("basisliste.zsb")));
    QVERIFY(QDir().mkdir(QStringLiteral("basisliste.zsb")));
    const QStringList titel(QStringLiteral("Kein Zugriff auf Standardauswahl"));
    const QStringList text(QStringLiteral("Es konnte auf die Datei basisliste.zsb nicht zugegriffen werden."));
    {
        DialogWaechter waechter;
        m_pFenster = std::make_unique<MainWindow>();
        QCOMPARE(waechter.titel, titel);
        QCOMPARE(waechter.texte, text);
        QVERIFY(waechter.alleOhneEltern);
    }
    QCOMPARE(m_pFenster->schiffsModel()->rowCount(), 0);

    // "Basisliste" warns alike and keeps the ship.
    m_pFenster->onAddKomponente(0, 2, 3);
    DialogWaechter waechter;
    kind<QAction>("actionBasisliste")->trigger();
    QCOMPARE(waechter.titel, titel);
    QCOMPARE(waechter.texte, text);
    QCOMPARE(m_pFenster->schiffsModel()->rowCount(), 1);
}

void TestMainWindow::ladenAbgebrochen()
{
    starte();
    kind<QLineEdit>("editName")->setText(QStringLiteral("Kormoran"));
    DialogWaechter waechter; // rejects the file dialog
    kind<QAction>("actionLaden")->trigger();
    QCOMPARE(m_pFenster->schiffsModel()->rowCount(), 6);
    QCOMPARE(kind<QLineEdit>("editName")->text(), QStringLiteral("Kormoran"));
}

void TestMainWindow::ladenDatei()
{
    const QByteArray schiff("2.0;Kormoran;Ein Frachter;\n"
                            "3;5;Treibstofftank;\n");
    const QString datei = m_pDir->filePath(QStringLiteral("kormoran.zss"));
    QVERIFY(schreibe(datei, schiff));
    starte();
    kind<QLineEdit>("editName")->setText(QStringLiteral("Alt"));
    DialogWaechter antwort(datei);
    kind<QAction>("actionLaden")->trigger();
    const QString titel = antwort.dateiTitel.value(0);
    QCOMPARE(titel, QStringLiteral("Welche Datei soll geladen werden?"));
    // The ship was cleared first: only the loaded row remains.
    QCOMPARE(m_pFenster->schiffsModel()->rowCount(), 1);
    QCOMPARE(m_pFenster->schiffsModel()->anzahl(0), 5);
    QCOMPARE(kind<QLineEdit>("editName")->text(), QStringLiteral("Kormoran"));
    QCOMPARE(kind<QLineEdit>("editBeschreibung")->text(), QStringLiteral("Ein Frachter"));
    QCOMPARE(text("labelTreibstoffTonne"), QStringLiteral("10"));
    QCOMPARE(text("labelPreis"), QStringLiteral("5.000"));
}

void TestMainWindow::kurzanleitung()
{
    QVERIFY(schreibe(QStringLiteral("kurzanleitung.pdf"), QByteArray("%PDF-1.4\n")));
    starte();
    UrlEmpfaenger empfaenger;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &empfaenger, "oeffne");
    DialogWaechter waechter;
    kind<QAction>("actionKurzanleitung")->trigger();
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    QVERIFY(waechter.texte.isEmpty());
    QCOMPARE(empfaenger.urls.size(), 1);
    QCOMPARE(empfaenger.urls.at(0), QUrl::fromLocalFile(m_pDir->filePath(QStringLiteral("kurzanleitung.pdf"))));
}

void TestMainWindow::kurzanleitungFehlt()
{
    starte();
    UrlEmpfaenger empfaenger;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &empfaenger, "oeffne");
    DialogWaechter waechter;
    kind<QAction>("actionKurzanleitung")->trigger();
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    QCOMPARE(empfaenger.urls.size(), 0);
    QCOMPARE(waechter.titel, QStringList(QStringLiteral("Fehler beim Laden der Kurzanleitung")));
    QCOMPARE(waechter.texte, QStringList(QStringLiteral("Die Datei kurzanleitung.pdf konnte nicht geladen werden.")));
}

void TestMainWindow::ueber()
{
    starte();
    DialogWaechter waechter;
    kind<QAction>("actionUeber")->trigger();
    QCOMPARE(waechter.titel, QStringList(QStringLiteral("Über ZORVEL2 - Schiffsbau-Assistent Version 0.12.0")));
    QVERIFY(waechter.texte.at(0).contains(QStringLiteral("ZORVEL")));
    QVERIFY(waechter.texte.at(0).contains(QStringLiteral("LGPL")));
}

void TestMainWindow::schliessenSchliesstAuswahl()
{
    starte();
    m_pFenster->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_pFenster.get()));
    klickeKategorie(0);
    QVERIFY(m_pFenster->auswahl()->isVisible());
    QVERIFY(m_pFenster->close());
    QVERIFY(!m_pFenster->isVisible());
    QVERIFY(!m_pFenster->auswahl()->isVisible());
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
