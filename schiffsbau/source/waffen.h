#ifndef WAFFEN_H
#define WAFFEN_H

#include "komponente.h"

// Component kind 22: weapon system.
class Waffen : public Komponente
{
public:
    static constexpr int Kategorie = 22;
    static constexpr int Spalten = 11;

    Waffen();
    Waffen(const Waffen &andere) = default;
    Waffen &operator=(const Waffen &andere) = default;

    int typ() const override;
    QString kurzname() const override;
    // Reads a row of at least Spalten fields; a shorter row keeps the
    // defaults and is refused (false).
    bool leseZeile(const QStringList &felder) override;
    int spaltenAnzahl() const override;
    QVariant spaltenWert(int spalte) const override;
    QString spaltenTitel(int spalte) const override;

    // effect text (raw field text)
    QString wirkung() const;

private:
    QString m_wirkung;
};

#endif // WAFFEN_H
