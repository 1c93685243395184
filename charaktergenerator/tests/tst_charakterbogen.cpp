// The laid-out character sheet: what it holds for a known character, the PDF
// written whole or not at all, and the two menu actions of the window.

#include "aktion.h"
#include "charakter.h"
#include "charakterbogen.h"
#include "mainwindow.h"
#include "persistenz.h"
#include "regelwerk.h"
#include "dateigrenze_hilfen.h"
#include "fenster_hilfen.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>


namespace {

QByteArray leseDatei(const QString& pfad)
{
    QFile f(pfad);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray("<nicht lesbar>");
    return f.readAll();
}

int seitenzahl(const QByteArray& pdf)
{
    return int(QString::fromLatin1(pdf).count(QRegularExpression(QStringLiteral("/Type\\s*/Page\\b"))));
}

} // namespace

class TestCharakterBogen : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void inhaltEinesBekanntenCharakters();
    void pdfUeberDasMenue();
    void pdfInFehlendenOrdnerMeldetFehler();
    void vollerDatentraegerLaesstAltesPdfStehen();
    void druckenOeffnetDenDruckdialog();

private:
    void baueKaraVoss(Charakter& c);

    Regelwerk m_regelwerk;
    QTemporaryDir m_dir;
};

void TestCharakterBogen::init()
{
    // The sheet formats German numbers itself, whatever the user's locale.
    QLocale::setDefault(QLocale::c());
    QVERIFY(m_dir.isValid());
}

void TestCharakterBogen::cleanup()
{
    for (const QString& datei : QDir(m_dir.path()).entryList(QDir::Files))
        QFile::remove(m_dir.filePath(datei));
}

void TestCharakterBogen::baueKaraVoss(Charakter& c)
{
    const int tokmarde = m_regelwerk.basistypNamen().indexOf(QStringLiteral("Tokmarde"));
    QVERIFY(tokmarde >= 0);
    c.setzeBasistypus(tokmarde);
    c.setzeText(0, QStringLiteral("Kara Voss"));
    c.setzeText(1, QStringLiteral("Freie Welten"));
    c.setzeText(2, QStringLiteral("Tokmar IV"));
    c.setzeText(16, QStringLiteral("Schwester: Mira\nMentor: Dr. Holm"));
    QVERIFY(c.eigenschaftSteigern(Regelwerk::Mut));
    QVERIFY(c.kapitalKaufen(3));
    QVERIFY(c.schuldenKaufen(12));
    QVERIFY(c.ceptomyzinKaufen(1));

    Aktion* a = new Aktion(*m_regelwerk.aktion(1, 0));
    while (c.punkte(1, 5) < a->Kosten)
        QVERIFY(c.punktKaufen(1));
    QVERIFY(c.aktionHinzufuegen(1, a));
}

void TestCharakterBogen::inhaltEinesBekanntenCharakters()
{
    Charakter c(&m_regelwerk);
    baueKaraVoss(c);
    if (QTest::currentTestFailed())
        return;

    QTextDocument dokument;
    CharakterBogen::fuelle(&dokument, &c);
    const QString text = dokument.toPlainText();
    const Aktion* a = c.aktion(1, 0);
    for (const QString& erwartet :
         { QStringLiteral("Kara Voss"), QStringLiteral("Tokmarde"), QStringLiteral("Tokmar IV"),
           QStringLiteral("45.000"), QStringLiteral("1.200.000"), QStringLiteral("Mut (Mu)"),
           QStringLiteral("%1/%2").arg(c.verfuegbareEP(true)).arg(c.verfuegbareEP(false)),
           a->Bezeichnung, c.wurf(a), QStringLiteral("Mentor: Dr. Holm"),
           QStringLiteral("ohne Spezialgebiete") })
        QVERIFY2(text.contains(erwartet), qPrintable(erwartet));
    QVERIFY(!text.contains(QStringLiteral("1200000")));
}

void TestCharakterBogen::pdfUeberDasMenue()
{
    MainWindow fenster;
    auto* name = fenster.findChild<QLineEdit*>(QStringLiteral("editName"));
    QVERIFY(name);
    name->setText(QStringLiteral("Kara Voss"));
    name->editingFinished();

    // Typed without suffix: the dialog adds ".pdf".
    DialogBeantworter antworten(m_dir.filePath(QStringLiteral("kara")));
    fenster.findChild<QAction*>(QStringLiteral("actionPdf"))->trigger();
    QCOMPARE(antworten.titel, QStringList{ QStringLiteral("In welche Datei soll exportiert werden?") });
    QCOMPARE(antworten.filter, QStringList{ QStringLiteral("PDF (*.pdf)") });
    QVERIFY(antworten.meldungen.isEmpty());
    const QByteArray pdf = leseDatei(m_dir.filePath(QStringLiteral("kara.pdf")));
    QVERIFY(pdf.startsWith("%PDF"));
    QVERIFY2(seitenzahl(pdf) >= 1 && seitenzahl(pdf) <= 2, QByteArray::number(seitenzahl(pdf)));
}

void TestCharakterBogen::pdfInFehlendenOrdnerMeldetFehler()
{
    Charakter c(&m_regelwerk);
    const QString pfad = m_dir.filePath(QStringLiteral("fehlt/kara.pdf"));
    Persistenz p;
    DialogBeantworter antworten{QString()};
    Persistenz::setzeNaechsteDatei(pfad);
    QVERIFY(!p.pdfExportieren(&c));
    QCOMPARE(antworten.meldungen.size(), 1);
    QVERIFY2(antworten.meldungen.at(0).contains(QDir::toNativeSeparators(pfad)),
             qPrintable(antworten.meldungen.at(0)));
    QVERIFY(antworten.meldungen.at(0).contains(QStringLiteral("existiert nicht")));
    QVERIFY(!QFile::exists(pfad));
}

void TestCharakterBogen::vollerDatentraegerLaesstAltesPdfStehen()
{
    const QString pfad = m_dir.filePath(QStringLiteral("kara.pdf"));
    const QByteArray alt("%PDF-1.4 der alte Bogen");
    {
        QFile f(pfad);
        QVERIFY(f.open(QIODevice::WriteOnly));
        QCOMPARE(f.write(alt), qint64(alt.size()));
    }
    Charakter c(&m_regelwerk);
    baueKaraVoss(c);
    if (QTest::currentTestFailed())
        return;
    QVERIFY(CharakterBogen::pdf(&c).size() > 8 * 1024);

    // In a child process whose files may not grow beyond 8 KiB, as on a
    // full disk; it reports the text of its one box.
    QByteArray text;
    const int ergebnis = imKindMitDateigrenze(8 * 1024, [&](QByteArray& antwort) {
        Persistenz p;
        DialogBeantworter antworten{QString()};
        Persistenz::setzeNaechsteDatei(pfad);
        if (p.pdfExportieren(&c) || antworten.meldungen.size() != 1)
            return 2;
        antwort = antworten.meldungen.at(0).toUtf8();
        return 1;
    }, &text);
    QCOMPARE(ergebnis, 1);
    QVERIFY2(QString::fromUtf8(text).contains(QDir::toNativeSeparators(pfad)), text.constData());
    QVERIFY2(QString::fromUtf8(text).contains(QStringLiteral("Datenträger")), text.constData());
    QCOMPARE(leseDatei(pfad), alt);
    QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files), QStringList{ QStringLiteral("kara.pdf") });
}

void TestCharakterBogen::druckenOeffnetDenDruckdialog()
{
    MainWindow fenster;
    auto* drucken = fenster.findChild<QAction*>(QStringLiteral("actionDrucken"));
    QVERIFY(drucken);
    QCOMPARE(drucken->text().remove('&'), QStringLiteral("drucken ..."));
    QCOMPARE(drucken->shortcuts(), QKeySequence::keyBindings(QKeySequence::Print));

    DialogBeantworter antworten{QString()};
    drucken->trigger();
    QVERIFY(antworten.druckdialog);
    QCOMPARE(antworten.titel, QStringList{ CharakterBogen::druckTitel() });
}

QTEST_MAIN(TestCharakterBogen)
#include "tst_charakterbogen.moc"
