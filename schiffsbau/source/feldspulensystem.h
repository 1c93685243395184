#ifndef FELDSPULENSYSTEM_H
#define FELDSPULENSYSTEM_H

#include "komponente.h"

// Component kind 11: field coil system, counted in GSTPV; speed in Mio km/s.
class Feldspulensystem : public Komponente
{
public:
    static constexpr int Kategorie = 11;
    static constexpr int Spalten = 10;

    Feldspulensystem();
    Feldspulensystem(const Feldspulensystem &andere) = default;
    Feldspulensystem &operator=(const Feldspulensystem &andere) = default;

    int typ() const override;
    QString kurzname() const override;
    // Reads a row of at least Spalten fields; a shorter row keeps the
    // defaults and is refused (false).
    bool leseZeile(const QStringList &felder) override;
    int spaltenAnzahl() const override;
    QVariant spaltenWert(int spalte) const override;
    QString spaltenTitel(int spalte) const override;

    // field speed in Mio km/s per GSTPV
    float geschwindigkeit() const;
    // the "Res." value (shown and stored only)
    int res() const;

private:
    float m_geschwindigkeit = 0.0f;
    int m_res = 0;
};

#endif // FELDSPULENSYSTEM_H
