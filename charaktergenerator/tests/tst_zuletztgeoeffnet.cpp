// The list "Zuletzt geöffnet" on its own: order, limit, what is kept in the
// settings, choosing an entry and an entry whose file is gone.
#include "zuletztgeoeffnet.h"
#include "fenster_hilfen.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMessageBox>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

class TestZuletztGeoeffnet : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void neuesteZuerstHoechstensAcht();
    void eintragOeffnet();
    void verschwundeneDateiWirdEntfernt();

private:
    QString datei(int i) const { return m_pDir->filePath(QStringLiteral("held%1.zch").arg(i)); }
    QStringList sichtbareEintraege(QMenu *menue) const;

    std::unique_ptr<QTemporaryDir> m_pDir;
};

void TestZuletztGeoeffnet::init()
{
    m_pDir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_pDir->isValid());
    // The settings go into the temporary folder, never into the user's.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_pDir->filePath(QStringLiteral("einstellungen")));
    QSettings().clear();
}

void TestZuletztGeoeffnet::cleanup()
{
    QSettings().clear();
    m_pDir.reset();
}

QStringList TestZuletztGeoeffnet::sichtbareEintraege(QMenu *menue) const
{
    QStringList texte;
    for (QAction *a : menue->actions())
        if (a->isVisible())
            texte << a->text();
    return texte;
}

void TestZuletztGeoeffnet::neuesteZuerstHoechstensAcht()
{
    QMenu datei1;
    QAction *speichern = datei1.addAction(QStringLiteral("speichern ..."));
    ZuletztGeoeffnet liste(&datei1, speichern);
    QCOMPARE(liste.menue()->title().remove('&'), QStringLiteral("Zuletzt geöffnet"));
    QCOMPARE(datei1.actions().indexOf(liste.menue()->menuAction()), 0);
    QVERIFY(!liste.menue()->isEnabled());

    for (int i = 1; i <= 9; ++i)
        liste.merke(datei(i));
    liste.merke(datei(3));
    const QStringList erwartet = {datei(3), datei(9), datei(8), datei(7), datei(6), datei(5), datei(4), datei(2)};
    QCOMPARE(liste.dateien(), erwartet);
    QVERIFY(liste.menue()->isEnabled());
    QCOMPARE(sichtbareEintraege(liste.menue()).size(), 8);
    QCOMPARE(sichtbareEintraege(liste.menue()).at(0), QStringLiteral("&1 held3.zch"));
    QCOMPARE(sichtbareEintraege(liste.menue()).at(7), QStringLiteral("&8 held2.zch"));

    // The next start of the program finds the same list.
    QMenu datei2;
    ZuletztGeoeffnet wieder(&datei2, nullptr);
    QCOMPARE(wieder.dateien(), erwartet);
    QCOMPARE(sichtbareEintraege(wieder.menue()), sichtbareEintraege(liste.menue()));
}

void TestZuletztGeoeffnet::eintragOeffnet()
{
    QFile f(datei(1));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.close();
    QMenu menue;
    ZuletztGeoeffnet liste(&menue, nullptr);
    liste.merke(datei(2));
    liste.merke(datei(1));
    QSignalSpy oeffnen(&liste, &ZuletztGeoeffnet::oeffnen);
    liste.menue()->actions().at(0)->trigger();
    QCOMPARE(oeffnen.size(), 1);
    QCOMPARE(oeffnen.at(0).at(0).toString(), datei(1));
}

void TestZuletztGeoeffnet::verschwundeneDateiWirdEntfernt()
{
    QMenu menue;
    ZuletztGeoeffnet liste(&menue, nullptr);
    liste.merke(datei(2));
    liste.merke(datei(1));
    QSignalSpy oeffnen(&liste, &ZuletztGeoeffnet::oeffnen);
    QStringList meldungen;
    {
        DialogBeantworter antwort{ QString() };
        liste.menue()->actions().at(0)->trigger();
        meldungen = antwort.meldungen;
    }
    QCOMPARE(oeffnen.size(), 0);
    QCOMPARE(liste.dateien(), QStringList(datei(2)));
    QCOMPARE(meldungen.size(), 1);
    QVERIFY(meldungen.at(0).contains(QDir::toNativeSeparators(datei(1))));
}

QTEST_MAIN(TestZuletztGeoeffnet)
#include "tst_zuletztgeoeffnet.moc"
