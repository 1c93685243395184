// The text export: placeholders filled in order, the component list, the
// delivered template and the failures that must not pass unnoticed.
#include "tst_persistenz_hilfen.h"

#include "komponente.h"
#include "komponentenbibliothek.h"
#include "persistenz.h"
#include "schiffsmodel.h"

#include <QAbstractItemModelTester>
#include <QDir>
#include <QLocale>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

class TstExport : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void bekanntesSchiff();
    void platzhalterReihenfolge_data();
    void platzhalterReihenfolge();
    void leeresSchiff();
    void gelieferteVorlage();
    void exportierenFragtNachDatei();
    void vorlageFehlt();
    void ausgabeNichtSchreibbar();
    void volleFestplatteLaesstAlteDatei();

private:
    // The known ship: 100 GSTP of steel hull, engine room, 20 GSTPV of
    // cabins, 13 GSTPV of fuel, landing legs and a million gas balloons.
    void baueBekanntesSchiff();
    QString pfad(const QString& datei) const { return m_arbeit->filePath(datei); }
    QString vorlage(const QString& text);
    QString exportiere(const QString& vorlagenText, const QString& name, const QString& beschreibung);
    static QString alle60();
    QString komponentenliste() const;

    QTemporaryDir m_ordner;
    std::unique_ptr<QTemporaryDir> m_arbeit;
    QString m_vorherigerOrdner;
    KomponentenBibliothek* m_bib = nullptr;
    SchiffsModel* m_model = nullptr;
    QAbstractItemModelTester* m_tester = nullptr;
};

void TstExport::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QVERIFY(m_ordner.isValid());
    QDir(m_ordner.path()).mkpath(QStringLiteral("listen"));
    QVERIFY(schreibeBytes(m_ordner.filePath(QStringLiteral("listen/rumpfmaterial_stahl.csv")),
                          "Bezeichnung;Hersteller;Leg.;TL;St;t;Rumpf;Einheit\n"
                          "Stahlrumpf;Werft Nord;A;10;1000;1.5;2.5;GSTP\n"));
    m_vorherigerOrdner = QDir::currentPath();
    QVERIFY(QDir::setCurrent(m_ordner.path()));
    m_bib = new KomponentenBibliothek;
    m_bib->lade();
    m_bib->erzeugeKategorien();
    QCOMPARE(m_bib->anzahlElemente(4), 1);
}

void TstExport::cleanupTestCase()
{
    delete m_bib;
    QDir::setCurrent(m_vorherigerOrdner);
}

void TstExport::init()
{
    m_arbeit = std::make_unique<QTemporaryDir>();
    QVERIFY(m_arbeit->isValid());
    m_model = new SchiffsModel;
    m_tester = new QAbstractItemModelTester(m_model, QAbstractItemModelTester::FailureReportingMode::QtTest);
}

void TstExport::cleanup()
{
    delete m_tester;
    delete m_model;
    m_arbeit.reset();
}

void TstExport::baueBekanntesSchiff()
{
    const auto dazu = [this](int kat, const QString& name, int anzahl) {
        Komponente* k = m_bib->kopie(kat, name);
        QVERIFY2(k, qPrintable(name));
        m_model->addKomponente(k, anzahl);
    };
    dazu(4, QStringLiteral("Stahlrumpf"), 100);
    dazu(0, QStringLiteral("Wartungs/Lüftungsschächte, Maschinenraum"), 1);
    dazu(0, QStringLiteral("Kabinen & Gänge"), 20);
    dazu(3, QStringLiteral("Treibstofftank"), 13);
    dazu(3, QStringLiteral("Landestelzen"), 1);
    dazu(2, QStringLiteral("Gasballon"), 1000000);
}

QString TstExport::vorlage(const QString& text)
{
    const QString datei = pfad(QStringLiteral("vorlage.zse"));
    schreibeBytes(datei, text.toUtf8());
    return datei;
}

QString TstExport::exportiere(const QString& vorlagenText, const QString& name,
                              const QString& beschreibung)
{
    TestPersistenz p(m_model, m_bib);
    p.setzeVorlage(vorlage(vorlagenText));
    const QString ziel = pfad(QStringLiteral("export.txt"));
    if (!p.exportiereDatei(ziel, name, beschreibung) || !p.meldungen.isEmpty())
        return QStringLiteral("<Export fehlgeschlagen>");
    return QString::fromUtf8(leseBytes(ziel));
}

// "01=%1\n02=%2\n" ... "60=%60\n"
QString TstExport::alle60()
{
    QString text;
    for (int i = 1; i <= 60; ++i)
        text += QStringLiteral("%1=%%2\n").arg(i, 2, 10, QLatin1Char('0')).arg(i);
    return text;
}

QString TstExport::komponentenliste() const
{
    return QStringLiteral("\n\nKomponenten:\n")
            + QStringLiteral("    100     GSTP x       Rumpf : Stahlrumpf - ")
            + m_bib->suche(4, QStringLiteral("Stahlrumpf"))->beschreibung() + QStringLiteral("\n")
            + QStringLiteral("      1          x       Räume : Wartungs/Lüftungsschächte, "
                             "Maschinenraum - 5% GSTPV\n"
                             "     20    GSTPV x       Räume : Kabinen & Gänge - min. 10GSTPV "
                             "für 1 Personen-Zimmer, 100St/GSTPV\n"
                             "     13    GSTPV x      Sonst. : Treibstofftank - 2t/GSTPV, "
                             "1.000St/GSTPV 4.000St./10GSTPV\n"
                             "      1          x      Sonst. : Landestelzen - 1% GSTPV (mind. 1), "
                             "1.000St/GSTPV\n"
                             "1000000    Stück x       Leben : Gasballon - Pro Stück: 1GSTPV, "
                             "1.000St\n");
}

void TstExport::bekanntesSchiff()
{
    baueBekanntesSchiff();
    QSignalSpy spy(m_model, &SchiffsModel::neueDaten);
    const QString text = exportiere(alle60(), QStringLiteral("Kutter Ärger"),
                                    QStringLiteral("Ein Frachter"));
    QCOMPARE(spy.count(), 1); // the panel is refreshed with what is exported

    // Price: hull 100 000, cabins 2 000, fuel 4 000 + 3 000, landing legs
    // 1 000, balloons 1 000 000 000. Volume used: engine room 5, cabins 20,
    // fuel 13, legs 1, balloons 1 000 000.
    const QString erwartet = QStringLiteral(
            "01=Kutter Ärger\n02=1000110000\n03=10\n04=0\n05=150\n06=0\n07=-999939\n08=100\n"
            "09=0\n10=0\n11=0\n12=0\n13=0\n14=250\n15=0\n16=0\n17=0\n18=0.00\n19=0\n20=0\n"
            "21=0\n22=0\n23=0\n24=0\n25=0\n26=0\n27=0\n28=1\n29=0\n30=0\n31=2\n32=0\n33=0\n"
            "34=0\n35=26\n36=0\n37=0\n38=0\n39=0\n40=0\n41=0\n42=0\n43=0\n44=1000000\n45=0\n"
            "46=0\n47=0\n48=1\n49=Ein Frachter\n50=176\n51=0.00\n52=0.00\n53=0\n54=0\n55=5\n"
            "56=0\n57=0\n58=0\n59=1\n60=5\n");
    QCOMPARE(text, erwartet + komponentenliste());
}

void TstExport::platzhalterReihenfolge_data()
{
    QTest::addColumn<QString>("vorlage");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("beschreibung");
    QTest::addColumn<QString>("erwartet"); // the filled template

    // The template is filled in one pass: what the user typed stays as written.
    QTest::newRow("Name mit %2 bleibt")
            << QStringLiteral("%1|%2|%3") << QStringLiteral("Kreuzer %2") << QString()
            << QStringLiteral("Kreuzer %2|1000110000|10");
    QTest::newRow("Beschreibung mit %50 bleibt")
            << alle60() << QStringLiteral("K") << QStringLiteral("Gewicht %50 t")
            << QString(); // checked line by line below
    QTest::newRow("Ortsformat mit Tausenderpunkten")
            << QStringLiteral("%1: %L2 St, %L3") << QStringLiteral("Kutter") << QString()
            << QStringLiteral("Kutter: 1.000.110.000 St, 10");
    QTest::newRow("Lücken verschieben die Werte")
            << QStringLiteral("%1 %3 %9") << QStringLiteral("N") << QString()
            << QStringLiteral("N 1000110000 10");
    QTest::newRow("mehrfach und ohne Platzhalter")
            << QStringLiteral("%1/%1 100% sicher, %x %L") << QStringLiteral("A") << QString()
            << QStringLiteral("A/A 100% sicher, %x %L");
    QTest::newRow("kein Platzhalter") << QStringLiteral("Nur Text\nzweite Zeile")
                                      << QStringLiteral("A") << QStringLiteral("B")
                                      << QStringLiteral("Nur Text\nzweite Zeile");
}

void TstExport::platzhalterReihenfolge()
{
    QFETCH(QString, vorlage);
    QFETCH(QString, name);
    QFETCH(QString, beschreibung);
    QFETCH(QString, erwartet);

    baueBekanntesSchiff();
    if (QTest::currentDataTag() == QByteArray("Beschreibung mit %50 bleibt")) {
        // Fill every other value as in the known ship.
        const QString text = exportiere(vorlage, name, beschreibung);
        QVERIFY(text.contains(QStringLiteral("\n49=Gewicht %50 t\n50=176\n")));
        QVERIFY(text.startsWith(QStringLiteral("01=K\n02=1000110000\n")));
        return;
    }
    QCOMPARE(exportiere(vorlage, name, beschreibung), erwartet + komponentenliste());
}

void TstExport::leeresSchiff()
{
    QCOMPARE(exportiere(QStringLiteral("A%1B%2C%3D"), QString(), QString()),
             QStringLiteral("AB0C17D\n\nKomponenten:\n"));
}

void TstExport::gelieferteVorlage()
{
    baueBekanntesSchiff();
    const QByteArray roh = leseBytes(QStringLiteral(ZORVEL_DATA_DIR "/exportvorlage.zse"));
    const QString text = QString::fromUtf8(roh);
    QCOMPARE(text.toUtf8(), roh); // valid UTF-8
    for (int i = 1; i <= 60; ++i) {
        QVERIFY2(text.contains(QRegularExpression(QStringLiteral("%L?%1(?!\\d)").arg(i))),
                 qPrintable(QString::number(i)));
    }

    TestPersistenz p(m_model, m_bib);
    p.setzeVorlage(QStringLiteral(ZORVEL_DATA_DIR "/exportvorlage.zse"));
    QVERIFY(p.exportiereDatei(pfad(QStringLiteral("blatt.txt")), QStringLiteral("Kutter"),
                              QStringLiteral("Ein Frachter")));
    QVERIFY(p.meldungen.isEmpty());
    const QString blatt = QString::fromUtf8(leseBytes(pfad(QStringLiteral("blatt.txt"))));
    QVERIFY(!blatt.contains(QRegularExpression(QStringLiteral("%L?\\d"))));
    QVERIFY(blatt.contains(QStringLiteral("Kutter")));
    QVERIFY(blatt.contains(QStringLiteral("Ein Frachter")));
    QVERIFY(blatt.contains(QStringLiteral("1.000.110.000 St")));
    QVERIFY(blatt.endsWith(komponentenliste()));
}

void TstExport::exportierenFragtNachDatei()
{
    baueBekanntesSchiff();
    TestPersistenz p(m_model, m_bib);
    p.setzeVorlage(vorlage(QStringLiteral("%1")));
    p.exportieren(QStringLiteral("Abgebrochen"), QString());
    QCOMPARE(p.fragen, (QStringList{QStringLiteral("In welche Datei soll exportiert werden?"),
                                    QStringLiteral("Textdatei (*.txt)")}));
    QCOMPARE(QDir(m_arbeit->path()).entryList(QDir::Files), QStringList{QStringLiteral("vorlage.zse")});

    p.naechsteDatei = pfad(QStringLiteral("gefragt.txt"));
    p.exportieren(QStringLiteral("Gefragt"), QString());
    QCOMPARE(QString::fromUtf8(leseBytes(p.naechsteDatei)), QStringLiteral("Gefragt") + komponentenliste());
    QVERIFY(p.meldungen.isEmpty());
}

void TstExport::vorlageFehlt()
{
    TestPersistenz p(m_model, m_bib);
    p.setzeVorlage(pfad(QStringLiteral("fehlt.zse")));
    const QString ziel = pfad(QStringLiteral("export.txt"));
    QCOMPARE(p.exportiereDatei(ziel, QStringLiteral("N"), QString()), false);
    QVERIFY(!QFile::exists(ziel));
    QCOMPARE(p.meldungen.size(), 1);
    QCOMPARE(p.meldungen.at(0).symbol, QMessageBox::Critical);
    QCOMPARE(p.meldungen.at(0).titel, QStringLiteral("Fehler beim Exportieren"));
    const QString anfang = QStringLiteral("Die Exportvorlage %1 konnte nicht gelesen werden.\n")
            .arg(QDir::toNativeSeparators(pfad(QStringLiteral("fehlt.zse"))));
    QVERIFY2(p.meldungen.at(0).text.startsWith(anfang), qPrintable(p.meldungen.at(0).text));
    QVERIFY(p.meldungen.at(0).text.size() > anfang.size());

    // The default template is the one in the working directory.
    TestPersistenz q(m_model, m_bib);
    QCOMPARE(q.vorlage(), QStringLiteral("exportvorlage.zse"));
    QCOMPARE(q.exportiereDatei(ziel, QStringLiteral("N"), QString()), false);
    QVERIFY(q.meldungen.at(0).text.contains(
            QDir::toNativeSeparators(QDir(m_ordner.path()).absoluteFilePath(QStringLiteral("exportvorlage.zse")))));
}

void TstExport::ausgabeNichtSchreibbar()
{
    TestPersistenz p(m_model, m_bib);
    p.setzeVorlage(vorlage(QStringLiteral("%1")));
    const QString ziel = pfad(QStringLiteral("fehlt/export.txt"));
    QCOMPARE(p.exportiereDatei(ziel, QStringLiteral("N"), QString()), false);
    QCOMPARE(p.meldungen.size(), 1);
    QCOMPARE(p.meldungen.at(0).symbol, QMessageBox::Critical);
    QCOMPARE(p.meldungen.at(0).titel, QStringLiteral("Fehler beim Exportieren"));
    QVERIFY2(p.meldungen.at(0).text.startsWith(
                     QStringLiteral("Die Datei %1 konnte nicht geschrieben werden.\n")
                             .arg(QDir::toNativeSeparators(ziel))),
             qPrintable(p.meldungen.at(0).text));
}

void TstExport::volleFestplatteLaesstAlteDatei()
{
    baueBekanntesSchiff();
    const QString ziel = pfad(QStringLiteral("alt.txt"));
    QVERIFY(schreibeBytes(ziel, "altes Datenblatt\n"));
    const QString vorlagenDatei = vorlage(alle60());
    const QByteArray antwort = imKindMitDateigrenze(200, [&]() {
        TestPersistenz p(m_model, m_bib);
        p.setzeVorlage(vorlagenDatei);
        const bool ok = p.exportiereDatei(ziel, QStringLiteral("N"), QString());
        QByteArray a = ok ? "ok" : "fehler";
        for (const auto& m : p.meldungen)
            a += '|' + m.titel.toUtf8() + '|' + m.text.toUtf8();
        return a;
    });
    QVERIFY2(antwort.startsWith("fehler|Fehler beim Exportieren|Die Datei "
                                + QDir::toNativeSeparators(ziel).toUtf8()
                                + " konnte nicht geschrieben werden.\n"),
             antwort.constData());
    QCOMPARE(leseBytes(ziel), QByteArray("altes Datenblatt\n"));
    QCOMPARE(QDir(m_arbeit->path()).entryList(QDir::Files),
             (QStringList{QStringLiteral("alt.txt"), QStringLiteral("vorlage.zse")}));
}

QTEST_MAIN(TstExport)
#include "tst_export.moc"
