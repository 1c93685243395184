#ifndef WEITERESYSTEME_H
#define WEITERESYSTEME_H

#include "komponente.h"

// Component kind of the category WeitereSysteme: further system (turrets, jammers, ...).
class WeitereSysteme : public Komponente
{
public:
    WeitereSysteme();

    // effect text (raw field text)
    QString wirkung() const;
};

#endif // WEITERESYSTEME_H
