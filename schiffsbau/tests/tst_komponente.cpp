#include <QtTest>

#include "antrieb.h"
#include "diverse.h"
#include "energiespeicher.h"
#include "feldprojektor.h"
#include "feldspulensystem.h"
#include "feuerleitsystem.h"
#include "gravitationsgen.h"
#include "hauptcomputer.h"
#include "kommrelais.h"
#include "komponente.h"
#include "komponentenbibliothek.h"
#include "manoevertw.h"
#include "panzerung.h"
#include "reaktor.h"
#include "rumpfmaterial.h"
#include "scanner.h"
#include "schildgenerator.h"
#include "schleppstrahlproj.h"
#include "sensoren.h"
#include "signalinterferant.h"
#include "trtransmitter.h"
#include "waffen.h"
#include "weitereraeume.h"
#include "weiteresysteme.h"

#include <memory>

namespace {

// The kind-specific values of a component, by the name of their field.
QVariantMap eigeneWerte(const Komponente *k)
{
    QVariantMap m;
    if (auto *x = dynamic_cast<const Rumpfmaterial *>(k)) {
        m["rumpfProGstp"] = x->rumpfProGstp();
    } else if (auto *x = dynamic_cast<const Panzerung *>(k)) {
        m["teilschutz"] = x->teilschutz();
    } else if (auto *x = dynamic_cast<const GravitationsGen *>(k)) {
        m["gravGstp"] = x->gravGstp();
    } else if (auto *x = dynamic_cast<const Reaktor *>(k)) {
        m["re"] = x->re();
        m["res"] = x->res();
    } else if (auto *x = dynamic_cast<const EnergieSpeicher *>(k)) {
        m["be"] = x->be();
    } else if (auto *x = dynamic_cast<const ManoeverTW *>(k)) {
        m["teilsteuerung"] = x->teilsteuerung();
        m["res"] = x->res();
    } else if (auto *x = dynamic_cast<const FeldProjektor *>(k)) {
        m["teilsteuerung"] = x->teilsteuerung();
        m["res"] = x->res();
    } else if (auto *x = dynamic_cast<const Feldspulensystem *>(k)) {
        m["geschwindigkeit"] = x->geschwindigkeit();
        m["res"] = x->res();
    } else if (auto *x = dynamic_cast<const Antrieb *>(k)) {
        m["sprungTonnage"] = x->sprungTonnage();
    } else if (auto *x = dynamic_cast<const Hauptcomputer *>(k)) {
        m["slots"] = x->systemSlots();
    } else if (auto *x = dynamic_cast<const Sensoren *>(k)) {
        m["erfassung"] = x->erfassung();
        m["reichweite"] = x->reichweite();
        m["res"] = x->res();
    } else if (auto *x = dynamic_cast<const Feuerleitsystem *>(k)) {
        m["handhabung"] = x->handhabung();
    } else if (auto *x = dynamic_cast<const Scanner *>(k)) {
        m["erfassung"] = x->erfassung();
        m["reichweite"] = x->reichweite();
        m["res"] = x->res();
    } else if (auto *x = dynamic_cast<const KommRelais *>(k)) {
        m["reichweite"] = x->reichweite();
        m["res"] = x->res();
    } else if (auto *x = dynamic_cast<const TrTransmitter *>(k)) {
        m["reichweite"] = x->reichweite();
        m["res"] = x->res();
    } else if (auto *x = dynamic_cast<const Schildgenerator *>(k)) {
        m["schildenergie"] = x->schildenergie();
        m["res"] = x->res();
    } else if (auto *x = dynamic_cast<const Signalinterferant *>(k)) {
        m["teilscanschutz"] = x->teilscanschutz();
        m["res"] = x->res();
    } else if (auto *x = dynamic_cast<const SchleppstrahlProj *>(k)) {
        m["handhabung"] = x->handhabung();
        m["last"] = x->last();
        m["res"] = x->res();
    } else if (auto *x = dynamic_cast<const Waffen *>(k)) {
        m["wirkung"] = x->wirkung();
    } else if (auto *x = dynamic_cast<const WeitereSysteme *>(k)) {
        m["wirkung"] = x->wirkung();
    } else if (auto *x = dynamic_cast<const WeitereRaeume *>(k)) {
        m["wirkung"] = x->wirkung();
    }
    m["gstpv"] = k->gstpv();
    m["rev"] = k->rev();
    m["bev"] = k->bev();
    m["slotBedarf"] = k->slotBedarf();
    return m;
}

QStringList spaltenTexte(const Komponente *k)
{
    QStringList texte;
    for (int i = 0; i < k->spaltenAnzahl(); ++i)
        texte << k->spaltenWert(i).toString();
    return texte;
}

QStringList spaltenTitel(const Komponente *k)
{
    QStringList titel;
    for (int i = 0; i < k->spaltenAnzahl(); ++i)
        titel << k->spaltenTitel(i);
    return titel;
}

// A list row with the common base columns and the given kind columns; the
// last field carries the line end as a list file delivers it.
QStringList zeile(const QStringList &eigene)
{
    QStringList felder{QStringLiteral(" Testteil "), QStringLiteral("Hst"), QStringLiteral("B"),
                       QStringLiteral("12"), QStringLiteral("20000"), QStringLiteral("0.5")};
    felder << eigene;
    felder.last() += QLatin1Char('\n');
    return felder;
}

const QStringList basisTitel{"Bezeichnung", "Hersteller", "Leg.", "TL", "St /n", "t /n"};
const QStringList basisTitelStueck{"Bezeichnung", "Hersteller", "Leg.", "TL", "St", "t"};
const QStringList basisWerte{"Testteil", "Hst", "B", "12", "20000", "0.5"};

} // namespace

class TstKomponente : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void basisKomponente();
    void einheitUndTitel_data();
    void einheitUndTitel();
    void grunddaten();
    void fuelleFormat_data();
    void fuelleFormat();

    void arten_data();
    void arten();
    void rueckleseAusSpalten_data();
    void rueckleseAusSpalten();
    void kurzeZeile_data();
    void kurzeZeile();
    void voreinstellungen_data();
    void voreinstellungen();
    void slotBedarfNachEinheit_data();
    void slotBedarfNachEinheit();
    void kopieIstUnabhaengig();
    void gleicheTexteGeteilt();
    void panzerungGanzerTeil_data();
    void panzerungGanzerTeil();

    void diverseTypen_data();
    void diverseTypen();
    void diverseTyp0();

private:
    QLocale m_alteLocale;
};

void TstKomponente::initTestCase()
{
    m_alteLocale = QLocale();
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
}

void TstKomponente::cleanupTestCase()
{
    QLocale::setDefault(m_alteLocale);
}

void TstKomponente::basisKomponente()
{
    Komponente k;
    QCOMPARE(k.typ(), 99);
    QCOMPARE(k.nurEinmal(), false);
    QCOMPARE(k.kurzname(), QString());
    QCOMPARE(k.spaltenAnzahl(), 6);
    QCOMPARE(k.einheitTitel(), QStringLiteral("Einheit"));
    QCOMPARE(k.gewicht(), 0.0f);
    QVERIFY(k.leseZeile({"a", "b"}));
    QCOMPARE(k.rohdaten(), QStringList({"a", "b"}));
    QCOMPARE(k.name(), QString()); // the base reads no columns
    QCOMPARE(k.spaltenWert(6), QVariant(QString()));
    QCOMPARE(k.spaltenWert(-1), QVariant(QString()));
    QCOMPARE(k.spaltenTitel(6), QString());
}

void TstKomponente::einheitUndTitel_data()
{
    QTest::addColumn<QString>("einheit");
    QTest::addColumn<QString>("gespeichert");
    QTest::addColumn<QString>("anzeige");
    QTest::addColumn<QString>("titel4");
    QTest::addColumn<QString>("titel5");
    QTest::newRow("max 1x") << "max 1x" << "max 1x" << " " << "St /n" << "t /n";
    QTest::newRow("max 1x mit Blanks") << "  max 1x\n" << "max 1x" << " " << "St /n" << "t /n";
    QTest::newRow("Max 1x") << "Max 1x" << "Max 1x" << "Max 1x" << "St /n" << "t /n";
    QTest::newRow("Stück") << "Stück" << "Stück" << "Stück" << "St" << "t";
    QTest::newRow("stück") << "stück" << "stück" << "stück" << "St /n" << "t /n";
    QTest::newRow("GSTPV") << "GSTPV" << "GSTPV" << "GSTPV" << "St /n" << "t /n";
}

void TstKomponente::einheitUndTitel()
{
    QFETCH(QString, einheit);
    QFETCH(QString, gespeichert);
    QFETCH(QString, anzeige);
    QFETCH(QString, titel4);
    QFETCH(QString, titel5);
    Komponente k;
    k.setzeEinheit(einheit);
    QCOMPARE(k.einheit(false), gespeichert);
    QCOMPARE(k.einheit(true), anzeige);
    QCOMPARE(k.spaltenTitel(4), titel4);
    QCOMPARE(k.spaltenTitel(5), titel5);
}

void TstKomponente::grunddaten()
{
    Komponente k;
    QVERIFY(!k.leseGrunddaten({"Name", "H", "A", "3", "100"}));
    QCOMPARE(k.name(), QString());
    QCOMPARE(k.preis(), 0);

    QVERIFY(k.leseGrunddaten({"  Name mit Blanks\t", " H ", " A ", " 7 ", " 1500 ", " 0.25 "}));
    QCOMPARE(k.name(), QStringLiteral("Name mit Blanks"));
    QCOMPARE(k.hersteller(), QStringLiteral("H"));
    QCOMPARE(k.legalitaet(), QStringLiteral("A"));
    QCOMPARE(k.tl(), 7);
    QCOMPARE(k.preis(), 1500);
    QCOMPARE(k.gewicht(), 0.25f);
    QCOMPARE(k.spaltenWert(5).typeId(), int(QMetaType::Float));

    // unconvertible numbers, a decimal comma and non-finite text become 0
    QVERIFY(k.leseGrunddaten({"N", "", "", "x", "1.000", "0,5"}));
    QCOMPARE(k.tl(), 0);
    QCOMPARE(k.preis(), 0);
    QCOMPARE(k.gewicht(), 0.0f);
    QVERIFY(k.leseGrunddaten({"N", "", "", "12abc", "99999999999", "inf"}));
    QCOMPARE(k.tl(), 0);
    QCOMPARE(k.preis(), 0);
    QCOMPARE(k.gewicht(), 0.0f);

    // the raw fields keep their blanks
    TrTransmitter t;
    const QStringList felder = zeile({"30", "2", "1", "GSTPV"});
    QVERIFY(t.leseZeile(felder));
    QCOMPARE(t.name(), QStringLiteral("Testteil"));
    QCOMPARE(t.rohdaten(), felder);
    QCOMPARE(t.rohdaten().first(), QStringLiteral(" Testteil "));
}

void TstKomponente::fuelleFormat_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QVariantList>("werte");
    QTest::addColumn<QString>("erwartet");
    QTest::newRow("gruppiert") << "%L1 / %1" << QVariantList{1234567} << "1.234.567 / 1234567";
    QTest::newRow("dezimal") << "%L1t %1t" << QVariantList{QVariant::fromValue(0.1f)} << "0,1t 0.1t";
    QTest::newRow("kurz") << "%L1" << QVariantList{QVariant::fromValue(2.0f)} << "2";
    QTest::newRow("aufsteigend") << "%L10|%2|%L9" << QVariantList{"a", 5, 6} << "6|a|5";
    QTest::newRow("Prozent im Wert") << "%1, %2" << QVariantList{"50%2 %1", "x"} << "50%2 %1, x";
    QTest::newRow("ohne Wert") << "%1 %2" << QVariantList{"a"} << "a %2";
    QTest::newRow("negativ") << "%L1" << QVariantList{-12000} << "-12.000";
}

void TstKomponente::fuelleFormat()
{
    QFETCH(QString, format);
    QFETCH(QVariantList, werte);
    QFETCH(QString, erwartet);
    QCOMPARE(Komponente::fuelleFormat(format, werte), erwartet);
}

void TstKomponente::arten_data()
{
    QTest::addColumn<int>("kat");
    QTest::addColumn<QStringList>("felder");
    QTest::addColumn<QString>("kurzname");
    QTest::addColumn<QStringList>("titel");
    QTest::addColumn<QStringList>("werte");
    QTest::addColumn<QVariantMap>("eigene");
    QTest::addColumn<QString>("beschreibung");

    QTest::newRow("WeitereRaeume") << 1 << zeile({"3", "4", "5", "Labor 100%", "GSTPV"}) << "Räume"
        << basisTitel + QStringList{"BEV", "REV", "GSTPV", "Wirkung", "Einheit"}
        << basisWerte + QStringList{"3", "4", "5", "Labor 100%", "GSTPV"}
        << QVariantMap{{"bev", 3}, {"rev", 4}, {"gstpv", 5}, {"wirkung", "Labor 100%"}, {"slotBedarf", 1}}
        << "B, 20.000St, 0,5t, 3BEV, 4REV, 5GSTPV, Labor 100%";
    QTest::newRow("Rumpfmaterial") << 4 << zeile({"1.5", "GSTP"}) << "Rumpf"
        << basisTitel + QStringList{"Rumpf /n", "Einheit"}
        << basisWerte + QStringList{"1.5", "GSTP"}
        << QVariantMap{{"rumpfProGstp", 1.5f}, {"gstpv", 0}, {"rev", 0}, {"bev", 0}, {"slotBedarf", 1}}
        << "B, TL 12, pro GSTP: 20.000St, 0,5t, 1,5Rumpf";
    QTest::newRow("Panzerung") << 5 << zeile({"2.7", "GSTPV"}) << "Panz."
        << basisTitel + QStringList{"Schutz /n", "Einheit"}
        << basisWerte + QStringList{"2", "GSTPV"}
        << QVariantMap{{"teilschutz", 2}, {"gstpv", 1}, {"rev", 0}, {"bev", 0}, {"slotBedarf", 1}}
        << "B, TL 12, pro GSTPV: 20.000St, 0,5t, 2Teilschutz";
    QTest::newRow("GravitationsGen") << 6 << zeile({"100", "7", "3", "Stück"}) << "GravGen."
        << basisTitelStueck + QStringList{"Grav.GSTP", "REV", "GSTPV", "Einheit"}
        << basisWerte + QStringList{"100", "7", "3", "Stück"}
        << QVariantMap{{"gravGstp", 100}, {"gstpv", 3}, {"rev", 7}, {"bev", 0}, {"slotBedarf", 2}}
        << "B, TL 12, 20.000St, 0,5t, 100Grav.GSTP, 7REV, 3GSTPV";
    QTest::newRow("Reaktor") << 7 << zeile({"1500", "2", "GSTPV"}) << "Reaktor"
        << basisTitel + QStringList{"RE /n", "Res. /n", "Einheit"}
        << basisWerte + QStringList{"1500", "2", "GSTPV"}
        << QVariantMap{{"re", 1500}, {"res", 2}, {"gstpv", 1}, {"rev", 0}, {"bev", 0}, {"slotBedarf", 1}}
        << "B, TL 12, pro GSTPV: 20.000St, 0,5t, 2Res, 1.500RE";
    QTest::newRow("EnergieSpeicher") << 8 << zeile({"1200", "4", "Stück"}) << "Energie"
        << basisTitelStueck + QStringList{"BE", "GSTPV", "Einheit"}
        << basisWerte + QStringList{"1200", "4", "Stück"}
        << QVariantMap{{"be", 1200}, {"gstpv", 4}, {"rev", 0}, {"bev", 0}, {"slotBedarf", 2}}
        << "B, TL 12, 20.000St, 0,5t, 1.200BE, 4GSTPV";
    QTest::newRow("ManoeverTW") << 9 << zeile({"3", "20", "4", "1", "Stück"}) << "Manoever."
        << basisTitelStueck + QStringList{"Strg.", "REV", "GSTPV", "Res.", "Einheit"}
        << basisWerte + QStringList{"3", "20", "4", "1", "Stück"}
        << QVariantMap{{"teilsteuerung", 3}, {"res", 1}, {"gstpv", 4}, {"rev", 20}, {"bev", 0}, {"slotBedarf", 2}}
        << "B, TL 12, 20.000St, 0,5t, 3Teilstrg, 20REV, 4GSTPV, 1Res";
    QTest::newRow("FeldProjektor") << 10 << zeile({"2", "15", "1", "GSTPV"}) << "Feldproj."
        << basisTitel + QStringList{"Strg. /n", "REV /n", "Res. /n", "Einheit"}
        << basisWerte + QStringList{"2", "15", "1", "GSTPV"}
        << QVariantMap{{"teilsteuerung", 2}, {"res", 1}, {"gstpv", 1}, {"rev", 15}, {"bev", 0}, {"slotBedarf", 1}}
        << "B, TL 12, pro GSTPV: 20.000St, 0,5t, 2Teilstrg, 15REV, 1Res";
    QTest::newRow("Feldspulensystem") << 11 << zeile({"0.25", "12", "3", "GSTPV"}) << "Feldspul."
        << basisTitel + QStringList{"Mio. km/s /n", "REV /n", "Res. /n", "Einheit"}
        << basisWerte + QStringList{"0.25", "12", "3", "GSTPV"}
        << QVariantMap{{"geschwindigkeit", 0.25f}, {"res", 3}, {"gstpv", 1}, {"rev", 12}, {"bev", 0}, {"slotBedarf", 1}}
        << "B, TL 12, pro GSTPV: 20.000St, 0,5t, 0,25Mio km/s, 12REV, 3Res";
    QTest::newRow("Antrieb") << 12 << zeile({"2000", "50", "GSTPV"}) << "Antrieb"
        << basisTitel + QStringList{"Sprung-t /n", "BEV /n", "Einheit"}
        << basisWerte + QStringList{"2000", "50", "GSTPV"}
        << QVariantMap{{"sprungTonnage", 2000}, {"gstpv", 1}, {"rev", 0}, {"bev", 50}, {"slotBedarf", 1}}
        << "B, TL 12, pro GSTPV: 20.000St, 0,5t, 2.000Sprung-t, 50BEV";
    QTest::newRow("Hauptcomputer") << 13 << zeile({"6", "10", "2", "Stück"}) << "Computer"
        << basisTitelStueck + QStringList{"Slots", "REV", "GSTPV", "Einheit"}
        << basisWerte + QStringList{"6", "10", "2", "Stück"}
        << QVariantMap{{"slots", 6}, {"gstpv", 2}, {"rev", 10}, {"bev", 0}, {"slotBedarf", 0}}
        << "B, TL 12, 20.000St, 0,5t, 6Sys.slots, 10REV, 2GSTPV";
    QTest::newRow("Sensoren") << 14 << zeile({"3", "1.5", "5", "1", "GSTPV"}) << "Sensoren"
        << basisTitel + QStringList{"Erf.", "Mio. km /n", "REV /n", "Res. /n", "Einheit"}
        << basisWerte + QStringList{"3", "1.5", "5", "1", "GSTPV"}
        << QVariantMap{{"erfassung", 3}, {"reichweite", 1.5f}, {"res", 1}, {"gstpv", 1}, {"rev", 5}, {"bev", 0}, {"slotBedarf", 1}}
        << "B, TL 12, 3Erf, pro GSTPV: 20.000St, 0,5t, 1,5Mio km, 5REV, 1Res";
    QTest::newRow("Feuerleitsystem") << 15 << zeile({"4", "8", "2", "Stück"}) << "Feuerleits."
        << basisTitelStueck + QStringList{"Handh.", "REV", "GSTPV", "Einheit"}
        << basisWerte + QStringList{"4", "8", "2", "Stück"}
        << QVariantMap{{"handhabung", 4}, {"gstpv", 2}, {"rev", 8}, {"bev", 0}, {"slotBedarf", 2}}
        << "B, TL 12, 20.000St, 0,5t, 4Handh., 8REV, 2GSTPV";
    QTest::newRow("Scanner") << 16 << zeile({"5", "12000", "6", "2", "1", "Stück"}) << "Scanner"
        << basisTitelStueck + QStringList{"Erf.", "km", "BEV", "GSTPV", "Res", "Einheit"}
        << basisWerte + QStringList{"5", "12000", "6", "2", "1", "Stück"}
        << QVariantMap{{"erfassung", 5}, {"reichweite", 12000}, {"res", 1}, {"gstpv", 2}, {"rev", 0}, {"bev", 6}, {"slotBedarf", 2}}
        << "B, TL 12, 20.000St, 0,5t, 5Erfassung, 12.000km, 6BEV, 2GSTPV, 1Res";
    QTest::newRow("KommRelais") << 17 << zeile({"300", "2", "1", "GSTPV"}) << "Komm.Rel."
        << basisTitel + QStringList{"Mio. km /n", "REV /n", "Res. /n", "Einheit"}
        << basisWerte + QStringList{"300", "2", "1", "GSTPV"}
        << QVariantMap{{"reichweite", 300}, {"res", 1}, {"gstpv", 1}, {"rev", 2}, {"bev", 0}, {"slotBedarf", 1}}
        << "B, TL 12, pro GSTPV: 20.000St, 0,5t, 300Mio km, 2REV, 1Res";
    QTest::newRow("TrTransmitter") << 18 << zeile({"30", "2", "1", "GSTPV"}) << "TrTransm."
        << basisTitel + QStringList{"Lj. /n", "BEV /n", "Res. /n", "Einheit"}
        << basisWerte + QStringList{"30", "2", "1", "GSTPV"}
        << QVariantMap{{"reichweite", 30}, {"res", 1}, {"gstpv", 1}, {"rev", 0}, {"bev", 2}, {"slotBedarf", 1}}
        << "B, TL 12, pro GSTPV: 20.000St, 0,5t, 30LJ, 2BEV, 1Res";
    QTest::newRow("Schildgenerator") << 19 << zeile({"5", "2", "GSTPV"}) << "Schild."
        << basisTitel + QStringList{"SE /n", "Res. /n", "Einheit"}
        << basisWerte + QStringList{"5", "2", "GSTPV"}
        << QVariantMap{{"schildenergie", 5}, {"res", 2}, {"gstpv", 1}, {"rev", 5}, {"bev", 0}, {"slotBedarf", 1}}
        << "B, TL 12, pro GSTPV: 20.000St, 0,5t, 5SE|REV, 2Res";
    QTest::newRow("Signalinterferant") << 20 << zeile({"3", "9", "2", "1", "Stück"}) << "Signalint."
        << basisTitelStueck + QStringList{"Scanschutz", "REV", "GSTPV", "Res.", "Einheit"}
        << basisWerte + QStringList{"3", "9", "2", "1", "Stück"}
        << QVariantMap{{"teilscanschutz", 3}, {"res", 1}, {"gstpv", 2}, {"rev", 9}, {"bev", 0}, {"slotBedarf", 2}}
        << "B, TL 12, 20.000St, 0,5t, 3Teilscansch, 9REV, 2GSTPV, 1Res";
    QTest::newRow("SchleppstrahlProj") << 21 << zeile({"2", "5000", "25", "4", "1", "Stück"}) << "Schleppstr."
        << basisTitelStueck + QStringList{"Handh.", "t Last", "REV", "GSTPV", "Res.", "Einheit"}
        << basisWerte + QStringList{"2", "5000", "25", "4", "1", "Stück"}
        << QVariantMap{{"handhabung", 2}, {"last", 5000}, {"res", 1}, {"gstpv", 4}, {"rev", 25}, {"bev", 0}, {"slotBedarf", 2}}
        << "B, TL 12, 20.000St, 0,5t, 2Handh, 5.000t Last, 25REV, 4GSTPV, 1Res";
    QTest::newRow("Waffen") << 22 << zeile({"10", "20", "2", "2W10+5", " stück "}) << "Waffen"
        << basisTitel + QStringList{"BEV", "REV", "GSTPV", "Wirkung", "Einheit"}
        << basisWerte + QStringList{"10", "20", "2", "2W10+5", "stück"}
        << QVariantMap{{"wirkung", "2W10+5"}, {"gstpv", 2}, {"rev", 20}, {"bev", 10}, {"slotBedarf", 2}}
        << "B, TL 12, 20.000St, 0,5t, 10BEV, 20REV, 2GSTPV, 2W10+5";
    QTest::newRow("WeitereSysteme") << 23 << zeile({"0", "5", "1", " Störsender ", "GSTPV"}) << "Weitere"
        << basisTitel + QStringList{"BEV", "REV", "GSTPV", "Wirkung", "Einheit"}
        << basisWerte + QStringList{"0", "5", "1", " Störsender ", "GSTPV"}
        << QVariantMap{{"wirkung", " Störsender "}, {"gstpv", 1}, {"rev", 5}, {"bev", 0}, {"slotBedarf", 1}}
        << "B, TL 12, 20.000St, 0,5t, 0BEV, 5REV, 1GSTPV,  Störsender ";
}

void TstKomponente::arten()
{
    QFETCH(int, kat);
    QFETCH(QStringList, felder);
    QFETCH(QString, kurzname);
    QFETCH(QStringList, titel);
    QFETCH(QStringList, werte);
    QFETCH(QVariantMap, eigene);
    QFETCH(QString, beschreibung);

    KomponentenBibliothek bibliothek;
    std::unique_ptr<Komponente> k(bibliothek.neu(kat));
    QVERIFY(k);
    QVERIFY(k->leseZeile(felder));
    QCOMPARE(k->typ(), kat);
    QCOMPARE(k->kurzname(), kurzname);
    QCOMPARE(k->nurEinmal(), false);
    QCOMPARE(k->spaltenAnzahl(), titel.size());
    QCOMPARE(spaltenTitel(k.get()), titel);
    QCOMPARE(spaltenTexte(k.get()), werte);
    QCOMPARE(eigeneWerte(k.get()), eigene);
    QCOMPARE(k->beschreibung(), beschreibung);
    QCOMPARE(k->rohdaten(), felder);
    QCOMPARE(k->einheit(false), werte.last());
    // beyond the last column
    QCOMPARE(k->spaltenWert(k->spaltenAnzahl()), QVariant(QString()));
    QCOMPARE(k->spaltenTitel(k->spaltenAnzahl()), QString());

    // the library's copy is of the same kind with every field
    std::unique_ptr<Komponente> kopie(bibliothek.kopie(kat, k.get()));
    QVERIFY(kopie);
    QVERIFY(kopie.get() != k.get());
    QCOMPARE(kopie->typ(), kat);
    QCOMPARE(spaltenTexte(kopie.get()), werte);
    QCOMPARE(eigeneWerte(kopie.get()), eigene);
    QCOMPARE(kopie->beschreibung(), beschreibung);
    QCOMPARE(kopie->rohdaten(), felder);
}

void TstKomponente::rueckleseAusSpalten_data()
{
    arten_data();
}

void TstKomponente::rueckleseAusSpalten()
{
    QFETCH(int, kat);
    QFETCH(QStringList, felder);

    KomponentenBibliothek bibliothek;
    std::unique_ptr<Komponente> original(bibliothek.ausFeldern(kat, felder));
    QVERIFY(original);
    // as a saved ship row: every column value as text, each followed by ";"
    QStringList gespeichert = spaltenTexte(original.get());
    gespeichert << QStringLiteral("\n");
    std::unique_ptr<Komponente> gelesen(bibliothek.ausFeldern(kat, gespeichert));
    QVERIFY(gelesen);
    QCOMPARE(spaltenTexte(gelesen.get()), spaltenTexte(original.get()));
    for (int i = 0; i < original->spaltenAnzahl(); ++i)
        QCOMPARE(gelesen->spaltenWert(i), original->spaltenWert(i));
    QCOMPARE(eigeneWerte(gelesen.get()), eigeneWerte(original.get()));
    QCOMPARE(gelesen->beschreibung(), original->beschreibung());
    QCOMPARE(gelesen->gewicht(), original->gewicht());
    QCOMPARE(gelesen->slotBedarf(), original->slotBedarf());
}

void TstKomponente::kurzeZeile_data()
{
    QTest::addColumn<int>("kat");
    QTest::addColumn<int>("spalten");
    const QList<int> kats{1, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23};
    const QList<int> spalten{11, 8, 8, 10, 9, 9, 11, 10, 10, 9, 10, 11, 10, 12, 10, 10, 9, 11, 12, 11, 11};
    for (int i = 0; i < kats.size(); ++i)
        QTest::addRow("Kategorie %d", kats.at(i)) << kats.at(i) << spalten.at(i);
}

void TstKomponente::kurzeZeile()
{
    QFETCH(int, kat);
    QFETCH(int, spalten);
    KomponentenBibliothek bibliothek;
    std::unique_ptr<Komponente> k(bibliothek.neu(kat));
    QCOMPARE(k->spaltenAnzahl(), spalten);

    // one field short: refused, all defaults kept, description from them
    QStringList felder;
    for (int i = 0; i < spalten - 1; ++i)
        felder << QStringLiteral("7");
    std::unique_ptr<Komponente> leer(bibliothek.neu(kat));
    QVERIFY(!k->leseZeile(felder));
    QCOMPARE(k->name(), QString());
    QCOMPARE(k->tl(), 0);
    QCOMPARE(eigeneWerte(k.get()), eigeneWerte(leer.get()));
    QCOMPARE(spaltenTexte(k.get()), spaltenTexte(leer.get()));
    QCOMPARE(k->rohdaten(), felder);
    QVERIFY(!k->beschreibung().isEmpty());
    QVERIFY(k->beschreibung().startsWith(kat == 1 ? QStringLiteral(", 0St") : QStringLiteral(", TL 0, ")));

    // a blank line is refused as well
    QVERIFY(!k->leseZeile({QStringLiteral("\n")}));
    QVERIFY(!bibliothek.ausFeldern(kat, felder));

    // exactly enough fields: accepted
    felder << QStringLiteral("GSTPV");
    QVERIFY(k->leseZeile(felder));
    QCOMPARE(k->tl(), 7);
}

void TstKomponente::voreinstellungen_data()
{
    QTest::addColumn<int>("kat");
    QTest::addColumn<int>("gstpv");
    QTest::addColumn<int>("slotBedarf");
    QTest::newRow("WeitereRaeume") << 1 << 0 << 0;
    QTest::newRow("Rumpfmaterial") << 4 << 0 << 1;
    QTest::newRow("Panzerung") << 5 << 1 << 1;
    QTest::newRow("GravitationsGen") << 6 << 0 << 2;
    QTest::newRow("Reaktor") << 7 << 1 << 1;
    QTest::newRow("EnergieSpeicher") << 8 << 0 << 2;
    QTest::newRow("ManoeverTW") << 9 << 0 << 2;
    QTest::newRow("FeldProjektor") << 10 << 1 << 1;
    QTest::newRow("Feldspulensystem") << 11 << 1 << 1;
    QTest::newRow("Antrieb") << 12 << 1 << 1;
    QTest::newRow("Hauptcomputer") << 13 << 0 << 0;
    QTest::newRow("Sensoren") << 14 << 1 << 1;
    QTest::newRow("Feuerleitsystem") << 15 << 0 << 2;
    QTest::newRow("Scanner") << 16 << 0 << 2;
    QTest::newRow("KommRelais") << 17 << 1 << 1;
    QTest::newRow("TrTransmitter") << 18 << 1 << 1;
    QTest::newRow("Schildgenerator") << 19 << 1 << 1;
    QTest::newRow("Signalinterferant") << 20 << 0 << 2;
    QTest::newRow("SchleppstrahlProj") << 21 << 0 << 2;
    QTest::newRow("Waffen") << 22 << 0 << 2;
    QTest::newRow("WeitereSysteme") << 23 << 0 << 0;
}

void TstKomponente::voreinstellungen()
{
    QFETCH(int, kat);
    QFETCH(int, gstpv);
    QFETCH(int, slotBedarf);
    KomponentenBibliothek bibliothek;
    std::unique_ptr<Komponente> k(bibliothek.neu(kat));
    QCOMPARE(k->typ(), kat);
    QCOMPARE(k->gstpv(), gstpv);
    QCOMPARE(k->slotBedarf(), slotBedarf);
    QCOMPARE(k->rev(), 0);
    QCOMPARE(k->bev(), 0);
    QCOMPARE(k->beschreibung(), QString());
    if (auto *r = dynamic_cast<Rumpfmaterial *>(k.get()))
        QCOMPARE(r->rumpfProGstp(), -1.0f);
}

void TstKomponente::slotBedarfNachEinheit_data()
{
    QTest::addColumn<int>("kat");
    QTest::addColumn<QString>("einheit");
    QTest::addColumn<int>("slotBedarf");
    for (int kat : {1, 22, 23}) {
        QTest::addRow("%d GSTPV", kat) << kat << "GSTPV" << 1;
        QTest::addRow("%d gStPv mit Blanks", kat) << kat << "  gStPv \n" << 1;
        QTest::addRow("%d Stück", kat) << kat << "Stück" << 2;
        QTest::addRow("%d leer", kat) << kat << "" << 2;
        QTest::addRow("%d GSTPV2", kat) << kat << "GSTPV2" << 2;
    }
}

void TstKomponente::slotBedarfNachEinheit()
{
    QFETCH(int, kat);
    QFETCH(QString, einheit);
    QFETCH(int, slotBedarf);
    KomponentenBibliothek bibliothek;
    std::unique_ptr<Komponente> k(
        bibliothek.ausFeldern(kat, {"W", "H", "A", "1", "2", "3", "4", "5", "6", "Wirkung", einheit}));
    QVERIFY(k);
    QCOMPARE(k->slotBedarf(), slotBedarf);
}

void TstKomponente::gleicheTexteGeteilt()
{
    TrTransmitter a;
    TrTransmitter b;
    QVERIFY(a.leseZeile(zeile({"30", "2", "1", "GSTPV"})));
    QVERIFY(b.leseZeile(zeile({"40", "3", "1", "GSTPV"})));
    QVERIFY(a.einheit(false).constData() != b.einheit(false).constData());
    QStringList texte;
    a.teileTexte(texte);
    b.teileTexte(texte);
    // maker, legality and unit are held once, the values stay as read
    QCOMPARE(b.einheit(false).constData(), a.einheit(false).constData());
    QCOMPARE(b.hersteller().constData(), a.hersteller().constData());
    QCOMPARE(b.legalitaet().constData(), a.legalitaet().constData());
    QCOMPARE(spaltenTexte(&b), QStringList(basisWerte) << "40" << "3" << "1" << "GSTPV");
    QCOMPARE(b.rohdaten(), zeile({"40", "3", "1", "GSTPV"}));
}

void TstKomponente::kopieIstUnabhaengig()
{
    KomponentenBibliothek bibliothek;
    TrTransmitter t;
    QVERIFY(t.leseZeile(zeile({"30", "2", "1", "GSTPV"})));
    std::unique_ptr<Komponente> k(bibliothek.kopie(18, &t));
    QVERIFY(k);
    QVERIFY(k.get() != &t);
    QCOMPARE(spaltenTexte(k.get()), spaltenTexte(&t));
    QCOMPARE(eigeneWerte(k.get()), eigeneWerte(&t));
    QCOMPARE(k->rohdaten(), t.rohdaten());
    QCOMPARE(k->beschreibung(), t.beschreibung());
    // the copy is a value of its own
    QVERIFY(t.leseZeile(zeile({"99", "9", "9", "Stück"})));
    QCOMPARE(k->spaltenWert(6), QVariant(30));
    // a component of another kind is not copied into the wrong kind
    QVERIFY(!bibliothek.kopie(7, &t));
    QVERIFY(!bibliothek.kopie(24, &t));
    QVERIFY(!bibliothek.kopie(-1, &t));
}

void TstKomponente::panzerungGanzerTeil_data()
{
    QTest::addColumn<QString>("feld");
    QTest::addColumn<int>("teilschutz");
    QTest::newRow("2.7") << "2.7" << 2;
    QTest::newRow("2.99 mit Blanks") << " 2.99 " << 2;
    QTest::newRow("-2.7") << "-2.7" << -2;
    QTest::newRow("ganz") << "40" << 40;
    QTest::newRow("Komma") << "2,7" << 0;
    QTest::newRow("zu gross") << "1e12" << 0;
    QTest::newRow("Text") << "viel" << 0;
}

void TstKomponente::panzerungGanzerTeil()
{
    QFETCH(QString, feld);
    QFETCH(int, teilschutz);
    Panzerung p;
    QVERIFY(p.leseZeile({"P", "H", "A", "1", "2", "3", feld, "GSTPV"}));
    QCOMPARE(p.teilschutz(), teilschutz);
    QCOMPARE(p.spaltenWert(6), QVariant(teilschutz));
}

void TstKomponente::diverseTypen_data()
{
    QTest::addColumn<int>("typNummer");
    QTest::addColumn<int>("kat");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<int>>("werte"); // gstpv, preis, rev, bev
    QTest::addColumn<float>("gewicht");
    QTest::addColumn<QString>("einheit");
    QTest::addColumn<QString>("kurzname");

    using L = QList<int>;
    QTest::newRow("1") << 1 << 0 << "Wartungs/Lüftungsschächte, Maschinenraum" << "5% GSTPV" << L{0, 0, 0, 0} << 0.0f << "max 1x" << "Räume";
    QTest::newRow("2") << 2 << 3 << "Treibstofftank" << "2t/GSTPV, 1.000St/GSTPV 4.000St./10GSTPV" << L{1, 0, 0, 0} << 0.0f << "GSTPV" << "Sonst.";
    QTest::newRow("3") << 3 << 0 << "Steigschächte/Treppen" << "10GSTPV/Deck" << L{10, 0, 0, 0} << 0.0f << "Decks" << "Räume";
    QTest::newRow("4") << 4 << 0 << "Turbolifte" << "pro Deck 10GSTPV, 5REV, 500St" << L{10, 500, 5, 0} << 0.0f << "Decks" << "Räume";
    QTest::newRow("5") << 5 << 0 << "Cockpit/Brücke/Zentrale" << "min. 2GSTPV pro Person, 1.000St/GSTPV" << L{1, 1000, 0, 0} << 0.0f << "GSTPV" << "Räume";
    QTest::newRow("6") << 6 << 0 << "Kabinen & Gänge" << "min. 10GSTPV für 1 Personen-Zimmer, 100St/GSTPV" << L{1, 100, 0, 0} << 0.0f << "GSTPV" << "Räume";
    QTest::newRow("7") << 7 << 0 << "Frachtraum, intern" << "1t Fracht pro GSTPV, 400St/GSTPV, 1.000St/10GSTPV" << L{1, 0, 0, 0} << 0.0f << "GSTPV" << "Räume";
    QTest::newRow("8") << 8 << 0 << "Frachtraum, extern" << "2t Fracht pro GSTPV, 400St/GSTPV, 1.000St/10GSTPV" << L{1, 0, 0, 0} << 0.0f << "GSTPV" << "Räume";
    QTest::newRow("9") << 9 << 0 << "Hangar mit Tor" << "600St/GSTPV, 1.500St/10GSTPV, 1BEV/GSTPV" << L{1, 0, 0, 1} << 0.0f << "GSTPV" << "Räume";
    QTest::newRow("10") << 10 << 0 << "Hangar mit Kraftfeld" << "600St/GSTPV, 1.500St/10GSTPV, 1REV/GSTPV" << L{1, 0, 1, 0} << 0.0f << "GSTPV" << "Räume";
    QTest::newRow("11") << 11 << 2 << "Umweltkontrollsystem" << "1 Person pro GSTPV, 10REV/GSTPV, 5.000St/GSTPV" << L{1, 5000, 10, 0} << 0.0f << "GSTPV" << "Leben";
    QTest::newRow("12") << 12 << 2 << "Wassertank & Recycler" << "100L pro GSTPV, 500St/GSTPV" << L{1, 500, 0, 0} << 0.1f << "GSTPV" << "Leben";
    QTest::newRow("13") << 13 << 3 << "Trägheitsdämpfer" << "1%+ GSTPV, 10g+, pro GSTPV: 5.000St, 30REV, 0,2t" << L{0, 0, 0, 0} << 0.0f << "% GSTP" << "Sonst.";
    QTest::newRow("14") << 14 << 3 << "Spiegelpanzerung" << "50.000*Panzerungs-GSTPV St, Energiewaffenschaden-25%)" << L{0, 0, 0, 0} << 0.0f << "max 1x" << "Sonst.";
    QTest::newRow("15") << 15 << 3 << "EMAP-Starkfeld" << "(GSTP/500)% GSTPV (mind.1%), 10REV/GSTPV, 2.000St/GSTPV" << L{0, 0, 0, 0} << 0.0f << "max 1x" << "Sonst.";
    QTest::newRow("16") << 16 << 3 << "Landestelzen" << "1% GSTPV (mind. 1), 1.000St/GSTPV" << L{0, 0, 0, 0} << 0.0f << "max 1x" << "Sonst.";
    QTest::newRow("17") << 17 << 2 << "Druckschotts" << "1% GSTPV, 5.000St/GSTPV, 1t/GSTPV; bis -25% Rumpf möglich" << L{0, 0, 0, 0} << 0.0f << "max 1x" << "Leben";
    QTest::newRow("18") << 18 << 2 << "Rettungskapsel" << "Pro Person: 5GSTPV, 10REV, 15.000St, 0,5t)" << L{5, 15000, 10, 0} << 0.5f << "Personen" << "Leben";
    QTest::newRow("19") << 19 << 2 << "Schleudersitz" << "Pro Person: 2GSTPV, 10REV, 5.000St, 0,1t" << L{2, 5000, 10, 0} << 0.1f << "Personen" << "Leben";
    QTest::newRow("20") << 20 << 2 << "Gasballon" << "Pro Stück: 1GSTPV, 1.000St" << L{1, 1000, 0, 0} << 0.0f << "Stück" << "Leben";
    QTest::newRow("21") << 21 << 2 << "Fallschirm" << "Pro Stück: 1GSTPV, 500St" << L{1, 500, 0, 0} << 0.0f << "Stück" << "Leben";
    QTest::newRow("22") << 22 << 2 << "Smashbag" << "Pro Stück: 1GSTPV, 3.000St" << L{1, 3000, 0, 0} << 0.0f << "Stück" << "Leben";
}

void TstKomponente::diverseTypen()
{
    QFETCH(int, typNummer);
    QFETCH(int, kat);
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QList<int>, werte);
    QFETCH(float, gewicht);
    QFETCH(QString, einheit);
    QFETCH(QString, kurzname);

    Diverse d;
    d.setzeTyp(typNummer);
    QVERIFY(d.leseZeile(QStringList()));
    QCOMPARE(d.typNummer(), typNummer);
    QCOMPARE(d.typ(), kat);
    QCOMPARE(d.name(), name);
    QCOMPARE(d.beschreibung(), text);
    QCOMPARE(QList<int>({d.gstpv(), d.preis(), d.rev(), d.bev()}), werte);
    QCOMPARE(d.gewicht(), gewicht);
    QCOMPARE(d.einheit(false), einheit);
    QCOMPARE(d.einheit(true), einheit == QLatin1String("max 1x") ? QStringLiteral(" ") : einheit);
    QCOMPARE(d.kurzname(), kurzname);
    QCOMPARE(d.nurEinmal(), einheit == QLatin1String("max 1x"));
    QCOMPARE(d.slotBedarf(), typNummer <= 19 ? 1 : 0);
    QCOMPARE(d.legalitaet(), QString());
    QCOMPARE(d.hersteller(), QString());
    QCOMPARE(d.tl(), 0);

    QCOMPARE(d.spaltenAnzahl(), 4);
    QCOMPARE(QStringList({d.spaltenTitel(0), d.spaltenTitel(1), d.spaltenTitel(2), d.spaltenTitel(3), d.spaltenTitel(4)}),
             QStringList({"Bezeichnung", "Beschreibung", "GSTPV", "Einheit", ""}));
    QCOMPARE(d.spaltenWert(0), QVariant(name));
    QCOMPARE(d.spaltenWert(1), QVariant(text));
    QCOMPARE(d.spaltenWert(2), QVariant(werte.at(0)));
    QCOMPARE(d.spaltenWert(3), QVariant(einheit));
    QCOMPARE(d.spaltenWert(4), QVariant(QString()));

    Diverse kopie(d);
    QCOMPARE(kopie.typNummer(), typNummer);
    QCOMPARE(kopie.typ(), kat);
    QCOMPARE(kopie.beschreibung(), text);
}

void TstKomponente::diverseTyp0()
{
    for (int typNummer : {0, 23, -1}) {
        Diverse d;
        d.setzeTyp(typNummer);
        QVERIFY(!d.leseZeile(QStringList()));
        QCOMPARE(d.typ(), 99);
        QCOMPARE(d.kurzname(), QString());
        QCOMPARE(d.nurEinmal(), false);
        QCOMPARE(d.beschreibung(), QString());
        QCOMPARE(d.einheit(false), QString());
        QCOMPARE(d.slotBedarf(), 0);
    }
}

QTEST_GUILESS_MAIN(TstKomponente)
#include "tst_komponente.moc"
