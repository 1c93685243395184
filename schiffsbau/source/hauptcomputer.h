#ifndef HAUPTCOMPUTER_H
#define HAUPTCOMPUTER_H

#include "komponente.h"

// Component kind 13: main computer; provides system slots.
class Hauptcomputer : public Komponente
{
public:
    static constexpr int Kategorie = 13;
    static constexpr int Spalten = 10;

    Hauptcomputer();
    Hauptcomputer(const Hauptcomputer &andere) = default;
    Hauptcomputer &operator=(const Hauptcomputer &andere) = default;

    int typ() const override;
    QString kurzname() const override;
    // Reads a row of at least Spalten fields; a shorter row keeps the
    // defaults and is refused (false).
    bool leseZeile(const QStringList &felder) override;
    int spaltenAnzahl() const override;
    QVariant spaltenWert(int spalte) const override;
    QString spaltenTitel(int spalte) const override;

    // computer system slots per unit
    int systemSlots() const;

private:
    int m_slots = 0;
};

#endif // HAUPTCOMPUTER_H
