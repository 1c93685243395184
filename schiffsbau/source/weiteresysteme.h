#ifndef WEITERESYSTEME_H
#define WEITERESYSTEME_H

#include "komponente.h"

// Component kind 23: further system (turrets, jammers, ...).
class WeitereSysteme : public Komponente
{
public:
    static constexpr int Kategorie = 23;

    WeitereSysteme();

    int typ() const override;
    QString kurzname() const override;

    // effect text (raw field text)
    QString wirkung() const;
};

#endif // WEITERESYSTEME_H
