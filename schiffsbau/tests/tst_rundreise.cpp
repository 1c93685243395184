// Save -> load -> save over many random ships of the delivered lists: the
// second file equals the first, byte for byte, with the same header and
// the same ship data.
#include "komponente.h"
#include "komponentenbibliothek.h"
#include "schiffsdatei.h"
#include "schiffsmodel.h"
#include "schiffswerte.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTest>

#include "../../gemeinsam/tests/sanitizer_hilfen.h"

#include <random>

namespace {

// Every number of the ship data, through the one description of its values.
QList<double> werte(SchiffsModel &model)
{
    const SchiffsDaten d = model.berechne();
    QList<double> zahlen;
    for (int i = 0; i < SchiffsWerte::anzahl(); ++i) {
        const SchiffsWerte::Eintrag &e = SchiffsWerte::eintrag(i);
        for (int w = 0; w < SchiffsWerte::wertAnzahl(e); ++w)
            if (!e.werte[w].feld.leer())
                zahlen << e.werte[w].feld.zahl(d);
    }
    return zahlen;
}

void fuelle(SchiffsModel &model, std::vector<SchiffsDatei::Eintrag> &eintraege)
{
    model.leeren();
    for (SchiffsDatei::Eintrag &e : eintraege)
        model.addKomponente(e.komponente.release(), e.anzahl);
}

} // namespace

class TestRundreise : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void zufallsschiffe();

private:
    KomponentenBibliothek bibliothek;
};

void TestRundreise::initTestCase()
{
    // The library reads the folder "listen" of the working directory.
    const QString vorher = QDir::currentPath();
    QVERIFY(QDir::setCurrent(QStringLiteral(ZORVEL_DATA_DIR)));
    bibliothek.lade();
    QVERIFY(QDir::setCurrent(vorher));
    int leer = 0;
    for (int kat = 0; kat < KomponentenBibliothek::AnzahlKategorien; ++kat)
        leer += bibliothek.anzahlElemente(kat) == 0 ? 1 : 0;
    QVERIFY(leer < KomponentenBibliothek::AnzahlKategorien / 2);
}

void TestRundreise::zufallsschiffe()
{
    QElapsedTimer uhr;
    uhr.start();
    std::mt19937 zufall(20261208u);
    const auto zahl = [&zufall](quint32 n) { return int(quint32(zufall()) % n); };
    // Names and descriptions with what a field cannot hold as it is.
    const QStringList texte{ QString(), QStringLiteral("Kreuzer"), QStringLiteral("Händler; schwer"),
                             QStringLiteral("Preis 5 €"), QStringLiteral("zwei\nZeilen") };
    const SchiffsDatei datei(&bibliothek);
    SchiffsModel erstes;
    SchiffsModel zweites;
    for (int i = 0; i < ZufallsRundreisen; ++i) {
        erstes.leeren();
        const int zeilen = zahl(16);
        for (int z = 0; z < zeilen; ++z) {
            const int kat = zahl(quint32(KomponentenBibliothek::AnzahlKategorien));
            const int n = bibliothek.anzahlElemente(kat);
            if (n == 0)
                continue;
            // Mostly a few, now and then up to the largest count a file holds.
            const int anzahl = zahl(10) == 0 ? zahl(SchiffsDatei::maxAnzahl + 1) : 1 + zahl(12);
            erstes.addKomponente(bibliothek.kopie(kat, zahl(quint32(n))), anzahl);
        }
        const QString name = texte.at(zahl(quint32(texte.size()))) + QString::number(i);
        const QString beschreibung = texte.at(zahl(quint32(texte.size())));

        const QByteArray erste = SchiffsDatei::text(&erstes, name, beschreibung);
        SchiffsDatei::Inhalt gelesen = datei.liesDaten(erste, QStringLiteral("erstes.zss"));
        QVERIFY2(gelesen.befund == SchiffsDatei::Befund::Gelesen, qPrintable(gelesen.grund));
        QVERIFY2(gelesen.nichtGefunden.isEmpty() && gelesen.angepasst.isEmpty(),
                 qPrintable((gelesen.nichtGefunden + gelesen.angepasst).join(QLatin1Char('\n'))));
        QCOMPARE(gelesen.name, SchiffsDatei::alsFeld(name));
        QCOMPARE(gelesen.beschreibung, SchiffsDatei::alsFeld(beschreibung));
        fuelle(zweites, gelesen.komponenten);

        const QByteArray zweite = SchiffsDatei::text(&zweites, gelesen.name, gelesen.beschreibung);
        if (zweite != erste)
            QFAIL(qPrintable(QStringLiteral("Schiff %1:\n%2\n%3")
                                 .arg(i)
                                 .arg(QString::fromLatin1(erste), QString::fromLatin1(zweite))));
        const SchiffsDatei::Inhalt nochmal = datei.liesDaten(zweite, QStringLiteral("zweites.zss"));
        QCOMPARE(nochmal.name, gelesen.name);
        QCOMPARE(nochmal.beschreibung, gelesen.beschreibung);
        QCOMPARE(werte(zweites), werte(erstes));
    }
    qInfo("%d Schiffe in %lld ms", ZufallsRundreisen, uhr.elapsed());
}

QTEST_MAIN(TestRundreise)
#include "tst_rundreise.moc"
