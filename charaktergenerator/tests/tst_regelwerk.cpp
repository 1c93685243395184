#include <QtTest>

#include "aktion.h"
#include "basistypus.h"
#include "regelwerk.h"
#include "spezialgebiet.h"

// Checks every table of the rules catalogue against an independently typed copy.
class TestRegelwerk : public QObject
{
    Q_OBJECT

private:
    Regelwerk r;

    // "Name(Kb,Au)" or "Name[3](Hg,Wi)" for a special area
    static QString beschreibe(const Spezialgebiet* s)
    {
        QString t = s->Bezeichnung;
        if (s->Typ != 18)
            t += QStringLiteral("[%1]").arg(s->Typ);
        return t + QStringLiteral("(%1,%2)").arg(Regelwerk::eigenschaftKuerzel(s->Eigenschaft1),
                                                 Regelwerk::eigenschaftKuerzel(s->Eigenschaft2));
    }

private slots:
    void vokabular()
    {
        const QStringList kenntnisse = {
            "Vita", "Akademik", "Technik", "Paranormik", "Transportmittel", "Handwerk & Kunst",
            "Beeinflussen & Verhalten", "Kognition", "Athletik", "Kampf" };
        const QStringList bezug = { "Wi, Wi", "It, It", "It, Wi", "Is, Em", "Si, Hg",
                                    "Is, Wi", "Au, Em", "Is, Si", "Kb, Kb", "Mu, Si" };
        for (int k = 0; k < 10; ++k) {
            QCOMPARE(r.kenntnisName(k), kenntnisse.at(k));
            QCOMPARE(r.kenntnisBezug(k), bezug.at(k));
        }
        QCOMPARE(r.kenntnisName(10), QString());
        QCOMPARE(r.kenntnisName(-1), QString());

        const QStringList spezialisierungen = {
            "Sprachen & Schriften", "Elektrotechnik", "Rüstungstechnik", "Kybernetik",
            "Nano- & Mikrobotik", "Astrotechnik", "Software",
            "Mechanik- & Materialbearbearbeitung", "Biologie & Genetik", "Chemie",
            "Wirkstoffkunde", "Parapsychologie", "Esoterik", "Telepathie",
            "Mentalmanipulation", "Energieflussmanipulation", "Materieflussmanipulation",
            "Lebensflussmanipulation" };
        for (int s = 0; s < 18; ++s)
            QCOMPARE(r.spezialisierungName(s), spezialisierungen.at(s));
        QCOMPARE(r.spezialisierungName(18), QString());
        QCOMPARE(r.spezialisierungName(-1), QString());

        QCOMPARE(Regelwerk::eigenschaftBeschriftung(6), QString("Körperbeherrschung (Kb)"));
        QCOMPARE(Regelwerk::eigenschaftBeschriftung(10), QString("Ausstrahlung (Aus)"));
        QCOMPARE(Regelwerk::eigenschaftName(11), QString());
    }

    void stufen_data()
    {
        QTest::addColumn<int>("punkte");
        QTest::addColumn<int>("stufe");
        QTest::addColumn<QString>("name");
        QTest::newRow("-5") << -5 << 0 << "-";
        QTest::newRow("9") << 9 << 0 << "-";
        QTest::newRow("10") << 10 << 1 << "Dilettant";
        QTest::newRow("25") << 25 << 1 << "Dilettant";
        QTest::newRow("26") << 26 << 2 << "Auszubildender";
        QTest::newRow("99") << 99 << 2 << "Auszubildender";
        QTest::newRow("100") << 100 << 3 << "Geselle";
        QTest::newRow("199") << 199 << 3 << "Geselle";
        QTest::newRow("200") << 200 << 4 << "Experte";
        QTest::newRow("300") << 300 << 5 << "Meister";
        QTest::newRow("499") << 499 << 6 << "Legende";
        QTest::newRow("500") << 500 << 7 << "Transzendent";
        QTest::newRow("5000") << 5000 << 7 << "Transzendent";
    }
    void stufen()
    {
        QFETCH(int, punkte);
        QFETCH(int, stufe);
        QFETCH(QString, name);
        QCOMPARE(r.stufe(punkte), stufe);
        QCOMPARE(r.stufenName(stufe), name);
    }

    void stufenNameAusserhalb()
    {
        QCOMPARE(r.stufenName(8), QString("-"));
        QCOMPARE(r.stufenName(-1), QString("-"));
    }

    void kostentabellen()
    {
        const QList<int> steigerung = { 3, 4, 5, 6, 8, 12, 20, 40, 70, 160 };
        int summe = 0;
        for (int i = 0; i < steigerung.size(); ++i) {
            QCOMPARE(r.steigerungsKosten(i), steigerung.at(i));
            summe += r.steigerungsKosten(i);
        }
        QCOMPARE(summe, 328);
        QCOMPARE(r.steigerungsKosten(10), -1);
        QCOMPARE(r.steigerungsKosten(-1), -1);

        const QList<int> spezi = { 0, 1, 2, 3, 4, 6, 8, 11, 16, 23, 33, 44, 56, 69, 83, 98,
                                   114, 131, 149, 168, 188 };
        for (int i = 0; i <= 20; ++i)
            QCOMPARE(r.spezialgebietKosten(i), spezi.at(i));
        QCOMPARE(r.spezialgebietKosten(21), -1);
        QCOMPARE(r.spezialgebietKosten(-1), -1);

        const QList<int> befaehigung = { 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 14, 20 };
        for (int b = -10; b <= 2; ++b)
            QCOMPARE(r.befaehigungKosten(b), befaehigung.at(b + 10));
        QCOMPARE(r.befaehigungKosten(3), -1);
        QCOMPARE(r.befaehigungKosten(-11), -1);
    }

    void basistypen_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("zeile");
        // name geschlecht W G Abz HS ASP MSP KSP EP MP SP TP Ph Ps DE AE M Ce Ca
        const char* const zeilen[] = {
            "Terraner|männlich|3|185|110|0|80|120|0|200|0|20|0|1.5|1.5|0|0|1|0|0",
            "Terranerin|weiblich|3|175|110|0|80|120|0|200|0|20|0|1.5|1.5|0|0|1|0|0",
            "Metonoid|männlich|3|235|95|3|100|150|0|170|10|0|10|1.3|1.4|0|0|1|0|0",
            "Metonoidin|weiblich|3|225|95|3|100|150|0|170|10|0|10|1.3|1.4|0|0|1|0|0",
            "Minelauvaner|männlich|3|175|95|2|72|108|0|185|0|10|0|1.4|1.6|0|0|1|0|0",
            "Minelauvanerin|weiblich|3|160|95|2|72|108|0|185|0|10|0|1.4|1.6|0|0|1|0|0",
            "Beta-Pictor|neutrum|0|155|105|0|64|96|0|175|0|0|0|2.5|0.8|40|0|0|0|0",
            "Tokmarde|neutrum|3|200|125|0|104|104|52|90|0|0|5|1.1|1.7|0|0|1|1|0",
            "Wandler-Chamäleonid|neutrum|3|50|0|0|0|180|0|175|0|0|0|1.6|1.6|0|0|1|0|0",
            "Halb-Zorvelat|männlich|3|190|110|0|0|0|0|150|0|40|0|1.5|1.5|0|10|0|0|0",
            "Halb-Zorvelatin|weiblich|3|180|110|0|0|0|0|150|0|40|0|1.5|1.5|0|10|0|0|0",
            "Cassiopier-Arbeiterin|weiblich|3|160|90|5|68|102|0|145|0|0|0|2|1.3|0|0|1|0|1",
            "Halb-Xeracor|männlich|3|185|100|0|80|120|1|185|0|0|0|1.3|1.5|0|0|1|0|0",
            "Halb-Xeracorin|weiblich|3|175|100|0|80|120|1|185|0|0|0|1.3|1.5|0|0|1|0|0",
            "Veganoid|Riza|3|115|90|0|44|66|0|90|100|0|0|1.8|1.6|0|0|1|0|0",
            "konföderierter Metonoid|männlich|3|230|100|0|100|150|0|190|0|0|0|1.3|1.4|0|0|1|0|0",
            "konföderierte Metonoidin|weiblich|3|220|100|0|100|150|0|190|0|0|0|1.3|1.4|0|0|1|0|0",
            "At'rang-gulor|Springer|3|180|130|0|60|90|0|190|0|0|0|1.7|1.2|0|0|1|0|0",
        };
        for (int i = 0; i < 18; ++i)
            QTest::addRow("%d", i) << i << QString::fromUtf8(zeilen[i]);
    }
    void basistypen()
    {
        QFETCH(int, index);
        QFETCH(QString, zeile);
        const Basistypus* b = r.basistyp(index);
        const QStringList f = {
            b->name, b->geschlecht, QString::number(b->groessenWuerfel),
            QString::number(b->grundgroesse), QString::number(b->gewichtsAbzug),
            QString::number(b->hautschutz), QString::number(b->asp), QString::number(b->msp),
            QString::number(b->ksp), QString::number(b->startEP), QString::number(b->startMP),
            QString::number(b->startSP), QString::number(b->startTP),
            QString::number(double(b->physisFaktor), 'g', 3),
            QString::number(double(b->psycheFaktor), 'g', 3), QString::number(b->startDE),
            QString::number(b->startAE), QString::number(int(b->mpKaufbar)),
            QString::number(int(b->ceptomyzinMoeglich)), QString::number(int(b->cassiasMoeglich)) };
        QCOMPARE(f.join('|'), zeile);
    }

    void basistypenAnzahlUndNamen()
    {
        QCOMPARE(r.anzahlBasistypen(), 18);
        const QStringList namen = r.basistypNamen();
        QCOMPARE(namen.size(), 18);
        QCOMPARE(namen.first(), QString("Terraner"));
        QCOMPARE(namen.last(), QString("At'rang-gulor"));
        QCOMPARE(r.basistyp(18), r.basistyp(0));
        QCOMPARE(r.basistyp(-1)->name, QString("Terraner"));
        int ep = 0;
        for (int i = 0; i < 18; ++i)
            ep += r.basistyp(i)->startEP;
        QCOMPARE(ep, 3025);
    }

    void startwerte_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("werte");
        const char* const zeilen[] = {
            "10 10 10 10 10 10 10 10 10 10 10", "10 10 10 10 10 10 10 10 10 10 10",
            "10 7 8 12 10 14 8 9 10 12 10", "10 7 8 12 10 14 8 9 10 12 10",
            "8 10 7 9 8 8 15 9 12 14 10", "8 10 7 9 8 8 15 9 12 14 10",
            "15 7 7 9 14 8 8 7 12 13 10", "13 10 8 11 8 0 0 0 0 0 10",
            "7 10 11 11 9 12 11 8 13 9 9", "9 16 15 7 9 9 8 10 8 7 12",
            "9 16 15 7 9 9 8 10 8 7 12", "11 12 10 12 9 7 8 8 15 8 10",
            "10 10 11 8 9 11 8 10 9 11 13", "10 10 11 8 9 11 8 10 9 11 13",
            "9 13 11 10 12 6 7 13 8 8 12", "11 8 9 11 11 12 8 9 10 11 10",
            "11 8 9 11 11 12 8 9 10 11 10", "8 10 10 8 8 10 12 9 11 16 8",
        };
        for (int i = 0; i < 18; ++i)
            QTest::addRow("%d", i) << i << QString(zeilen[i]);
    }
    void startwerte()
    {
        QFETCH(int, index);
        QFETCH(QString, werte);
        QStringList ist;
        for (int e = 0; e < 11; ++e)
            ist << QString::number(r.basistyp(index)->startwerte[e]);
        QCOMPARE(ist.join(' '), werte);
    }

    void bonusSpezialgebieteDerBasistypen()
    {
        const QStringList erwartet = {
            "Ausweichen,Rennen & Springen", "Ausweichen,Rennen & Springen",
            "Ausweichen,Rennen & Springen", "Ausweichen,Rennen & Springen",
            "Ausweichen,Schwimmen", "Ausweichen,Schwimmen", "Ausweichen,Rennen & Springen",
            "Ausweichen,Rennen & Springen,Software", "Ausweichen,Rennen & Springen,Verwandeln",
            "Ausweichen,Rennen & Springen,Materie verändern",
            "Ausweichen,Rennen & Springen,Materie verändern", "Ausweichen,Rennen & Springen",
            "Ausweichen,Rennen & Springen", "Ausweichen,Rennen & Springen",
            "Ausweichen,Telepathie", "Ausweichen,Rennen & Springen",
            "Ausweichen,Rennen & Springen", "Ausweichen,Fliegen" };
        for (int i = 0; i < 18; ++i) {
            QStringList namen;
            for (const Spezialgebiet* s : r.basistyp(i)->bonusSpezialgebiete) {
                namen << s->Bezeichnung;
                // the species point at the catalogue's own bonus areas
                bool gefunden = false;
                for (int k = 0; k < 8; ++k)
                    gefunden = gefunden || r.bonusSpezialgebiet(k) == s;
                QVERIFY(gefunden);
            }
            QCOMPARE(namen.join(','), erwartet.at(i));
        }
    }

    void merkmale()
    {
        const char* const anfaenge[] = {
            "-", "-",
            "Lichtadaptive Augen: halbe Umwelt-Schwelle bei Dunkelheit",
            "Lichtadaptive Augen: halbe Umwelt-Schwelle bei Dunkelheit",
            "Gravitationssinn: +1", "Gravitationssinn: +1",
            "Immunitäten: Telepathie, Mentalmanipulation, Lebensflussmanipulation, Dunkelheit, Wunde E",
            "Tokmardisch-Trinär: +2 Bonus Technik / Software",
            "Gestaltwandlung: keine Implantate",
            "Astroniumkörper: Schaden halbiert, Scanschutz +2",
            "Astroniumkörper: Schaden halbiert, Scanschutz +2",
            "Hitzekörper: Hautschutz B 10",
            "Siliziumkörper:Mineralienverzehr, LE-Regeneration x 2, Hautschutz X/B 3",
            "Siliziumkörper:Mineralienverzehr, LE-Regeneration x 2, Hautschutz X/B 3",
            "Molesproduktion: 500 g / Tag", "Interplasma (Stoffwechselanpassung)",
            "Lichtadaptive Augen: halbe Umwelt-Schwelle bei Dunkelheit",
            "Fliegen: Behinderung Boden -2, Wasser -4, max. Gewichtsbehinderung -1" };
        for (int i = 0; i < 18; ++i) {
            const QString m = r.basistyp(i)->merkmale;
            QVERIFY2(m.startsWith(QString::fromUtf8(anfaenge[i])), qPrintable(m));
            QVERIFY(!m.contains('\n'));
            if (i < 2) {
                QCOMPARE(m, QString("-"));
            } else {
                QVERIFY2(m.size() >= 78 && m.size() <= 220, qPrintable(m));
                QVERIFY(m.contains(';'));
            }
        }
    }

    void spezialgebiete_data()
    {
        QTest::addColumn<int>("kenntnis");
        QTest::addColumn<int>("anzahl");
        QTest::addColumn<QString>("liste");
        QTest::newRow("Vita") << 0 << 6
            << "Medizin(It,Hg);Wirkstoffkunde(Si,Mu);Biologie & Genetik(It,It);Chemie(Is,It);"
               "Tierkunde(It,Wi);Botanik(It,Wi)";
        QTest::newRow("Akademik") << 1 << 8
            << "Physik & Mathematik(Wi,It);Sprachen & Schriften[0](Is,Wi);Jura(Is,Wi);"
               "Philosophie(Wi,Wi);Psychologie(Wi,Is);Geschichte & Politik(Wi,Wi);"
               "Kultur & Gesellschaft(Wi,Wi);Taktik & Strategie(It,Wi)";
        QTest::newRow("Technik") << 2 << 8
            << "Kybernetik[3](Hg,Wi);Elektrotechnik[1](Hg,Wi);Rüstungstechnik[2](Hg,Wi);"
               "Mikro- & Nanobotik[4](It,Wi);Mechanik- & Materialbearbeitung(Hg,Wi);"
               "Software[6](It,Wi);Astrotechnik[5](Hg,Wi);Sensoren & Scanner(Wi,Wi)";
        QTest::newRow("Paranormik") << 3 << 7
            << "Esoterik[12](Is,Wi);Parapsychologie[11](Wi,Wi);Telepathie[13](Em,Em);"
               "Mentalmanipulation[14](Em,Au);Energieflussmanipulation[15](Em,It);"
               "Lebensflussmanipulation[17](Em,It);Materieflussmanipulation[16](Em,It)";
        QTest::newRow("Transportmittel") << 4 << 8
            << "Landtiere reiten(Kb,Au);Lufttiere reiten(Kb,Au);Wassertiere reiten(Kb,Au);"
               "Raumfahrzeuge(Wi,It);Landfahrzeuge(Si,Hg);Luftfahrzeuge(Hg,Is);"
               "Unterseefahrzeuge(Wi,Is);Seefahrzeuge(Si,Wi)";
        QTest::newRow("Handwerk") << 5 << 6
            << "Bildkunst(Is,Hg);Kochen & Kulinarik(Si,Wi);Spiele spielen(Is,Em);"
               "Musizieren & Musik (m. Instr.)(Si,Hg);Stimme(Em,Si);Geschichtsschöpfung(It,Is)";
        QTest::newRow("Beeinflussen") << 6 << 9
            << "Etikette & Förmlichkeit(Wi,Is);Straßenleben(Wi,Wi);Handeln(Au,Is);"
               "Schauspielern(Mu,Is);Einschüchtern(Au,Mu);Kommandieren(It,Au);"
               "Lügen & Täuschen(Mu,Is);Überzeugen(Au,Em);Verführen(Au,Mu)";
        QTest::newRow("Kognition") << 7 << 4
            << "Suchen(Wi,Si);Orientierung(It,Wi);Verstecken(Kb,Si);Einschätzen(It,Wi)";
        QTest::newRow("Athletik") << 8 << 8
            << "Akrobatik(Mu,Ko);Ausweichen(Si,Is);Klettern(Kr,Hg);Rennen & Springen(Kr,Ko);"
               "Null-G-Bewegung(Si,Kb);Schleichen(Si,Si);Schwimmen(Kr,Ko);Tanzen(Au,Ko)";
        QTest::newRow("Kampf") << 9 << 9
            << "Hiebwaffen(Kr,Kb);Stichwaffen(Hg,Kb);Waffenloser Kampf(Kr,Kb);"
               "Faustfeuerwaffen(Hg,Hg);Gewehre(Kb,Hg);Schw. Schusswaffen(Kr,Kb);"
               "Wurfwaffen(Kr,Kb);Bordwaffen(Wi,Hg);Sprengstoffe(Wi,Wi)";
    }
    void spezialgebiete()
    {
        QFETCH(int, kenntnis);
        QFETCH(int, anzahl);
        QFETCH(QString, liste);
        QCOMPARE(r.anzahlSpezialgebiete(kenntnis), anzahl);
        QStringList ist;
        for (int i = 0; i < anzahl; ++i) {
            const Spezialgebiet* s = r.spezialgebiet(kenntnis, i);
            QVERIFY(s);
            QCOMPARE(s->Kenntnis, kenntnis);
            QCOMPARE(s->Bonus, 0);
            QCOMPARE(s->Wert, 0);
            QVERIFY(!s->bonusSpezialgebiet);
            ist << beschreibe(s);
        }
        QCOMPARE(ist.join(';'), liste);
        QVERIFY(!r.spezialgebiet(kenntnis, anzahl));
        QVERIFY(!r.spezialgebiet(kenntnis, -1));
    }

    void spezialgebieteGesamt()
    {
        int summe = 0;
        for (int k = 0; k < 10; ++k)
            summe += r.anzahlSpezialgebiete(k);
        QCOMPARE(summe, 73);
        QCOMPARE(r.anzahlSpezialgebiete(10), 0);
        QCOMPARE(r.anzahlSpezialgebiete(-1), 0);
        QVERIFY(!r.spezialgebiet(10, 0));
    }

    void bonusSpezialgebiete()
    {
        const QStringList erwartet = {
            "Ausweichen(Si,Is)/8", "Rennen & Springen(Kr,Ko)/8", "Telepathie[13](Em,Em)/3",
            "Schwimmen(Kr,Ko)/8", "Verwandeln(Si,Is)/8", "Software[6](It,Wi)/2",
            "Materie verändern(It,Em)/5", "Fliegen(Kr,Ko)/8" };
        for (int i = 0; i < 8; ++i) {
            const Spezialgebiet* s = r.bonusSpezialgebiet(i);
            QVERIFY(s);
            QCOMPARE(beschreibe(s) + '/' + QString::number(s->Kenntnis), erwartet.at(i));
            QVERIFY(s->bonusSpezialgebiet);
            QCOMPARE(s->Bonus, 0);
            QCOMPARE(s->Wert, 0);
        }
        QVERIFY(!r.bonusSpezialgebiet(8));
        QVERIFY(!r.bonusSpezialgebiet(-1));
    }

    void aktionen_data()
    {
        QTest::addColumn<int>("art");
        QTest::addColumn<QString>("liste");
        QTest::addColumn<int>("kostenSumme");
        QTest::newRow("Sprachen") << 0
            << "Standard(Imperial):1/0:3;Neosynd:1/0:4;Newdeutsch:1/0:6;Allianzarabisch:1/0:7;"
               "Panasia:1/0:8;Skandinav:1/0:5;Ellinica:1/0:6;Betala:1/0:5;Nezordrular:1/0:6;"
               "Assalla-Ayg:1/0:7;Miqalin:1/0:4;Tokmardisch-Trinär:1/0:6;SOA:1/0:7;"
               "Dyrania:1/0:4;Portespan:1/0:4;Francais universel:1/0:5;Latein:1/0:7;"
               "Ordrular:1/0:7;Woique:1/0:5;Assalla-Dre:1/0:8;Xeracorisch:1/0:4;"
               "Car\u2019tory-kena:1/0:5" << 123;
        QTest::newRow("Technik") << 1
            << "Mod. von Elektrokomponenten:2/1:5;Anpassung von Xenotechnologie:2/1:11;"
               "Waffenausstattungsmod und -bau:2/2:3;Bordwaffenmodifikation:2/2:13;"
               "Nahkampfwaffenmodifikation:2/2:8;Fernkampfwaffenmodifikation:2/2:12;"
               "Schutzkleidungsmodifikation:2/2:6;Implantatmodifikation:2/3:8;"
               "Artifikantenkonstruktion:2/3:5;Nanobotmodifikation:2/4:10;"
               "Raumschiffssystemmodifikation:2/5:12;Raumschiffkonstruktion:2/5:7;"
               "Programmverbesserung:2/6:4;Software-Inkorporation:2/6:7;"
               "Pargrum programmieren:2/6:10;ID/Transponder herstellen:2/6:6;"
               "metonoidische Waffenmodifikation:2/7:8;Mutationsbeeinflussung:0/8:5;"
               "Lebewesen herstellen:0/8:11;Chemikalienherstellung:0/9:3;Sprengsatzbau:0/9:5;"
               "Arzneimittelmodifikation:0/10:6" << 165;
        QTest::newRow("Paranormik") << 2
            << "Abschirmung:3/11:4;Quellverstärkung:3/11:8;Entdeckung:3/11:6;Umleitung:3/11:5;"
               "Tiefenmeditation:3/12:2;Trance:3/12:4;Empathie:3/13:2;"
               "Gedankenübertragung:3/13:3;Kooperation:3/13:3;Sondierung:3/13:3;"
               "Wanderung:3/13:6;Illusion:3/14:5;Kontrolle:3/14:6;Bewusstseinsangriff:3/14:5;"
               "Pyro-/Cryokinese:3/15:6;Energokinese:3/15:7;Radiokinese:3/15:5;"
               "Telekinese:3/16:7;Deformation:3/16:8;Synergie:3/17:5;Biorhythmus:3/17:5;"
               "Handauflegen:3/17:4;Stärken/Schwächen:3/17:6" << 115;
    }
    void aktionen()
    {
        QFETCH(int, art);
        QFETCH(QString, liste);
        QFETCH(int, kostenSumme);
        QStringList ist;
        int summe = 0;
        for (int i = 0; i < r.anzahlAktionen(art); ++i) {
            const Aktion* a = r.aktion(art, i);
            QCOMPARE(a->Befaehigung, -10);
            summe += a->Kosten;
            ist << QStringLiteral("%1:%2/%3:%4").arg(a->Bezeichnung).arg(a->Kenntnis)
                       .arg(a->Spezialisierung).arg(a->Kosten);
        }
        QCOMPARE(ist.join(';'), liste);
        QCOMPARE(summe, kostenSumme);
        QVERIFY(!r.aktion(art, r.anzahlAktionen(art)));
        QVERIFY(!r.aktion(art, -1));
    }

    void aktionenAnzahlUndSuche()
    {
        QCOMPARE(r.anzahlAktionen(0), 22);
        QCOMPARE(r.anzahlAktionen(1), 22);
        QCOMPARE(r.anzahlAktionen(2), 23);
        QCOMPARE(r.anzahlAktionen(7), 23);   // every other kind is paranormal
        const QString car = r.aktion(0, 21)->Bezeichnung;
        QCOMPARE(car.size(), 13);
        QCOMPARE(car, QString::fromUtf8("Car\u2019tory-kena"));   // an apostrophe, no control character
        QCOMPARE(r.sucheAktion(0, "Latein")->Kosten, 7);
        QCOMPARE(r.sucheAktion(0, "Francais")->Bezeichnung, QString("Francais universel"));
        QVERIFY(!r.sucheAktion(0, "latein"));
        QCOMPARE(r.sucheAktion(1, "Bordwaffen")->Kosten, 13);
        QCOMPARE(r.sucheAktion(2, "Empathie")->Kosten, 2);
        QVERIFY(!r.sucheAktion(2, "Latein"));
    }
};

QTEST_GUILESS_MAIN(TestRegelwerk)
#include "tst_regelwerk.moc"
