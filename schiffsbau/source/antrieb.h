#ifndef ANTRIEB_H
#define ANTRIEB_H

#include "komponente.h"

// Component kind 12: jump drive, counted in GSTPV.
class Antrieb : public Komponente
{
public:
    static constexpr int Kategorie = 12;

    Antrieb();

    int typ() const override;
    QString kurzname() const override;

    // jump tonnage per GSTPV
    int sprungTonnage() const;
};

#endif // ANTRIEB_H
