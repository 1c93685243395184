#include "energiespeicher.h"

EnergieSpeicher::EnergieSpeicher()
{
    m_slotBedarf = 2;
}

int EnergieSpeicher::typ() const
{
    return Kategorie;
}

QString EnergieSpeicher::kurzname() const
{
    return QStringLiteral("Energie");
}

bool EnergieSpeicher::leseZeile(const QStringList &felder)
{
    Komponente::leseZeile(felder);
    const bool vollstaendig = felder.size() >= Spalten;
    if (vollstaendig) {
        leseGrunddaten(felder);
        m_be = leseGanzzahl(felder.at(6));
        m_gstpv = leseGanzzahl(felder.at(7));
        setzeEinheit(felder.at(8));
    }
    m_beschreibung = baueBeschreibung(QStringLiteral("%3, TL %4, %L5St, %L6t, %L7BE, %L9GSTPV"),
        {m_be, m_gstpv});
    return vollstaendig;
}

int EnergieSpeicher::spaltenAnzahl() const
{
    return Spalten;
}

QVariant EnergieSpeicher::spaltenWert(int spalte) const
{
    switch (spalte) {
    case 6: return m_be;
    case 7: return m_gstpv;
    case 8: return einheit(false);
    default: return Komponente::spaltenWert(spalte);
    }
}

QString EnergieSpeicher::spaltenTitel(int spalte) const
{
    switch (spalte) {
    case 6: return QStringLiteral("BE");
    case 7: return QStringLiteral("GSTPV");
    case 8: return einheitTitel();
    default: return Komponente::spaltenTitel(spalte);
    }
}

int EnergieSpeicher::be() const
{
    return m_be;
}
