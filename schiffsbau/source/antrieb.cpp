#include "antrieb.h"

Antrieb::Antrieb()
{
    m_slotBedarf = 1;
    m_gstpv = 1;
}

int Antrieb::typ() const
{
    return Kategorie;
}

QString Antrieb::kurzname() const
{
    return QStringLiteral("Antrieb");
}

bool Antrieb::leseZeile(const QStringList &felder)
{
    Komponente::leseZeile(felder);
    const bool vollstaendig = felder.size() >= Spalten;
    if (vollstaendig) {
        leseGrunddaten(felder);
        m_sprungTonnage = leseGanzzahl(felder.at(6));
        m_bev = leseGanzzahl(felder.at(7));
        setzeEinheit(felder.at(8));
    }
    m_beschreibung = baueBeschreibung(QStringLiteral("%3, TL %4, pro GSTPV: %L5St, %L6t, %L7Sprung-t, %L8BEV"),
        {m_sprungTonnage, m_bev});
    return vollstaendig;
}

int Antrieb::spaltenAnzahl() const
{
    return Spalten;
}

QVariant Antrieb::spaltenWert(int spalte) const
{
    switch (spalte) {
    case 6: return m_sprungTonnage;
    case 7: return m_bev;
    case 8: return einheit(false);
    default: return Komponente::spaltenWert(spalte);
    }
}

QString Antrieb::spaltenTitel(int spalte) const
{
    switch (spalte) {
    case 6: return QStringLiteral("Sprung-t /n");
    case 7: return QStringLiteral("BEV /n");
    case 8: return einheitTitel();
    default: return Komponente::spaltenTitel(spalte);
    }
}

int Antrieb::sprungTonnage() const
{
    return m_sprungTonnage;
}
