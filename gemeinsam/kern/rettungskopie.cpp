#include "rettungskopie.h"

#include "sicheredatei.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QStandardPaths>
#include <QThread>
#include <QUuid>

namespace {

QString &ordnerEinstellung()
{
    static QString ordner;
    return ordner;
}

// The first line of every copy file; the second holds the header as JSON.
const char Kennung[] = "ZORVEL2-Wiederherstellung 1\n";

} // namespace

QString Rettungskopie::kopieEndung()
{
    return QStringLiteral(".kopie");
}

QString Rettungskopie::sperrEndung()
{
    return QStringLiteral(".lock");
}

Rettungskopie::Rettungskopie(QObject *parent)
    : QObject(parent)
    , m_id(QUuid::createUuid().toString(QUuid::WithoutBraces))
{
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &Rettungskopie::zeitAbgelaufen);
}

// The lock goes with the object (QLockFile removes its file); the copy stays.
Rettungskopie::~Rettungskopie()
{
    warte();
}

void Rettungskopie::setzeOrdner(const QString &ordner)
{
    ordnerEinstellung() = ordner;
}

QString Rettungskopie::ordner()
{
    return ordnerEinstellung();
}

QString Rettungskopie::standardOrdner()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
           + QStringLiteral("/wiederherstellung");
}

void Rettungskopie::setzeStand(const QByteArray &dokument, bool ungesichert, const QString &datei,
                               const QString &titel)
{
    if (!ungesichert) {
        entferne();
        return;
    }
    m_datei = datei;
    m_titel = titel;
    if (dokument == m_dokument && !m_dokument.isNull())
        return; // the copy holds it already, or will
    m_dokument = dokument.isNull() ? QByteArray("") : dokument;
    starteZeit();
}

void Rettungskopie::eingabeLaeuft()
{
    starteZeit();
}

void Rettungskopie::starteZeit()
{
    if (ordner().isEmpty())
        return;
    if (!m_timer.isActive())
        m_faellig.start();
    const qint64 rest = 5 * qint64(m_verzoegerung) - m_faellig.elapsed();
    m_timer.start(int(qBound(qint64(0), rest, qint64(m_verzoegerung))));
}

void Rettungskopie::entferne()
{
    m_timer.stop();
    m_dokument = QByteArray();
    warte();
    const QString kopie = datei();
    if (!kopie.isEmpty() && QFile::exists(kopie))
        QFile::remove(kopie);
}

void Rettungskopie::zeitAbgelaufen()
{
    emit vorDemSchreiben();
    // Handing over the typed text may have restarted the timer: the copy
    // is due now all the same.
    m_timer.stop();
    schreibeJetzt();
}

bool Rettungskopie::schreibeJetzt()
{
    m_timer.stop();
    if (m_dokument.isNull() || ordner().isEmpty() || !sperre())
        return false;
    if (m_schreiber && m_schreiber->isRunning()) {
        starteZeit(); // a slow disk: the next copy once this one is written
        return false;
    }
    const Kopf kopf{ m_datei, m_titel, QDateTime::currentDateTimeUtc() };
    m_schreiber.reset(QThread::create([this, ziel = datei(), daten = kodiere(kopf, m_dokument)] {
        m_geschrieben = SichereDatei::schreibe(ziel, daten).ok();
    }));
    m_schreiber->start(QThread::LowPriority);
    return true;
}

bool Rettungskopie::warte()
{
    if (!m_schreiber)
        return false;
    m_schreiber->wait();
    return m_geschrieben;
}

void Rettungskopie::setzeVerzoegerung(int millisekunden)
{
    m_verzoegerung = millisekunden;
}

int Rettungskopie::verzoegerung() const
{
    return m_verzoegerung;
}

QString Rettungskopie::datei() const
{
    return ordner().isEmpty() ? QString() : QDir(ordner()).filePath(m_id + kopieEndung());
}

bool Rettungskopie::uebernimm(const QString &kopie)
{
    // Locked first: for a moment without the lock, another instance would
    // take the copy for one whose instance has ended.
    if (ordner().isEmpty() || !sperre())
        return false;
    warte();
    QFile::remove(datei());
    return QFile::rename(kopie, datei());
}

bool Rettungskopie::sperre()
{
    if (m_sperre)
        return m_sperre->isLocked();
    if (!QDir().mkpath(ordner()))
        return false;
    m_sperre = std::make_unique<QLockFile>(QDir(ordner()).filePath(m_id + sperrEndung()));
    // Held for the whole run: only an ended process makes it stale, never its age.
    m_sperre->setStaleLockTime(0);
    return m_sperre->tryLock(0);
}

QByteArray Rettungskopie::kodiere(const Kopf &kopf, const QByteArray &dokument)
{
    const QJsonObject kopfDaten{
        { QStringLiteral("datei"), kopf.datei },
        { QStringLiteral("titel"), kopf.titel },
        { QStringLiteral("zeit"), kopf.zeit.toUTC().toString(Qt::ISODateWithMs) },
    };
    return QByteArray(Kennung) + QJsonDocument(kopfDaten).toJson(QJsonDocument::Compact)
           + '\n' + dokument;
}

bool Rettungskopie::dekodiere(const QByteArray &inhalt, Kopf &kopf, QByteArray &dokument)
{
    const QByteArray kennung(Kennung);
    if (!inhalt.startsWith(kennung))
        return false;
    const qsizetype ende = inhalt.indexOf('\n', kennung.size());
    if (ende < 0)
        return false;
    QJsonParseError fehler;
    const QJsonDocument kopfDaten =
        QJsonDocument::fromJson(inhalt.mid(kennung.size(), ende - kennung.size()), &fehler);
    if (fehler.error != QJsonParseError::NoError || !kopfDaten.isObject())
        return false;
    const QJsonObject o = kopfDaten.object();
    kopf.datei = o.value(QStringLiteral("datei")).toString();
    kopf.titel = o.value(QStringLiteral("titel")).toString();
    kopf.zeit = QDateTime::fromString(o.value(QStringLiteral("zeit")).toString(), Qt::ISODateWithMs);
    dokument = inhalt.mid(ende + 1);
    return kopf.zeit.isValid();
}
