#include "basistypus.h"
#include "charakter.h"
#include "regelwerk.h"
#include "tabbasis.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>
#include <QTextEdit>

class TestTabBasis : public QObject
{
    Q_OBJECT

private:
    Regelwerk *regelwerk = nullptr;
    Charakter *charakter = nullptr;
    TabBasis *tab = nullptr;

    template<typename T>
    T *kind(const QString &name)
    {
        T *w = tab->findChild<T *>(name);
        if (!w)
            qFatal("widget %s not found", qPrintable(name));
        return w;
    }
    QComboBox *combo() { return kind<QComboBox>(QStringLiteral("comboBasistypus")); }
    QSpinBox *groesse() { return kind<QSpinBox>(QStringLiteral("boxGroesse")); }
    QSpinBox *gewicht() { return kind<QSpinBox>(QStringLiteral("boxGewicht")); }

private slots:
    void init()
    {
        regelwerk = new Regelwerk;
        charakter = new Charakter(regelwerk);
        tab = new TabBasis(charakter, regelwerk);
        tab->neuAufbauen();
        tab->show();
    }
    void cleanup()
    {
        delete tab;
        delete charakter;
        delete regelwerk;
    }

    void startzustand()
    {
        QCOMPARE(combo()->count(), 18);
        QCOMPARE(combo()->itemText(0), QStringLiteral("Terraner"));
        QCOMPARE(combo()->itemText(17), QStringLiteral("At'rang-gulor"));
        QCOMPARE(combo()->currentIndex(), 0);
        QCOMPARE(groesse()->value(), 0);
        QCOMPARE(gewicht()->value(), 0);
        QCOMPARE(groesse()->maximum(), 1000);
        QCOMPARE(gewicht()->maximum(), 1000);
        QVERIFY(kind<QSpinBox>(QStringLiteral("editHautschutz"))->isReadOnly());
        QCOMPARE(kind<QDateEdit>(QStringLiteral("dateGeburtsdatum"))->date(), QDate(2650, 1, 1));
        QCOMPARE(kind<QLabel>(QStringLiteral("labelSpeziesmerkmale"))->text(), QStringLiteral("-"));
        QCOMPARE(kind<QPushButton>(QStringLiteral("buttonGroesseZufall"))->text().remove('&'), QStringLiteral("Zufall"));
        QCOMPARE(kind<QPushButton>(QStringLiteral("buttonGewichtNormal"))->text().remove('&'), QStringLiteral("normal"));
    }

    void speziesWechsel_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("merkmaleAnfang");
        QTest::addColumn<int>("hautschutz");
        QTest::newRow("Metonoidin") << 3 << "Lichtadaptive Augen: halbe Umwelt-Schwelle bei Dunkelheit" << 3;
        QTest::newRow("Minelauvaner") << 4 << "Gravitationssinn: +1" << 2;
        QTest::newRow("Cassiopier-Arbeiterin") << 11 << "Hitzekörper: Hautschutz B 10" << 5;
        QTest::newRow("At'rang-gulor") << 17 << "Fliegen: Behinderung Boden -2" << 0;
        QTest::newRow("Terraner") << 0 << "-" << 0;
    }
    void speziesWechsel()
    {
        QFETCH(int, index);
        QSignalSpy kopf(tab, &AbstractTab::signalUpdateHeader);
        QSignalSpy spezis(tab, &TabBasis::basistypChanged);
        combo()->setCurrentIndex(17 - index); // a different species first
        kopf.clear();
        combo()->setCurrentIndex(index);
        QCOMPARE(charakter->basistypusIndex(), index);
        QFETCH(QString, merkmaleAnfang);
        QVERIFY(kind<QLabel>(QStringLiteral("labelSpeziesmerkmale"))->text().startsWith(merkmaleAnfang));
        QTEST(kind<QSpinBox>(QStringLiteral("editHautschutz"))->value(), "hautschutz");
        QCOMPARE(kopf.count(), 1);
        QCOMPARE(spezis.count(), 0); // module off
    }

    void speziesWechselMitModul()
    {
        QSignalSpy spezis(tab, &TabBasis::basistypChanged);
        QSignalSpy kopf(tab, &AbstractTab::signalUpdateHeader);
        charakter->setzeBenutztSpezis(true);
        combo()->setCurrentIndex(8);
        QCOMPARE(spezis.count(), 1);
        QCOMPARE(kopf.count(), 1);
        charakter->setzeBenutztSpezis(false);
        combo()->setCurrentIndex(9);
        QCOMPARE(spezis.count(), 1);
    }

    // Changing the species keeps the personal data and the spent EP.
    void speziesWechselBehaeltDaten()
    {
        kind<QTextEdit>(QStringLiteral("textKindheit"))->setPlainText(QStringLiteral("Raumhafen"));
        groesse()->setValue(180);
        charakter->eigenschaftSteigern(0);
        combo()->setCurrentIndex(5);
        QCOMPARE(charakter->text(7), QStringLiteral("Raumhafen"));
        QCOMPARE(charakter->groesse(), 180);
        QCOMPARE(groesse()->value(), 180);
        QCOMPARE(charakter->eigenschaftPunkte(0), 1);
        QCOMPARE(charakter->startEP(true), 182);
    }

    void zufallsGroesse_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("minimum");
        QTest::addColumn<int>("maximum");
        QTest::newRow("Terraner") << 0 << 188 << 203;
        QTest::newRow("Terranerin") << 1 << 178 << 193;
        QTest::newRow("Wandler-Chamäleonid") << 8 << 53 << 68;
        QTest::newRow("Beta-Pictor") << 6 << 155 << 155;
    }
    void zufallsGroesse()
    {
        QFETCH(int, index);
        QFETCH(int, minimum);
        QFETCH(int, maximum);
        combo()->setCurrentIndex(index);
        QSet<int> gesehen;
        for (int i = 0; i < 200; ++i) {
            QTest::mouseClick(kind<QPushButton>(QStringLiteral("buttonGroesseZufall")), Qt::LeftButton);
            const int g = groesse()->value();
            QVERIFY2(g >= minimum && g <= maximum, qPrintable(QString::number(g)));
            QCOMPARE(charakter->groesse(), g);
            gesehen.insert(g);
        }
        if (minimum == maximum)
            QCOMPARE(gesehen.size(), 1);
        else // three dice: the 200 rolls spread over the range
            QVERIFY(gesehen.size() > 5);
    }

    void normalGewicht_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("groesse");
        QTest::addColumn<int>("gewicht");
        QTest::newRow("Terraner 185") << 0 << 185 << 75;
        QTest::newRow("Metonoid 240") << 2 << 240 << 145;
        QTest::newRow("Wandler 60") << 8 << 60 << 60;
        QTest::newRow("Terraner 0 clamped") << 0 << 0 << 0;
        QTest::newRow("Tokmarde 100 clamped") << 7 << 100 << 0;
    }
    void normalGewicht()
    {
        QFETCH(int, index);
        QFETCH(int, groesse);
        combo()->setCurrentIndex(index);
        gewicht()->setValue(33);
        this->groesse()->setValue(groesse);
        QTest::mouseClick(kind<QPushButton>(QStringLiteral("buttonGewichtNormal")), Qt::LeftButton);
        QTEST(gewicht()->value(), "gewicht");
        QTEST(charakter->gewicht(), "gewicht");
    }

    void einzeiligeTexte_data()
    {
        QTest::addColumn<QString>("widget");
        QTest::addColumn<int>("feld");
        QTest::newRow("Name") << "editName" << 0;
        QTest::newRow("Reich") << "editReich" << 1;
        QTest::newRow("Heimatplanet") << "editHeimatplanet" << 2;
        QTest::newRow("Haarfarbe") << "editHaarfarbe" << 3;
        QTest::newRow("Hautfarbe") << "editHautfarbe" << 4;
        QTest::newRow("Augenfarbe") << "editAugenfarbe" << 5;
        QTest::newRow("Grundcharakter") << "lineGrundcharakter" << 11;
        QTest::newRow("Charakterzüge") << "lineCharakterzuege" << 12;
        QTest::newRow("Titel") << "lineTitel" << 15;
    }
    void einzeiligeTexte()
    {
        QFETCH(QString, widget);
        QFETCH(int, feld);
        QSignalSpy kopf(tab, &AbstractTab::signalUpdateHeader);
        QLineEdit *edit = kind<QLineEdit>(widget);
        edit->setFocus();
        QTest::keyClicks(edit, QStringLiteral("Ärger & Öl"));
        QCOMPARE(charakter->text(feld), QString()); // only finished edits count
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(charakter->text(feld), QStringLiteral("Ärger & Öl"));
        for (int andere = 0; andere < 17; ++andere)
            if (andere != feld)
                QCOMPARE(charakter->text(andere), QString());
        // only the name is shown in the header
        QCOMPARE(kopf.count(), feld == 0 ? 1 : 0);
    }

    void mehrzeiligeTexte_data()
    {
        QTest::addColumn<QString>("widget");
        QTest::addColumn<int>("feld");
        QTest::newRow("Sonstiges") << "textAussehen" << 6;
        QTest::newRow("Kindheit") << "textKindheit" << 7;
        QTest::newRow("Erziehung") << "textErziehung" << 8;
        QTest::newRow("Beruf") << "textBeruf" << 9;
        QTest::newRow("Werdegang") << "textWerdegang" << 10;
        QTest::newRow("Umfeld") << "textUmfeld" << 13;
        QTest::newRow("Hobbies") << "textHobbies" << 14;
        QTest::newRow("Beziehungen") << "textBeziehungen" << 16;
    }
    void mehrzeiligeTexte()
    {
        QFETCH(QString, widget);
        QFETCH(int, feld);
        QSignalSpy kopf(tab, &AbstractTab::signalUpdateHeader);
        QTextEdit *edit = kind<QTextEdit>(widget);
        edit->setFocus();
        QTest::keyClicks(edit, QStringLiteral("<b>zwei</b>"));
        QTest::keyClick(edit, Qt::Key_Return);
        QTest::keyClicks(edit, QStringLiteral("Zeilen"));
        QCOMPARE(charakter->text(feld), QStringLiteral("<b>zwei</b>\nZeilen"));
        for (int andere = 0; andere < 17; ++andere)
            if (andere != feld)
                QCOMPARE(charakter->text(andere), QString());
        QCOMPARE(kopf.count(), 0);
    }

    void zahlenUndDatum()
    {
        QSignalSpy kopf(tab, &AbstractTab::signalUpdateHeader);
        groesse()->setValue(177);
        gewicht()->setValue(71);
        kind<QDateEdit>(QStringLiteral("dateGeburtsdatum"))->setDate(QDate(2641, 7, 23));
        QCOMPARE(charakter->groesse(), 177);
        QCOMPARE(charakter->gewicht(), 71);
        QCOMPARE(charakter->geburtsdatum(), QDate(2641, 7, 23));
        QCOMPARE(kopf.count(), 0);
    }

    void aktualisierenFuelltAlles()
    {
        for (int feld = 0; feld < 17; ++feld)
            charakter->setzeText(feld, QStringLiteral("Feld %1").arg(feld));
        charakter->setzeBasistypus(12);
        charakter->setzeGroesse(190);
        charakter->setzeGewicht(90);
        charakter->setzeGeburtsdatum(QDate(2604, 2, 29));
        tab->aktualisieren();

        const char *const einzeilig[][2] = { { "editName", "0" },       { "editReich", "1" },
                                             { "editHeimatplanet", "2" }, { "editHaarfarbe", "3" },
                                             { "editHautfarbe", "4" },  { "editAugenfarbe", "5" },
                                             { "lineGrundcharakter", "11" },
                                             { "lineCharakterzuege", "12" }, { "lineTitel", "15" } };
        for (const auto &e : einzeilig)
            QCOMPARE(kind<QLineEdit>(QLatin1String(e[0]))->text(), QStringLiteral("Feld ") + QLatin1String(e[1]));
        const char *const mehrzeilig[][2] = { { "textAussehen", "6" }, { "textKindheit", "7" },
                                              { "textErziehung", "8" }, { "textBeruf", "9" },
                                              { "textWerdegang", "10" }, { "textUmfeld", "13" },
                                              { "textHobbies", "14" }, { "textBeziehungen", "16" } };
        for (const auto &e : mehrzeilig)
            QCOMPARE(kind<QTextEdit>(QLatin1String(e[0]))->toPlainText(),
                     QStringLiteral("Feld ") + QLatin1String(e[1]));
        QCOMPARE(combo()->currentIndex(), 12);
        QCOMPARE(groesse()->value(), 190);
        QCOMPARE(gewicht()->value(), 90);
        QCOMPARE(kind<QDateEdit>(QStringLiteral("dateGeburtsdatum"))->date(), QDate(2604, 2, 29));
        QCOMPARE(kind<QLabel>(QStringLiteral("labelSpeziesmerkmale"))->text(),
                 charakter->basistyp()->merkmale);
        // filling the widgets wrote nothing different back
        for (int feld = 0; feld < 17; ++feld)
            QCOMPARE(charakter->text(feld), QStringLiteral("Feld %1").arg(feld));
        QCOMPARE(charakter->basistypusIndex(), 12);
        QCOMPARE(charakter->groesse(), 190);
        QCOMPARE(charakter->gewicht(), 90);
    }

    void neuAufbauenNachReset()
    {
        combo()->setCurrentIndex(6);
        groesse()->setValue(155);
        gewicht()->setValue(50);
        kind<QTextEdit>(QStringLiteral("textHobbies"))->setPlainText(QStringLiteral("Schach"));
        charakter->zuruecksetzen();
        tab->neuAufbauen();
        QCOMPARE(combo()->currentIndex(), 0);
        QCOMPARE(groesse()->value(), 0);
        QCOMPARE(gewicht()->value(), 0);
        QCOMPARE(kind<QTextEdit>(QStringLiteral("textHobbies"))->toPlainText(), QString());
        QCOMPARE(kind<QLabel>(QStringLiteral("labelSpeziesmerkmale"))->text(), QStringLiteral("-"));
        QCOMPARE(charakter->text(14), QString());
    }
};

QTEST_MAIN(TestTabBasis)
#include "tst_tabbasis.moc"
