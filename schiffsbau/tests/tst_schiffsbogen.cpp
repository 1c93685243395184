// The laid-out data sheet of a ship: what it holds for a known ship with its
// marks, the PDF written whole or not at all, and the two menu actions.
#include "komponentenbibliothek.h"
#include "mainwindow.h"
#include "schiffsbogen.h"
#include "schiffsdaten.h"
#include "schiffsmodel.h"
#include "tst_fenster_hilfen.h"
#include "tst_persistenz_hilfen.h"

#include <QAction>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPrintDialog>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QtTest>

#include <memory>

namespace {

int seitenzahl(const QByteArray &pdf)
{
    return int(QString::fromLatin1(pdf).count(QRegularExpression(QStringLiteral("/Type\\s*/Page\\b"))));
}

} // namespace

class TestSchiffsBogen : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void inhaltMitMarken();
    void grossesSchiffWieImPanel();
    void pdfUeberDasMenue();
    void pdfInFehlendenOrdnerMeldetFehler();
    void vollerDatentraegerLaesstAltesPdfStehen();
    void druckenOeffnetDenDruckdialog();

private:
    void baueSchiff(int fusionsreaktoren);
    QString text(const QString &name, const QString &beschreibung);

    QString m_altesVerzeichnis;
    std::unique_ptr<QTemporaryDir> m_pDir;
    std::unique_ptr<KomponentenBibliothek> m_pBib;
    std::unique_ptr<SchiffsModel> m_pModel;
};

void TestSchiffsBogen::initTestCase()
{
    // The sheet formats German numbers itself, whatever the user's locale.
    QLocale::setDefault(QLocale::c());
    m_altesVerzeichnis = QDir::currentPath();
}

void TestSchiffsBogen::init()
{
    m_pDir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_pDir->isValid());
    QVERIFY(schreibeReaktorliste(m_pDir->path()));
    QVERIFY(QDir::setCurrent(m_pDir->path()));
    m_pBib = std::make_unique<KomponentenBibliothek>();
    m_pBib->lade();
    m_pModel = std::make_unique<SchiffsModel>();
}

void TestSchiffsBogen::cleanup()
{
    m_pModel.reset();
    m_pBib.reset();
    qApp->setStyleSheet(QString());
    QDir::setCurrent(m_altesVerzeichnis);
    m_pDir.reset();
}

// Life support for three that draws 30 REV, a small reactor of 20 RE that
// needs a computer slot the ship does not have, and 13 fuel tanks.
void TestSchiffsBogen::baueSchiff(int fusionsreaktoren)
{
    m_pModel->addKomponente(m_pBib->kopie(2, QStringLiteral("Umweltkontrollsystem")), 3);
    m_pModel->addKomponente(m_pBib->kopie(KatReaktoren, QStringLiteral("Blitzreaktor")), 1);
    m_pModel->addKomponente(m_pBib->kopie(3, QStringLiteral("Treibstofftank")), 13);
    if (fusionsreaktoren > 0)
        m_pModel->addKomponente(m_pBib->kopie(KatReaktoren, QStringLiteral("Fusionsreaktor A")),
                                fusionsreaktoren);
}

QString TestSchiffsBogen::text(const QString &name, const QString &beschreibung)
{
    QTextDocument dokument;
    SchiffsBogen::fuelle(&dokument, m_pModel.get(), m_pModel->berechne(), name, beschreibung);
    return dokument.toPlainText();
}

void TestSchiffsBogen::inhaltMitMarken()
{
    baueSchiff(0);
    QCOMPARE(m_pModel->rowCount(), 3);
    const SchiffsDaten d = m_pModel->berechne();
    QVERIFY(d.re - d.rev < 0);
    QVERIFY(d.slotsBelegt > d.computerSlots);
    QVERIFY(d.preis >= 1000);

    const QString bogen = text(QStringLiteral("Sternenfalke"), QStringLiteral("Ein kleiner Frachter"));
    for (const QString &erwartet :
         { QStringLiteral("Sternenfalke"), QStringLiteral("Ein kleiner Frachter"),
           QLocale(QLocale::German).toString(d.preis), QStringLiteral("Die Energiebilanz ist negativ"),
           QStringLiteral("Die Computer-Slots sind überbelegt"), QStringLiteral("Umweltkontrollsystem"),
           QStringLiteral("Blitzreaktor"), QStringLiteral("Feldgeschwindigkeit[km/s]*"),
           QStringLiteral("Lebenserhaltung[Pers.]") })
        QVERIFY2(bogen.contains(erwartet), qPrintable(erwartet));
    QVERIFY(!bogen.contains(QString::number(d.preis)));

    // Enough reactor output: no energy mark any more.
    m_pModel->leeren();
    baueSchiff(2);
    QVERIFY(m_pModel->berechne().re >= m_pModel->berechne().rev);
    QVERIFY(!text(QString(), QString()).contains(QStringLiteral("Die Energiebilanz ist negativ")));
}

// A ship of more than a million tonnes: the sheet shows the panel's digits,
// never an exponent.
void TestSchiffsBogen::grossesSchiffWieImPanel()
{
    // The program's own locale, which the panel follows.
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const auto zurueck = qScopeGuard([] { QLocale::setDefault(QLocale::c()); });
    MainWindow fenster;
    // 456 789 reactors of 2.5 t and 40 RE each, in a ship without a hull.
    m_pModel->addKomponente(m_pBib->kopie(KatReaktoren, QStringLiteral("Fusionsreaktor A")), 456789);
    const SchiffsDaten d = m_pModel->berechne();
    fenster.onNeueDaten(d);
    QCOMPARE(fenster.findChild<QLabel *>(QStringLiteral("labelGewicht"))->text(),
             QStringLiteral("1.141.973 - 1.141.973"));

    QTextDocument dokument;
    SchiffsBogen::fuelle(&dokument, m_pModel.get(), d, QString(), QString());
    const QString bogen = dokument.toPlainText();
    for (const char *name : {"labelPreis", "labelGewicht", "labelGSTP", "labelRE"}) {
        const QString panel = fenster.findChild<QLabel *>(QLatin1String(name))->text();
        QVERIFY2(bogen.contains(panel), qPrintable(QLatin1String(name) + QStringLiteral(": ") + panel));
    }
    QVERIFY(!bogen.contains(QRegularExpression(QStringLiteral("\\d[eE][+-]?\\d"))));
}

void TestSchiffsBogen::pdfUeberDasMenue()
{
    MainWindow fenster;
    fenster.findChild<QLineEdit *>(QStringLiteral("editName"))->setText(QStringLiteral("Sternenfalke"));

    // Typed without suffix: the dialog adds ".pdf".
    DialogWaechter antworten(m_pDir->filePath(QStringLiteral("falke")));
    fenster.findChild<QAction *>(QStringLiteral("actionPdf"))->trigger();
    QCOMPARE(antworten.dateiTitel, QStringList{QStringLiteral("In welche Datei soll exportiert werden?")});
    QCOMPARE(antworten.filter, QStringList{QStringLiteral("PDF (*.pdf)")});
    QVERIFY(antworten.texte.isEmpty());
    const QByteArray pdf = leseBytes(m_pDir->filePath(QStringLiteral("falke.pdf")));
    QVERIFY(pdf.startsWith("%PDF"));
    QVERIFY2(seitenzahl(pdf) >= 1 && seitenzahl(pdf) <= 2, QByteArray::number(seitenzahl(pdf)));
}

void TestSchiffsBogen::pdfInFehlendenOrdnerMeldetFehler()
{
    baueSchiff(0);
    const QString pfad = m_pDir->filePath(QStringLiteral("fehlt/falke.pdf"));
    TestPersistenz p(m_pModel.get(), m_pBib.get());
    p.naechsteDatei = pfad;
    p.pdfExportieren(QStringLiteral("Sternenfalke"), QString());
    QCOMPARE(p.fragen, QStringList({QStringLiteral("In welche Datei soll exportiert werden?"),
                                    QStringLiteral("PDF (*.pdf)")}));
    QCOMPARE(p.meldungen.size(), 1);
    QCOMPARE(p.meldungen.at(0).symbol, QMessageBox::Critical);
    QVERIFY2(p.meldungen.at(0).text.contains(QDir::toNativeSeparators(pfad)),
             qPrintable(p.meldungen.at(0).text));
    QVERIFY(!QFileInfo::exists(pfad));
}

void TestSchiffsBogen::vollerDatentraegerLaesstAltesPdfStehen()
{
    baueSchiff(2);
    const QString pfad = m_pDir->filePath(QStringLiteral("falke.pdf"));
    const QByteArray alt("%PDF-1.4 das alte Datenblatt");
    QVERIFY(schreibeBytes(pfad, alt));
    QVERIFY(SchiffsBogen::pdf(m_pModel.get(), m_pModel->berechne(), QString(), QString()).size() > 8 * 1024);

    // As on a full disk: files may not grow beyond 8 KiB.
    const QByteArray antwort = imKindMitDateigrenze(8 * 1024, [&] {
        TestPersistenz p(m_pModel.get(), m_pBib.get());
        if (p.pdfExportiereDatei(pfad, QStringLiteral("Sternenfalke"), QString()))
            return QByteArray("<geschrieben>");
        return p.meldungen.size() == 1 ? p.meldungen.at(0).text.toUtf8() : QByteArray("<keine Meldung>");
    });
    QVERIFY2(antwort.contains(QDir::toNativeSeparators(pfad).toUtf8()), antwort.constData());
    QVERIFY2(antwort.contains("Datenträger"), antwort.constData());
    QCOMPARE(leseBytes(pfad), alt);
    QCOMPARE(QDir(m_pDir->path()).entryList(QDir::Files), QStringList{QStringLiteral("falke.pdf")});
}

void TestSchiffsBogen::druckenOeffnetDenDruckdialog()
{
    MainWindow fenster;
    auto *drucken = fenster.findChild<QAction *>(QStringLiteral("actionDrucken"));
    QVERIFY(drucken);
    QCOMPARE(drucken->text().remove('&'), QStringLiteral("drucken ..."));
    QCOMPARE(drucken->shortcuts(), QKeySequence::keyBindings(QKeySequence::Print));

    DialogWaechter antworten;
    drucken->trigger();
    QCOMPARE(antworten.andereDialoge, QStringList{SchiffsBogen::druckTitel()});
}

QTEST_MAIN(TestSchiffsBogen)
#include "tst_schiffsbogen.moc"
