#ifndef SCHILDGENERATOR_H
#define SCHILDGENERATOR_H

#include "komponente.h"

// Component kind 19: shield generator, counted in GSTPV; its shield energy is also its reactor draw.
class Schildgenerator : public Komponente
{
public:
    static constexpr int Kategorie = 19;
    static constexpr int Spalten = 9;

    Schildgenerator();
    Schildgenerator(const Schildgenerator &andere) = default;
    Schildgenerator &operator=(const Schildgenerator &andere) = default;

    int typ() const override;
    QString kurzname() const override;
    // Reads a row of at least Spalten fields; a shorter row keeps the
    // defaults and is refused (false).
    bool leseZeile(const QStringList &felder) override;
    int spaltenAnzahl() const override;
    QVariant spaltenWert(int spalte) const override;
    QString spaltenTitel(int spalte) const override;

    // shield energy SE per GSTPV (also its REV)
    int schildenergie() const;
    // the "Res." value (shown and stored only)
    int res() const;

private:
    int m_schildenergie = 0;
    int m_res = 0;
};

#endif // SCHILDGENERATOR_H
