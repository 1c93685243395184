// The random character: repeatable, legal by the rules, a normal document
// (save, load, save gives the same bytes), and one step in the window.
#include "basistypus.h"
#include "charakter.h"
#include "charakterxml.h"
#include "dialogzufall.h"
#include "fenster_hilfen.h"
#include "mainwindow.h"
#include "persistenz.h"
#include "regelwerk.h"
#include "spezialgebiet.h"
#include "zufallscharakter.h"

#include "../../gemeinsam/tests/programmlauf_hilfen.h"
#include "../../gemeinsam/tests/sanitizer_hilfen.h"

#include <QAction>
#include <QBuffer>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <memory>
#include <vector>

namespace {

// Settings number i of a run over all species (and "beliebig"), with and
// without the module and the gift.
Zufallscharakter::Einstellungen einstellung(const Regelwerk &r, int i)
{
    const int arten = r.anzahlBasistypen() + 1;
    Zufallscharakter::Einstellungen e;
    e.basistyp = i % arten - 1;
    e.spezialgebiete = (i / arten) % 2 == 1;
    e.paranormal = (i / arten / 2) % 2 == 1;
    e.startwert = quint32(i) * 2654435761u;
    return e;
}

QByteArray gezogen(Regelwerk *r, const Zufallscharakter::Einstellungen &e)
{
    Charakter c(r);
    Zufallscharakter::erzeuge(&c, e);
    return CharakterXml::schreiben(&c);
}

bool lade(const QByteArray &dokument, Charakter *c)
{
    c->zuruecksetzen();
    QBuffer puffer;
    puffer.setData(dokument);
    puffer.open(QIODevice::ReadOnly);
    return CharakterXml::lesen(&puffer, c);
}

// The dialog the window has open now.
DialogZufall *offenerDialog(const QWidget &fenster)
{
    for (DialogZufall *d : fenster.findChildren<DialogZufall *>())
        if (d->isVisible())
            return d;
    return nullptr;
}

// What the window's header shows of a character.
QList<int> kopfwerte(const Charakter &c)
{
    QList<int> werte{ c.verfuegbareEP(true), c.verfuegbareEP(false), c.startEP(true),
                      c.asp(false), c.msp(false), c.ksp(false), int(c.generieren()) };
    for (int art = CharakterBasis::SP; art <= CharakterBasis::MP; ++art)
        werte << c.punkte(art, CharakterBasis::Rest) << c.punkte(art, CharakterBasis::Gesamt);
    return werte;
}

} // namespace

class TestZufallscharakter : public QObject
{
    Q_OBJECT

private slots:
    void gleicherStartwertGleicheDatei();
    void regelnUeberVieleZuege();
    void artTypischeEigenschaften();
    void rundreisen();
    void dialogIstEinSchritt();
    void ohneFenster();

private:
    Regelwerk regelwerk;
};

void TestZufallscharakter::gleicherStartwertGleicheDatei()
{
    QSet<QByteArray> verschiedene;
    for (int i = 0; i < 144; ++i) {
        const Zufallscharakter::Einstellungen e = einstellung(regelwerk, i);
        const QByteArray datei = gezogen(&regelwerk, e);
        QCOMPARE(gezogen(&regelwerk, e), datei);
        verschiedene.insert(datei);
    }
    QCOMPARE(verschiedene.size(), 144);

    // Another start value, all else the same: another character.
    Zufallscharakter::Einstellungen e;
    e.basistyp = 0;
    e.startwert = 7;
    const QByteArray sieben = gezogen(&regelwerk, e);
    e.startwert = 8;
    QVERIFY(gezogen(&regelwerk, e) != sieben);
}

void TestZufallscharakter::regelnUeberVieleZuege()
{
    Charakter c(&regelwerk);
    Charakter probe(&regelwerk);
    const QList<int> arten{ CharakterBasis::SP, CharakterBasis::TP, CharakterBasis::MP };
    for (int i = 0; i < (MitSanitizer ? 300 : 1500); ++i) {
        const Zufallscharakter::Einstellungen e = einstellung(regelwerk, i);
        Zufallscharakter::erzeuge(&c, e);
        const QByteArray dokument = CharakterXml::schreiben(&c);
        const QByteArray name = "Zug " + QByteArray::number(i);
        const char *zug = name.constData();

        QVERIFY2(c.generieren(), zug);
        if (e.basistyp != Zufallscharakter::Beliebig)
            QVERIFY2(c.basistypusIndex() == e.basistyp, zug);
        QVERIFY2(c.groesse() >= c.minGroesse() && c.groesse() <= c.maxGroesse(), zug);
        QVERIFY2(c.gewicht() == qMax(0, c.normalGewicht()), zug);

        // No budget below zero, every attribute within its raises.
        QVERIFY2(c.verfuegbareEP(true) >= 0, zug);
        for (int art : arten)
            QVERIFY2(c.punkte(art, CharakterBasis::Rest) >= 0, zug);
        for (int eig = 0; eig < Regelwerk::AnzahlEigenschaften; ++eig)
            QVERIFY2(c.eigenschaftPunkte(eig) >= 0
                         && c.eigenschaftPunkte(eig) <= regelwerk.anzahlSteigerungen(), zug);

        // Nothing the species or the settings do not allow.
        for (const Charakter::Befund &befund : c.pruefung())
            QVERIFY2(!befund.verstoss, qPrintable(QStringLiteral("%1: %2").arg(i).arg(befund.text)));
        QVERIFY2(c.benutztSpezis() == e.spezialgebiete, zug);
        QVERIFY2(e.spezialgebiete || c.anzahlSpezialgebiete() == 0, zug);
        QVERIFY2(c.sensitiv() == (e.paranormal && c.darfMPKaufen()), zug);
        QVERIFY2(c.sensitiv() || (c.anzahlAktionen(Aktion::Paranormal) == 0
                                  && c.gekaufteEnergie(CharakterBasis::PNE) == 0
                                  && c.punkte(CharakterBasis::MP, CharakterBasis::Gekauft) == 0), zug);

        // Nothing is left that one more allowed purchase would fit: each is
        // tried on a copy and must be refused (a refusal changes nothing, so
        // one copy takes them all).
        std::vector<std::function<bool(Charakter &)>> kaeufe = {
            [](Charakter &k) { return k.kapitalKaufen(1); },
            [](Charakter &k) { return k.prestigeKaufen(); },
            [](Charakter &k) { return k.bonusKaufen(); },
            [](Charakter &k) { return k.punktKaufen(CharakterBasis::SP); },
            [](Charakter &k) { return k.punktKaufen(CharakterBasis::TP); },
            [](Charakter &k) { return k.punktKaufen(CharakterBasis::MP); },
            [](Charakter &k) { return k.schuldenKaufen(1); },
            [](Charakter &k) { return k.cassiasKaufen(1); },
            [](Charakter &k) { return k.ceptomyzinKaufen(1); },
            [](Charakter &k) { return k.energieKaufen(CharakterBasis::DE); },
            [](Charakter &k) { return k.energieKaufen(CharakterBasis::AE); },
        };
        for (int eig = 0; eig < Regelwerk::AnzahlEigenschaften; ++eig)
            kaeufe.push_back([eig](Charakter &k) { return k.eigenschaftSteigern(eig); });
        for (int kenntnis = 0; e.spezialgebiete && kenntnis < Regelwerk::AnzahlKenntnisse; ++kenntnis)
            for (int g = 0; g < regelwerk.anzahlSpezialgebiete(kenntnis); ++g)
                kaeufe.push_back([this, kenntnis, g](Charakter &k) {
                    auto kopie = std::make_unique<Spezialgebiet>(*regelwerk.spezialgebiet(kenntnis, g));
                    const bool gewaehlt = k.spezialgebietHinzufuegen(kopie.get());
                    if (gewaehlt)
                        kopie.release();
                    return gewaehlt;
                });
        QList<int> lernbar{ Aktion::Sprache, Aktion::Technik };
        if (c.sensitiv()) {
            lernbar << Aktion::Paranormal;
            kaeufe.push_back([](Charakter &k) { return k.energieKaufen(CharakterBasis::PNE); });
        }
        for (int art : lernbar) {
            for (int a = 0; a < regelwerk.anzahlAktionen(art); ++a) {
                const Aktion *vorlage = regelwerk.aktion(art, a);
                if (c.hatAktion(art, vorlage->Bezeichnung))
                    continue;
                kaeufe.push_back([art, vorlage](Charakter &k) {
                    auto kopie = std::make_unique<Aktion>(*vorlage);
                    const bool gelernt = k.aktionHinzufuegen(art, kopie.get());
                    if (gelernt)
                        kopie.release();
                    return gelernt;
                });
            }
            for (int a = 0; a < c.anzahlAktionen(art); ++a)
                kaeufe.push_back([art, a](Charakter &k) {
                    return k.befaehigungSetzen(art, a, k.aktion(art, a)->Befaehigung + 1);
                });
        }
        QVERIFY(lade(dokument, &probe));
        for (std::size_t k = 0; k < kaeufe.size(); ++k)
            QVERIFY2(!kaeufe[k](probe), qPrintable(QStringLiteral("%1, Kauf %2").arg(i).arg(k)));
    }
}

void TestZufallscharakter::artTypischeEigenschaften()
{
    // Over many draws a species raises what it starts high in more often
    // than what it starts low in.
    Charakter c(&regelwerk);
    for (int typ = 0; typ < regelwerk.anzahlBasistypen(); ++typ) {
        const Basistypus *b = regelwerk.basistyp(typ);
        int hoch = 0;
        int tief = 0;
        for (int eig = 1; eig < Regelwerk::AnzahlEigenschaften; ++eig) {
            if (b->startwerte[eig] > b->startwerte[hoch])
                hoch = eig;
            if (b->startwerte[eig] > 0
                && (b->startwerte[tief] == 0 || b->startwerte[eig] < b->startwerte[tief]))
                tief = eig;
        }
        if (b->startwerte[hoch] == b->startwerte[tief])
            continue;
        int hochSumme = 0;
        int tiefSumme = 0;
        for (quint32 s = 0; s < 60; ++s) {
            Zufallscharakter::Einstellungen e;
            e.basistyp = typ;
            e.startwert = s;
            Zufallscharakter::erzeuge(&c, e);
            hochSumme += c.eigenschaftPunkte(hoch);
            tiefSumme += c.eigenschaftPunkte(tief);
        }
        QVERIFY2(hochSumme > tiefSumme, qPrintable(b->name));
    }
}

void TestZufallscharakter::rundreisen()
{
    QElapsedTimer uhr;
    uhr.start();
    Charakter c(&regelwerk);
    Charakter geladen(&regelwerk);
    for (int i = 0; i < ZufallsRundreisen; ++i) {
        Zufallscharakter::erzeuge(&c, einstellung(regelwerk, i * 7 + 3));
        const QByteArray erste = CharakterXml::schreiben(&c);
        QVERIFY(lade(erste, &geladen));
        const QByteArray zweite = CharakterXml::schreiben(&geladen);
        if (zweite != erste || kopfwerte(geladen) != kopfwerte(c))
            QFAIL(qPrintable(QStringLiteral("Rundreise %1:\n%2\n%3")
                                 .arg(i)
                                 .arg(QString::fromUtf8(erste), QString::fromUtf8(zweite))));
    }
    qInfo("%d Charaktere in %lld ms", ZufallsRundreisen, uhr.elapsed());
}

void TestZufallscharakter::dialogIstEinSchritt()
{
    QTemporaryDir ordner;
    QVERIFY(ordner.isValid());
    MainWindow fenster;
    fenster.show();
    QVERIFY(QTest::qWaitForWindowExposed(&fenster));
    const QString datei = ordner.filePath(QStringLiteral("leer.zch"));
    Persistenz::setzeNaechsteDatei(datei);
    kindVon<QAction>(&fenster, "actionSpeichern")->trigger();
    QFile leer(datei);
    QVERIFY(leer.open(QIODevice::ReadOnly));
    const QByteArray leererCharakter = leer.readAll();
    leer.close();
    kindVon<QAction>(&fenster, "actionNeu")->trigger();

    kindVon<QAction>(&fenster, "actionZufallscharakter")->trigger();
    DialogZufall *dialog = offenerDialog(fenster);
    QVERIFY(dialog);
    auto *spezies = kindVon<QComboBox>(dialog, "comboSpezies");
    QCOMPARE(spezies->itemText(0), QStringLiteral("beliebig"));
    QCOMPARE(spezies->count(), regelwerk.anzahlBasistypen() + 1);
    spezies->setCurrentIndex(15);
    kindVon<QCheckBox>(dialog, "checkParanormal")->setChecked(true);
    kindVon<QCheckBox>(dialog, "checkSpezialgebiete")->setChecked(true);
    kindVon<QSpinBox>(dialog, "boxStartwert")->setValue(4711);
    QTest::mouseClick(kindVon<QPushButton>(dialog, "buttonErzeugen"), Qt::LeftButton);

    // The file holds what the draw gives for these settings.
    Zufallscharakter::Einstellungen e;
    e.basistyp = 14;
    e.paranormal = true;
    e.spezialgebiete = true;
    e.startwert = 4711;
    const QString gespeichert = ordner.filePath(QStringLiteral("zufall.zch"));
    Persistenz::setzeNaechsteDatei(gespeichert);
    kindVon<QAction>(&fenster, "actionSpeichern")->trigger();
    QFile f(gespeichert);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), gezogen(&regelwerk, e));
    f.close();
    for (int i = 0; i < 6; ++i)
        QVERIFY(kindVon<QTabWidget>(&fenster, "tabWidget")->isTabEnabled(i));

    // One step, and undoing it brings back the new empty character.
    QAction *rueckgaengig = kindVon<QAction>(&fenster, "actionRueckgaengig");
    QCOMPARE(rueckgaengig->text().remove('&'), QStringLiteral("Rückgängig: Zufallscharakter"));
    rueckgaengig->trigger();
    QVERIFY(!rueckgaengig->isEnabled());
    Persistenz::setzeNaechsteDatei(datei);
    kindVon<QAction>(&fenster, "actionSpeichernUnter")->trigger();
    QVERIFY(leer.open(QIODevice::ReadOnly));
    QCOMPARE(leer.readAll(), leererCharakter);

    // With unsaved changes "Erzeugen" asks first; "Abbrechen" keeps them.
    kindVon<QAction>(&fenster, "actionWiederholen")->trigger();
    QVERIFY(fenster.isWindowModified());
    kindVon<QAction>(&fenster, "actionZufallscharakter")->trigger();
    dialog = offenerDialog(fenster);
    QVERIFY(dialog);
    {
        DialogBeantworter beantworter(QString(), QMessageBox::Cancel);
        QTest::mouseClick(kindVon<QPushButton>(dialog, "buttonErzeugen"), Qt::LeftButton);
        QCOMPARE(beantworter.fragen, 1);
    }
    QVERIFY(fenster.isWindowModified());
    QCOMPARE(rueckgaengig->text().remove('&'), QStringLiteral("Rückgängig: Zufallscharakter"));
    QVERIFY(!kindVon<QAction>(&fenster, "actionWiederholen")->isEnabled());
}

void TestZufallscharakter::ohneFenster()
{
    QTemporaryDir ordner;
    QVERIFY(ordner.isValid());
    const auto datei = [&ordner](const QString &name) {
        QFile f(ordner.filePath(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    };
    Zufallscharakter::Einstellungen e;
    e.basistyp = 14;
    e.paranormal = true;
    e.spezialgebiete = true;

    // Three files, file k drawn with the start value N + k - 1.
    const QStringList drei{ QStringLiteral("--zufall"), QStringLiteral("gruppe.zch"),
                            QStringLiteral("--spezies"), QStringLiteral("Veganoid"),
                            QStringLiteral("--startwert"), QStringLiteral("4294967293"),
                            QStringLiteral("--sensitiv"), QStringLiteral("--spezialgebiete"),
                            QStringLiteral("--anzahl"), QStringLiteral("3") };
    Programmlauf lauf = starteProgramm(QStringLiteral("charaktergenerator"), drei, ordner.path());
    QCOMPARE(lauf.status, 0);
    for (int k = 1; k <= 3; ++k) {
        e.startwert = 4294967292u + quint32(k);
        const QString name = QStringLiteral("gruppe-%1.zch").arg(k);
        QVERIFY2(lauf.ausgabe.contains(QStringLiteral("%1: Startwert %2").arg(name).arg(e.startwert)),
                 qPrintable(lauf.ausgabe));
        QCOMPARE(datei(name), gezogen(&regelwerk, e));
    }

    // Without a start value a fresh one, printed; any species.
    lauf = starteProgramm(QStringLiteral("charaktergenerator"),
                          { QStringLiteral("--zufall"), QStringLiteral("einer.zch") }, ordner.path());
    QCOMPARE(lauf.status, 0);
    const QString zeile = lauf.ausgabe.trimmed();
    QVERIFY2(zeile.startsWith(QStringLiteral("einer.zch: Startwert ")), qPrintable(zeile));
    e = Zufallscharakter::Einstellungen();
    e.startwert = zeile.section(QLatin1Char(' '), -1).toUInt();
    QCOMPARE(datei(QStringLiteral("einer.zch")), gezogen(&regelwerk, e));

    // Wrong calls write nothing.
    for (const QStringList &falsch :
         { QStringList{ QStringLiteral("--zufall"), QStringLiteral("x.zch"), QStringLiteral("--spezies"),
                        QStringLiteral("Marsianer") },
           QStringList{ QStringLiteral("--zufall"), QStringLiteral("x.zch"), QStringLiteral("--startwert"),
                        QStringLiteral("4294967295"), QStringLiteral("--anzahl"), QStringLiteral("2") },
           QStringList{ QStringLiteral("--sensitiv") } }) {
        lauf = starteProgramm(QStringLiteral("charaktergenerator"), falsch, ordner.path());
        QCOMPARE(lauf.status, 2);
    }
    QVERIFY(!QFile::exists(ordner.filePath(QStringLiteral("x.zch"))));
    QVERIFY(!QFile::exists(ordner.filePath(QStringLiteral("x-1.zch"))));
}

QTEST_MAIN(TestZufallscharakter)
#include "tst_zufallscharakter.moc"
