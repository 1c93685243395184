#ifndef VERGLEICHSTABELLE_H
#define VERGLEICHSTABELLE_H

#include "schiffsvergleich.h"

#include <QString>
#include <QStringList>

class QTableWidget;

// Tables of a comparison of ship values (the preview of an addition, the
// comparison of two ships) and their text for the clipboard.
class VergleichsTabelle
{
public:
    // One row per value: its caption, both texts and the difference; an
    // overdrawn budget in red. `markieren`: rows that differ in bold on a
    // light background.
    static void fuelle(QTableWidget *tabelle, const QList<SchiffsVergleich::Wert> &werte, bool markieren);
    // Sets the rows of `tabelle` to `zeilen` (one list of texts per row);
    // the first `textSpalten` columns are left-aligned, the numbers right.
    static void setzeZeilen(QTableWidget *tabelle, const QList<QStringList> &zeilen, int textSpalten = 1);
    // A row spanning the whole table with `text` as the only row.
    static void hinweis(QTableWidget *tabelle, const QString &text);
    // The header and rows of `tabelle` as tab-separated text.
    static QString alsText(const QTableWidget *tabelle);
    // Compact rows, columns as wide as their contents.
    static void richteEin(QTableWidget *tabelle);
};

#endif // VERGLEICHSTABELLE_H
