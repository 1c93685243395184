#include "trtransmitter.h"

TrTransmitter::TrTransmitter()
{
    m_slotBedarf = 1;
    m_gstpv = 1;
}

int TrTransmitter::typ() const
{
    return Kategorie;
}

QString TrTransmitter::kurzname() const
{
    return QStringLiteral("TrTransm.");
}

bool TrTransmitter::leseZeile(const QStringList &felder)
{
    Komponente::leseZeile(felder);
    const bool vollstaendig = felder.size() >= Spalten;
    if (vollstaendig) {
        leseGrunddaten(felder);
        m_reichweite = leseGanzzahl(felder.at(6));
        m_bev = leseGanzzahl(felder.at(7));
        m_res = leseGanzzahl(felder.at(8));
        setzeEinheit(felder.at(9));
    }
    m_beschreibung = baueBeschreibung(QStringLiteral("%3, TL %4, pro GSTPV: %L5St, %L6t, %L7LJ, %L8BEV, %L10Res"),
        {m_reichweite, m_bev, m_res});
    return vollstaendig;
}

int TrTransmitter::spaltenAnzahl() const
{
    return Spalten;
}

QVariant TrTransmitter::spaltenWert(int spalte) const
{
    switch (spalte) {
    case 6: return m_reichweite;
    case 7: return m_bev;
    case 8: return m_res;
    case 9: return einheit(false);
    default: return Komponente::spaltenWert(spalte);
    }
}

QString TrTransmitter::spaltenTitel(int spalte) const
{
    switch (spalte) {
    case 6: return QStringLiteral("Lj. /n");
    case 7: return QStringLiteral("BEV /n");
    case 8: return QStringLiteral("Res. /n");
    case 9: return einheitTitel();
    default: return Komponente::spaltenTitel(spalte);
    }
}

int TrTransmitter::reichweite() const
{
    return m_reichweite;
}

int TrTransmitter::res() const
{
    return m_res;
}
