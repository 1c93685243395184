#ifndef ENERGIESPEICHER_H
#define ENERGIESPEICHER_H

#include "komponente.h"

// Component kind 8: energy store.
class EnergieSpeicher : public Komponente
{
public:
    static constexpr int Kategorie = 8;
    static constexpr int Spalten = 9;

    EnergieSpeicher();
    EnergieSpeicher(const EnergieSpeicher &andere) = default;
    EnergieSpeicher &operator=(const EnergieSpeicher &andere) = default;

    int typ() const override;
    QString kurzname() const override;
    // Reads a row of at least Spalten fields; a shorter row keeps the
    // defaults and is refused (false).
    bool leseZeile(const QStringList &felder) override;
    int spaltenAnzahl() const override;
    QVariant spaltenWert(int spalte) const override;
    QString spaltenTitel(int spalte) const override;

    // energy-store capacity BE per unit
    int be() const;

private:
    int m_be = 0;
};

#endif // ENERGIESPEICHER_H
