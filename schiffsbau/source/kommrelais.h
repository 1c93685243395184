#ifndef KOMMRELAIS_H
#define KOMMRELAIS_H

#include "komponente.h"

// Component kind 17: communication relay, counted in GSTPV; range in Mio km.
class KommRelais : public Komponente
{
public:
    static constexpr int Kategorie = 17;
    static constexpr int Spalten = 10;

    KommRelais();
    KommRelais(const KommRelais &andere) = default;
    KommRelais &operator=(const KommRelais &andere) = default;

    int typ() const override;
    QString kurzname() const override;
    // Reads a row of at least Spalten fields; a shorter row keeps the
    // defaults and is refused (false).
    bool leseZeile(const QStringList &felder) override;
    int spaltenAnzahl() const override;
    QVariant spaltenWert(int spalte) const override;
    QString spaltenTitel(int spalte) const override;

    // range
    int reichweite() const;
    // the "Res." value (shown and stored only)
    int res() const;

private:
    int m_reichweite = 0;
    int m_res = 0;
};

#endif // KOMMRELAIS_H
