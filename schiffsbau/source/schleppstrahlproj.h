#ifndef SCHLEPPSTRAHLPROJ_H
#define SCHLEPPSTRAHLPROJ_H

#include "komponente.h"

// Component kind 21: tractor beam projector.
class SchleppstrahlProj : public Komponente
{
public:
    static constexpr int Kategorie = 21;
    static constexpr int Spalten = 12;

    SchleppstrahlProj();
    SchleppstrahlProj(const SchleppstrahlProj &andere) = default;
    SchleppstrahlProj &operator=(const SchleppstrahlProj &andere) = default;

    int typ() const override;
    QString kurzname() const override;
    // Reads a row of at least Spalten fields; a shorter row keeps the
    // defaults and is refused (false).
    bool leseZeile(const QStringList &felder) override;
    int spaltenAnzahl() const override;
    QVariant spaltenWert(int spalte) const override;
    QString spaltenTitel(int spalte) const override;

    // handling
    int handhabung() const;
    // load in t
    int last() const;
    // the "Res." value (shown and stored only)
    int res() const;

private:
    int m_handhabung = 0;
    int m_last = 0;
    int m_res = 0;
};

#endif // SCHLEPPSTRAHLPROJ_H
