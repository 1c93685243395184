#ifndef SENSOREN_H
#define SENSOREN_H

#include "komponente.h"

// Component kind 14: sensor phalanx, counted in GSTPV; range in Mio km.
class Sensoren : public Komponente
{
public:
    static constexpr int Kategorie = 14;
    static constexpr int Spalten = 11;

    Sensoren();
    Sensoren(const Sensoren &andere) = default;
    Sensoren &operator=(const Sensoren &andere) = default;

    int typ() const override;
    QString kurzname() const override;
    // Reads a row of at least Spalten fields; a shorter row keeps the
    // defaults and is refused (false).
    bool leseZeile(const QStringList &felder) override;
    int spaltenAnzahl() const override;
    QVariant spaltenWert(int spalte) const override;
    QString spaltenTitel(int spalte) const override;

    // detection bonus
    int erfassung() const;
    // range
    float reichweite() const;
    // the "Res." value (shown and stored only)
    int res() const;

private:
    int m_erfassung = 0;
    float m_reichweite = 0.0f;
    int m_res = 0;
};

#endif // SENSOREN_H
