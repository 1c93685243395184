#include "feuerleitsystem.h"

Feuerleitsystem::Feuerleitsystem()
{
    m_slotBedarf = 2;
}

int Feuerleitsystem::typ() const
{
    return Kategorie;
}

QString Feuerleitsystem::kurzname() const
{
    return QStringLiteral("Feuerleits.");
}

bool Feuerleitsystem::leseZeile(const QStringList &felder)
{
    Komponente::leseZeile(felder);
    const bool vollstaendig = felder.size() >= Spalten;
    if (vollstaendig) {
        leseGrunddaten(felder);
        m_handhabung = leseGanzzahl(felder.at(6));
        m_rev = leseGanzzahl(felder.at(7));
        m_gstpv = leseGanzzahl(felder.at(8));
        setzeEinheit(felder.at(9));
    }
    m_beschreibung = baueBeschreibung(QStringLiteral("%3, TL %4, %L5St, %L6t, %L7Handh., %L8REV, %L10GSTPV"),
        {m_handhabung, m_rev, m_gstpv});
    return vollstaendig;
}

int Feuerleitsystem::spaltenAnzahl() const
{
    return Spalten;
}

QVariant Feuerleitsystem::spaltenWert(int spalte) const
{
    switch (spalte) {
    case 6: return m_handhabung;
    case 7: return m_rev;
    case 8: return m_gstpv;
    case 9: return einheit(false);
    default: return Komponente::spaltenWert(spalte);
    }
}

QString Feuerleitsystem::spaltenTitel(int spalte) const
{
    switch (spalte) {
    case 6: return QStringLiteral("Handh.");
    case 7: return QStringLiteral("REV");
    case 8: return QStringLiteral("GSTPV");
    case 9: return einheitTitel();
    default: return Komponente::spaltenTitel(spalte);
    }
}

int Feuerleitsystem::handhabung() const
{
    return m_handhabung;
}
