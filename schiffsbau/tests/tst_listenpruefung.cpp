// The list checker: hand-made data folders with one fault per line must
// give findings at exactly those lines; the delivered folder gives none.

#include <QtTest>

#include "komponente.h"
#include "komponentenbibliothek.h"
#include "listenpruefung.h"
#include "schiffsdatei.h"

namespace {

bool schreibe(const QString &pfad, const QByteArray &inhalt)
{
    QFile datei(pfad);
    return datei.open(QIODevice::WriteOnly) && datei.write(inhalt) == inhalt.size();
}

QByteArray latin1(const char *utf8)
{
    return QString::fromUtf8(utf8).toLatin1();
}

// The findings of one file of the folder, as lines and texts.
QList<ListenBefund> befundeIn(const QString &ordner, const QString &dateiname)
{
    QList<ListenBefund> ergebnis;
    for (const ListenBefund &b : ListenPruefung::pruefe(ordner)) {
        if (QFileInfo(b.datei).fileName() == dateiname)
            ergebnis.append(b);
    }
    return ergebnis;
}

QList<int> zeilenVon(const QList<ListenBefund> &befunde)
{
    QList<int> zeilen;
    for (const ListenBefund &b : befunde)
        zeilen.append(b.zeile);
    return zeilen;
}

QByteArray texte(const QList<ListenBefund> &befunde)
{
    QStringList t;
    for (const ListenBefund &b : befunde)
        t.append(QStringLiteral("%1:%2: %3").arg(QFileInfo(b.datei).fileName()).arg(b.zeile).arg(b.text));
    return t.join(QLatin1Char('\n')).toUtf8();
}

const QByteArray reaktorKopf = "Bezeichnung;Hersteller;Leg.;TL;St /n;t /n;RE /n;Res. /n;Einheit\n";

} // namespace

class TstListenPruefung : public QObject
{
    Q_OBJECT

private slots:
    void listen_data();
    void listen();
    void vorlage();
    void basisliste();
    void basislisteKodierung_data();
    void basislisteKodierung();
    void gelieferterOrdnerOhneBefund();
};

void TstListenPruefung::listen_data()
{
    QTest::addColumn<QString>("datei");
    QTest::addColumn<QByteArray>("inhalt");
    QTest::addColumn<QList<int>>("zeilen");
    QTest::addColumn<QString>("ersterText"); // part of the first finding

    QTest::newRow("Feldanzahl") << "trtransmitter.csv"
        << QByteArray("Bezeichnung;Hersteller;Leg.;TL;St /n;t /n;Lj. /n;BEV /n;Res. /n;Einheit\n"
                      "TR-Sender T-5;Vega;B;12;20000;0.5;30;2;1;GSTPV\n"
                      "TR-Sender T-6;Vega;B;12;20000;0.5;30;2;GSTPV\n"
                      "TR-Sender T-7;Vega;B;12;20000;0.5;30;2;1;GSTPV;\n"
                      "TR-Sender T-8;Vega;B;12;20000;0.5;30;2;1;GSTPV;St\xfc" "ck\n"
                      "\n")
        << QList<int>{3, 5}
        << QStringLiteral("Die Zeile hat 9 Felder, gebraucht werden 10 (es fehlt „Einheit“); sie wird nicht geladen");
    QTest::newRow("Zahlen") << "rumpfmaterial.csv"
        << QByteArray("Bezeichnung;Hersteller;Leg.;TL;St /n;t /n;Rumpf /n;Einheit\n"
                      "Stahl;Krupp;A;8;100;1,5;2;GSTP\n"
                      "Titan;Krupp;A;8;teuer;1.5;2;GSTP\n"
                      "Keramik;Krupp;A;99999999999;100;1.5;2;GSTP\n"
                      "Stahlverbund; Krupp ;A; 9 ;200;2.5;3.5;GSTP\r\n"
                      "Kohlefaser;Krupp;A;9;200;2.5;;GSTP\n"
                      "Neutronium;Krupp;A;9;20.000;2.5;3;GSTP\n")
        << QList<int>{2, 3, 4, 6, 7}
        << QStringLiteral("Feld 6 (t /n) „1,5“ ist keine Zahl (Dezimalpunkt verwenden); gelesen wird 0");
    QTest::newRow("Unsinn und doppelte Namen") << "waffen.csv"
        << QByteArray("Bezeichnung;Hersteller;Leg.;TL;St /n;t /n;BEV;REV;GSTPV;Wirkung;Einheit\n"
                      "Laser;Vega;B;9;-20000;2;5;10;2;Schaden 2W10;St\xfc" "ck\n"
                      "Kanone;Vega;B;9;20000;-2;5;10;2;Schaden 2W10;St\xfc" "ck\n"
                      "Torpedo;Vega;B;9;20000;2;5;10;-2;Schaden 2W10;St\xfc" "ck\n"
                      "Gesch\xfctz;Vega;B;9;20000;2;5;10;2;Schaden 4W10, RW 5.000 km;GSTPV\n"
                      "Laser;Helion;C;11;60000;4;15;20;4;Schaden 4W10;St\xfc" "ck\n")
        << QList<int>{2, 3, 4, 6}
        << QStringLiteral("Feld 5 (St /n) „-20000“: ein negativer Preis ergibt keinen Sinn");
    QTest::newRow("UTF-8-Datei") << "scanner.csv"
        << QByteArray("Bezeichnung;Hersteller;Leg.;TL;St /n;t /n;Erf.;km;BEV;GSTPV;Res;Einheit\n"
                      "Materiescanner;G\xc3\xb6rz;B;10;5000;1;2;300;2;1;1;St\xc3\xbc" "ck\n")
        << QList<int>{0} << QStringLiteral("„Görz“ als „GÃ¶rz“");
    QTest::newRow("UTF-8-Zeile") << "scanner.csv"
        << QByteArray("Bezeichnung;Hersteller;Leg.;TL;St /n;t /n;Erf.;km;BEV;GSTPV;Res;Einheit\n"
                      "Materiescanner;G\xf6rz;B;10;5000;1;2;300;2;1;1;St\xfc" "ck\n"
                      "Tiefenscanner;G\xc3\xb6rz;B;10;5000;1;2;300;2;1;1;St\xc3\xbc" "ck\n")
        << QList<int>{3} << QStringLiteral("UTF-8");
    QTest::newRow("leer") << "antriebe.csv" << QByteArray() << QList<int>{0} << QStringLiteral("leer");
    QTest::newRow("nur Kopfzeile") << "antriebe.csv"
        << QByteArray("Bezeichnung;Hersteller;Leg.;TL;St /n;t /n;Sprung-t /n;BEV /n;Einheit\n\n")
        << QList<int>{0} << QStringLiteral("nur die Kopfzeile");
    QTest::newRow("ohne Kopfzeile") << "reaktoren.csv"
        << QByteArray("Fusionsreaktor F-2;Vega;A;10;5000;2;400;1;GSTPV\n"
                      "Fusionsreaktor F-3;Vega;A;10;5000;2;400;1;GSTPV\n")
        << QList<int>{1} << QStringLiteral("gilt aber als Kopfzeile");
    QTest::newRow("keine Art") << "reaktor.csv" << reaktorKopf
        << QList<int>{0} << QStringLiteral("passt zu keiner Komponentenart");
    QTest::newRow("sauber") << "panzerungen.csv"
        << QByteArray("Bezeichnung;Hersteller;Leg.;TL;St /n;t /n;Schutz /n;Einheit\r\n"
                      "Keramik-Titan;Vega;B;10;500;1;2.0;GSTPV\r\n"
                      "\r\n"
                      "Stahl;Vega;A;8;100;2;3;GSTPV")
        << QList<int>() << QString();
}

void TstListenPruefung::listen()
{
    QFETCH(QString, datei);
    QFETCH(QByteArray, inhalt);
    QFETCH(QList<int>, zeilen);
    QFETCH(QString, ersterText);

    QTemporaryDir ordner;
    QVERIFY(ordner.isValid());
    QVERIFY(QDir(ordner.path()).mkpath("listen"));
    QVERIFY(schreibe(ordner.filePath("listen/" + datei), inhalt));

    const QList<ListenBefund> befunde = befundeIn(ordner.path(), datei);
    QVERIFY2(zeilenVon(befunde) == zeilen, texte(befunde).constData());
    for (const ListenBefund &b : befunde)
        QVERIFY2(b.text.size() > 20, texte(befunde).constData());
    if (!befunde.isEmpty())
        QVERIFY2(befunde.first().text.contains(ersterText), texte(befunde).constData());
}

void TstListenPruefung::vorlage()
{
    QTemporaryDir ordner;
    QVERIFY(ordner.isValid());
    QByteArray vorlage = "Schiff: %1, zu 100% sicher\n";
    for (int n = 2; n <= 60; ++n) {
        if (n != 7)
            vorlage += "Wert %L" + QByteArray::number(n) + "\n";
    }
    vorlage += "Zu viel: %61\n"; // line 60
    vorlage += "Gr\xf6\xdf" "e\n";  // line 61, Latin-1 in a UTF-8 template
    QVERIFY(schreibe(ordner.filePath("exportvorlage.zse"), vorlage));

    const QList<ListenBefund> befunde = befundeIn(ordner.path(), "exportvorlage.zse");
    QVERIFY2(zeilenVon(befunde) == QList<int>({0, 60, 61}), texte(befunde).constData());
    QVERIFY2(befunde.at(0).text.contains("%7 kommt nicht vor") && befunde.at(0).text.contains("%8 den für %7"),
             texte(befunde).constData());
    QVERIFY2(befunde.at(1).text.contains("„%61“"), texte(befunde).constData());
    QVERIFY2(befunde.at(2).text.contains("UTF-8"), texte(befunde).constData());
}

void TstListenPruefung::basisliste()
{
    QTemporaryDir ordner;
    QVERIFY(ordner.isValid());
    QVERIFY(QDir(ordner.path()).mkpath("listen"));
    QVERIFY(schreibe(ordner.filePath("listen/reaktoren.csv"),
                     reaktorKopf + "Fusionsreaktor F-2;Vega;A;10;5000;2;400;1;GSTPV\n"));
    const QString pfad = ordner.filePath("basisliste.zsb");

    QVERIFY(schreibe(pfad, latin1("2.0;Basis;Beschreibung;\n"
                                  "0;4;Cockpit/Brücke/Zentrale;\n"
                                  "0;20;Kabine & Gänge;\n"
                                  "7;2;Fusionsreaktor F-2;Vega;A;10;5000;2;400;1;GSTPV;\n"
                                  "7;1;Fusionsreaktor F-3;Vega;A;10;5000;2;\n"
                                  "30;1;Phantom;\n"
                                  "2;2;Umweltkontrollsystem;\n")));
    QList<ListenBefund> befunde = befundeIn(ordner.path(), "basisliste.zsb");
    QVERIFY2(zeilenVon(befunde) == QList<int>({3, 5, 6}), texte(befunde).constData());
    QVERIFY2(befunde.at(0).text.contains("„Kabine & Gänge“"), texte(befunde).constData());

    QVERIFY(schreibe(pfad, latin1("3.0;Basis;;\n0;4;Cockpit/Brücke/Zentrale;\n")));
    befunde = befundeIn(ordner.path(), "basisliste.zsb");
    QVERIFY2(zeilenVon(befunde) == QList<int>({1}), texte(befunde).constData());
    QVERIFY2(befunde.at(0).text.contains("Versionszeile"), texte(befunde).constData());

    // older versions find list components by name
    QVERIFY(schreibe(pfad, "1.1;Alt;;\n7;Fusionsreaktor F-2;2;\n7;Fusionsreaktor F-9;1;\n"));
    befunde = befundeIn(ordner.path(), "basisliste.zsb");
    QVERIFY2(zeilenVon(befunde) == QList<int>({3}), texte(befunde).constData());
}

void TstListenPruefung::basislisteKodierung_data()
{
    QTest::addColumn<QByteArray>("kopf");
    QTest::addColumn<QString>("gelesen");
    QTest::addColumn<bool>("gefunden");

    QTest::newRow("UTF-8") << QByteArray("2.0;;;\n") << QStringLiteral("Cockpit/Brücke/Zentrale") << true;
    // The mark keeps a file Latin-1 even where its bytes are valid UTF-8.
    QTest::newRow("Latin-1-Marke") << QByteArray("2.0;;;Latin-1;\n")
                                   << QStringLiteral("Cockpit/BrÃ¼cke/Zentrale") << false;
}

// The checker reads the base list as the loader does.
void TstListenPruefung::basislisteKodierung()
{
    QFETCH(QByteArray, kopf);
    QFETCH(QString, gelesen);
    QFETCH(bool, gefunden);
    QTemporaryDir ordner;
    QVERIFY(ordner.isValid());
    const QString pfad = ordner.filePath("basisliste.zsb");
    QVERIFY(schreibe(pfad, kopf + "0;4;Cockpit/Br\xc3\xbc""cke/Zentrale;\n"));

    KomponentenBibliothek bibliothek;
    bibliothek.lade();
    const SchiffsDatei::Inhalt geladen = SchiffsDatei(&bibliothek).lies(pfad);
    const QList<ListenBefund> befunde = befundeIn(ordner.path(), "basisliste.zsb");
    QCOMPARE(geladen.komponenten.size(), size_t(gefunden ? 1 : 0));
    QCOMPARE(befunde.isEmpty(), gefunden);
    if (gefunden) {
        QCOMPARE(geladen.komponenten.at(0).komponente->name(), gelesen);
    } else {
        QCOMPARE(geladen.nichtGefunden, QStringList(QStringLiteral("4x %1 (Zeile 2)").arg(gelesen)));
        QVERIFY2(zeilenVon(befunde) == QList<int>({2}), texte(befunde).constData());
        QVERIFY2(befunde.at(0).text.contains(QStringLiteral("„%1“").arg(gelesen)), texte(befunde).constData());
    }
}

void TstListenPruefung::gelieferterOrdnerOhneBefund()
{
    const QList<ListenBefund> befunde = ListenPruefung::pruefe(QStringLiteral(ZORVEL_DATA_DIR));
    QVERIFY2(befunde.isEmpty(), texte(befunde).constData());
}

QTEST_GUILESS_MAIN(TstListenPruefung)
#include "tst_listenpruefung.moc"
