#ifndef SIGNALINTERFERANT_H
#define SIGNALINTERFERANT_H

#include "komponente.h"

// Component kind of the category Signalinterferanten: signal interferer (scan protection).
class Signalinterferant : public Komponente
{
public:
    Signalinterferant();

    // partial scan protection
    int teilscanschutz() const;
    // the "Res." value (shown and stored only)
    int res() const;
};

#endif // SIGNALINTERFERANT_H
