#ifndef REAKTOR_H
#define REAKTOR_H

#include "komponente.h"

// Component kind 7: reactor, counted in GSTPV.
class Reaktor : public Komponente
{
public:
    static constexpr int Kategorie = 7;
    static constexpr int Spalten = 9;

    Reaktor();
    Reaktor(const Reaktor &andere) = default;
    Reaktor &operator=(const Reaktor &andere) = default;

    int typ() const override;
    QString kurzname() const override;
    // Reads a row of at least Spalten fields; a shorter row keeps the
    // defaults and is refused (false).
    bool leseZeile(const QStringList &felder) override;
    int spaltenAnzahl() const override;
    QVariant spaltenWert(int spalte) const override;
    QString spaltenTitel(int spalte) const override;

    // reactor output RE per GSTPV
    int re() const;
    // the "Res." value (shown and stored only)
    int res() const;

private:
    int m_re = 0;
    int m_res = 0;
};

#endif // REAKTOR_H
