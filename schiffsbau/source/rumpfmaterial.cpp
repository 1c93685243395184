#include "rumpfmaterial.h"

Rumpfmaterial::Rumpfmaterial()
{
    m_slotBedarf = 1;
    m_gstpv = 0;
}

int Rumpfmaterial::typ() const
{
    return Kategorie;
}

QString Rumpfmaterial::kurzname() const
{
    return QStringLiteral("Rumpf");
}

bool Rumpfmaterial::leseZeile(const QStringList &felder)
{
    Komponente::leseZeile(felder);
    const bool vollstaendig = felder.size() >= Spalten;
    if (vollstaendig) {
        leseGrunddaten(felder);
        m_rumpfProGstp = leseDezimal(felder.at(6));
        setzeEinheit(felder.at(7));
    }
    m_beschreibung = baueBeschreibung(QStringLiteral("%3, TL %4, pro GSTP: %L5St, %L6t, %L7Rumpf"),
        {QVariant::fromValue(m_rumpfProGstp)});
    return vollstaendig;
}

int Rumpfmaterial::spaltenAnzahl() const
{
    return Spalten;
}

QVariant Rumpfmaterial::spaltenWert(int spalte) const
{
    switch (spalte) {
    case 6: return QVariant::fromValue(m_rumpfProGstp);
    case 7: return einheit(false);
    default: return Komponente::spaltenWert(spalte);
    }
}

QString Rumpfmaterial::spaltenTitel(int spalte) const
{
    switch (spalte) {
    case 6: return QStringLiteral("Rumpf /n");
    case 7: return einheitTitel();
    default: return Komponente::spaltenTitel(spalte);
    }
}

float Rumpfmaterial::rumpfProGstp() const
{
    return m_rumpfProGstp;
}
