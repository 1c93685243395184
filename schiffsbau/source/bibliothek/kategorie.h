#ifndef KATEGORIE_H
#define KATEGORIE_H

// The 24 categories of the component library. The number of a category is
// the kind value typ() of its components and what a ship file stores;
// int(Kategorie::Reaktoren) gives it where an operation takes a number.
// Label, list files and kind of each category: Kategorien.
enum class Kategorie : int {
    StandardRaeume = 0,
    WeitereRaeume = 1,
    BasisLebenssysteme = 2,
    SonstigeBasiskomponenten = 3,
    Rumpf = 4,
    Panzerungen = 5,
    GravitationsGeneratoren = 6,
    Reaktoren = 7,
    Energiespeicher = 8,
    Manoevertriebwerke = 9,
    Feldprojektoren = 10,
    Feldspulensysteme = 11,
    SprungAntriebe = 12,
    Hauptcomputer = 13,
    Sensorphalange = 14,
    Feuerleitsysteme = 15,
    Scanner = 16,
    Kommunikationsrelais = 17,
    TrTransmitter = 18,
    Schildgeneratoren = 19,
    Signalinterferanten = 20,
    Schleppstrahlprojektoren = 21,
    Waffensysteme = 22,
    WeitereSysteme = 23,
};

#endif // KATEGORIE_H
