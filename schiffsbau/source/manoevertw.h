#ifndef MANOEVERTW_H
#define MANOEVERTW_H

#include "komponente.h"

// Component kind 9: manoeuvring engine.
class ManoeverTW : public Komponente
{
public:
    static constexpr int Kategorie = 9;
    static constexpr int Spalten = 11;

    ManoeverTW();
    ManoeverTW(const ManoeverTW &andere) = default;
    ManoeverTW &operator=(const ManoeverTW &andere) = default;

    int typ() const override;
    QString kurzname() const override;
    // Reads a row of at least Spalten fields; a shorter row keeps the
    // defaults and is refused (false).
    bool leseZeile(const QStringList &felder) override;
    int spaltenAnzahl() const override;
    QVariant spaltenWert(int spalte) const override;
    QString spaltenTitel(int spalte) const override;

    // partial steering
    int teilsteuerung() const;
    // the "Res." value (shown and stored only)
    int res() const;

private:
    int m_teilsteuerung = 0;
    int m_res = 0;
};

#endif // MANOEVERTW_H
