// The window never loses or changes a player's work: a saved character
// loads back exactly, and unsaved changes are never thrown away unasked.
#include "basistypus.h"
#include "charakter.h"
#include "charakterxml.h"
#include "fenster_hilfen.h"
#include "mainwindow.h"
#include "persistenz.h"
#include "regelwerk.h"
#include "spezialgebiet.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

QByteArray lies(const QString &pfad)
{
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<nicht lesbar>");
}

bool schreib(const QString &pfad, const QByteArray &daten)
{
    QFile f(pfad);
    return f.open(QIODevice::WriteOnly) && f.write(daten) == daten.size();
}

const char *const Kopf[] = { "labelInfoName", "labelInfoEP", "labelInfoSP", "labelInfoTP",
                             "labelInfoMP",   "labelInfoASP", "labelInfoMSP", "labelInfoKSP" };

} // namespace

class TestUngespeichert : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<MainWindow> fenster;
    std::unique_ptr<QTemporaryDir> dir;

    template<typename T>
    T *kind(const char *name) { return kindVon<T>(fenster.get(), name); }
    QString pfad(const char *name) { return dir->filePath(QLatin1String(name)); }
    QStringList kopfzeile()
    {
        QStringList texte;
        for (const char *name : Kopf)
            texte << kind<QLabel>(name)->text();
        return texte;
    }
    void setzeName(const QString &name)
    {
        QLineEdit *edit = kind<QLineEdit>("editName");
        edit->setText(name);
        emit edit->editingFinished();
    }
    void speichere(const QString &datei)
    {
        Persistenz::setzeNaechsteDatei(datei);
        kind<QAction>("actionSpeichern")->trigger();
    }
    QStringList lade(const QString &datei)
    {
        DialogBeantworter antwort(datei);
        kind<QAction>("actionLaden")->trigger();
        return antwort.meldungen;
    }

private slots:
    void init()
    {
        dir = std::make_unique<QTemporaryDir>();
        QVERIFY(dir->isValid());
        fenster = std::make_unique<MainWindow>();
        fenster->show();
        QVERIFY(QTest::qWaitForWindowExposed(fenster.get()));
    }
    void cleanup()
    {
        fenster.reset();
        dir.reset();
    }

    // A Tokmarde (species 7) with the special-area module and one bought
    // area goes through save, load and save again unchanged.
    void rundreiseMitSpezialgebieten()
    {
        kind<QComboBox>("comboBasistypus")->setCurrentIndex(7);
        setzeName(QStringLiteral("Kara Voss"));
        for (int i = 0; i < 2; ++i)
            kind<QPushButton>("buttonWeiter")->click();
        kind<QCheckBox>("checkSpezis")->click();
        kind<QListWidget>("listKentnisse")->setCurrentRow(2);
        QListView *katalog = kind<QListView>("listSpezis");
        katalog->setCurrentIndex(katalog->model()->index(0, 0));
        kind<QPushButton>("buttonHinzufuegen")->click();
        QTableView *gewaehlt = kind<QTableView>("tableEigeneSpezis");
        QCOMPARE(gewaehlt->model()->rowCount(), 4);

        const QString erste = pfad("kara.zch");
        speichere(erste);
        QVERIFY(!fenster->isWindowModified());
        QCOMPARE(fenster->windowTitle(),
                 QStringLiteral("kara.zch[*] - ZORVEL2 - Charaktergenerator (0.9.3)"));
        const QStringList kopf = kopfzeile();
        // What switching the module off gives before saving ...
        kind<QCheckBox>("checkSpezis")->click();
        const QString epOhneModul = kind<QLabel>("labelInfoEP")->text();

        QCOMPARE(lade(erste), QStringList());
        QVERIFY(!fenster->isWindowModified());
        QCOMPARE(kopfzeile(), kopf);
        QCOMPARE(gewaehlt->model()->rowCount(), 4);
        const QString zweite = pfad("kara2.zch");
        speichere(zweite);
        QCOMPARE(lies(zweite), lies(erste));

        // ... it gives after loading: no refund for the species' areas.
        kind<QCheckBox>("checkSpezis")->click();
        QCOMPARE(kind<QLabel>("labelInfoEP")->text(), epOhneModul);
        QVERIFY(fenster->isWindowModified());
    }

    // Values that the widgets of step 1 cannot show stay as they are.
    void werteAusserhalbDerFelderBleiben()
    {
        Regelwerk regeln;
        Charakter c(&regeln);
        c.setzeBasistypus(99);
        c.setzeGroesse(1500);
        c.setzeGewicht(2000);
        c.setzeGeburtsdatum(QDate(1700, 3, 4));
        c.setzeText(6, QStringLiteral("Narbe\u00A0links\r\nzweite\u2029dritte"));
        const QString datei = pfad("selten.zch");
        QVERIFY(schreib(datei, CharakterXml::schreiben(&c)));

        QCOMPARE(lade(datei), QStringList());
        QVERIFY(!fenster->isWindowModified());
        const QString wieder = pfad("selten2.zch");
        speichere(wieder);
        QCOMPARE(lies(wieder), lies(datei));
    }

    // Files of earlier versions carry no species mark and may hold the
    // species' areas several times: each comes back once, bought areas stay.
    void alteDateiMitDoppeltenGebieten()
    {
        Regelwerk regeln;
        Charakter c(&regeln);
        c.setzeBasistypus(7);
        c.setzeBenutztSpezis(true);
        const QList<Spezialgebiet *> eigene = c.basistyp()->bonusSpezialgebiete;
        QVERIFY(!eigene.isEmpty());
        for (int runde = 0; runde < 3; ++runde) {
            for (const Spezialgebiet *s : eigene)
                QVERIFY(c.spezialgebietHinzufuegen(new Spezialgebiet(*s)));
        }
        // A bought area of the same name as a species' area, at level 1.
        Spezialgebiet *gekauft = new Spezialgebiet(*eigene.first());
        gekauft->bonusSpezialgebiet = false;
        QVERIFY(c.spezialgebietHinzufuegen(gekauft));
        QByteArray alt = CharakterXml::schreiben(&c);
        alt.replace(" Basistypus=\"Ja\"", "").replace(" Basistypus=\"Nein\"", "");
        const QString datei = pfad("alt.zch");
        QVERIFY(schreib(datei, alt));

        QCOMPARE(lade(datei), QStringList());
        // Step 3 is built when it is first opened, from the loaded character.
        kind<QTabWidget>("tabWidget")->setCurrentIndex(2);
        QAbstractItemModel *tabelle = kind<QTableView>("tableEigeneSpezis")->model();
        QCOMPARE(tabelle->rowCount(), int(eigene.size()) + 1);
        for (int i = 0; i < tabelle->rowCount(); ++i)
            QCOMPARE(tabelle->index(i, 1).data().toString(), i < eigene.size() ? "4" : "1");
        const QString neu = pfad("neu.zch");
        speichere(neu);
        QCOMPARE(lies(neu).count("Basistypus=\"Ja\""), eigene.size());
        QCOMPARE(lies(neu).count("Basistypus=\"Nein\""), 1);
    }

    // Something that is no character leaves the one on screen; a document
    // that breaks off counts as changed.
    void kaputteDateien()
    {
        setzeName(QStringLiteral("Bleibt"));
        const QString keinXml = pfad("text.zch");
        QVERIFY(schreib(keinXml, "Name;Kay\n"));
        QCOMPARE(lade(keinXml).size(), 1);
        QCOMPARE(kind<QLabel>("labelInfoName")->text(), QStringLiteral("Bleibt"));
        QVERIFY(!fenster->findChild<QTabWidget *>()->isTabEnabled(1));
        QVERIFY(fenster->isWindowModified());

        const QString ganz = pfad("ganz.zch");
        speichere(ganz);
        const QString halb = pfad("halb.zch");
        const QByteArray inhalt = lies(ganz);
        QVERIFY(schreib(halb, inhalt.left(inhalt.indexOf("<Punkte"))));
        QCOMPARE(lade(halb).size(), 1);
        QCOMPARE(kind<QLabel>("labelInfoName")->text(), QStringLiteral("Bleibt"));
        QVERIFY(fenster->isWindowModified());
    }

    // Closing, "Beenden", "neu" and "laden ..." with unsaved changes: the answer decides.
    void frageVorDemVerwerfen_data()
    {
        QTest::addColumn<QString>("aktion");
        QTest::addColumn<int>("antwort");
        for (const char *aktion : { "schliessen", "actionBeenden", "actionNeu", "actionLaden" }) {
            QTest::addRow("%s abbrechen", aktion) << QString::fromLatin1(aktion) << int(QMessageBox::Cancel);
            QTest::addRow("%s verwerfen", aktion) << QString::fromLatin1(aktion) << int(QMessageBox::Discard);
            QTest::addRow("%s speichern", aktion) << QString::fromLatin1(aktion) << int(QMessageBox::Save);
        }
    }
    void frageVorDemVerwerfen()
    {
        QFETCH(QString, aktion);
        QFETCH(int, antwort);
        const QString andere = pfad("andere.zch");
        setzeName(QStringLiteral("Andere"));
        speichere(andere);
        {
            // Without changes nothing asks.
            DialogBeantworter stumm{ QString() };
            kind<QAction>("actionNeu")->trigger();
            QCOMPARE(stumm.fragen, 0);
        }
        setzeName(QStringLiteral("Ungespeichert"));
        QVERIFY(fenster->isWindowModified());

        const QString gesichert = pfad("gesichert.zch");
        Persistenz::setzeNaechsteDatei(gesichert);
        DialogBeantworter antworten(andere, QMessageBox::StandardButton(antwort));
        if (aktion == QLatin1String("schliessen"))
            fenster->close();
        else
            kind<QAction>(qPrintable(aktion))->trigger();
        QCOMPARE(antworten.fragen, 1);

        const bool weiter = antwort != QMessageBox::Cancel;
        const bool schliesst = aktion == QLatin1String("schliessen") || aktion == QLatin1String("actionBeenden");
        QCOMPARE(lies(gesichert).contains("Ungespeichert"), antwort == QMessageBox::Save);
        QCOMPARE(fenster->isVisible(), !(weiter && schliesst));
        if (!weiter) {
            QCOMPARE(kind<QLabel>("labelInfoName")->text(), QStringLiteral("Ungespeichert"));
            QVERIFY(fenster->isWindowModified());
        } else if (aktion == QLatin1String("actionNeu")) {
            QCOMPARE(kind<QLabel>("labelInfoName")->text(), QString());
            QCOMPARE(fenster->windowTitle(), QStringLiteral("ZORVEL2 - Charaktergenerator (0.9.3)"));
        } else if (aktion == QLatin1String("actionLaden")) {
            QCOMPARE(kind<QLabel>("labelInfoName")->text(), QStringLiteral("Andere"));
            QVERIFY(fenster->windowTitle().startsWith(QStringLiteral("andere.zch[*]")));
        }
        if (weiter && !schliesst)
            QVERIFY(!fenster->isWindowModified());
    }
};

QTEST_MAIN(TestUngespeichert)
#include "tst_ungespeichert.moc"
