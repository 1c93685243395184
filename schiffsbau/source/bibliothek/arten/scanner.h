#ifndef SCANNER_H
#define SCANNER_H

#include "komponente.h"

// Component kind of the category Scanner: scanner; range in km.
class Scanner : public Komponente
{
public:
    Scanner();

    // detection bonus
    int erfassung() const;
    // range
    int reichweite() const;
    // the "Res." value (shown and stored only)
    int res() const;
};

#endif // SCANNER_H
