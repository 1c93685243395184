#include "csvtabelle.h"

#include <QFile>

CsvTabelle::CsvTabelle() = default;

bool CsvTabelle::lese(const QString &pfad, QChar trenner)
{
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;

    m_zeilen.clear();
    while (!datei.atEnd()) {
        QByteArray zeile = datei.readLine();
        if (zeile.isEmpty() && datei.error() != QFileDevice::NoError)
            break;
        const qsizetype null = zeile.indexOf('\0');
        if (null >= 0)
            zeile.truncate(null);
        m_zeilen.append(QString::fromLatin1(zeile).split(trenner, Qt::KeepEmptyParts));
    }
    datei.close();
    return true;
}

int CsvTabelle::zeilen() const
{
    return int(m_zeilen.size());
}

QStringList CsvTabelle::zeile(int i) const
{
    if (i < 0 || i >= m_zeilen.size())
        return QStringList();
    return m_zeilen.at(i);
}
