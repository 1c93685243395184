#include "waffen.h"

Waffen::Waffen()
{
    m_slotBedarf = 2;
}

int Waffen::typ() const
{
    return Kategorie;
}

QString Waffen::kurzname() const
{
    return QStringLiteral("Waffen");
}

bool Waffen::leseZeile(const QStringList &felder)
{
    Komponente::leseZeile(felder);
    const bool vollstaendig = felder.size() >= Spalten;
    if (vollstaendig) {
        leseGrunddaten(felder);
        m_bev = leseGanzzahl(felder.at(6));
        m_rev = leseGanzzahl(felder.at(7));
        m_gstpv = leseGanzzahl(felder.at(8));
        m_wirkung = felder.at(9);
        setzeEinheit(felder.at(10));
        m_slotBedarf = m_einheit.toLower() == QLatin1String("gstpv") ? 1 : 2;
    }
    m_beschreibung = baueBeschreibung(QStringLiteral("%3, TL %4, %L5St, %L6t, %L7BEV, %L8REV, %L9GSTPV, %10"),
        {m_bev, m_rev, m_gstpv, m_wirkung});
    return vollstaendig;
}

int Waffen::spaltenAnzahl() const
{
    return Spalten;
}

QVariant Waffen::spaltenWert(int spalte) const
{
    switch (spalte) {
    case 6: return m_bev;
    case 7: return m_rev;
    case 8: return m_gstpv;
    case 9: return m_wirkung;
    case 10: return einheit(false);
    default: return Komponente::spaltenWert(spalte);
    }
}

QString Waffen::spaltenTitel(int spalte) const
{
    switch (spalte) {
    case 6: return QStringLiteral("BEV");
    case 7: return QStringLiteral("REV");
    case 8: return QStringLiteral("GSTPV");
    case 9: return QStringLiteral("Wirkung");
    case 10: return einheitTitel();
    default: return Komponente::spaltenTitel(spalte);
    }
}

QString Waffen::wirkung() const
{
    return m_wirkung;
}
