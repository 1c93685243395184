#ifndef WEITERERAEUME_H
#define WEITERERAEUME_H

#include "komponente.h"

// Component kind of the category WeitereRaeume: further rooms (laboratories, sick bay, mess, ...).
class WeitereRaeume : public Komponente
{
public:
    WeitereRaeume();

    // effect text (raw field text)
    QString wirkung() const;
};

#endif // WEITERERAEUME_H
