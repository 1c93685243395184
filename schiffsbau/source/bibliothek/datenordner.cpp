#include "datenordner.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#ifndef ZORVEL_DATEN_RELATIV
#define ZORVEL_DATEN_RELATIV "../share/zorvel2/schiffsbau"
#endif

namespace {
struct Zustand
{
    QString ordner;
    QStringList durchsucht;
};

Zustand &zustand()
{
    static Zustand z;
    return z;
}

bool hatListenOrdner(const QString &ordner)
{
    return QFileInfo(QDir(ordner).filePath(QStringLiteral("listen"))).isDir();
}
} // namespace

QStringList DatenOrdner::suchfolge(const QString &arbeitsordner, const QString &benutzerordner,
                                   const QString &programmordner)
{
    QStringList ordner;
    ordner << QDir::cleanPath(arbeitsordner);
    if (!benutzerordner.isEmpty())
        ordner << QDir::cleanPath(benutzerordner);
    ordner << QDir::cleanPath(programmordner + QLatin1Char('/') + QLatin1String(ZORVEL_DATEN_RELATIV))
           << QDir::cleanPath(programmordner + QStringLiteral("/data"));
    return ordner;
}

QStringList DatenOrdner::suchfolge()
{
    return suchfolge(QDir::currentPath(),
                     QStandardPaths::writableLocation(QStandardPaths::AppDataLocation),
                     QCoreApplication::applicationDirPath());
}

QString DatenOrdner::finde(const QStringList &ordner)
{
    for (const QString &o : ordner)
        if (hatListenOrdner(o))
            return o;
    return QString();
}

bool DatenOrdner::suche()
{
    const QStringList ordner = suchfolge();
    const QString gefunden = finde(ordner);
    setze(gefunden, ordner);
    return !gefunden.isEmpty();
}

void DatenOrdner::setze(const QString &ordner, const QStringList &durchsucht)
{
    zustand().ordner = ordner;
    zustand().durchsucht = durchsucht;
}

QString DatenOrdner::ordner()
{
    return zustand().ordner;
}

QString DatenOrdner::pfad(const QString &name)
{
    const QString &o = zustand().ordner;
    return o.isEmpty() ? name : QDir(o).filePath(name);
}

bool DatenOrdner::hatListen()
{
    return hatListenOrdner(zustand().ordner.isEmpty() ? QDir::currentPath() : zustand().ordner);
}

QStringList DatenOrdner::durchsucht()
{
    const QStringList ordner = zustand().durchsucht.isEmpty() ? QStringList(QDir::currentPath())
                                                              : zustand().durchsucht;
    QStringList anzeige;
    for (const QString &o : ordner)
        anzeige << QDir::toNativeSeparators(o);
    return anzeige;
}
