#ifndef PANZERUNG_H
#define PANZERUNG_H

#include "komponente.h"

// Component kind 5: armour, counted in GSTPV.
class Panzerung : public Komponente
{
public:
    static constexpr int Kategorie = 5;
    static constexpr int Spalten = 8;

    Panzerung();
    Panzerung(const Panzerung &andere) = default;
    Panzerung &operator=(const Panzerung &andere) = default;

    int typ() const override;
    QString kurzname() const override;
    // Reads a row of at least Spalten fields; a shorter row keeps the
    // defaults and is refused (false).
    bool leseZeile(const QStringList &felder) override;
    int spaltenAnzahl() const override;
    QVariant spaltenWert(int spalte) const override;
    QString spaltenTitel(int spalte) const override;

    // partial protection per GSTPV
    int teilschutz() const;

private:
    int m_teilschutz = 0;
};

#endif // PANZERUNG_H
