#ifndef BOGENHTML_H
#define BOGENHTML_H

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

class QLocale;
class QTextDocument;

// The building blocks of the printed sheets: tables under coloured title
// bars in the colours of the programs' group boxes, numbers in German
// format whatever the user's locale is, and the sheet as a PDF on A4
// portrait built in memory.
class BogenHtml
{
public:
    static const QLocale &deutsch();
    static QString zahl(qint64 wert);
    // Six significant digits, as the programs' panels show decimals.
    static QString dezimal(double wert);
    // Plain text made safe for HTML, line breaks kept.
    static QString text(const QString &t);
    // Space between two tables.
    static QString abstand();

    // The start of a table with a title bar and, when given, column
    // captions. Each column is given with its share of the width in percent
    // ("Wert|18"); a leading ">" right-aligns the column. Title bar and
    // captions form the table's head, which stays with the first rows and is
    // repeated on the next page when the table is split.
    static QString tabelle(const QString &titel, int spaltenzahl,
                           const QStringList &spalten = QStringList());
    static QString zelle(const QString &inhalt, bool rechts = false);
    // A caption cell; `breite` in percent, 0 for none.
    static QString beschriftung(const QString &titel, int breite = 0);
    // Rows of a four-column table: caption/value pairs, two pairs a row
    // (values are HTML), each caption `breite` percent wide and each value
    // the rest of its half.
    static QString paarZeilen(const QList<QPair<QString, QString>> &paare, int breite);
    // A row over `spalten` columns with an italic note ("ohne ...").
    static QString leereZeile(int spalten, const QString &hinweis);

    // Sets the sheet's font and `html` into `dokument`, titled `titel`.
    static void fuelle(QTextDocument *dokument, const QString &html, const QString &titel);
    // `dokument` as PDF bytes (A4 portrait, margins of 2 cm and page numbers;
    // BogenPdf); empty when no PDF came out.
    static QByteArray pdf(QTextDocument &dokument, const QString &titel, const QString &programm);
};

#endif // BOGENHTML_H
