#ifndef WEITERERAEUME_H
#define WEITERERAEUME_H

#include "komponente.h"

// Component kind 1: further rooms (laboratories, sick bay, mess, ...).
class WeitereRaeume : public Komponente
{
public:
    static constexpr int Kategorie = 1;
    static constexpr int Spalten = 11;

    WeitereRaeume();
    WeitereRaeume(const WeitereRaeume &andere) = default;
    WeitereRaeume &operator=(const WeitereRaeume &andere) = default;

    int typ() const override;
    QString kurzname() const override;
    // Reads a row of at least Spalten fields; a shorter row keeps the
    // defaults and is refused (false).
    bool leseZeile(const QStringList &felder) override;
    int spaltenAnzahl() const override;
    QVariant spaltenWert(int spalte) const override;
    QString spaltenTitel(int spalte) const override;

    // effect text (raw field text)
    QString wirkung() const;

private:
    QString m_wirkung;
};

#endif // WEITERERAEUME_H
