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
    // Row i; an empty list when i is out of range. The fields are made
    // when asked for, so that a large file never holds all of them at once.
    QStringList zeile(int i) const;

private:
    // One line: its text from `anfang` to `ende` (without "\r\n" or what
    // follows a zero byte); `zeilenende` when the line ends in "\r\n",
    // which its last field keeps as "\n".
    struct Zeile
    {
        qsizetype anfang;
        qsizetype ende;
        bool zeilenende;
    };

    QByteArray m_inhalt;
    QList<Zeile> m_zeilen;
    bool m_trennbar = false;
    char m_trennByte = 0;
};

#endif // CSVTABELLE_H
