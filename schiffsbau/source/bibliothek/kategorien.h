#ifndef KATEGORIEN_H
#define KATEGORIEN_H

#include "kategorie.h"
#include "komponente.h"

#include <QList>
#include <QString>

// The table of the 24 categories, one row each: number, label, family of
// its list files, whether its components are built in, the kind of its
// components and what that kind declares about itself and its list rows
// (short name, columns, description, defaults). The library, the list
// checker, the ship calculation and the kinds read it; a new kind is one row
// here and a class with its own values.
class Kategorien
{
public:
    static constexpr int Anzahl = 24;

    // True for the numbers 0 to 23.
    static bool gueltig(int kat);
    // True for the categories of the built-in rooms and fittings, whose
    // components a ship file stores by name.
    static bool eingebaut(int kat);
    // The built-in categories in number order.
    static QList<int> eingebaute();
    // Label with the marker "%1" for the number of components
    // ("*Reaktoren (%1)"); empty out of range.
    static QString bezeichnung(int kat);
    // The label without its mark and count ("Reaktoren"); empty out of range.
    static QString name(int kat);
    // Name pattern of the list files ("reaktoren*.csv"); empty for the
    // built-in categories and out of range.
    static QString dateiMuster(int kat);
    // What the kind of the category declares (Komponente::Art); empty for the
    // built-in categories.
    static const Komponente::Art &art(Kategorie kat);
    // A default-constructed component of the category's kind; nullptr out
    // of range. The caller owns it.
    static Komponente *neu(int kat);
    // A copy of `k` as the category's kind; nullptr when `k` is null, is not
    // of that kind, or `kat` is out of range. The caller owns it.
    static Komponente *kopie(int kat, const Komponente *k);
};

#endif // KATEGORIEN_H
