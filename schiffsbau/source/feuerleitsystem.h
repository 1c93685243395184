#ifndef FEUERLEITSYSTEM_H
#define FEUERLEITSYSTEM_H

#include "komponente.h"

// Component kind 15: fire-control system.
class Feuerleitsystem : public Komponente
{
public:
    static constexpr int Kategorie = 15;
    static constexpr int Spalten = 10;

    Feuerleitsystem();
    Feuerleitsystem(const Feuerleitsystem &andere) = default;
    Feuerleitsystem &operator=(const Feuerleitsystem &andere) = default;

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

private:
    int m_handhabung = 0;
};

#endif // FEUERLEITSYSTEM_H
