#include "zuletztgeoeffnet.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QSettings>

namespace {
const char *const schluessel = "zuletztGeoeffnet";
}

ZuletztGeoeffnet::ZuletztGeoeffnet(QMenu *dateiMenue, QAction *vor, QObject *parent)
    : QObject(parent), m_pMenue(new QMenu(QStringLiteral("&Zuletzt geöffnet"), dateiMenue))
{
    m_pMenue->setObjectName(QStringLiteral("menuZuletztGeoeffnet"));
    m_pMenue->menuAction()->setObjectName(QStringLiteral("actionZuletztGeoeffnet"));
    m_pMenue->setToolTipsVisible(true);
    dateiMenue->insertMenu(vor, m_pMenue);
    // A fixed set of entries, relabelled on every change: an entry is never
    // deleted while its own signal runs.
    for (int i = 0; i < MaxDateien; ++i) {
        QAction *a = m_pMenue->addAction(QString());
        connect(a, &QAction::triggered, this, [this, a] { gewaehlt(a->data().toString()); });
    }
    baueMenue();
}

QStringList ZuletztGeoeffnet::dateien() const
{
    return QSettings().value(QLatin1String(schluessel)).toStringList();
}

void ZuletztGeoeffnet::merke(const QString &datei)
{
    if (datei.isEmpty())
        return;
    const QString pfad = QFileInfo(datei).absoluteFilePath();
    QStringList liste = dateien();
    liste.removeAll(pfad);
    liste.prepend(pfad);
    speichere(liste.mid(0, MaxDateien));
}

void ZuletztGeoeffnet::speichere(const QStringList &dateien)
{
    QSettings().setValue(QLatin1String(schluessel), dateien);
    baueMenue();
}

void ZuletztGeoeffnet::baueMenue()
{
    const QStringList liste = dateien().mid(0, MaxDateien);
    const QList<QAction *> eintraege = m_pMenue->actions();
    for (int i = 0; i < eintraege.size(); ++i) {
        QAction *a = eintraege.at(i);
        const QString datei = liste.value(i);
        a->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(datei).fileName()));
        a->setToolTip(QDir::toNativeSeparators(datei));
        a->setData(datei);
        a->setVisible(i < liste.size());
    }
    m_pMenue->setEnabled(!liste.isEmpty());
}

void ZuletztGeoeffnet::gewaehlt(const QString &datei)
{
    if (QFileInfo(datei).isFile()) {
        emit oeffnen(datei);
        return;
    }
    QStringList liste = dateien();
    liste.removeAll(datei);
    speichere(liste);
    QMessageBox::warning(nullptr, QStringLiteral("Datei nicht gefunden"),
                         QStringLiteral("Die Datei %1 gibt es nicht mehr. Sie wurde aus der Liste "
                                        "\"Zuletzt geöffnet\" entfernt.")
                             .arg(QDir::toNativeSeparators(datei)),
                         QMessageBox::Ok);
}
