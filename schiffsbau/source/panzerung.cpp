#include "panzerung.h"

#include <cmath>
#include <limits>

namespace {

// Whole part of a decimal value (cut towards zero), 0 outside the int range.
int ganzerTeil(float wert)
{
    const double ganz = std::trunc(double(wert));
    if (ganz < double(std::numeric_limits<int>::min()) || ganz > double(std::numeric_limits<int>::max()))
        return 0;
    return int(ganz);
}

} // namespace

Panzerung::Panzerung()
{
    m_slotBedarf = 1;
    m_gstpv = 1;
}

int Panzerung::typ() const
{
    return Kategorie;
}

QString Panzerung::kurzname() const
{
    return QStringLiteral("Panz.");
}

bool Panzerung::leseZeile(const QStringList &felder)
{
    Komponente::leseZeile(felder);
    const bool vollstaendig = felder.size() >= Spalten;
    if (vollstaendig) {
        leseGrunddaten(felder);
        m_teilschutz = ganzerTeil(leseDezimal(felder.at(6)));
        setzeEinheit(felder.at(7));
    }
    m_beschreibung = baueBeschreibung(QStringLiteral("%3, TL %4, pro GSTPV: %L5St, %L6t, %L7Teilschutz"),
        {m_teilschutz});
    return vollstaendig;
}

int Panzerung::spaltenAnzahl() const
{
    return Spalten;
}

QVariant Panzerung::spaltenWert(int spalte) const
{
    switch (spalte) {
    case 6: return m_teilschutz;
    case 7: return einheit(false);
    default: return Komponente::spaltenWert(spalte);
    }
}

QString Panzerung::spaltenTitel(int spalte) const
{
    switch (spalte) {
    case 6: return QStringLiteral("Schutz /n");
    case 7: return einheitTitel();
    default: return Komponente::spaltenTitel(spalte);
    }
}

int Panzerung::teilschutz() const
{
    return m_teilschutz;
}
