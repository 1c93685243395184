#ifndef RUMPFMATERIAL_H
#define RUMPFMATERIAL_H

#include "komponente.h"

// Component kind 4: hull material; the count is the ship size in GSTP.
class Rumpfmaterial : public Komponente
{
public:
    static constexpr int Kategorie = 4;
    static constexpr int Spalten = 8;

    Rumpfmaterial();
    Rumpfmaterial(const Rumpfmaterial &andere) = default;
    Rumpfmaterial &operator=(const Rumpfmaterial &andere) = default;

    int typ() const override;
    QString kurzname() const override;
    // Reads a row of at least Spalten fields; a shorter row keeps the
    // defaults and is refused (false).
    bool leseZeile(const QStringList &felder) override;
    int spaltenAnzahl() const override;
    QVariant spaltenWert(int spalte) const override;
    QString spaltenTitel(int spalte) const override;

    // hull points per GSTP
    float rumpfProGstp() const;

private:
    float m_rumpfProGstp = -1.0f;
};

#endif // RUMPFMATERIAL_H
