#include "sensoren.h"

Sensoren::Sensoren()
{
    m_slotBedarf = 1;
    m_gstpv = 1;
}

int Sensoren::typ() const
{
    return Kategorie;
}

QString Sensoren::kurzname() const
{
    return QStringLiteral("Sensoren");
}

bool Sensoren::leseZeile(const QStringList &felder)
{
    Komponente::leseZeile(felder);
    const bool vollstaendig = felder.size() >= Spalten;
    if (vollstaendig) {
        leseGrunddaten(felder);
        m_erfassung = leseGanzzahl(felder.at(6));
        m_reichweite = leseDezimal(felder.at(7));
        m_rev = leseGanzzahl(felder.at(8));
        m_res = leseGanzzahl(felder.at(9));
        setzeEinheit(felder.at(10));
    }
    m_beschreibung = baueBeschreibung(QStringLiteral("%3, TL %4, %L11Erf, pro GSTPV: %L5St, %L6t, %L7Mio km, %L8REV, %L10Res"),
        {QVariant::fromValue(m_reichweite), m_rev, m_res, m_erfassung});
    return vollstaendig;
}

int Sensoren::spaltenAnzahl() const
{
    return Spalten;
}

QVariant Sensoren::spaltenWert(int spalte) const
{
    switch (spalte) {
    case 6: return m_erfassung;
    case 7: return QVariant::fromValue(m_reichweite);
    case 8: return m_rev;
    case 9: return m_res;
    case 10: return einheit(false);
    default: return Komponente::spaltenWert(spalte);
    }
}

QString Sensoren::spaltenTitel(int spalte) const
{
    switch (spalte) {
    case 6: return QStringLiteral("Erf.");
    case 7: return QStringLiteral("Mio. km /n");
    case 8: return QStringLiteral("REV /n");
    case 9: return QStringLiteral("Res. /n");
    case 10: return einheitTitel();
    default: return Komponente::spaltenTitel(spalte);
    }
}

int Sensoren::erfassung() const
{
    return m_erfassung;
}

float Sensoren::reichweite() const
{
    return m_reichweite;
}

int Sensoren::res() const
{
    return m_res;
}
