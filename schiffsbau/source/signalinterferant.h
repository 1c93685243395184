#ifndef SIGNALINTERFERANT_H
#define SIGNALINTERFERANT_H

#include "komponente.h"

// Component kind 20: signal interferer (scan protection).
class Signalinterferant : public Komponente
{
public:
    static constexpr int Kategorie = 20;
    static constexpr int Spalten = 11;

    Signalinterferant();
    Signalinterferant(const Signalinterferant &andere) = default;
    Signalinterferant &operator=(const Signalinterferant &andere) = default;

    int typ() const override;
    QString kurzname() const override;
    // Reads a row of at least Spalten fields; a shorter row keeps the
    // defaults and is refused (false).
    bool leseZeile(const QStringList &felder) override;
    int spaltenAnzahl() const override;
    QVariant spaltenWert(int spalte) const override;
    QString spaltenTitel(int spalte) const override;

    // partial scan protection
    int teilscanschutz() const;
    // the "Res." value (shown and stored only)
    int res() const;

private:
    int m_teilscanschutz = 0;
    int m_res = 0;
};

#endif // SIGNALINTERFERANT_H
