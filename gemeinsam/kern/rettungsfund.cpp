#include "rettungsfund.h"

#include <QDir>
#include <QFile>
#include <QLockFile>

std::unique_ptr<Rettungsfund> Rettungsfund::suche()
{
    const QString ordner = Rettungskopie::ordner();
    if (ordner.isEmpty())
        return nullptr;
    const QFileInfoList kopien = QDir(ordner).entryInfoList(
        { QLatin1Char('*') + Rettungskopie::kopieEndung() }, QDir::Files, QDir::Name);
    std::unique_ptr<Rettungsfund> neueste;
    int gefunden = 0;
    for (const QFileInfo &kopie : kopien) {
        // The lock of the copy's instance: taken only when that instance
        // has ended (its process is gone); a running one keeps it.
        const QString pfad = kopie.absoluteFilePath();
        auto sperre = std::make_unique<QLockFile>(
            pfad.chopped(Rettungskopie::kopieEndung().size()) + Rettungskopie::sperrEndung());
        sperre->setStaleLockTime(0);
        if (!sperre->tryLock(0))
            continue;
        QFile datei(pfad);
        if (!datei.open(QIODevice::ReadOnly))
            continue;
        std::unique_ptr<Rettungsfund> fund(new Rettungsfund);
        if (!Rettungskopie::dekodiere(datei.readAll(), fund->m_kopf, fund->m_dokument))
            continue;
        ++gefunden;
        if (!neueste || fund->m_kopf.zeit > neueste->m_kopf.zeit) {
            fund->m_pfad = pfad;
            fund->m_sperre = std::move(sperre);
            neueste = std::move(fund);
        }
    }
    if (neueste)
        neueste->m_weitere = gefunden - 1;
    return neueste;
}

// Unlocking removes the lock file; the copy stays unless it was taken.
Rettungsfund::~Rettungsfund() = default;

bool Rettungsfund::verwirf()
{
    return QFile::remove(m_pfad);
}
