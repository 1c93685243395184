// A damaged or hand-edited character file loaded through the window: every
// step must show it (aktualisieren / neuAufbauen, painting of every table)
// and "neu" must clear it, without a crash or a read outside a table.

#include "abstracttab.h"
#include "mainwindow.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <climits>

#include "beschaedigtedateien_hilfen.h"
#include "fenster_hilfen.h"

using namespace beschaedigt;

namespace {

// Only the box that lists the values brought into the rules may show up.
QString andereMeldungen(const QStringList& meldungen)
{
    QStringList andere;
    for (const QString& m : meldungen) {
        if (!m.contains(QStringLiteral("die die Regeln nicht zulassen")))
            andere << m;
    }
    return andere.join(u'\n');
}

} // namespace

class TestBeschaedigteDateienFenster : public QObject
{
    Q_OBJECT

private slots:
    void jederSchrittZeigtDieDatei_data();
    void jederSchrittZeigtDieDatei();
};

void TestBeschaedigteDateienFenster::jederSchrittZeigtDieDatei_data()
{
    QTest::addColumn<QByteArray>("innen");

    const QByteArray spezis = "<Spezialgebiete BenutztSpezis=\"Ja\">";
    QTest::newRow("species 99") << QByteArray("<Basisdaten BasistypusIndex=\"99\" generieren=\"Ja\"/>");
    QTest::newRow("species -1, generated")
        << QByteArray("<Basisdaten BasistypusIndex=\"-1\" generieren=\"Nein\"/>");
    QTest::newRow("raises 500")
        << QByteArray("<Basisdaten generieren=\"Ja\"/><Eigenschaften" + alle(EigenschaftNamen, "500") + "/>");
    QTest::newRow("raises and counters largest int")
        << QByteArray("<Basisdaten generieren=\"Ja\" Sensitiv=\"Ja\"/><Eigenschaften"
                      + alle(EigenschaftNamen, Max) + "/><Punkte" + alle(PunktNamen, Max)
                      + "/><Energie" + alle(EnergieNamen, Max) + "/><Startdinge"
                      + alle(StartdingNamen, Max) + "/>");
    QTest::newRow("raises and counters smallest int")
        << QByteArray("<Basisdaten generieren=\"Nein\"/><Eigenschaften" + alle(EigenschaftNamen, Min)
                      + "/><Punkte" + alle(PunktNamen, Min) + "/><Energie" + alle(EnergieNamen, Min)
                      + "/><Startdinge" + alle(StartdingNamen, Min) + "/><Aussehen Groesse=\"" + Min
                      + "\" Gewicht=\"" + Max + "\"/>");
    QTest::newRow("actions and areas with impossible indices")
        << QByteArray("<Basisdaten generieren=\"Ja\"/><Aktionen>"
                      + aktion("A", "42", "77", "5", "-3") + aktion("B", "-1", "-5", "1", "99")
                      + aktion("C", "3", "18", "2", "-11") + aktion("D", "1", "0", "5", "3")
                      + aktion("E", Min, "0", Max, Min) + aktion("F", "3", Max, Min, Max)
                      + "</Aktionen>" + spezis + gebiet("S", "77", "-1", "0", "20", "-7", "99")
                      + gebiet("T", "-3", "42", "-5", "11", "100", "-1")
                      + gebiet("U", "0", "1", Max, Max, Min, Min)
                      + gebiet("V", "13", "3", Min, "4", "4", Max) + "</Spezialgebiete>");
    QTest::newRow("everything at once, generated")
        << QByteArray("<Basisdaten BasistypusIndex=\"77\" generieren=\"Nein\" Sensitiv=\"Ja\"/>"
                      "<Punkte" + alle(PunktNamen, Max) + "/><Energie" + alle(EnergieNamen, Min)
                      + "/><Eigenschaften" + alle(EigenschaftNamen, Max) + "/><Aktionen>"
                      + aktion("A", "42", "77", Min, Min) + aktion("B", Min, "0", Max, Max)
                      + aktion("C", "3", "13", "1", Max) + "</Aktionen>" + spezis
                      + gebiet("S", "13", Min, Max, Max, Min, Max) + "</Spezialgebiete>");
}

void TestBeschaedigteDateienFenster::jederSchrittZeigtDieDatei()
{
    QFETCH(QByteArray, innen);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString datei = dir.filePath(QStringLiteral("kaputt.zch"));
    {
        QFile f(datei);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Charakter>\n" + innen
                + "\n</Charakter>\n");
    }

    MainWindow fenster;
    fenster.show();
    QVERIFY(QTest::qWaitForWindowExposed(&fenster));
    auto* laden = fenster.findChild<QAction*>(QStringLiteral("actionLaden"));
    auto* neu = fenster.findChild<QAction*>(QStringLiteral("actionNeu"));
    auto* tabs = fenster.findChild<QTabWidget*>(QStringLiteral("tabWidget"));
    QVERIFY(laden && neu && tabs);

    {
        DialogBeantworter antwort(datei);
        laden->trigger();
        QVERIFY2(andereMeldungen(antwort.meldungen).isEmpty(), qPrintable(andereMeldungen(antwort.meldungen)));
    }
    // The file was read: every step is open.
    for (int i = 0; i < tabs->count(); ++i)
        QVERIFY(tabs->isTabEnabled(i));

    // Every step shown and painted, every table drawn.
    for (int runde = 0; runde < 2; ++runde) {
        for (int i = 0; i < tabs->count(); ++i) {
            tabs->setCurrentIndex(i);
            QCoreApplication::processEvents();
            tabs->currentWidget()->grab();
            for (QAbstractItemView* v : tabs->currentWidget()->findChildren<QAbstractItemView*>())
                v->viewport()->grab();
        }
        // The editor's own refresh paths once more, directly.
        for (AbstractTab* t : fenster.findChildren<AbstractTab*>()) {
            t->aktualisieren();
            t->aktualisierenUndMelden();
        }
    }

    // Every button of every step, with the first row of every list selected.
    {
        DialogBeantworter antwort(datei);
        for (int i = 0; i < tabs->count(); ++i) {
            tabs->setCurrentIndex(i);
            QWidget* seite = tabs->widget(i);
            for (QAbstractItemView* v : seite->findChildren<QAbstractItemView*>()) {
                QAbstractItemModel* m = v->model();
                if (!m)
                    continue;
                // Every editable cell (levels, proficiencies) one up, then to 0.
                for (int zeile = 0; zeile < m->rowCount(); ++zeile) {
                    for (int spalte = 0; spalte < m->columnCount(); ++spalte) {
                        const QModelIndex zelle = m->index(zeile, spalte);
                        if (!(m->flags(zelle) & Qt::ItemIsEditable))
                            continue;
                        const int wert = m->data(zelle, Qt::EditRole).toInt();
                        if (wert < INT_MAX)
                            m->setData(zelle, wert + 1, Qt::EditRole);
                        m->setData(zelle, 0, Qt::EditRole);
                    }
                }
                if (m->rowCount() > 0)
                    v->setCurrentIndex(m->index(0, 0));
            }
            for (QPushButton* b : seite->findChildren<QPushButton*>()) {
                if (b->isVisible() && b->isEnabled())
                    b->click();
            }
            seite->grab();
        }
    }
    for (AbstractTab* t : fenster.findChildren<AbstractTab*>())
        t->neuAufbauen();
    QCoreApplication::processEvents();

    // Loading it twice and then starting a new character must also hold.
    {
        DialogBeantworter antwort(datei);
        laden->trigger();
        QVERIFY(andereMeldungen(antwort.meldungen).isEmpty());
    }
    for (int i = 0; i < tabs->count(); ++i) {
        tabs->setCurrentIndex(i);
        QCoreApplication::processEvents();
        tabs->currentWidget()->grab();
    }
    {
        // A file with values brought into the rules counts as changed.
        DialogBeantworter antwort(datei);
        neu->trigger();
    }
    QCoreApplication::processEvents();
    QCOMPARE(tabs->currentIndex(), 0);
}

QTEST_MAIN(TestBeschaedigteDateienFenster)
#include "tst_beschaedigtedateienfenster.moc"
