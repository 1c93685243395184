#ifndef WEITERESYSTEME_H
#define WEITERESYSTEME_H

#include "komponente.h"

// Component kind of the category WeitereSysteme: further system (turrets, jammers, ...).
class WeitereSysteme : public Komponente
{
public:
    WeitereSysteme();

    int typ() const override;
    QString kurzname() const override;

    // effect text (raw field text)
    QString wirkung() const;
};

#endif // WEITERESYSTEME_H
