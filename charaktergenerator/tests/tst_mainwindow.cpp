#include "mainwindow.h"
#include "basistypus.h"
#include "charakter.h"
#include "charakterxml.h"
#include "regelwerk.h"
#include "spezialgebiet.h"
#include "persistenz.h"
#include "fenster_hilfen.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>
#include <QComboBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTest>

namespace {

const char *const Hinweise[] = {
    "Bitte Basistypus für die folgenden Schritte wählen. Größe und Gewicht sind ein "
    "regelkonformer Vorschlag. Das Geburtsdatum hat derzeit keinen Bezug zum Basistyp.",
    "Bitte die Eigenschaften wie gewünscht steigern. Daraus (und aus dem Basistyp) resultieren "
    "die Daten rechts.",
    "Hier kann man das Modul Spezialgebiete verwenden.",
    "Bitte alle Sprachen, die der Charakter neben seiner/n Muttersprache/n spricht, sowie alle "
    "Aktionsfertigkeiten, die er zu Beginn können soll, hinzufügen.",
    "Bitte die paranormische Fähigkeiten des Charakters definieren.",
    "Hier kann man weitere Energien, sowie das Startguthaben, Prestige und Bonuspunkte definieren.",
};

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private:
    MainWindow *fenster = nullptr;

    template<typename T>
    T *kind(const char *name) { return kindVon<T>(fenster, name); }
    QTabWidget *tabs() { return kind<QTabWidget>("tabWidget"); }
    QPushButton *weiter() { return kind<QPushButton>("buttonWeiter"); }
    QString label(const char *name) { return kind<QLabel>(name)->text(); }
    void klickeTab(int index)
    {
        QTabBar *leiste = tabs()->tabBar();
        QTest::mouseClick(leiste, Qt::LeftButton, {}, leiste->tabRect(index).center());
    }
    void pruefeAktiveTabs(int hoechster)
    {
        for (int i = 0; i < 6; ++i)
            QCOMPARE(tabs()->isTabEnabled(i), i <= hoechster);
    }
    void setzeName(const QString &name)
    {
        QLineEdit *edit = kind<QLineEdit>("editName");
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, name);
        QTest::keyClick(edit, Qt::Key_Return);
    }

private slots:
    void init()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        fenster = new MainWindow;
        fenster->show();
        QVERIFY(QTest::qWaitForWindowExposed(fenster));
    }
    void cleanup()
    {
        delete fenster;
        fenster = nullptr;
    }

    void startzustand()
    {
        QCOMPARE(fenster->windowTitle().remove(QStringLiteral("[*]")), QStringLiteral("ZORVEL2 - Charaktergenerator (0.9.3)"));
        const QStringList beschriftungen = { "1) Basis", "2) Eigenschaften", "3) Spezialgebiete",
                                             "4) Aktionen", "5) Paranormik", "6) Diverse" };
        QCOMPARE(tabs()->count(), 6);
        for (int i = 0; i < 6; ++i)
            QCOMPARE(tabs()->tabText(i), beschriftungen.at(i));
        QCOMPARE(tabs()->currentIndex(), 0);
        pruefeAktiveTabs(0);

        QCOMPARE(label("labelSchritt"), QStringLiteral(" 1 "));
        QCOMPARE(label("labelAnweisung"), QString::fromUtf8(Hinweise[0]));
        QVERIFY(weiter()->isVisible());
        QCOMPARE(weiter()->text().remove('&'), QStringLiteral("weiter ->"));
        QVERIFY(kind<QWidget>("frameWeiter")->isVisible());

        // a reset Terraner
        QCOMPARE(label("labelInfoName"), QString());
        QCOMPARE(label("labelInfoEP"), QStringLiteral("200/200"));
        QCOMPARE(label("labelInfoSP"), QStringLiteral("20/20"));
        QCOMPARE(label("labelInfoTP"), QStringLiteral("0/0"));
        QCOMPARE(label("labelInfoMP"), QStringLiteral("0/0"));
        QCOMPARE(label("labelInfoASP"), QStringLiteral("0/80"));
        QCOMPARE(label("labelInfoMSP"), QStringLiteral("0/120"));
        QCOMPARE(label("labelInfoKSP"), QStringLiteral("0/0"));
        QCOMPARE(kind<QLabel>("labelInfoEP")->toolTip().section(QLatin1Char('\n'), 0, 0),
                 QStringLiteral("Ungenutzte Start-EP / Gesamt Start-EP"));
    }

    void menuesUndKuerzel()
    {
        QCOMPARE(kind<QAction>("actionNeu")->text().remove('&'), QStringLiteral("neu"));
        QCOMPARE(kind<QAction>("actionLaden")->text().remove('&'), QStringLiteral("laden ..."));
        QCOMPARE(kind<QAction>("actionSpeichern")->text().remove('&'), QStringLiteral("speichern"));
        QCOMPARE(kind<QAction>("actionExportieren")->text().remove('&'), QStringLiteral("exportieren ..."));
        QCOMPARE(kind<QAction>("actionUeber")->text().remove('&'), QStringLiteral("Über ..."));
        QCOMPARE(kind<QAction>("actionNeu")->shortcuts(), QKeySequence::keyBindings(QKeySequence::New));
        QCOMPARE(kind<QAction>("actionLaden")->shortcuts(), QKeySequence::keyBindings(QKeySequence::Open));
        QCOMPARE(kind<QAction>("actionSpeichern")->shortcuts(), QKeySequence::keyBindings(QKeySequence::Save));
        QAction *beenden = kind<QAction>("actionBeenden");
        QCOMPARE(beenden->text().remove('&'), QStringLiteral("Beenden"));
        QCOMPARE(beenden->shortcuts(), QKeySequence::keyBindings(QKeySequence::Quit));
        QCOMPARE(kind<QMenu>("menuCharakter")->actions().constLast(), beenden);
    }

    // On a 1280x720 screen with a panel every step still shows "weiter ->";
    // the pages scroll instead.
    void kleinerBildschirm()
    {
        const QSize klein(1240, 620);
        QVERIFY(fenster->minimumSizeHint().width() <= klein.width());
        QVERIFY(fenster->minimumSizeHint().height() <= klein.height());
        fenster->resize(klein);
        for (int schritt = 0; schritt < 6; ++schritt) {
            if (schritt > 0)
                QTest::mouseClick(weiter(), Qt::LeftButton);
            QCOMPARE(tabs()->currentIndex(), schritt);
            QCoreApplication::processEvents();
            QCOMPARE(fenster->size(), klein);
            const QRect knopf(weiter()->mapTo(fenster, QPoint(0, 0)), weiter()->size());
            QVERIFY(fenster->rect().contains(knopf));
        }
    }

    void fuenfMalWeiterUndFertig()
    {
        for (int schritt = 1; schritt <= 5; ++schritt) {
            QTest::mouseClick(weiter(), Qt::LeftButton);
            QCOMPARE(tabs()->currentIndex(), schritt);
            pruefeAktiveTabs(schritt);
            QCOMPARE(label("labelSchritt"), QString::number(schritt + 1));
            QCOMPARE(label("labelAnweisung"), QString::fromUtf8(Hinweise[schritt]));
            QVERIFY(weiter()->isVisible());
            QCOMPARE(weiter()->text().remove('&'),
                     schritt == 5 ? QStringLiteral("fertig") : QStringLiteral("weiter ->"));
            QCOMPARE(label("labelInfoEP"), QStringLiteral("200/200"));
        }
        QCOMPARE(kind<QLabel>("labelInfoEP")->toolTip().section(QLatin1Char('\n'), 0, 0),
                 QStringLiteral("(Ungenutzte Start-EP) Genutzte EP nach Generierung"));

        QTest::mouseClick(weiter(), Qt::LeftButton);
        QVERIFY(!weiter()->isVisible());
        QCOMPARE(tabs()->currentIndex(), 5);
        pruefeAktiveTabs(5);
        QCOMPARE(label("labelInfoEP"), QStringLiteral("(200) 0"));
    }

    void zurueckMitDerTableiste()
    {
        for (int i = 0; i < 5; ++i)
            weiter()->click();
        QCOMPARE(weiter()->text().remove('&'), QStringLiteral("fertig"));

        klickeTab(2);
        QCOMPARE(tabs()->currentIndex(), 2);
        QCOMPARE(label("labelSchritt"), QStringLiteral("3"));
        QCOMPARE(label("labelAnweisung"), QString::fromUtf8(Hinweise[2]));
        QCOMPARE(weiter()->text().remove('&'), QStringLiteral("weiter ->"));
        pruefeAktiveTabs(5);

        weiter()->click();
        QCOMPARE(tabs()->currentIndex(), 3);
        pruefeAktiveTabs(5);
        QCOMPARE(weiter()->text().remove('&'), QStringLiteral("weiter ->"));

        // a disabled tab cannot be reached with the tab bar
        delete fenster;
        fenster = new MainWindow;
        fenster->show();
        QVERIFY(QTest::qWaitForWindowExposed(fenster));
        weiter()->click();
        klickeTab(4);
        QCOMPARE(tabs()->currentIndex(), 1);
        klickeTab(0);
        QCOMPARE(tabs()->currentIndex(), 0);
        pruefeAktiveTabs(1);
        QCOMPARE(label("labelSchritt"), QStringLiteral("1"));
    }

    void kopfzeileNachAenderungen()
    {
        // name: refreshed as soon as the edit is finished
        setzeName(QStringLiteral("Jorin Vess"));
        QCOMPARE(label("labelInfoName"), QStringLiteral("Jorin Vess"));

        // species: Minelauvaner
        kind<QComboBox>("comboBasistypus")->setCurrentIndex(4);
        QCOMPARE(label("labelInfoEP"), QStringLiteral("185/185"));
        QCOMPARE(label("labelInfoSP"), QStringLiteral("10/10"));
        QCOMPARE(label("labelInfoTP"), QStringLiteral("0/0"));
        QCOMPARE(label("labelInfoMP"), QStringLiteral("0/0"));
        QCOMPARE(label("labelInfoASP"), QStringLiteral("0/72"));
        QCOMPARE(label("labelInfoMSP"), QStringLiteral("0/108"));
        QCOMPARE(label("labelInfoKSP"), QStringLiteral("0/0"));

        // species: Tokmarde (TP and KSP)
        kind<QComboBox>("comboBasistypus")->setCurrentIndex(7);
        QCOMPARE(label("labelInfoEP"), QStringLiteral("90/90"));
        QCOMPARE(label("labelInfoTP"), QStringLiteral("5/5"));
        QCOMPARE(label("labelInfoKSP"), QStringLiteral("0/52"));

        // species: Veganoid (MP)
        kind<QComboBox>("comboBasistypus")->setCurrentIndex(14);
        QCOMPARE(label("labelInfoMP"), QStringLiteral("100/100"));
        QCOMPARE(label("labelInfoEP"), QStringLiteral("90/90"));

        // attributes: two raises of Mut cost 3 + 4 EP
        weiter()->click();
        kind<QPushButton>("buttonPlusMut")->click();
        QCOMPARE(label("labelInfoEP"), QStringLiteral("87/90"));
        kind<QPushButton>("buttonPlusMut")->click();
        QCOMPARE(label("labelInfoEP"), QStringLiteral("83/90"));
        kind<QPushButton>("buttonMinMut")->click();
        QCOMPARE(label("labelInfoEP"), QStringLiteral("87/90"));

        // after "fertig": remaining start EP in parentheses, then EP used since
        for (int i = 0; i < 5; ++i)
            weiter()->click();
        QCOMPARE(label("labelInfoEP"), QStringLiteral("(87) 0"));
        klickeTab(1);
        kind<QPushButton>("buttonPlusKraft")->click();
        QCOMPARE(label("labelInfoEP"), QStringLiteral("(87) 3"));
        kind<QPushButton>("buttonPlusMut")->click();
        QCOMPARE(label("labelInfoEP"), QStringLiteral("(87) 7"));
        QCOMPARE(label("labelInfoName"), QStringLiteral("Jorin Vess"));
    }

    // Learned actions reach the header through the character's own signal,
    // bought points through the tab's signal.
    void kopfzeileNachAktionenUndPunkten()
    {
        for (int i = 0; i < 3; ++i)
            weiter()->click();
        auto *liste = fenster->findChild<QAbstractItemView *>(QStringLiteral("listSprachen"));
        auto *lernen = fenster->findChild<QPushButton *>(QStringLiteral("buttonPlusSprache"));
        auto *plusSP = fenster->findChild<QPushButton *>(QStringLiteral("buttonPlusSP"));
        if (!liste || !liste->model() || liste->model()->rowCount() == 0 || !lernen || !plusSP)
            QSKIP("step 4 is not complete yet");

        QTest::mouseClick(plusSP, Qt::LeftButton);
        QCOMPARE(label("labelInfoEP"), QStringLiteral("199/200"));
        QCOMPARE(label("labelInfoSP"), QStringLiteral("22/22"));

        liste->setCurrentIndex(liste->model()->index(0, 0));
        QTest::mouseClick(lernen, Qt::LeftButton);
        const QStringList sp = label("labelInfoSP").split(QLatin1Char('/'));
        QCOMPARE(sp.size(), 2);
        QCOMPARE(sp.at(1), QStringLiteral("22"));
        QVERIFY2(sp.at(0).toInt() < 22, qPrintable(label("labelInfoSP")));
        QCOMPARE(label("labelInfoEP"), QStringLiteral("199/200"));
    }

    void neuNachFertigerGenerierung()
    {
        setzeName(QStringLiteral("Ala"));
        for (int i = 0; i < 6; ++i)
            weiter()->click();
        QVERIFY(!weiter()->isVisible());
        klickeTab(0);
        QCOMPARE(tabs()->currentIndex(), 0);
        QVERIFY(!weiter()->isVisible());

        // "neu" with tab 0 already current brings the step bar back at once
        {
            DialogBeantworter antwort{ QString() };
            kind<QAction>("actionNeu")->trigger();
            QCOMPARE(antwort.fragen, 1);
        }
        QVERIFY(weiter()->isVisible());
        QCOMPARE(weiter()->text().remove('&'), QStringLiteral("weiter ->"));
        QCOMPARE(label("labelSchritt").trimmed(), QStringLiteral("1"));
        QCOMPARE(label("labelAnweisung"), QString::fromUtf8(Hinweise[0]));
        pruefeAktiveTabs(0);
        QCOMPARE(label("labelInfoName"), QString());
        QCOMPARE(kind<QLineEdit>("editName")->text(), QString());
        QCOMPARE(label("labelInfoEP"), QStringLiteral("200/200"));
        QCOMPARE(kind<QLabel>("labelInfoEP")->toolTip().section(QLatin1Char('\n'), 0, 0),
                 QStringLiteral("Ungenutzte Start-EP / Gesamt Start-EP"));
    }

    void neuAusSpaeteremSchritt()
    {
        kind<QComboBox>("comboBasistypus")->setCurrentIndex(2);
        weiter()->click();
        kind<QPushButton>("buttonPlusWissen")->click();
        weiter()->click();
        weiter()->click();
        {
            DialogBeantworter antwort{ QString() };
            kind<QAction>("actionNeu")->trigger();
        }
        QCOMPARE(tabs()->currentIndex(), 0);
        pruefeAktiveTabs(0);
        QCOMPARE(kind<QComboBox>("comboBasistypus")->currentIndex(), 0);
        QCOMPARE(label("labelInfoEP"), QStringLiteral("200/200"));
        QCOMPARE(label("labelSchritt"), QStringLiteral("1"));
        QCOMPARE(weiter()->text().remove('&'), QStringLiteral("weiter ->"));
        weiter()->click();
        QCOMPARE(label("labelPunkteWissen"), QStringLiteral("0"));
        QVERIFY(!kind<QPushButton>("buttonMinWissen")->isEnabled());
    }

    void ladenAbgebrochen()
    {
        weiter()->click();
        kind<QPushButton>("buttonPlusSinne")->click();
        {
            DialogBeantworter antwort{ QString() };
            kind<QAction>("actionLaden")->trigger();
            QCOMPARE(antwort.dateidialoge, 1);
            QCOMPARE(antwort.beschriftung, QStringLiteral("Aus welcher Datei soll geladen werden?"));
        }
        QCOMPARE(label("labelInfoEP"), QStringLiteral("197/200"));
        QCOMPARE(tabs()->currentIndex(), 1);
        pruefeAktiveTabs(1);
    }

    void ladenSchaltetAlleSchritteFrei()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString datei = dir.filePath(QStringLiteral("held.zch"));
        QFile f(datei);
        QVERIFY(f.open(QIODevice::WriteOnly));
        QVERIFY(f.write("<Charakter/>") == 12);
        f.close();

        weiter()->click();
        kind<QPushButton>("buttonPlusSinne")->click();
        {
            DialogBeantworter antwort(datei);
            kind<QAction>("actionLaden")->trigger();
            QCOMPARE(antwort.dateidialoge, 1);
        }
        pruefeAktiveTabs(5);
        QCOMPARE(tabs()->currentIndex(), 0);
        // whatever the file held, the previous character is gone
        QCOMPARE(kind<QLabel>("labelPunkteSinne")->text(), QStringLiteral("0"));
    }

    // Steps 2 to 6 are built when first opened. A new species with the module
    // on still swaps the species' own areas while step 3 was never opened.
    void artwechselVorDemDrittenSchritt()
    {
        Regelwerk regeln;
        Charakter c(&regeln);
        c.setzeBasistypus(7);
        c.setzeBenutztSpezis(true);
        for (const Spezialgebiet *s : c.basistyp()->bonusSpezialgebiete)
            QVERIFY(c.spezialgebietHinzufuegen(new Spezialgebiet(*s)));
        QStringList erwartet;
        for (const Spezialgebiet *s : regeln.basistyp(4)->bonusSpezialgebiete)
            erwartet << s->Bezeichnung;
        QCOMPARE(erwartet, QStringList({ "Ausweichen", "Schwimmen" }));

        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString datei = dir.filePath(QStringLiteral("held.zch"));
        QFile f(datei);
        QVERIFY(f.open(QIODevice::WriteOnly));
        QVERIFY(f.write(CharakterXml::schreiben(&c)) > 0);
        f.close();
        fenster->oeffneDatei(datei);
        QVERIFY(!fenster->findChild<QWidget *>(QStringLiteral("tableEigeneSpezis")));

        kind<QComboBox>("comboBasistypus")->setCurrentIndex(4);
        klickeTab(2);
        QAbstractItemModel *tabelle = kind<QAbstractItemView>("tableEigeneSpezis")->model();
        QCOMPARE(tabelle->rowCount(), int(erwartet.size()));
        for (int i = 0; i < tabelle->rowCount(); ++i)
            QVERIFY(tabelle->index(i, 0).data().toString().contains(erwartet.at(i)));
    }

    // A file that vanishes between the dialog and the reading is named in a
    // warning, and the character on screen stays as it was.
    void ladenNichtLesbareDateiLaesstCharakterStehen()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString datei = dir.filePath(QStringLiteral("verschwindet.zch"));
        // A readable character, so that only its vanishing can bring a warning.
        Regelwerk regeln;
        Charakter c(&regeln);
        QFile f(datei);
        QVERIFY(f.open(QIODevice::WriteOnly));
        QVERIFY(f.write(CharakterXml::schreiben(&c)) > 0);
        f.close();

        weiter()->click();
        kind<QPushButton>("buttonPlusSinne")->click();

        QStringList meldungen;
        {
            DialogBeantworter antwort(datei);
            antwort.nachDatei = [&] { QFile::remove(datei); };
            kind<QAction>("actionLaden")->trigger();
            meldungen = antwort.meldungen;
        }

        QCOMPARE(meldungen.size(), 1);
        QVERIFY(meldungen.first().contains(QDir::toNativeSeparators(datei)));
        QCOMPARE(label("labelInfoEP"), QStringLiteral("197/200"));
        QCOMPARE(label("labelPunkteSinne"), QStringLiteral("1"));
        QCOMPARE(tabs()->currentIndex(), 1);
        pruefeAktiveTabs(1);
    }

    // Saving with the shortcut while the name is still being typed saves that
    // name; loading the file back brings it into the window.
    void speichernUndLadenMitKuerzel()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString datei = dir.filePath(QStringLiteral("vess.zch"));

        fenster->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(fenster));
        kind<QComboBox>("comboBasistypus")->setCurrentIndex(9);
        QLineEdit *name = kind<QLineEdit>("editName");
        name->setFocus();
        QTest::keyClicks(name, QStringLiteral("Jorin Vess"));

        Persistenz::setzeNaechsteDatei(datei);
        QTest::keySequence(name, QKeySequence(QKeySequence::Save));
        QFile f(datei);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY(f.readAll().contains("Jorin Vess"));
        f.close();
        QVERIFY(name->hasFocus());
        QCOMPARE(label("labelInfoName"), QStringLiteral("Jorin Vess"));

        kind<QAction>("actionNeu")->trigger();
        QCOMPARE(label("labelInfoName"), QString());
        {
            DialogBeantworter antwort(datei);
            kind<QAction>("actionLaden")->trigger();
            QCOMPARE(antwort.dateidialoge, 1);
            QCOMPARE(antwort.meldungen, QStringList());
        }
        QCOMPARE(label("labelInfoName"), QStringLiteral("Jorin Vess"));
        QCOMPARE(kind<QLineEdit>("editName")->text(), QStringLiteral("Jorin Vess"));
        QCOMPARE(kind<QComboBox>("comboBasistypus")->currentIndex(), 9);
        QCOMPARE(label("labelInfoEP"), QStringLiteral("150/150"));
        pruefeAktiveTabs(5);
        QVERIFY(weiter()->isVisible());
    }

    // A finished save, export or load is confirmed in the status bar, naming
    // the file; a cancelled dialog or a failure adds nothing there.
    void statuszeileBestaetigt_data()
    {
        QTest::addColumn<QString>("aktion");
        QTest::addColumn<QString>("datei"); // empty: the dialog is cancelled
        QTest::addColumn<QString>("meldung"); // empty: none
        QTest::newRow("speichern") << "actionSpeichern" << "arkon.zch" << "Gespeichert";
        QTest::newRow("speichern unter") << "actionSpeichernUnter" << "arkon.zch" << "Gespeichert";
        QTest::newRow("exportieren") << "actionExportieren" << "arkon.txt" << "Exportiert";
        QTest::newRow("pdf") << "actionPdf" << "arkon.pdf" << "Als PDF exportiert";
        QTest::newRow("laden") << "actionLaden" << "vorhanden.zch" << "Geladen";
        QTest::newRow("speichern abgebrochen") << "actionSpeichern" << "" << "";
        QTest::newRow("export abgebrochen") << "actionExportieren" << "" << "";
        QTest::newRow("laden abgebrochen") << "actionLaden" << "" << "";
        QTest::newRow("speichern scheitert") << "actionSpeichern" << "fehlt/arkon.zch" << "";
    }
    void statuszeileBestaetigt()
    {
        QFETCH(QString, aktion);
        QFETCH(QString, datei);
        QFETCH(QString, meldung);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        Regelwerk regeln;
        Charakter c(&regeln);
        QFile f(dir.filePath(QStringLiteral("vorhanden.zch")));
        QVERIFY(f.open(QIODevice::WriteOnly));
        QVERIFY(f.write(CharakterXml::schreiben(&c)) > 0);
        f.close();

        const QString pfad = datei.isEmpty() ? QString() : dir.filePath(datei);
        QStatusBar *leiste = kind<QStatusBar>("statusbar");
        QCOMPARE(fenster->statusBar(), leiste);
        {
            DialogBeantworter antwort(pfad); // the file to load, and the boxes
            if (aktion != QStringLiteral("actionLaden"))
                Persistenz::setzeNaechsteDatei(pfad); // the file to save or export to
            kind<QAction>(aktion.toLatin1().constData())->trigger();
        }
        QCOMPARE(leiste->currentMessage(),
                 meldung.isEmpty() ? QString()
                                   : meldung + QStringLiteral(": ") + QDir::toNativeSeparators(pfad));
    }

    void ueberBox()
    {
        QString titel, text;
        {
            DialogBeantworter antwort{ QString() };
            kind<QAction>("actionUeber")->trigger();
            titel = antwort.boxen.value(0).titel;
            text = antwort.boxen.value(0).text;
        }
        QCOMPARE(titel, QStringLiteral("Über ZORVEL2 - Charaktergenerator (0.9.3)"));
        QVERIFY(text.contains(QStringLiteral("ZORVEL")));
        QVERIFY(text.contains(QStringLiteral("0.9.3")));
        QVERIFY(text.contains(QStringLiteral("LGPL")));
    }

    // F1 opens the short guide beside the window; Escape closes it, and F1
    // shows the same window again. The species' point values explain
    // themselves in tooltips.
    void kurzanleitungUndKopfzeile()
    {
        QAction *aktion = kind<QAction>("actionKurzanleitung");
        QCOMPARE(aktion->text().remove('&'), QStringLiteral("Kurzanleitung"));
        QCOMPARE(aktion->shortcuts(), QKeySequence::keyBindings(QKeySequence::HelpContents));
        QVERIFY(kind<QMenu>("menuHilfe")->actions().contains(aktion));

        fenster->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(fenster));
        QTest::keyClick(fenster, Qt::Key_F1);
        auto *browser = fenster->findChild<QTextBrowser *>(QStringLiteral("textKurzanleitung"));
        QVERIFY(browser);
        QWidget *hilfe = browser->window();
        QVERIFY(hilfe != fenster);
        QVERIFY(hilfe->isVisible());
        QVERIFY(!hilfe->isModal());
        QVERIFY(hilfe->windowTitle().startsWith(QStringLiteral("Kurzanleitung")));
        const QString text = browser->toPlainText();
        const char *const inhalt[] = { "Kurzanleitung", "Basis", "Eigenschaften", "Spezialgebiete",
                                       "Aktionen", "Paranormik", "Diverse", "SP", "TP", "MP",
                                       "ASP", "MSP", "KSP", "fertig", "(ungenutzt) genutzt",
                                       "speichern unter ...", "als PDF exportieren ...",
                                       "Zuletzt geöffnet" };
        for (const char *teil : inhalt)
            QVERIFY2(text.contains(QString::fromUtf8(teil)), teil);

        QTRY_VERIFY(hilfe->isActiveWindow());
        QTest::keyClick(browser, Qt::Key_Escape);
        QVERIFY(!hilfe->isVisible());
        aktion->trigger();
        QVERIFY(hilfe->isVisible());
        QCOMPARE(fenster->findChildren<QTextBrowser *>().size(), 1);

        for (const char *name : { "labelInfoASP", "labelInfoMSP", "labelInfoKSP" })
            QVERIFY2(kind<QLabel>(name)->toolTip().contains(QString::fromLatin1(name + 9)), name);
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
