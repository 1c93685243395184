// The ship builder never loses or changes a game master's work: unsaved
// changes are never thrown away unasked, a file that cannot be read whole
// never replaces the ship on screen, files read back as they were written,
// and no file makes the calculation overflow.
#include "komponente.h"
#include "komponentenbibliothek.h"
#include "mainwindow.h"
#include "persistenz.h"
#include "schiffsmodel.h"
#include "startargument.h"
#include "tst_fenster_hilfen.h"
#include "zuletztgeoeffnet.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRandomGenerator>
#include <QSettings>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QUndoStack>
#include <QtTest>

#include <memory>

class TestUngespeichert : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void frageVorDemVerwerfen_data();
    void frageVorDemVerwerfen();
    void unlesbareDateiLaesstSchiffStehen();
    void schlechteDateien_data();
    void schlechteDateien();
    void speichernUndSpeichernUnter();
    void statuszeileBestaetigt_data();
    void statuszeileBestaetigt();
    void neuesSchiff();
    void dateienLesenSichWieGeschrieben();
    void riesigeWerteLaufenNichtUeber_data();
    void riesigeWerteLaufenNichtUeber();

private:
    template <typename T>
    T *kind(const char *name) { return kindVon<T>(m_pFenster.get(), name); }
    QString pfad(const char *name) const { return m_pDir->filePath(QLatin1String(name)); }
    void starte();
    int schritte() { return m_pFenster->findChild<QUndoStack *>()->count(); }
    ZuletztGeoeffnet *zuletzt() { return m_pFenster->findChild<ZuletztGeoeffnet *>(); }
    // The rows, name, description, title, changed mark, history and recent
    // files of the window.
    QStringList zustand();

    QString m_altesVerzeichnis;
    std::unique_ptr<QTemporaryDir> m_pDir;
    std::unique_ptr<MainWindow> m_pFenster;
};

namespace {

QByteArray lies(const QString &pfad)
{
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<nicht lesbar>");
}

bool schreib(const QString &pfad, const QByteArray &bytes)
{
    QFile f(pfad);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

const QString titel = QStringLiteral("ZORVEL2 - Schiffsbau-Assistent V0.12.0");

} // namespace

void TestUngespeichert::init()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    m_altesVerzeichnis = QDir::currentPath();
    m_pDir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_pDir->isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, pfad("einstellungen"));
    QSettings().clear();
    // The delivered lists and base list, read from the working directory.
    QVERIFY(QDir::setCurrent(QStringLiteral(ZORVEL_DATA_DIR)));
}

void TestUngespeichert::cleanup()
{
    m_pFenster.reset();
    QSettings().clear();
    qApp->setStyleSheet(QString());
    QDir::setCurrent(m_altesVerzeichnis);
    m_pDir.reset();
}

void TestUngespeichert::starte()
{
    DialogWaechter waechter;
    m_pFenster = std::make_unique<MainWindow>();
    m_pFenster->show();
    QCOMPARE(waechter.texte, QStringList());
}

void TestUngespeichert::frageVorDemVerwerfen_data()
{
    QTest::addColumn<QString>("aktion");
    QTest::addColumn<int>("antwort");
    QTest::newRow("leeren abbrechen") << "actionLeeren" << int(QMessageBox::Cancel);
    QTest::newRow("leeren speichern") << "actionLeeren" << int(QMessageBox::Save);
    QTest::newRow("Basisliste verwerfen") << "actionBasisliste" << int(QMessageBox::Discard);
    QTest::newRow("laden abbrechen") << "actionLaden" << int(QMessageBox::Cancel);
    QTest::newRow("schliessen abbrechen") << "schliessen" << int(QMessageBox::Cancel);
    QTest::newRow("schliessen verwerfen") << "schliessen" << int(QMessageBox::Discard);
}

void TestUngespeichert::frageVorDemVerwerfen()
{
    QFETCH(QString, aktion);
    QFETCH(int, antwort);
    starte();
    // The base list loaded at start-up is no change.
    QVERIFY(!m_pFenster->isWindowModified());
    QCOMPARE(m_pFenster->windowTitle().remove(QStringLiteral("[*]")), titel);
    const int zeilen = m_pFenster->schiffsModel()->rowCount();
    QVERIFY(zeilen > 0);

    kind<QLineEdit>("editName")->setText(QStringLiteral("Kormoran"));
    QVERIFY(m_pFenster->isWindowModified());
    const QString datei = pfad("kormoran.zss");
    DialogWaechter antworten(datei, QMessageBox::StandardButton(antwort));
    if (aktion == QLatin1String("schliessen"))
        m_pFenster->close();
    else
        kind<QAction>(qPrintable(aktion))->trigger();
    QCOMPARE(antworten.fragen, 1);

    const bool weiter = antwort != QMessageBox::Cancel;
    QCOMPARE(m_pFenster->isVisible(), !(weiter && aktion == QLatin1String("schliessen")));
    const bool geleert = weiter && aktion != QLatin1String("schliessen");
    QCOMPARE(kind<QLineEdit>("editName")->text(), geleert ? QString() : QStringLiteral("Kormoran"));
    QCOMPARE(m_pFenster->schiffsModel()->rowCount(),
             weiter && aktion == QLatin1String("actionLeeren") ? 0 : zeilen);
    QCOMPARE(lies(datei).startsWith("2.0;Kormoran;"), antwort == QMessageBox::Save);
    if (antwort == QMessageBox::Save)
        QCOMPARE(m_pFenster->windowTitle().remove(QStringLiteral("[*]")), QStringLiteral("kormoran.zss - ") + titel);
}

void TestUngespeichert::unlesbareDateiLaesstSchiffStehen()
{
    starte();
    kind<QLineEdit>("editName")->setText(QStringLiteral("Bleibt"));
    const int zeilen = m_pFenster->schiffsModel()->rowCount();
    // The file vanishes between the dialog and the reading.
    const QString datei = pfad("verschwindet.zss");
    QVERIFY(schreib(datei, "2.0;Neu;;\n"));
    QStringList meldungen;
    {
        DialogWaechter waechter(datei);
        waechter.nachDatei = [&] { QFile::remove(datei); };
        kind<QAction>("actionLaden")->trigger();
        meldungen = waechter.texte;
    }
    QCOMPARE(meldungen.size(), 1);
    QVERIFY2(meldungen.first().contains(QDir::toNativeSeparators(datei)), qPrintable(meldungen.first()));
    QCOMPARE(kind<QLineEdit>("editName")->text(), QStringLiteral("Bleibt"));
    QCOMPARE(m_pFenster->schiffsModel()->rowCount(), zeilen);
    // A folder is no ship file either (the dialog itself never offers one).
    QString grund;
    QVERIFY(!Persistenz::lesbar(m_pDir->path(), &grund));
    QVERIFY(!grund.isEmpty());
}

QStringList TestUngespeichert::zustand()
{
    QStringList z;
    const SchiffsModel *model = m_pFenster->schiffsModel();
    for (int i = 0; i < model->rowCount(); ++i)
        z << QStringLiteral("%1x %2").arg(model->anzahl(i)).arg(model->komponente(i)->name());
    z << kind<QLineEdit>("editName")->text() << kind<QLineEdit>("editBeschreibung")->text()
      << m_pFenster->windowTitle() << QString::number(m_pFenster->isWindowModified())
      << QString::number(schritte()) << zuletzt()->dateien();
    return z;
}

void TestUngespeichert::schlechteDateien_data()
{
    QTest::addColumn<QByteArray>("inhalt");
    QTest::addColumn<QString>("meldung"); // part of the box's text
    QTest::addColumn<int>("zeilen");      // rows loaded; -1: refused
    QTest::addColumn<int>("lesbar");      // rows of the readable part; -1: none offered

    QByteArray zufall(600, '\0');
    QRandomGenerator zahlen(23);
    for (char &c : zufall)
        c = char(zahlen.bounded(256));
    const QByteArray anfang("2.0;Kormoran;Frachter;\n3;5;Treibstofftank;\n");
    QTest::newRow("leer") << QByteArray() << "ist leer." << -1 << -1;
    QTest::newRow("Nullbytes") << anfang + QByteArray(64, '\0') << "Ab Zeile 3 enthält sie Binärdaten" << -1 << 1;
    QTest::newRow("Zufall") << zufall << "ist keine Schiffsdatei" << -1 << -1;
    QTest::newRow("Charakterdatei")
        << QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<charakter>\n <name>Arkon</name>\n</charakter>\n")
        << "ist keine Schiffsdatei (erste Zeile: <?xml version=\"1.0\" encoding=\"UTF-8\"?>)." << -1 << -1;
    QTest::newRow("unbekannte Version") << QByteArray("3.0;Neu;;\n0;1;Turbolifte;\n")
                                        << "ist keine Schiffsdatei (erste Zeile: 3.0;Neu;;)." << -1 << -1;
    QTest::newRow("mitten in der Zeile abgeschnitten") << anfang + "0;2;Turbo"
                                                       << "bricht mitten in Zeile 3 ab." << -1 << 1;
    QTest::newRow("Kategorie keine Zahl") << anfang + "x;2;Turbolifte;\n"
                                          << "In Zeile 3 steht „x“, wo die Kategorie" << -1 << 1;
    QTest::newRow("Anzahl keine Zahl") << QByteArray("2.0;Kormoran;;\n3;viele;Treibstofftank;\n")
                                       << "In Zeile 2 steht „viele“, wo die Anzahl" << -1 << 0;
    QTest::newRow("zu wenige Felder") << anfang + "3;5;\n" << "Zeile 3 ist unvollständig." << -1 << 1;
    QTest::newRow("Anzahl zu groß") << anfang + "3;5000000;Treibstofftank;\n"
                                    << "Zeile 3, Anzahl: 5000000 gelesen, 1000000 übernommen" << 2 << -1;
}

// Through "laden ...", the start argument and "Zuletzt geöffnet": a file
// that cannot be read whole changes nothing (not even the recent files);
// its readable part is loaded only when asked for, as a new ship.
void TestUngespeichert::schlechteDateien()
{
    QFETCH(QByteArray, inhalt);
    QFETCH(QString, meldung);
    QFETCH(int, zeilen);
    QFETCH(int, lesbar);
    const QString datei = pfad("kaputt.zss");
    QVERIFY(schreib(datei, inhalt));
    starte();
    kind<QLineEdit>("editName")->setText(QStringLiteral("Bleibt"));

    for (int weg = 0; weg < 3; ++weg) {
        if (weg == 2)
            zuletzt()->merke(datei);
        const QStringList vorher = zustand();
        DialogWaechter antwort(datei);
        if (weg == 0)
            kind<QAction>("actionLaden")->trigger();
        else if (weg == 1)
            m_pFenster->oeffneDatei(Startargument::datei({QStringLiteral("schiffsbau"), datei}, QStringLiteral(".zss")));
        else
            zuletzt()->menue()->actions().at(0)->trigger();
        QCOMPARE(antwort.texte.size(), 1);
        const QString text = antwort.texte.first();
        QVERIFY2(text.contains(meldung) && text.contains(QDir::toNativeSeparators(datei)), qPrintable(text));
        if (zeilen < 0) {
            QVERIFY2(text.contains(QStringLiteral("Das aktuelle Schiff wurde beibehalten.")), qPrintable(text));
            QCOMPARE(text.contains(QStringLiteral("Lesbaren Teil laden")), lesbar >= 0);
            QCOMPARE(zustand(), vorher);
        } else {
            QCOMPARE(m_pFenster->schiffsModel()->rowCount(), zeilen);
            QCOMPARE(m_pFenster->schiffsModel()->anzahl(1), SchiffsModel::maxAnzahl);
            QVERIFY(m_pFenster->windowTitle().startsWith(QStringLiteral("kaputt.zss")));
            QVERIFY(m_pFenster->isWindowModified());
            QCOMPARE(zuletzt()->dateien().value(0), QFileInfo(datei).absoluteFilePath());
        }
    }
    if (lesbar < 0)
        return;

    // The readable part: a new, changed ship that saving never puts back
    // into the damaged file.
    const QStringList dateien = zuletzt()->dateien();
    {
        DialogWaechter antwort(datei);
        antwort.knopf = QStringLiteral("Lesbaren Teil laden");
        kind<QAction>("actionLaden")->trigger();
    }
    QCOMPARE(m_pFenster->schiffsModel()->rowCount(), lesbar);
    QCOMPARE(kind<QLineEdit>("editName")->text(), QStringLiteral("Kormoran"));
    QCOMPARE(m_pFenster->windowTitle().remove(QStringLiteral("[*]")), titel);
    QVERIFY(m_pFenster->isWindowModified());
    QCOMPARE(schritte(), 0);
    QCOMPARE(zuletzt()->dateien(), dateien);
    DialogWaechter antwort(pfad("gerettet.zss"));
    kind<QAction>("actionSpeichern")->trigger();
    QCOMPARE(antwort.dialoge, 1);
    QCOMPARE(lies(datei), inhalt);
    QVERIFY(!m_pFenster->isWindowModified());
}

// "speichern" asks for a file once, then writes to it; "speichern unter
// ..." always asks, suggesting the ship's file. The fields show what the
// file holds.
void TestUngespeichert::speichernUndSpeichernUnter()
{
    starte();
    QCOMPARE(kind<QAction>("actionSpeichern")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
    QCOMPARE(kind<QAction>("actionSpeichernUnter")->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    auto *name = kind<QLineEdit>("editName");
    name->setText(QStringLiteral("Kormoran; Mk II \U0001F680 €"));
    // Still being typed: the field keeps the focus.
    name->setFocus();
    QTest::keyClicks(name, QStringLiteral(" X"));
    const int vorher = schritte();
    const QString datei = pfad("kormoran.zss");
    {
        DialogWaechter antwort(datei);
        kind<QAction>("actionSpeichern")->trigger();
        QCOMPARE(antwort.dialoge, 1);
    }
    QVERIFY(lies(datei).startsWith("2.0;Kormoran, Mk II ? EUR X;"));
    QCOMPARE(name->text(), QStringLiteral("Kormoran, Mk II ? EUR X"));
    QCOMPARE(schritte(), vorher);
    QVERIFY(!m_pFenster->isWindowModified());
    QCOMPARE(m_pFenster->windowTitle().remove(QStringLiteral("[*]")), QStringLiteral("kormoran.zss - ") + titel);

    m_pFenster->onAddKomponente(0, 2, 3);
    QVERIFY(m_pFenster->isWindowModified());
    {
        DialogWaechter antwort(pfad("nie.zss"));
        kind<QAction>("actionSpeichern")->trigger();
        QCOMPARE(antwort.dialoge, 0);
    }
    QVERIFY(!QFile::exists(pfad("nie.zss")));
    QVERIFY(!m_pFenster->isWindowModified());
    const QByteArray gespeichert = lies(datei);
    QVERIFY(gespeichert.endsWith(";\n0;3;Turbolifte;\n"));

    DialogWaechter antwort(pfad("zweit.zss"));
    kind<QAction>("actionSpeichernUnter")->trigger();
    QCOMPARE(antwort.dialoge, 1);
    QCOMPARE(QFileInfo(antwort.vorschlag).absoluteFilePath(), QFileInfo(datei).absoluteFilePath());
    QCOMPARE(lies(pfad("zweit.zss")), gespeichert);
    QCOMPARE(m_pFenster->windowTitle().remove(QStringLiteral("[*]")), QStringLiteral("zweit.zss - ") + titel);
}

// A finished save, export or load is confirmed in the status bar, naming
// the file; a cancelled dialog adds nothing there.
void TestUngespeichert::statuszeileBestaetigt_data()
{
    QTest::addColumn<QString>("aktion");
    QTest::addColumn<QString>("datei"); // empty: the dialog is cancelled
    QTest::addColumn<QString>("meldung"); // empty: none
    QTest::newRow("speichern") << "actionSpeichern" << "kormoran.zss" << "Gespeichert";
    QTest::newRow("exportieren") << "actionExportieren" << "kormoran.txt" << "Exportiert";
    QTest::newRow("pdf") << "actionPdf" << "kormoran.pdf" << "Als PDF exportiert";
    QTest::newRow("laden") << "actionLaden" << "vorhanden.zss" << "Geladen";
    QTest::newRow("speichern abgebrochen") << "actionSpeichern" << "" << "";
    QTest::newRow("pdf abgebrochen") << "actionPdf" << "" << "";
    QTest::newRow("laden abgebrochen") << "actionLaden" << "" << "";
}

void TestUngespeichert::statuszeileBestaetigt()
{
    QFETCH(QString, aktion);
    QFETCH(QString, datei);
    QFETCH(QString, meldung);
    QVERIFY(schreib(pfad("vorhanden.zss"), "2.0;Kormoran;Frachter;\n3;5;Treibstofftank;\n"));
    starte();
    auto *leiste = kind<QStatusBar>("statusbar");
    QCOMPARE(m_pFenster->statusBar(), leiste);
    const QString ziel = datei.isEmpty() ? QString() : m_pDir->filePath(datei);
    {
        // A name answers the file dialog; without one every dialog is
        // cancelled.
        DialogWaechter antwort(ziel);
        kind<QAction>(aktion.toLatin1().constData())->trigger();
    }
    QCOMPARE(leiste->currentMessage(),
             meldung.isEmpty() ? QString()
                               : meldung + QStringLiteral(": ") + QDir::toNativeSeparators(ziel));
    QVERIFY(meldung.isEmpty() || QFile::exists(ziel));
}

// "neu" asks first (its "Speichern" saves as "speichern" does), then starts
// an unbound ship with the base list. "leeren" keeps the ship's file.
void TestUngespeichert::neuesSchiff()
{
    const QString datei = pfad("kormoran.zss");
    QVERIFY(schreib(datei, "2.0;Kormoran;Frachter;\n3;5;Treibstofftank;\n"));
    starte();
    QCOMPARE(kind<QAction>("actionNeu")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_N));
    const QStringList neu = zustand();
    m_pFenster->oeffneDatei(datei);
    {
        DialogWaechter waechter;
        kind<QAction>("actionLeeren")->trigger();
        QCOMPARE(waechter.fragen, 0);
    }
    QCOMPARE(m_pFenster->schiffsModel()->rowCount(), 0);
    QCOMPARE(m_pFenster->windowTitle().remove(QStringLiteral("[*]")), QStringLiteral("kormoran.zss - ") + titel);
    QVERIFY(m_pFenster->isWindowModified());
    {
        DialogWaechter antwort(pfad("nie.zss"), QMessageBox::Save);
        kind<QAction>("actionNeu")->trigger();
        QCOMPARE(antwort.fragen, 1);
        QCOMPARE(antwort.dialoge, 0);
    }
    QCOMPARE(lies(datei), QByteArray("2.0;;;\n"));
    const QStringList dateien = { QFileInfo(datei).absoluteFilePath() };
    QCOMPARE(zustand(), neu + dateien);
    DialogWaechter antwort(pfad("neu.zss"));
    kind<QAction>("actionSpeichern")->trigger();
    QCOMPARE(antwort.dialoge, 1);
}

// A ship without components, and a Latin-1 name whose bytes are also
// valid UTF-8, come back as they were saved.
void TestUngespeichert::dateienLesenSichWieGeschrieben()
{
    KomponentenBibliothek bibliothek;
    SchiffsModel model;
    Persistenz persistenz(&model, &bibliothek);
    for (const QString &name : { QStringLiteral("Leer"), QStringLiteral("Ã¤ und Â©") }) {
        const QString datei = pfad("schiff.zss");
        QVERIFY(persistenz.speichereDatei(datei, name, QStringLiteral("Beschreibung")));
        QString gelesen = QStringLiteral("vorher");
        QString beschreibung;
        QVERIFY(persistenz.laden(gelesen, beschreibung, datei));
        QCOMPARE(gelesen, name);
        QCOMPARE(beschreibung, QStringLiteral("Beschreibung"));
        QVERIFY(persistenz.vollstaendigGeladen());
        // Saving what was loaded writes the same bytes.
        const QByteArray erste = lies(datei);
        QVERIFY(persistenz.speichereDatei(datei, gelesen, beschreibung));
        QCOMPARE(lies(datei), erste);
    }
}

void TestUngespeichert::riesigeWerteLaufenNichtUeber_data()
{
    QTest::addColumn<QByteArray>("schiff");
    QTest::newRow("Preis") << QByteArray("2.0\n"
                                         "7;214748;;H;A;;214447;1;1;;\n"
                                         "7;2147483647;;H;;;2147483647;;;;\n"
                                         "7;2147483647;;H;;;2147483641;;1;;\n");
    QTest::newRow("Reaktorleistung") << QByteArray("2.0\n"
                                                   "7;214748647;;H;;;;;214;;\n"
                                                   "7;2147483647;;;A;;0;;2147483647;;\n"
                                                   "21;2147483647;;;;1;;0;;;-2147483647;1;t;\n");
    QTest::newRow("Trägheitsdämpfer") << QByteArray("2.0\n"
                                                     "4;214783647;;;;;;;;\n"
                                                     "3;2147483647;Tr\xe4gheitsd\xe4mpfer\n");
}

// Runs in the sanitizer build too: no sum of the calculation, the panel or
// the export may overflow.
void TestUngespeichert::riesigeWerteLaufenNichtUeber()
{
    QFETCH(QByteArray, schiff);
    const QString datei = pfad("riesig.zss");
    QVERIFY(schreib(datei, schiff));
    starte();
    {
        DialogWaechter antwort(datei);
        kind<QAction>("actionLaden")->trigger();
    }
    SchiffsModel *model = m_pFenster->schiffsModel();
    QVERIFY(model->rowCount() > 0);
    for (int i = 0; i < model->rowCount(); ++i)
        QVERIFY(model->anzahl(i) <= SchiffsModel::maxAnzahl);
    QVERIFY(!kind<QLabel>("labelPreis")->text().startsWith(QLatin1Char('-')));
    {
        DialogWaechter antwort(pfad("riesig.txt"));
        kind<QAction>("actionExportieren")->trigger();
    }
    QVERIFY(lies(pfad("riesig.txt")).contains("Komponenten:"));
}

QTEST_MAIN(TestUngespeichert)
#include "tst_ungespeichert.moc"
