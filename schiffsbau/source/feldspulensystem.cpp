#include "feldspulensystem.h"

Feldspulensystem::Feldspulensystem()
{
    m_slotBedarf = 1;
    m_gstpv = 1;
}

int Feldspulensystem::typ() const
{
    return Kategorie;
}

QString Feldspulensystem::kurzname() const
{
    return QStringLiteral("Feldspul.");
}

bool Feldspulensystem::leseZeile(const QStringList &felder)
{
    Komponente::leseZeile(felder);
    const bool vollstaendig = felder.size() >= Spalten;
    if (vollstaendig) {
        leseGrunddaten(felder);
        m_geschwindigkeit = leseDezimal(felder.at(6));
        m_rev = leseGanzzahl(felder.at(7));
        m_res = leseGanzzahl(felder.at(8));
        setzeEinheit(felder.at(9));
    }
    m_beschreibung = baueBeschreibung(QStringLiteral("%3, TL %4, pro GSTPV: %L5St, %L6t, %L7Mio km/s, %L8REV, %L10Res"),
        {QVariant::fromValue(m_geschwindigkeit), m_rev, m_res});
    return vollstaendig;
}

int Feldspulensystem::spaltenAnzahl() const
{
    return Spalten;
}

QVariant Feldspulensystem::spaltenWert(int spalte) const
{
    switch (spalte) {
    case 6: return QVariant::fromValue(m_geschwindigkeit);
    case 7: return m_rev;
    case 8: return m_res;
    case 9: return einheit(false);
    default: return Komponente::spaltenWert(spalte);
    }
}

QString Feldspulensystem::spaltenTitel(int spalte) const
{
    switch (spalte) {
    case 6: return QStringLiteral("Mio. km/s /n");
    case 7: return QStringLiteral("REV /n");
    case 8: return QStringLiteral("Res. /n");
    case 9: return einheitTitel();
    default: return Komponente::spaltenTitel(spalte);
    }
}

float Feldspulensystem::geschwindigkeit() const
{
    return m_geschwindigkeit;
}

int Feldspulensystem::res() const
{
    return m_res;
}
