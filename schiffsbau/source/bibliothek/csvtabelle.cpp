#include "csvtabelle.h"

#include <QFile>

#include <algorithm>
#include <cstring>

CsvTabelle::CsvTabelle() = default;

bool CsvTabelle::lese(const QString &pfad, QChar trenner)
{
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly))
        return false;
    const QByteArray inhalt = datei.readAll();
    datei.close();
    leseDaten(inhalt, trenner);
    return true;
}

void CsvTabelle::leseDaten(const QByteArray &inhalt, QChar trenner)
{
    m_inhalt = inhalt;
    m_zeilen.clear();
    const char *const daten = m_inhalt.constData();
    const qsizetype laenge = m_inhalt.size();
    // A separator beyond Latin-1 can never occur in Latin-1 text.
    m_trennbar = trenner.unicode() <= 0xff;
    m_trennByte = char(trenner.unicode());

    qsizetype anfang = 0;
    while (anfang < laenge) {
        // one line including its line end ("\r\n" is read as "\n")
        const char *zeilenende = static_cast<const char *>(
            std::memchr(daten + anfang, '\n', size_t(laenge - anfang)));
        const qsizetype naechste = zeilenende ? (zeilenende - daten) + 1 : laenge;
        qsizetype ende = naechste;
        bool crlf = false;
        if (zeilenende && ende - anfang >= 2 && daten[ende - 2] == '\r')
            crlf = true;
        // a zero byte ends the line
        const char *null = static_cast<const char *>(std::memchr(daten + anfang, '\0', size_t(ende - anfang)));
        if (null) {
            ende = null - daten;
            crlf = false;
        }
        m_zeilen.append({anfang, crlf ? ende - 2 : ende, crlf});
        anfang = naechste;
    }
}

int CsvTabelle::zeilen() const
{
    return int(m_zeilen.size());
}

QStringList CsvTabelle::zeile(int i) const
{
    if (i < 0 || i >= m_zeilen.size())
        return QStringList();
    const Zeile &z = m_zeilen.at(i);
    const char *const daten = m_inhalt.constData();
    QStringList felder;
    if (m_trennbar)
        felder.reserve(std::count(daten + z.anfang, daten + z.ende, m_trennByte) + 1);
    qsizetype feld = z.anfang;
    if (m_trennbar) {
        for (qsizetype j = z.anfang; j < z.ende; ++j) {
            if (daten[j] == m_trennByte) {
                felder.append(QString::fromLatin1(daten + feld, j - feld));
                feld = j + 1;
            }
        }
    }
    QString letztes = QString::fromLatin1(daten + feld, z.ende - feld);
    if (z.zeilenende)
        letztes.append(QLatin1Char('\n'));
    felder.append(letztes);
    return felder;
}
