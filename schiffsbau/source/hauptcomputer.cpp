#include "hauptcomputer.h"

Hauptcomputer::Hauptcomputer()
{
    m_slotBedarf = 0;
}

int Hauptcomputer::typ() const
{
    return Kategorie;
}

QString Hauptcomputer::kurzname() const
{
    return QStringLiteral("Computer");
}

bool Hauptcomputer::leseZeile(const QStringList &felder)
{
    Komponente::leseZeile(felder);
    const bool vollstaendig = felder.size() >= Spalten;
    if (vollstaendig) {
        leseGrunddaten(felder);
        m_slots = leseGanzzahl(felder.at(6));
        m_rev = leseGanzzahl(felder.at(7));
        m_gstpv = leseGanzzahl(felder.at(8));
        setzeEinheit(felder.at(9));
    }
    m_beschreibung = baueBeschreibung(QStringLiteral("%3, TL %4, %L5St, %L6t, %L7Sys.slots, %L8REV, %L10GSTPV"),
        {m_slots, m_rev, m_gstpv});
    return vollstaendig;
}

int Hauptcomputer::spaltenAnzahl() const
{
    return Spalten;
}

QVariant Hauptcomputer::spaltenWert(int spalte) const
{
    switch (spalte) {
    case 6: return m_slots;
    case 7: return m_rev;
    case 8: return m_gstpv;
    case 9: return einheit(false);
    default: return Komponente::spaltenWert(spalte);
    }
}

QString Hauptcomputer::spaltenTitel(int spalte) const
{
    switch (spalte) {
    case 6: return QStringLiteral("Slots");
    case 7: return QStringLiteral("REV");
    case 8: return QStringLiteral("GSTPV");
    case 9: return einheitTitel();
    default: return Komponente::spaltenTitel(spalte);
    }
}

int Hauptcomputer::systemSlots() const
{
    return m_slots;
}
