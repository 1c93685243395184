#include <QtTest>

#include "csvtabelle.h"
#include "diverse.h"
#include "komponente.h"
#include "komponentenbibliothek.h"
#include "reaktor.h"
#include "rumpfmaterial.h"

#include <memory>

namespace {

bool schreibe(const QString &pfad, const QByteArray &inhalt)
{
    QFile datei(pfad);
    if (!datei.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return datei.write(inhalt) == inhalt.size();
}

QStringList namen(const KomponentenBibliothek &b, int kat)
{
    QStringList liste;
    for (int i = 0; i < b.anzahlElemente(kat); ++i)
        liste << b.element(kat, i)->name();
    return liste;
}

// Switches the working directory for the lifetime of the object.
class Arbeitsordner
{
public:
    explicit Arbeitsordner(const QString &pfad) : m_alt(QDir::currentPath())
    {
        m_ok = QDir::setCurrent(pfad);
    }
    ~Arbeitsordner() { QDir::setCurrent(m_alt); }
    bool ok() const { return m_ok; }

private:
    QString m_alt;
    bool m_ok = false;
};

// A byte literal with its zero bytes.
template<size_t N>
QByteArray bytes(const char (&text)[N])
{
    return QByteArray(text, qsizetype(N - 1));
}

const QByteArray reaktorKopf = "Bezeichnung;Hersteller;Leg.;TL;St /n;t /n;RE /n;Res. /n;Einheit\n";

} // namespace

class TstBibliothek : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void csvTabelle();
    void csvTabelleFehlendeDatei();
    void ladenAusListenordner();
    void ohneListenordner();
    void nachschlagen();
    void kopieUndNeu();
    void ausFeldern();
    void gelieferteListen();
    void gelieferteListenGueltig();

private:
    QLocale m_alteLocale;
};

void TstBibliothek::initTestCase()
{
    m_alteLocale = QLocale();
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
}

void TstBibliothek::cleanupTestCase()
{
    QLocale::setDefault(m_alteLocale);
}

void TstBibliothek::csvTabelle()
{
    QTemporaryDir ordner;
    QVERIFY(ordner.isValid());
    const QString pfad = ordner.filePath("t.csv");
    QVERIFY(schreibe(pfad, bytes("a;;b\n"
                                      ";\r\n"
                                      "\n"
                                      "K\xe4se;\xdf;x\x00y;z\n"
                                      "letzte ohne Zeilenende")));
    CsvTabelle t;
    QVERIFY(t.lese(pfad, QLatin1Char(';')));
    QCOMPARE(t.zeilen(), 5);
    QCOMPARE(t.zeile(0), QStringList({"a", "", "b\n"}));
    QCOMPARE(t.zeile(1), QStringList({"", "\n"}));
    QCOMPARE(t.zeile(2), QStringList({"\n"}));
    QCOMPARE(t.zeile(3), QStringList({QStringLiteral("Käse"), QStringLiteral("ß"), "x"}));
    QCOMPARE(t.zeile(4), QStringList({"letzte ohne Zeilenende"}));
    QCOMPARE(t.zeile(5), QStringList());
    QCOMPARE(t.zeile(-1), QStringList());

    // every read empties the table first; another separator splits elsewhere
    QVERIFY(schreibe(pfad, "1,2;3\n"));
    QVERIFY(t.lese(pfad, QLatin1Char(',')));
    QCOMPARE(t.zeilen(), 1);
    QCOMPARE(t.zeile(0), QStringList({"1", "2;3\n"}));
}

void TstBibliothek::csvTabelleFehlendeDatei()
{
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath("t.csv");
    QVERIFY(schreibe(pfad, "a;b\n"));
    CsvTabelle t;
    QVERIFY(t.lese(pfad, QLatin1Char(';')));
    QVERIFY(!t.lese(ordner.filePath("fehlt.csv"), QLatin1Char(';')));
    QCOMPARE(t.zeilen(), 1); // unchanged
    QCOMPARE(t.zeile(0), QStringList({"a", "b\n"}));
}

void TstBibliothek::ladenAusListenordner()
{
    QTemporaryDir ordner;
    QVERIFY(ordner.isValid());
    QDir d(ordner.path());
    QVERIFY(d.mkpath("listen/reaktoren_ordner.csv"));
    // two files of the reactor pattern, one of them in other letter case
    QVERIFY(schreibe(d.filePath("listen/reaktoren.csv"),
                     reaktorKopf
                     + "Fusionsreaktor F1;Vega;A;10;5000;2;400;1;GSTPV\n"
                     + "\n"                                          // blank line: dropped
                     + "Zu kurz;Vega;A;10;5000;2;400;GSTPV\n"        // 8 of 9 fields: dropped
                     + "Komma;Vega;A;10;5000;0,5;400;1;GSTPV\n"));
    QVERIFY(schreibe(d.filePath("listen/REAKTOREN_Zusatz.CSV"),
                     reaktorKopf + "Gr\xf6\xdf" "er Reaktor;Vega;B;12;9000;1.5;900;2;GSTPV\n"));
    // not matching: another prefix, another extension
    QVERIFY(schreibe(d.filePath("listen/altreaktoren.csv"), reaktorKopf + "X;V;A;1;1;1;1;1;GSTPV\n"));
    QVERIFY(schreibe(d.filePath("listen/reaktoren.txt"), reaktorKopf + "Y;V;A;1;1;1;1;1;GSTPV\n"));
    // header only
    QVERIFY(schreibe(d.filePath("listen/panzerungen.csv"), "Bezeichnung;Hersteller;Leg.;TL;St /n;t /n;Schutz /n;Einheit\n"));
    // CR LF line ends
    QVERIFY(schreibe(d.filePath("listen/rumpfmaterial.csv"),
                     "Bezeichnung;Hersteller;Leg.;TL;St /n;t /n;Rumpf /n;Einheit\r\n"
                     "Stahl;Werft;A;5;1000;1;1.5;GSTP\r\n"
                     "Titan;Werft;B;9;3000;0.8;2;GSTP\r\n"));
    // a zero byte ends its line: the rest of that line is lost, the row stays too short
    QVERIFY(schreibe(d.filePath("listen/scanner.csv"),
                     bytes("Kopf\n"
                                "Nahscanner;S;A;8;1000;0.1;2;500;1;1;0;St\x00\xfc" "ck;Rest\n"
                                "Kurz;S;A;8;1000;0.1;2;500;1;1\x00;0;Stueck\n")));

    Arbeitsordner arbeitsordner(ordner.path());
    QVERIFY(arbeitsordner.ok());
    KomponentenBibliothek b;
    QCOMPARE(b.anzahlKategorien(), 0);
    QCOMPARE(b.kategorieText(0), QString());
    b.lade();
    b.erzeugeKategorien();

    QCOMPARE(b.anzahlElemente(7), 3);
    QStringList reaktoren = namen(b, 7);
    reaktoren.sort();
    QCOMPARE(reaktoren, QStringList({"Fusionsreaktor F1", QStringLiteral("Größer Reaktor"), "Komma"}));
    const Komponente *komma = b.suche(7, "Komma");
    QVERIFY(komma);
    QCOMPARE(komma->gewicht(), 0.0f);
    QCOMPARE(komma->preis(), 5000);
    const auto *groesser = dynamic_cast<const Reaktor *>(b.suche(7, QStringLiteral("Größer Reaktor")));
    QVERIFY(groesser);
    QCOMPARE(groesser->re(), 900);
    QCOMPARE(groesser->gewicht(), 1.5f);
    QCOMPARE(groesser->beschreibung(), QStringLiteral("B, TL 12, pro GSTPV: 9.000St, 1,5t, 2Res, 900RE"));

    QCOMPARE(b.anzahlElemente(5), 0);
    QCOMPARE(namen(b, 4), QStringList({"Stahl", "Titan"}));
    const auto *stahl = dynamic_cast<const Rumpfmaterial *>(b.element(4, 0));
    QVERIFY(stahl);
    QCOMPARE(stahl->einheit(false), QStringLiteral("GSTP"));
    QCOMPARE(stahl->rumpfProGstp(), 1.5f);
    QCOMPARE(stahl->rohdaten().last(), QStringLiteral("GSTP\n"));

    QCOMPARE(namen(b, 16), QStringList({"Nahscanner"}));
    QCOMPARE(b.element(16, 0)->einheit(false), QStringLiteral("St"));
    QCOMPARE(b.element(16, 0)->rohdaten().size(), 12);

    // labels with counts
    QCOMPARE(b.anzahlKategorien(), 24);
    const QStringList erwartet{
        "*Standard-Räume (9)", " Weitere Räume (0)", " Basis-Lebenssysteme (8)",
        "*Sonstige Basiskomponenten (5)", "*Rumpf (2)", " Panzerungen (0)",
        " Gravitations-Generatoren (0)", "*Reaktoren (3)", " Energiespeicher (0)",
        "*Manoevertriebwerke (0)", " Feldprojektoren (0)", " Feldspulensysteme (0)",
        " Sprung-Antriebe (0)", "*Hauptcomputer (0)", "*Sensorphalange (0)",
        " Feuerleitsysteme (0)", " Scanner (1)", " Kommunikationsrelais (0)",
        " TR-Transmitter (0)", " Schildgeneratoren (0)", " Signalinterferanten (0)",
        " Schleppstrahlprojektoren (0)", " Waffensysteme (0)", " Türme, Störer, Weitere, ... (0)"};
    for (int i = 0; i < 24; ++i)
        QCOMPARE(b.kategorieText(i), erwartet.at(i));
    QCOMPARE(b.kategorieText(24), QString());
    QCOMPARE(b.kategorieText(-1), QString());

    // the built-in categories in creation order
    QCOMPARE(namen(b, 3), QStringList({"Treibstofftank", QStringLiteral("Trägheitsdämpfer"), "Spiegelpanzerung",
                                       "EMAP-Starkfeld", "Landestelzen"}));
    QCOMPARE(namen(b, 0).first(), QStringLiteral("Wartungs/Lüftungsschächte, Maschinenraum"));
    QCOMPARE(namen(b, 0).last(), QStringLiteral("Hangar mit Kraftfeld"));
    QCOMPARE(namen(b, 2), QStringList({"Umweltkontrollsystem", "Wassertank & Recycler", "Druckschotts",
                                       "Rettungskapsel", "Schleudersitz", "Gasballon", "Fallschirm", "Smashbag"}));
    QCOMPARE(b.suche(3, "Landestelzen")->einheit(true), QStringLiteral(" "));
    QCOMPARE(b.suche(3, "Treibstofftank")->einheit(true), QStringLiteral("GSTPV"));
    QCOMPARE(b.suche(0, "Turbolifte")->spaltenWert(2), QVariant(10));
    QCOMPARE(b.suche(3, "Spiegelpanzerung")->spaltenWert(2), QVariant(0));

    // a label with more than 1000 components has no digit grouping
    QVERIFY(schreibe(d.filePath("listen/waffen.csv"), [] {
        QByteArray inhalt = "Kopf\n";
        for (int i = 0; i < 1234; ++i)
            inhalt += "Laser;H;A;9;100;0.5;1;2;1;2W6;GSTPV\n";
        return inhalt;
    }()));
    KomponentenBibliothek gross;
    gross.lade();
    gross.erzeugeKategorien();
    QCOMPARE(gross.kategorieText(22), QStringLiteral(" Waffensysteme (1234)"));
}

void TstBibliothek::ohneListenordner()
{
    QTemporaryDir ordner;
    Arbeitsordner arbeitsordner(ordner.path());
    QVERIFY(arbeitsordner.ok());
    KomponentenBibliothek b;
    b.lade();
    b.erzeugeKategorien();
    QCOMPARE(b.anzahlElemente(0), 9);
    QCOMPARE(b.anzahlElemente(2), 8);
    QCOMPARE(b.anzahlElemente(3), 5);
    int summe = 0;
    for (int i = 0; i < 24; ++i)
        summe += b.anzahlElemente(i);
    QCOMPARE(summe, 22);
    QCOMPARE(b.kategorieText(7), QStringLiteral("*Reaktoren (0)"));
}

void TstBibliothek::nachschlagen()
{
    QTemporaryDir ordner;
    QDir d(ordner.path());
    QVERIFY(d.mkpath("listen"));
    QVERIFY(schreibe(d.filePath("listen/reaktoren.csv"),
                     reaktorKopf
                     + "Doppelt;Erster;A;10;5000;2;400;1;GSTPV\n"
                     + "Doppelt;Zweiter;A;10;5000;2;400;1;GSTPV\n"
                     + "  Mit Blanks ;Dritter;A;10;5000;2;400;1;GSTPV\n"));
    Arbeitsordner arbeitsordner(ordner.path());
    KomponentenBibliothek b;
    b.lade();

    QCOMPARE(b.suche(7, "Doppelt")->hersteller(), QStringLiteral("Erster"));
    QVERIFY(!b.suche(7, "doppelt"));
    QVERIFY(!b.suche(7, "Doppel"));
    QVERIFY(b.suche(7, "Mit Blanks"));
    QVERIFY(!b.suche(7, "  Mit Blanks "));
    QVERIFY(!b.suche(4, "Doppelt"));
    QVERIFY(!b.suche(24, "Doppelt"));
    QVERIFY(!b.suche(-1, "Doppelt"));

    QCOMPARE(b.element(7, 1)->hersteller(), QStringLiteral("Zweiter"));
    QVERIFY(!b.element(7, 3));
    QVERIFY(!b.element(7, -1));
    QVERIFY(!b.element(24, 0));
    QVERIFY(!b.element(-1, 0));
    QCOMPARE(b.anzahlElemente(24), 0);
    QCOMPARE(b.anzahlElemente(-1), 0);
}

void TstBibliothek::kopieUndNeu()
{
    QTemporaryDir ordner;
    Arbeitsordner arbeitsordner(ordner.path());
    KomponentenBibliothek b;
    b.lade();

    std::unique_ptr<Komponente> k(b.kopie(0, 1));
    QVERIFY(k);
    QVERIFY(k.get() != b.element(0, 1));
    QCOMPARE(k->name(), QStringLiteral("Steigschächte/Treppen"));
    auto *d = dynamic_cast<Diverse *>(k.get());
    QVERIFY(d);
    QCOMPARE(d->typNummer(), 3);

    std::unique_ptr<Komponente> perName(b.kopie(2, QStringLiteral("Rettungskapsel")));
    QVERIFY(perName);
    QCOMPARE(perName->gstpv(), 5);
    QVERIFY(!b.kopie(2, QStringLiteral("rettungskapsel")));
    QVERIFY(!b.kopie(0, 9));
    QVERIFY(!b.kopie(24, 0));
    QVERIFY(!b.kopie(0, static_cast<const Komponente *>(nullptr)));

    for (int kat = 0; kat < 24; ++kat) {
        std::unique_ptr<Komponente> leer(b.neu(kat));
        QVERIFY(leer);
        if (kat == 0 || kat == 2 || kat == 3) {
            QVERIFY(dynamic_cast<Diverse *>(leer.get()));
            QCOMPARE(leer->typ(), 99);
        } else {
            QCOMPARE(leer->typ(), kat);
        }
    }
    QVERIFY(!b.neu(24));
    QVERIFY(!b.neu(-1));
    QVERIFY(!b.neu(99));
}

void TstBibliothek::ausFeldern()
{
    KomponentenBibliothek b;
    std::unique_ptr<Komponente> r(b.ausFeldern(7, {"R", "H", "A", "9", "100", "1", "50", "1", "GSTPV", "\n"}));
    QVERIFY(r);
    QCOMPARE(r->typ(), 7);
    QCOMPARE(r->name(), QStringLiteral("R"));
    QVERIFY(!b.ausFeldern(7, {"R", "H", "A", "9", "100", "1", "50", "1"}));
    QVERIFY(!b.ausFeldern(7, {}));
    QVERIFY(!b.ausFeldern(24, {"R", "H", "A", "9", "100", "1", "50", "1", "GSTPV"}));
    // a built-in category gives a Diverse of type 0, which reads nothing
    QVERIFY(!b.ausFeldern(0, {"Turbolifte"}));
}

void TstBibliothek::gelieferteListen()
{
    const QString daten = QStringLiteral(ZORVEL_DATA_DIR);
    QDir listen(daten + "/listen");
    QVERIFY(listen.exists());

    Arbeitsordner arbeitsordner(daten);
    QVERIFY(arbeitsordner.ok());
    KomponentenBibliothek b;
    b.lade();
    b.erzeugeKategorien();

    for (int kat = 0; kat < 24; ++kat) {
        QVERIFY2(b.anzahlElemente(kat) > 0, qPrintable(b.kategorieText(kat)));
        const QString muster = KomponentenBibliothek::dateiMuster(kat);
        if (muster.isEmpty())
            continue;
        // every data row of every file became a component: nothing dropped
        int zeilen = 0;
        for (const QString &datei : listen.entryList({muster}, QDir::Files)) {
            CsvTabelle t;
            QVERIFY(t.lese(listen.filePath(datei), QLatin1Char(';')));
            QVERIFY2(t.zeilen() >= 2, qPrintable(datei));
            zeilen += t.zeilen() - 1;
        }
        QVERIFY2(zeilen >= 4, qPrintable(muster));
        QCOMPARE(b.anzahlElemente(kat), zeilen);
    }
}

void TstBibliothek::gelieferteListenGueltig()
{
    const QString daten = QStringLiteral(ZORVEL_DATA_DIR);
    Arbeitsordner arbeitsordner(daten);
    KomponentenBibliothek b;
    b.lade();

    bool umlaut = false;
    for (int kat = 0; kat < 24; ++kat) {
        if (KomponentenBibliothek::dateiMuster(kat).isEmpty())
            continue;
        for (int i = 0; i < b.anzahlElemente(kat); ++i) {
            const Komponente *k = b.element(kat, i);
            const QString wo = QStringLiteral("%1: %2").arg(kat).arg(k->name());
            const QStringList roh = k->rohdaten();
            QCOMPARE(roh.size(), k->spaltenAnzahl());
            QVERIFY2(!k->name().isEmpty(), qPrintable(wo));
            QVERIFY2(!k->einheit(false).isEmpty(), qPrintable(wo));
            QVERIFY2(k->tl() > 0 && k->preis() > 0, qPrintable(wo));
            // every numeric field converts as written (no typing slip read as 0)
            for (int s = 3; s < k->spaltenAnzahl() - 1; ++s) {
                const QVariant wert = k->spaltenWert(s);
                const QString text = roh.at(s).trimmed();
                bool ok = true;
                if (wert.typeId() == QMetaType::Int)
                    text.toInt(&ok);
                else if (wert.typeId() == QMetaType::Float)
                    text.toFloat(&ok);
                QVERIFY2(ok, qPrintable(wo + QStringLiteral(", Spalte %1: '%2'").arg(s).arg(text)));
            }
            // no UTF-8 read as Latin-1
            for (const QString &feld : roh)
                QVERIFY2(!feld.contains(QChar(0xC3)), qPrintable(wo));
            if (k->name().contains(QRegularExpression(QStringLiteral("[äöüÄÖÜß]"))))
                umlaut = true;
        }
    }
    QVERIFY(umlaut);
}

QTEST_GUILESS_MAIN(TstBibliothek)
#include "tst_bibliothek.moc"
