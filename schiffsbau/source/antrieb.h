#ifndef ANTRIEB_H
#define ANTRIEB_H

#include "komponente.h"

// Component kind 12: jump drive, counted in GSTPV.
class Antrieb : public Komponente
{
public:
    static constexpr int Kategorie = 12;
    static constexpr int Spalten = 9;

    Antrieb();
    Antrieb(const Antrieb &andere) = default;
    Antrieb &operator=(const Antrieb &andere) = default;

    int typ() const override;
    QString kurzname() const override;
    // Reads a row of at least Spalten fields; a shorter row keeps the
    // defaults and is refused (false).
    bool leseZeile(const QStringList &felder) override;
    int spaltenAnzahl() const override;
    QVariant spaltenWert(int spalte) const override;
    QString spaltenTitel(int spalte) const override;

    // jump tonnage per GSTPV
    int sprungTonnage() const;

private:
    int m_sprungTonnage = 0;
};

#endif // ANTRIEB_H
