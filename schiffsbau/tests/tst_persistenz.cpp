// Ship files: saving, loading the formats 2.0, 1.1 and 1.0, the messages,
// safe saving, and the delivered base list.
#include "tst_persistenz_hilfen.h"
#include "tst_fenster_hilfen.h"

#include "komponente.h"
#include "komponentenbibliothek.h"
#include "persistenz.h"
#include "schiffsmodel.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <memory>

class TstPersistenz : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void speichernSchreibtLatin1Zeilen();
    void rundreise_data();
    void rundreise();
    void ladenHandgeschrieben_data();
    void ladenHandgeschrieben();
    void ladenOhneDateiname();
    void zeichenAusserhalbLatin1();
    void semikolonUndZeilenumbruch();
    void volleFestplatteLaesstAlteDatei();
    void nichtSchreibbar();
    void speichernFragtNachDatei();
    void echterDialogUndMeldung();
    void basislisteLaedtOhneMeldung();

private:
    // The ship model under test, a fresh one for every test.
    SchiffsModel* neuesModel();
    QString pfad(const QString& datei) const { return m_arbeit->filePath(datei); }
    void fuelle(SchiffsModel* model, const QList<QPair<QPair<int, int>, int>>& zeilen);

    QTemporaryDir m_ordner;
    std::unique_ptr<QTemporaryDir> m_arbeit;
    QString m_vorherigerOrdner;
    KomponentenBibliothek* m_bib = nullptr;
    QList<SchiffsModel*> m_modelle;
    QList<QAbstractItemModelTester*> m_tester;
};

void TstPersistenz::initTestCase()
{
    QVERIFY(m_ordner.isValid());
    schreibeListen(m_ordner.path());
    m_vorherigerOrdner = QDir::currentPath();
    QVERIFY(QDir::setCurrent(m_ordner.path()));
    m_bib = new KomponentenBibliothek;
    m_bib->lade();
    m_bib->erzeugeKategorien();
    for (int kat = 0; kat < KomponentenBibliothek::AnzahlKategorien; ++kat)
        QVERIFY2(m_bib->anzahlElemente(kat) > 0, qPrintable(QString::number(kat)));
}

void TstPersistenz::cleanupTestCase()
{
    delete m_bib;
    QDir::setCurrent(m_vorherigerOrdner);
}

void TstPersistenz::init()
{
    m_arbeit = std::make_unique<QTemporaryDir>();
    QVERIFY(m_arbeit->isValid());
}

void TstPersistenz::cleanup()
{
    qDeleteAll(m_tester);
    m_tester.clear();
    qDeleteAll(m_modelle);
    m_modelle.clear();
    m_arbeit.reset();
}

SchiffsModel* TstPersistenz::neuesModel()
{
    auto* model = new SchiffsModel;
    m_modelle.append(model);
    m_tester.append(new QAbstractItemModelTester(
            model, QAbstractItemModelTester::FailureReportingMode::QtTest));
    return model;
}

// Rows given as ((category, element), count).
void TstPersistenz::fuelle(SchiffsModel* model, const QList<QPair<QPair<int, int>, int>>& zeilen)
{
    for (const auto& z : zeilen) {
        Komponente* k = m_bib->kopie(z.first.first, z.first.second);
        QVERIFY(k);
        model->addKomponente(k, z.second);
    }
}

static int elementNr(const KomponentenBibliothek* bib, int kat, const QString& name)
{
    for (int i = 0; i < bib->anzahlElemente(kat); ++i) {
        if (bib->element(kat, i)->name() == name)
            return i;
    }
    return -1;
}

void TstPersistenz::speichernSchreibtLatin1Zeilen()
{
    SchiffsModel* model = neuesModel();
    fuelle(model, {{{0, elementNr(m_bib, 0, QStringLiteral("Kabinen & Gänge"))}, 20},
                   {{7, 0}, 3},
                   {{3, elementNr(m_bib, 3, QStringLiteral("Landestelzen"))}, 1}});
    TestPersistenz p(model, m_bib);
    QVERIFY(p.speichereDatei(pfad("schiff.zss"), QStringLiteral("Sternenjäger"),
                             QStringLiteral("Kleiner Frachter")));
    QVERIFY(p.meldungen.isEmpty());

    const QString erwartet = QStringLiteral("2.0;Sternenjäger;Kleiner Frachter;\n"
                                            "0;20;Kabinen & Gänge;\n"
                                            "7;3;")
            + listenZeile(*m_bib, 7, 0).join(QLatin1Char(';'))
            + QStringLiteral(";\n3;1;Landestelzen;\n");
    QCOMPARE(leseBytes(pfad("schiff.zss")), erwartet.toLatin1());
}

void TstPersistenz::rundreise_data()
{
    QTest::addColumn<QList<int>>("anzahlen"); // counts used in turn
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("beschreibung");

    QTest::newRow("alle Kategorien") << QList<int>{1, 2, 3, 17} << QStringLiteral("Kutter")
                                     << QStringLiteral("Alles drin");
    QTest::newRow("große Anzahlen") << QList<int>{1000000, 999999, 1, 250000}
                                    << QStringLiteral("Riese") << QString();
    QTest::newRow("Umlaute") << QList<int>{5} << QStringLiteral("Größter Jäger ÄÖÜß")
                             << QStringLiteral("Für Überfälle, «schnell» & µ-genau");
    QTest::newRow("leerer Name") << QList<int>{4} << QString() << QString();
}

void TstPersistenz::rundreise()
{
    QFETCH(QList<int>, anzahlen);
    QFETCH(QString, name);
    QFETCH(QString, beschreibung);

    // Every component of every category, built-in and from list files.
    SchiffsModel* vorher = neuesModel();
    int nr = 0;
    for (int kat = 0; kat < KomponentenBibliothek::AnzahlKategorien; ++kat) {
        for (int i = 0; i < m_bib->anzahlElemente(kat); ++i)
            vorher->addKomponente(m_bib->kopie(kat, i), anzahlen.at(nr++ % anzahlen.size()));
    }
    TestPersistenz p(vorher, m_bib);
    QVERIFY(p.speichereDatei(pfad("rund.zss"), name, beschreibung));
    QVERIFY(p.meldungen.isEmpty());
    // Numbers are plain decimal text, never with an exponent.
    const QByteArray bytes = leseBytes(pfad("rund.zss"));
    QVERIFY(bytes.contains(";25000000;"));
    QVERIFY(bytes.contains(";0.0000125;"));
    QVERIFY(!bytes.contains("e+") && !bytes.contains("e-0"));

    SchiffsModel* nachher = neuesModel();
    TestPersistenz q(nachher, m_bib);
    QSignalSpy spy(nachher, &SchiffsModel::neueDaten);
    QString geladenerName = QStringLiteral("alt");
    QString geladeneBeschreibung = QStringLiteral("alt");
    QVERIFY(q.laden(geladenerName, geladeneBeschreibung, pfad("rund.zss")));
    QVERIFY(q.meldungen.isEmpty());
    QCOMPARE(spy.count(), 1);
    QCOMPARE(geladenerName, name);
    QCOMPARE(geladeneBeschreibung, beschreibung);

    QCOMPARE(nachher->rowCount(), vorher->rowCount());
    for (int i = 0; i < vorher->rowCount(); ++i) {
        const Komponente* a = vorher->komponente(i);
        const Komponente* b = nachher->komponente(i);
        const QByteArray zeile = QByteArray::number(i) + ": " + a->name().toUtf8();
        QVERIFY2(b, zeile);
        QCOMPARE(nachher->anzahl(i), vorher->anzahl(i));
        QVERIFY2(b->typ() == a->typ(), zeile);
        QVERIFY2(b->name() == a->name(), zeile);
        QVERIFY2(b->beschreibung() == a->beschreibung(), zeile);
        QVERIFY2(b->einheit(false) == a->einheit(false), zeile);
        QVERIFY2(b->preis() == a->preis() && b->gewicht() == a->gewicht(), zeile);
        QVERIFY2(b->gstpv() == a->gstpv() && b->rev() == a->rev() && b->bev() == a->bev(), zeile);
        QVERIFY2(b->slotBedarf() == a->slotBedarf(), zeile);
        QCOMPARE(b->spaltenAnzahl(), a->spaltenAnzahl());
        for (int s = 0; s < a->spaltenAnzahl(); ++s)
            QVERIFY2(b->spaltenWert(s) == a->spaltenWert(s), zeile + " Spalte " + QByteArray::number(s));
    }
    const SchiffsDaten da = vorher->berechne();
    const SchiffsDaten db = nachher->berechne();
    QCOMPARE(db.preis, da.preis);
    QCOMPARE(db.gewicht, da.gewicht);
    QCOMPARE(db.gstpvBelegt, da.gstpvBelegt);
    QCOMPARE(db.rumpf, da.rumpf);
}

void TstPersistenz::ladenHandgeschrieben_data()
{
    QTest::addColumn<QByteArray>("datei");
    QTest::addColumn<QString>("erwName");
    QTest::addColumn<QString>("erwBeschreibung");
    QTest::addColumn<QStringList>("erwZeilen");    // "category|count|name"
    QTest::addColumn<QStringList>("erwMeldungen"); // "title|text"
    QTest::addColumn<int>("erwBerechnungen");

    const auto latin1 = [](const QString& s) { return s.toLatin1(); };
    const QString reaktor0 = listenZeile(*m_bib, 7, 0).join(QLatin1Char(';'));
    QStringList fremderReaktor = listenZeile(*m_bib, 7, 1);
    fremderReaktor[0] = QStringLiteral("Fusionskern ohne Liste");
    const QString vorher = QStringLiteral("vorher");

    QTest::newRow("2.0 eingebaut und aus Liste")
            << latin1(QStringLiteral("2.0;Kutter;Ein Boot;\n0;3;Turbolifte;\n7;2;") + reaktor0
                      + QStringLiteral(";\n2;40;Wassertank & Recycler;\n"))
            << QStringLiteral("Kutter") << QStringLiteral("Ein Boot")
            << QStringList{QStringLiteral("0|3|Turbolifte"), QStringLiteral("7|2|Kühler Größe 7-0"),
                           QStringLiteral("2|40|Wassertank & Recycler")}
            << QStringList() << 1;
    QTest::newRow("2.0 Listenkomponente ohne Listeneintrag")
            << latin1(QStringLiteral("2.0;A;B;\n7;5;") + fremderReaktor.join(QLatin1Char(';'))
                      + QStringLiteral(";\n"))
            << QStringLiteral("A") << QStringLiteral("B")
            << QStringList{QStringLiteral("7|5|Fusionskern ohne Liste")} << QStringList() << 1;
    QTest::newRow("2.05 gilt als 2.0")
            << latin1(QStringLiteral("2.05;A;B;\n2;4;Umweltkontrollsystem;\n"))
            << QStringLiteral("A") << QStringLiteral("B")
            << QStringList{QStringLiteral("2|4|Umweltkontrollsystem")} << QStringList() << 1;
    QTest::newRow("1.1")
            << latin1(QStringLiteral("1.1;Alt;Text;\n2;Umweltkontrollsystem;3;\n7;Kühler Größe 7-1;2;\n"))
            << QStringLiteral("Alt") << QStringLiteral("Text")
            << QStringList{QStringLiteral("2|3|Umweltkontrollsystem"), QStringLiteral("7|2|Kühler Größe 7-1")}
            << QStringList() << 1;
    QTest::newRow("1.0 alte Kategorien und umbenannte Kabinen")
            << latin1(QStringLiteral("1.0;Uralt;;\n"
                                     "0;Turbolifte;2;\n"
                                     "0;Kabinen/Gänge/Räume;4;\n"
                                     "1;Kabinen/Gänge/Räume;3;\n"
                                     "1;Umweltkontrollsystem;6;\n"
                                     "2;Treibstofftank;10;\n"
                                     "3;Kühler Größe 4-0;100;\n"
                                     "6;Kühler Größe 7-0;1;\n"
                                     "20;Kühler Größe 21-1;2;\n"
                                     "21;Kühler Größe 23-0;5;\n"
                                     "22;Turbolifte;7;\n"
                                     "-1;Turbolifte;8;\n"))
            << QStringLiteral("Uralt") << QString()
            << QStringList{QStringLiteral("0|2|Turbolifte"), QStringLiteral("0|4|Kabinen & Gänge"),
                           QStringLiteral("0|3|Kabinen & Gänge"), QStringLiteral("2|6|Umweltkontrollsystem"),
                           QStringLiteral("3|10|Treibstofftank"), QStringLiteral("4|100|Kühler Größe 4-0"),
                           QStringLiteral("7|1|Kühler Größe 7-0"), QStringLiteral("21|2|Kühler Größe 21-1"),
                           QStringLiteral("23|5|Kühler Größe 23-0"), QStringLiteral("0|7|Turbolifte"),
                           QStringLiteral("0|8|Turbolifte")}
            << QStringList() << 1;
    QTest::newRow("1.0 alte Nummer sucht in der neuen Kategorie")
            << latin1(QStringLiteral("1.0;A;B;\n7;Kühler Größe 7-0;1;\n7;Kühler Größe 8-0;2;\n"))
            << QStringLiteral("A") << QStringLiteral("B")
            << QStringList{QStringLiteral("8|2|Kühler Größe 8-0")}
            << QStringList{QStringLiteral("Komponenten nicht gefunden|Folgende Komponenten wurden "
                                          "nicht gefunden:\n1x Kühler Größe 7-0 (Zeile 2)\n\nDatei: @")}
            << 1;
    const QString behalten = QStringLiteral("\n\nDas aktuelle Schiff wurde beibehalten.");
    QTest::newRow("3.0 falsche Version")
            << latin1(QStringLiteral("3.0;Neu;Neuer;\n0;3;Turbolifte;\n"))
            << vorher << vorher << QStringList()
            << QStringList{QStringLiteral("Fehler beim Laden|Die Datei @ ist keine Schiffsdatei "
                                          "(erste Zeile: 3.0;Neu;Neuer;).") + behalten}
            << 0;
    QTest::newRow("kleines 2.0 ist keine Version")
            << latin1(QStringLiteral("v2.0;Neu;Neuer;\n0;3;Turbolifte;\n"))
            << vorher << vorher << QStringList()
            << QStringList{QStringLiteral("Fehler beim Laden|Die Datei @ ist keine Schiffsdatei "
                                          "(erste Zeile: v2.0;Neu;Neuer;).") + behalten}
            << 0;
    QTest::newRow("Zeilen mit zwei Feldern")
            << latin1(QStringLiteral("2.0;N;B;\n0;3\n;\n\n0;5;Turbolifte;\n1.1;Turbolifte\n"))
            << vorher << vorher << QStringList()
            << QStringList{QStringLiteral("Fehler beim Laden|Die Datei @ ist beschädigt: Zeile 2 ist "
                                          "unvollständig.") + behalten
                           + QStringLiteral(" „Lesbaren Teil laden“ lädt alles vor Zeile 2 als neues, "
                                            "ungespeichertes Schiff. [Lesbaren Teil laden]")}
            << 0;
    QTest::newRow("unlesbare Anzahl")
            << latin1(QStringLiteral("2.0;N;B;\n0;1;Turbolifte;\n0;drei;Turbolifte;\n"))
            << vorher << vorher << QStringList()
            << QStringList{QStringLiteral("Fehler beim Laden|Die Datei @ ist beschädigt: In Zeile 3 steht "
                                          "„drei“, wo die Anzahl (eine Zahl) stehen muss.") + behalten
                           + QStringLiteral(" „Lesbaren Teil laden“ lädt alles vor Zeile 3 als neues, "
                                            "ungespeichertes Schiff. [Lesbaren Teil laden]")}
            << 0;
    QTest::newRow("Anzahlen mit Leerzeichen und außerhalb")
            << latin1(QStringLiteral("2.0;N;B;\n0; 7 ;Turbolifte;\n0;99999999999;Turbolifte;\n"
                                     "0;-4;Turbolifte;\n"))
            << QStringLiteral("N") << QStringLiteral("B")
            << QStringList{QStringLiteral("0|7|Turbolifte"), QStringLiteral("0|1000000|Turbolifte"),
                           QStringLiteral("0|0|Turbolifte")}
            << QStringList{QStringLiteral("Werte angepasst|Die Datei @ enthält Werte außerhalb des "
                                          "Erlaubten. Sie wurden auf den nächsten erlaubten Wert "
                                          "gesetzt:\nZeile 3, Anzahl: 99999999999 gelesen, 1000000 "
                                          "übernommen\nZeile 4, Anzahl: -4 gelesen, 0 übernommen")}
            << 1;
    QTest::newRow("fehlende Komponenten")
            << latin1(QStringLiteral("2.0;N;B;\n0;3;Warpkern;\n2;1;Umweltkontrollsystem;\n"
                                     "3;2;Holodeck Ö;\n0;1;turbolifte;\n"))
            << QStringLiteral("N") << QStringLiteral("B")
            << QStringList{QStringLiteral("2|1|Umweltkontrollsystem")}
            << QStringList{QStringLiteral("Komponenten nicht gefunden|Folgende Komponenten wurden "
                                          "nicht gefunden:\n3x Warpkern (Zeile 2)\n2x Holodeck Ö (Zeile 4)\n"
                                          "1x turbolifte (Zeile 5)\n\nDatei: @")}
            << 1;
    QTest::newRow("1.1 fehlende Komponente")
            << latin1(QStringLiteral("1.1;N;B;\n7;Unbekannter Reaktor;4;\n2;Fallschirm;6;\n"))
            << QStringLiteral("N") << QStringLiteral("B")
            << QStringList{QStringLiteral("2|6|Fallschirm")}
            << QStringList{QStringLiteral("Komponenten nicht gefunden|Folgende Komponenten wurden "
                                          "nicht gefunden:\n4x Unbekannter Reaktor (Zeile 2)\n\nDatei: @")}
            << 1;
    QTest::newRow("unbekannte Kategorie wird gemeldet")
            << latin1(QStringLiteral("2.0;N;B;\n99;2;Geheimnis;x;\n-3;1;Rätsel;\n0;1;Turbolifte;\n"))
            << QStringLiteral("N") << QStringLiteral("B")
            << QStringList{QStringLiteral("0|1|Turbolifte")}
            << QStringList{QStringLiteral("Komponenten nicht gefunden|Folgende Komponenten wurden "
                                          "nicht gefunden:\n2x Geheimnis (Zeile 2)\n1x Rätsel (Zeile 3)\n"
                                          "\nDatei: @")}
            << 1;
    QTest::newRow("UTF-8 aus einem Editor")
            << QByteArray("\xEF\xBB\xBF") + QStringLiteral("2.0;Jäger;Größe;\n0;2;Kabinen & Gänge;\n"
                                                          "3;1;Holodeck Größe;\n").toUtf8()
            << QStringLiteral("Jäger") << QStringLiteral("Größe")
            << QStringList{QStringLiteral("0|2|Kabinen & Gänge")}
            << QStringList{QStringLiteral("Komponenten nicht gefunden|Folgende Komponenten wurden "
                                          "nicht gefunden:\n1x Holodeck Größe (Zeile 3)\n\nDatei: @")}
            << 1;
    QTest::newRow("Latin-1 bleibt Latin-1")
            << QByteArray("2.0;J\xE4ger \xC3\xA4;;\n0;2;Kabinen & G\xE4nge;\n")
            << QStringLiteral("Jäger Ã¤") << QString()
            << QStringList{QStringLiteral("0|2|Kabinen & Gänge")} << QStringList() << 1;
    // A ship without components keeps its name and description.
    QTest::newRow("nur Kopfzeile") << latin1(QStringLiteral("2.0;Neu;Neuer;\n"))
                                   << QStringLiteral("Neu") << QStringLiteral("Neuer")
                                   << QStringList() << QStringList() << 1;
    QTest::newRow("leere Datei") << QByteArray() << vorher << vorher << QStringList()
                                 << QStringList{QStringLiteral("Fehler beim Laden|Die Datei @ ist leer.")
                                                + behalten}
                                 << 0;
    QTest::newRow("Kopfzeile mit zwei Feldern")
            << latin1(QStringLiteral("2.0;Nur\n0;1;Turbolifte;\n")) << vorher << vorher
            << QStringList{QStringLiteral("0|1|Turbolifte")} << QStringList() << 1;
    QTest::newRow("CR LF und fehlendes letztes Semikolon")
            << latin1(QStringLiteral("2.0;N;B\r\n0;3;Turbolifte\r\n2;2;Smashbag\n"))
            << QStringLiteral("N") << QStringLiteral("B")
            << QStringList{QStringLiteral("0|3|Turbolifte"), QStringLiteral("2|2|Smashbag")}
            << QStringList() << 1;
}

void TstPersistenz::ladenHandgeschrieben()
{
    QFETCH(QByteArray, datei);
    QFETCH(QString, erwName);
    QFETCH(QString, erwBeschreibung);
    QFETCH(QStringList, erwZeilen);
    QFETCH(QStringList, erwMeldungen);
    QFETCH(int, erwBerechnungen);
    erwMeldungen.replaceInStrings(QStringLiteral("@"), QDir::toNativeSeparators(pfad("hand.zss")));

    QVERIFY(schreibeBytes(pfad("hand.zss"), datei));
    SchiffsModel* model = neuesModel();
    TestPersistenz p(model, m_bib);
    QSignalSpy spy(model, &SchiffsModel::neueDaten);
    QString name = QStringLiteral("vorher");
    QString beschreibung = QStringLiteral("vorher");
    QVERIFY(p.laden(name, beschreibung, pfad("hand.zss")));

    QCOMPARE(name, erwName);
    QCOMPARE(beschreibung, erwBeschreibung);
    QStringList zeilen;
    for (int i = 0; i < model->rowCount(); ++i) {
        zeilen << QStringLiteral("%1|%2|%3").arg(model->komponente(i)->typ())
                          .arg(model->anzahl(i)).arg(model->komponente(i)->name());
    }
    QCOMPARE(zeilen, erwZeilen);
    QStringList meldungen;
    for (const auto& m : p.meldungen) {
        QCOMPARE(m.symbol, QMessageBox::Warning);
        meldungen << m.titel + QLatin1Char('|') + m.text;
    }
    QCOMPARE(meldungen, erwMeldungen);
    QCOMPARE(spy.count(), erwBerechnungen);
}

void TstPersistenz::ladenOhneDateiname()
{
    SchiffsModel* model = neuesModel();
    TestPersistenz p(model, m_bib);
    QString name = QStringLiteral("n");
    QString beschreibung = QStringLiteral("b");
    QCOMPARE(p.laden(name, beschreibung, QString()), false);
    QCOMPARE(p.laden(name, beschreibung, pfad("gibt_es_nicht.zss")), true);
    QCOMPARE(name, QStringLiteral("n"));
    QCOMPARE(model->rowCount(), 0);
    QVERIFY(p.meldungen.isEmpty());
}

void TstPersistenz::zeichenAusserhalbLatin1()
{
    SchiffsModel* model = neuesModel();
    fuelle(model, {{{2, 0}, 2}});
    TestPersistenz p(model, m_bib);
    const QString name = QStringLiteral("Jäger € – “Alpha” 🚀");
    QVERIFY(p.speichereDatei(pfad("zeichen.zss"), name, QStringLiteral("5 € … ‚ok‘")));

    QCOMPARE(leseBytes(pfad("zeichen.zss")),
             QStringLiteral("2.0;Jäger EUR - \"Alpha\" ?;5 EUR ... 'ok';\n2;2;Umweltkontrollsystem;\n")
                     .toLatin1());
    QCOMPARE(p.meldungen.size(), 1);
    QCOMPARE(p.meldungen.at(0).symbol, QMessageBox::Warning);
    QCOMPARE(p.meldungen.at(0).titel, QStringLiteral("Zeichen ersetzt"));
    QCOMPARE(p.meldungen.at(0).text,
             QStringLiteral("Die Datei %1 wurde gespeichert. Einige Zeichen lassen sich in einer "
                            "Schiffsdatei nicht speichern und wurden ersetzt:\n"
                            "€ → EUR\n– → -\n“ → \"\n” → \"\n🚀 → ?\n… → ...\n‚ → '\n‘ → '")
                     .arg(QDir::toNativeSeparators(pfad("zeichen.zss"))));

    // What the file says is what comes back.
    SchiffsModel* geladen = neuesModel();
    TestPersistenz q(geladen, m_bib);
    QString n, b;
    QVERIFY(q.laden(n, b, pfad("zeichen.zss")));
    QCOMPARE(n, QStringLiteral("Jäger EUR - \"Alpha\" ?"));
    QCOMPARE(b, QStringLiteral("5 EUR ... 'ok'"));
    QCOMPARE(geladen->rowCount(), 1);
}

void TstPersistenz::semikolonUndZeilenumbruch()
{
    SchiffsModel* model = neuesModel();
    fuelle(model, {{{0, 1}, 3}, {{5, 0}, 12}});
    TestPersistenz p(model, m_bib);
    QVERIFY(p.speichereDatei(pfad("trenner.zss"), QStringLiteral("A;B\r\nC\rD"),
                             QStringLiteral("Zeile 1\nZeile 2;3")));
    QVERIFY(p.meldungen.isEmpty());
    QVERIFY(leseBytes(pfad("trenner.zss")).startsWith("2.0;A,B C D;Zeile 1 Zeile 2,3;\n0;3;"));

    SchiffsModel* geladen = neuesModel();
    TestPersistenz q(geladen, m_bib);
    QString n, b;
    QVERIFY(q.laden(n, b, pfad("trenner.zss")));
    QVERIFY(q.meldungen.isEmpty());
    QCOMPARE(n, QStringLiteral("A,B C D"));
    QCOMPARE(b, QStringLiteral("Zeile 1 Zeile 2,3"));
    QCOMPARE(geladen->rowCount(), 2);
    QCOMPARE(geladen->anzahl(1), 12);
    QCOMPARE(geladen->komponente(1)->name(), model->komponente(1)->name());
}

void TstPersistenz::volleFestplatteLaesstAlteDatei()
{
    const QString datei = pfad("voll.zss");
    const QByteArray alt = "2.0;Altes Schiff;bleibt;\n0;3;Turbolifte;\n";
    QVERIFY(schreibeBytes(datei, alt));

    SchiffsModel* model = neuesModel();
    for (int kat = 0; kat < KomponentenBibliothek::AnzahlKategorien; ++kat) {
        for (int i = 0; i < m_bib->anzahlElemente(kat); ++i)
            model->addKomponente(m_bib->kopie(kat, i), 7);
    }
    for (rlim_t grenze : {rlim_t(0), rlim_t(100), rlim_t(2000)}) {
        const QByteArray antwort = imKindMitDateigrenze(grenze, [&]() {
            TestPersistenz p(model, m_bib);
            const bool ok = p.speichereDatei(datei, QStringLiteral("Neu"), QString());
            QByteArray a = ok ? "ok" : "fehler";
            for (const auto& m : p.meldungen)
                a += '|' + QByteArray::number(int(m.symbol)) + '|' + m.titel.toUtf8() + '|' + m.text.toUtf8();
            return a;
        });
        const QString text = QString::fromUtf8(antwort);
        QVERIFY2(text.startsWith(QStringLiteral("fehler|%1|Fehler beim Speichern|Die Datei %2 "
                                                "konnte nicht gespeichert werden.\n")
                                         .arg(int(QMessageBox::Critical))
                                         .arg(QDir::toNativeSeparators(datei))),
                 qPrintable(text));
        QCOMPARE(leseBytes(datei), alt);
        QCOMPARE(QDir(m_arbeit->path()).entryList(QDir::Files), QStringList{QStringLiteral("voll.zss")});
    }

    // Without the limit the same ship is written completely.
    TestPersistenz p(model, m_bib);
    QVERIFY(p.speichereDatei(datei, QStringLiteral("Neu"), QString()));
    QCOMPARE(leseBytes(datei), p.schiffsText(QStringLiteral("Neu"), QString()));
    QVERIFY(leseBytes(datei).size() > 2000);
}

void TstPersistenz::nichtSchreibbar()
{
    SchiffsModel* model = neuesModel();
    TestPersistenz p(model, m_bib);
    const QString datei = pfad("fehlt/schiff.zss");
    QCOMPARE(p.speichereDatei(datei, QStringLiteral("N"), QString()), false);
    QCOMPARE(p.meldungen.size(), 1);
    QCOMPARE(p.meldungen.at(0).symbol, QMessageBox::Critical);
    QCOMPARE(p.meldungen.at(0).titel, QStringLiteral("Fehler beim Speichern"));
    const QString anfang = QStringLiteral("Die Datei %1 konnte nicht gespeichert werden.\n")
            .arg(QDir::toNativeSeparators(datei));
    QVERIFY2(p.meldungen.at(0).text.startsWith(anfang), qPrintable(p.meldungen.at(0).text));
    QVERIFY(p.meldungen.at(0).text.size() > anfang.size()); // a reason follows
    QVERIFY(!QFile::exists(datei));
}

void TstPersistenz::speichernFragtNachDatei()
{
    SchiffsModel* model = neuesModel();
    fuelle(model, {{{0, 0}, 1}});
    TestPersistenz p(model, m_bib);

    p.speichern(QStringLiteral("Abgebrochen"), QString());
    QCOMPARE(p.fragen, (QStringList{QStringLiteral("In welche Datei soll gespeichert werden?"),
                                    QStringLiteral("ZORVEL-Schiffsbau-Schiff (*.zss)")}));
    QVERIFY(QDir(m_arbeit->path()).entryList(QDir::Files).isEmpty());
    QVERIFY(p.meldungen.isEmpty());

    p.naechsteDatei = pfad("gefragt.zss");
    p.speichern(QStringLiteral("Gefragt"), QStringLiteral("B"));
    QCOMPARE(leseBytes(pfad("gefragt.zss")),
             QByteArray("2.0;Gefragt;B;\n0;1;Wartungs/L\xFC""ftungssch\xE4""chte, Maschinenraum;\n"));
}

void TstPersistenz::echterDialogUndMeldung()
{
    SchiffsModel* model = neuesModel();
    fuelle(model, {{{0, 2}, 2}});
    Persistenz p(model, m_bib);

    // The save dialog: no parent, the caption, and ".zss" added to a bare name.
    bool ohneEltern = false;
    QString titel;
    {
        DialogWaechter antwort(pfad("dialog"));
        p.speichern(QStringLiteral("Per Dialog"), QString());
        titel = antwort.dateiTitel.value(0);
        ohneEltern = antwort.ohneEltern;
    }
    QCOMPARE(titel, QStringLiteral("In welche Datei soll gespeichert werden?"));
    QVERIFY(ohneEltern);
    QVERIFY(leseBytes(pfad("dialog.zss")).startsWith("2.0;Per Dialog;;\n0;2;"));

    // The version warning: a box without parent with one Ok button.
    QVERIFY(schreibeBytes(pfad("v3.zss"), "3.0;A;B;\n0;1;Turbolifte;\n"));
    DialogWaechter waechter;
    QString n, b;
    QVERIFY(p.laden(n, b, pfad("v3.zss")));
    QCOMPARE(waechter.titel, QStringList { QStringLiteral("Fehler beim Laden") });
    QCOMPARE(waechter.texte, QStringList { QStringLiteral("Die Datei %1 ist keine Schiffsdatei (erste Zeile: "
                                                          "3.0;A;B;).\n\nDas aktuelle Schiff wurde beibehalten.")
                                               .arg(QDir::toNativeSeparators(pfad("v3.zss"))) });
    QVERIFY(waechter.alleOhneEltern);
}

void TstPersistenz::basislisteLaedtOhneMeldung()
{
    const QString datei = QStringLiteral(ZORVEL_DATA_DIR "/basisliste.zsb");
    const QByteArray bytes = leseBytes(datei);
    QVERIFY(bytes.startsWith("2.0;"));
    QVERIFY(bytes.contains('\xFC'));                 // "ü", written in Latin-1
    QVERIFY(!bytes.contains("\xC3\xBC"));            // and not in UTF-8
    QVERIFY(!bytes.contains('\r'));

    SchiffsModel* model = neuesModel();
    TestPersistenz p(model, m_bib);
    QString n, b;
    QVERIFY(p.laden(n, b, datei));
    QVERIFY(p.meldungen.isEmpty());
    QCOMPARE(model->rowCount(), bytes.count('\n') - 1);
    QStringList namen;
    for (int i = 0; i < model->rowCount(); ++i) {
        QVERIFY(model->anzahl(i) > 0);
        namen << model->komponente(i)->name();
    }
    for (const QString& noetig : {QStringLiteral("Wartungs/Lüftungsschächte, Maschinenraum"),
                                  QStringLiteral("Cockpit/Brücke/Zentrale"),
                                  QStringLiteral("Kabinen & Gänge"),
                                  QStringLiteral("Umweltkontrollsystem"),
                                  QStringLiteral("Wassertank & Recycler")})
        QVERIFY2(namen.contains(noetig), qPrintable(noetig));

    // The crew fits: bridge, cabins and life support for the same persons.
    const SchiffsDaten d = model->berechne();
    QVERIFY(d.brueckePersonen > 0);
    QVERIFY(d.kabinenPersonen >= d.brueckePersonen);
    QVERIFY(d.lebenserhaltungPersonen >= d.kabinenPersonen);
}

QTEST_MAIN(TstPersistenz)
#include "tst_persistenz.moc"
