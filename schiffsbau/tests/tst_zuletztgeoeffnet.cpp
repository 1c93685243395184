// "Zuletzt geöffnet" in the ship builder's window: ships opened and saved
// are offered newest first, at most eight, kept in the settings; an entry
// opens its ship as "laden ..." does; an entry whose file is gone is removed
// with a message.
#include "mainwindow.h"
#include "schiffsmodel.h"
#include "tst_fenster_hilfen.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

class TestZuletztGeoeffnet : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void geoeffnetUndGespeichert();
    void eintragOeffnetSchiff();
    void verschwundeneDateiWirdEntfernt();

private:
    QString schiff(int i) const;
    QMenu *zuletzt(MainWindow &fenster) const
    {
        return fenster.findChild<QMenu *>(QStringLiteral("menuZuletztGeoeffnet"));
    }
    QStringList eintraege(MainWindow &fenster) const;

    std::unique_ptr<QTemporaryDir> m_pDir;
    QString m_altesVerzeichnis;
};

void TestZuletztGeoeffnet::init()
{
    m_pDir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_pDir->isValid());
    QVERIFY(schreibeReaktorliste(m_pDir->path()));
    m_altesVerzeichnis = QDir::currentPath();
    QVERIFY(QDir::setCurrent(m_pDir->path()));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_pDir->filePath(QStringLiteral("einstellungen")));
    QSettings().clear();
}

void TestZuletztGeoeffnet::cleanup()
{
    QSettings().clear();
    QDir::setCurrent(m_altesVerzeichnis);
    m_pDir.reset();
}

// A ship file "schiff<i>.zss" with i fuel tanks, named "Schiff <i>".
QString TestZuletztGeoeffnet::schiff(int i) const
{
    const QString pfad = m_pDir->filePath(QStringLiteral("schiff%1.zss").arg(i));
    QFile f(pfad);
    if (!f.exists() && f.open(QIODevice::WriteOnly))
        f.write(QStringLiteral("2.0;Schiff %1;;\n3;%1;Treibstofftank;\n").arg(i).toLatin1());
    return pfad;
}

QStringList TestZuletztGeoeffnet::eintraege(MainWindow &fenster) const
{
    QStringList texte;
    for (QAction *a : zuletzt(fenster)->actions())
        if (a->isVisible())
            texte << a->text();
    return texte;
}

void TestZuletztGeoeffnet::geoeffnetUndGespeichert()
{
    {
        std::unique_ptr<MainWindow> fenster;
        {
            DialogWaechter waechter;
            fenster = std::make_unique<MainWindow>();
            QVERIFY(zuletzt(*fenster));
            QVERIFY(!zuletzt(*fenster)->isEnabled());
            for (int i = 1; i <= 9; ++i)
                fenster->oeffneDatei(schiff(i));
            QVERIFY(waechter.texte.isEmpty());
        }
        DialogWaechter antwort(m_pDir->filePath(QStringLiteral("neu.zss")));
        fenster->findChild<QAction *>(QStringLiteral("actionSpeichernUnter"))->trigger();
        QCOMPARE(antwort.dialoge, 1);
        QVERIFY(QFile::exists(m_pDir->filePath(QStringLiteral("neu.zss"))));
    }
    DialogWaechter waechter;
    MainWindow fenster;
    QCOMPARE(eintraege(fenster), QStringList({QStringLiteral("&1 neu.zss"), QStringLiteral("&2 schiff9.zss"),
                                              QStringLiteral("&3 schiff8.zss"), QStringLiteral("&4 schiff7.zss"),
                                              QStringLiteral("&5 schiff6.zss"), QStringLiteral("&6 schiff5.zss"),
                                              QStringLiteral("&7 schiff4.zss"), QStringLiteral("&8 schiff3.zss")}));
}

void TestZuletztGeoeffnet::eintragOeffnetSchiff()
{
    DialogWaechter waechter;
    MainWindow fenster;
    fenster.oeffneDatei(schiff(4));
    fenster.oeffneDatei(schiff(7));
    zuletzt(fenster)->actions().at(1)->trigger();
    QVERIFY(waechter.texte.isEmpty());
    QCOMPARE(fenster.findChild<QLineEdit *>(QStringLiteral("editName"))->text(), QStringLiteral("Schiff 4"));
    QCOMPARE(fenster.schiffsModel()->rowCount(), 1);
    QCOMPARE(fenster.schiffsModel()->anzahl(0), 4);
    QCOMPARE(zuletzt(fenster)->actions().at(0)->text(), QStringLiteral("&1 schiff4.zss"));
}

void TestZuletztGeoeffnet::verschwundeneDateiWirdEntfernt()
{
    DialogWaechter waechter;
    MainWindow fenster;
    fenster.oeffneDatei(schiff(1));
    fenster.oeffneDatei(schiff(2));
    QVERIFY(QFile::remove(schiff(2)));
    zuletzt(fenster)->actions().at(0)->trigger();
    QCOMPARE(waechter.titel, QStringList(QStringLiteral("Datei nicht gefunden")));
    QVERIFY(waechter.texte.at(0).contains(QDir::toNativeSeparators(m_pDir->filePath(QStringLiteral("schiff2.zss")))));
    QCOMPARE(eintraege(fenster), QStringList(QStringLiteral("&1 schiff1.zss")));
    // Nothing was loaded.
    QCOMPARE(fenster.findChild<QLineEdit *>(QStringLiteral("editName"))->text(), QStringLiteral("Schiff 2"));
}

QTEST_MAIN(TestZuletztGeoeffnet)
#include "tst_zuletztgeoeffnet.moc"
