#ifndef KOMPONENTENBIBLIOTHEK_H
#define KOMPONENTENBIBLIOTHEK_H

#include "kategorien.h"

#include <QList>
#include <QString>
#include <QStringList>

class CsvTabelle;
class Komponente;

// Catalogue of every component that can be built into a ship: 24 categories
// (table Kategorien), filled from the list files in the folder "listen" of
// the data folder (DatenOrdner; the working directory unless another was
// found) and from the built-in rooms and fittings. Owns its components.
class KomponentenBibliothek
{
public:
    static constexpr int AnzahlKategorien = Kategorien::Anzahl;

    KomponentenBibliothek();
    virtual ~KomponentenBibliothek();
    KomponentenBibliothek(const KomponentenBibliothek &) = delete;
    KomponentenBibliothek &operator=(const KomponentenBibliothek &) = delete;

    // Loads all list files of "listen" (data folder) and then adds the
    // built-in list. Rows a kind refuses are dropped.
    void lade();
    // Rebuilds the 24 category labels with their component counts.
    void erzeugeKategorien();

    int anzahlKategorien() const;
    QString kategorieText(int kat) const;
    int anzahlElemente(int kat) const;
    // The library's own component (not a copy); nullptr when out of range.
    Komponente *element(int kat, int idx) const;

    // New component of the kind of category kat, copied from k; nullptr
    // when k is null, kat is out of range or k is not of that kind.
    // The caller owns the copy.
    Komponente *kopie(int kat, const Komponente *k) const;
    Komponente *kopie(int kat, int idx) const;
    Komponente *kopie(int kat, const QString &name) const;
    // Default-constructed component of the kind of category kat (a Diverse
    // of type 0 for the built-in categories); nullptr out of range.
    Komponente *neu(int kat) const;
    // First component of category kat whose name equals name exactly.
    Komponente *suche(int kat, const QString &name) const;
    // neu(kat) filled with leseZeile(felder); nullptr when the row is refused.
    Komponente *ausFeldern(int kat, const QStringList &felder) const;

    // List-file name pattern of a category ("reaktoren*.csv"); empty for the
    // built-in categories and out of range.
    static QString dateiMuster(int kat);

private:
    // `texte`: the makers, legalities and units read so far (shared).
    void ladeListen(int kat, CsvTabelle &tabelle, QStringList &texte);

    QStringList kategorien;
    QList<QList<Komponente *>> komponenten;
};

#endif // KOMPONENTENBIBLIOTHEK_H
