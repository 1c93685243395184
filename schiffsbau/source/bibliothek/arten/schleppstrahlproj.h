#ifndef SCHLEPPSTRAHLPROJ_H
#define SCHLEPPSTRAHLPROJ_H

#include "komponente.h"

// Component kind of the category Schleppstrahlprojektoren: tractor beam projector.
class SchleppstrahlProj : public Komponente
{
public:
    SchleppstrahlProj();

    // handling
    int handhabung() const;
    // load in t
    int last() const;
    // the "Res." value (shown and stored only)
    int res() const;
};

#endif // SCHLEPPSTRAHLPROJ_H
