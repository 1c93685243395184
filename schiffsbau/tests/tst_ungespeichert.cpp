// The ship builder never loses or changes a game master's work: unsaved
// changes are never thrown away unasked, files read back as they were
// written, and no file makes the calculation overflow.
#include "komponentenbibliothek.h"
#include "mainwindow.h"
#include "persistenz.h"
#include "schiffsmodel.h"
#include "tst_fenster_hilfen.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
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
    void dateienLesenSichWieGeschrieben();
    void riesigeWerteLaufenNichtUeber_data();
    void riesigeWerteLaufenNichtUeber();

private:
    template <typename T>
    T *kind(const char *name) { return kindVon<T>(m_pFenster.get(), name); }
    QString pfad(const char *name) const { return m_pDir->filePath(QLatin1String(name)); }
    void starte();

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
    // The delivered lists and base list, read from the working directory.
    QVERIFY(QDir::setCurrent(QStringLiteral(ZORVEL_DATA_DIR)));
}

void TestUngespeichert::cleanup()
{
    m_pFenster.reset();
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
    QCOMPARE(m_pFenster->windowTitle(), titel);
    const int zeilen = m_pFenster->schiffsModel()->rowCount();
    QVERIFY(zeilen > 0);

    kind<QLineEdit>("editName")->setText(QStringLiteral("Kormoran"));
    QVERIFY(m_pFenster->isWindowModified());
    const QString datei = pfad("kormoran.zss");
    DateiAntwort antworten(datei, QMessageBox::StandardButton(antwort));
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
        QCOMPARE(m_pFenster->windowTitle(), QStringLiteral("kormoran.zss[*] - ") + titel);
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
    QTimer timer;
    timer.setInterval(10);
    connect(&timer, &QTimer::timeout, this, [&] {
        QWidget *w = QApplication::activeModalWidget();
        if (auto *dialog = qobject_cast<QFileDialog *>(w)) {
            if (auto *feld = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit")))
                feld->setText(datei);
            static_cast<QDialog *>(dialog)->accept();
            QFile::remove(datei);
        } else if (auto *box = qobject_cast<QMessageBox *>(w)) {
            if (QAbstractButton *verwerfen = box->button(QMessageBox::Discard)) {
                verwerfen->click();
                return;
            }
            meldungen << box->text();
            box->accept();
        }
    });
    timer.start();
    kind<QAction>("actionLaden")->trigger();
    timer.stop();
    QCOMPARE(meldungen.size(), 1);
    QVERIFY2(meldungen.first().contains(QDir::toNativeSeparators(datei)), qPrintable(meldungen.first()));
    QCOMPARE(kind<QLineEdit>("editName")->text(), QStringLiteral("Bleibt"));
    QCOMPARE(m_pFenster->schiffsModel()->rowCount(), zeilen);
    // A folder is no ship file either (the dialog itself never offers one).
    QString grund;
    QVERIFY(!Persistenz::lesbar(m_pDir->path(), &grund));
    QVERIFY(!grund.isEmpty());
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
        DateiAntwort antwort(datei);
        kind<QAction>("actionLaden")->trigger();
    }
    SchiffsModel *model = m_pFenster->schiffsModel();
    QVERIFY(model->rowCount() > 0);
    for (int i = 0; i < model->rowCount(); ++i)
        QVERIFY(model->anzahl(i) <= SchiffsModel::maxAnzahl);
    QVERIFY(!kind<QLabel>("labelPreis")->text().startsWith(QLatin1Char('-')));
    {
        DateiAntwort antwort(pfad("riesig.txt"));
        kind<QAction>("actionExportieren")->trigger();
    }
    QVERIFY(lies(pfad("riesig.txt")).contains("Komponenten:"));
}

QTEST_MAIN(TestUngespeichert)
#include "tst_ungespeichert.moc"
