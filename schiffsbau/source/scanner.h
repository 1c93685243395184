#ifndef SCANNER_H
#define SCANNER_H

#include "komponente.h"

// Component kind 16: scanner; range in km.
class Scanner : public Komponente
{
public:
    static constexpr int Kategorie = 16;
    static constexpr int Spalten = 12;

    Scanner();
    Scanner(const Scanner &andere) = default;
    Scanner &operator=(const Scanner &andere) = default;

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
    int reichweite() const;
    // the "Res." value (shown and stored only)
    int res() const;

private:
    int m_erfassung = 0;
    int m_reichweite = 0;
    int m_res = 0;
};

#endif // SCANNER_H
