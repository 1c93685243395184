#ifndef GRAVITATIONSGEN_H
#define GRAVITATIONSGEN_H

#include "komponente.h"

// Component kind 6: gravitation generator.
class GravitationsGen : public Komponente
{
public:
    static constexpr int Kategorie = 6;
    static constexpr int Spalten = 10;

    GravitationsGen();
    GravitationsGen(const GravitationsGen &andere) = default;
    GravitationsGen &operator=(const GravitationsGen &andere) = default;

    int typ() const override;
    QString kurzname() const override;
    // Reads a row of at least Spalten fields; a shorter row keeps the
    // defaults and is refused (false).
    bool leseZeile(const QStringList &felder) override;
    int spaltenAnzahl() const override;
    QVariant spaltenWert(int spalte) const override;
    QString spaltenTitel(int spalte) const override;

    // GSTP served by one unit
    int gravGstp() const;

private:
    int m_gravGstp = 0;
};

#endif // GRAVITATIONSGEN_H
