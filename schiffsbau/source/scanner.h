#ifndef SCANNER_H
#define SCANNER_H

#include "komponente.h"

// Component kind 16: scanner; range in km.
class Scanner : public Komponente
{
public:
    static constexpr int Kategorie = 16;

    Scanner();

    int typ() const override;
    QString kurzname() const override;

    // detection bonus
    int erfassung() const;
    // range
    int reichweite() const;
    // the "Res." value (shown and stored only)
    int res() const;
};

#endif // SCANNER_H
