#ifndef WEITERESYSTEME_H
#define WEITERESYSTEME_H

#include "komponente.h"

// Component kind 23: further system (turrets, jammers, ...).
class WeitereSysteme : public Komponente
{
public:
    static constexpr int Kategorie = 23;
    static constexpr int Spalten = 11;

    WeitereSysteme();
    WeitereSysteme(const WeitereSysteme &andere) = default;
    WeitereSysteme &operator=(const WeitereSysteme &andere) = default;

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

#endif // WEITERESYSTEME_H
