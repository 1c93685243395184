#ifndef SCHIFFSVERGLEICH_H
#define SCHIFFSVERGLEICH_H

#include "schiffsdaten.h"

#include <QList>
#include <QLocale>
#include <QString>

#include <utility>

class Komponente;
class SchiffsModel;

// Two ships side by side ("dieses", "anderes"): every ship value of the one
// table SchiffsWerte with the difference, and the components that differ.
// The preview of an addition is the same comparison of the ship now with
// the ship after it.
class SchiffsVergleich
{
public:
    // One entry of SchiffsWerte for both ships.
    struct Wert
    {
        int eintrag = 0;
        QString dieses;
        QString anderes;
        // empty when both are the same
        QString unterschied;
        bool ueberzogenDieses = false;
        bool ueberzogenAnderes = false;
    };

    // A component (kind and name) whose count differs; 0: not installed.
    struct Bauteil
    {
        int kategorie = 0;
        QString typ;
        QString name;
        qint64 dieses = 0;
        qint64 anderes = 0;
    };

    // Installed components with their counts, in row order.
    using Liste = QList<std::pair<const Komponente *, int>>;
    static Liste liste(const SchiffsModel *model);

    // All entries in the table's order; `nurVerschiedene` leaves out those
    // that are the same.
    static QList<Wert> werte(const SchiffsDaten &dieses, const SchiffsDaten &anderes, const QLocale &locale,
                             bool nurVerschiedene = false);
    // The components whose total count differs, those of this ship first,
    // each in the order of its first row. Rows of the same kind and name
    // count together.
    static QList<Bauteil> bauteile(const Liste &dieses, const Liste &anderes);
    // The difference column of a component: "nur in diesem Schiff", "nur
    // im anderen Schiff" or the signed difference of the counts.
    static QString unterschied(const Bauteil &b, const QLocale &locale);
};

#endif // SCHIFFSVERGLEICH_H
