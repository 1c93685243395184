#include "kommrelais.h"

KommRelais::KommRelais()
{
    m_slotBedarf = 1;
    m_gstpv = 1;
}

int KommRelais::typ() const
{
    return Kategorie;
}

QString KommRelais::kurzname() const
{
    return QStringLiteral("Komm.Rel.");
}

bool KommRelais::leseZeile(const QStringList &felder)
{
    Komponente::leseZeile(felder);
    const bool vollstaendig = felder.size() >= Spalten;
    if (vollstaendig) {
        leseGrunddaten(felder);
        m_reichweite = leseGanzzahl(felder.at(6));
        m_rev = leseGanzzahl(felder.at(7));
        m_res = leseGanzzahl(felder.at(8));
        setzeEinheit(felder.at(9));
    }
    m_beschreibung = baueBeschreibung(QStringLiteral("%3, TL %4, pro GSTPV: %L5St, %L6t, %L7Mio km, %L8REV, %L10Res"),
        {m_reichweite, m_rev, m_res});
    return vollstaendig;
}

int KommRelais::spaltenAnzahl() const
{
    return Spalten;
}

QVariant KommRelais::spaltenWert(int spalte) const
{
    switch (spalte) {
    case 6: return m_reichweite;
    case 7: return m_rev;
    case 8: return m_res;
    case 9: return einheit(false);
    default: return Komponente::spaltenWert(spalte);
    }
}

QString KommRelais::spaltenTitel(int spalte) const
{
    switch (spalte) {
    case 6: return QStringLiteral("Mio. km /n");
    case 7: return QStringLiteral("REV /n");
    case 8: return QStringLiteral("Res. /n");
    case 9: return einheitTitel();
    default: return Komponente::spaltenTitel(spalte);
    }
}

int KommRelais::reichweite() const
{
    return m_reichweite;
}

int KommRelais::res() const
{
    return m_res;
}
