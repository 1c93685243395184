#ifndef CSVTABELLE_H
#define CSVTABELLE_H

#include <QByteArray>
#include <QChar>
#include <QList>
#include <QString>
#include <QStringList>

// Reader of the ";"-separated Latin-1 list files (and ship files): every line
// becomes one row of fields. No quoting: every separator splits; empty fields
// are kept; the last field keeps the line end; a zero byte ends the line.
class CsvTabelle
{
public:
    CsvTabelle();

    // Reads the file; false (table unchanged) when it cannot be opened.
    bool lese(const QString &pfad, QChar trenner);
    // The same for text already in memory.
    void leseDaten(const QByteArray &inhalt, QChar trenner);
    int zeilen() const;
    // Row i; an empty list when i is out of range.
    QStringList zeile(int i) const;

private:
    QList<QStringList> m_zeilen;
};

#endif // CSVTABELLE_H
