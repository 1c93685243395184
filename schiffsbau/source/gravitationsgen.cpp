#include "gravitationsgen.h"

GravitationsGen::GravitationsGen()
{
    m_slotBedarf = 2;
}

int GravitationsGen::typ() const
{
    return Kategorie;
}

QString GravitationsGen::kurzname() const
{
    return QStringLiteral("GravGen.");
}

bool GravitationsGen::leseZeile(const QStringList &felder)
{
    Komponente::leseZeile(felder);
    const bool vollstaendig = felder.size() >= Spalten;
    if (vollstaendig) {
        leseGrunddaten(felder);
        m_gravGstp = leseGanzzahl(felder.at(6));
        m_rev = leseGanzzahl(felder.at(7));
        m_gstpv = leseGanzzahl(felder.at(8));
        setzeEinheit(felder.at(9));
    }
    m_beschreibung = baueBeschreibung(QStringLiteral("%3, TL %4, %L5St, %L6t, %L7Grav.GSTP, %L8REV, %L9GSTPV"),
        {m_gravGstp, m_rev, m_gstpv});
    return vollstaendig;
}

int GravitationsGen::spaltenAnzahl() const
{
    return Spalten;
}

QVariant GravitationsGen::spaltenWert(int spalte) const
{
    switch (spalte) {
    case 6: return m_gravGstp;
    case 7: return m_rev;
    case 8: return m_gstpv;
    case 9: return einheit(false);
    default: return Komponente::spaltenWert(spalte);
    }
}

QString GravitationsGen::spaltenTitel(int spalte) const
{
    switch (spalte) {
    case 6: return QStringLiteral("Grav.GSTP");
    case 7: return QStringLiteral("REV");
    case 8: return QStringLiteral("GSTPV");
    case 9: return einheitTitel();
    default: return Komponente::spaltenTitel(spalte);
    }
}

int GravitationsGen::gravGstp() const
{
    return m_gravGstp;
}
