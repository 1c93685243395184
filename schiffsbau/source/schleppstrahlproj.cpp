#include "schleppstrahlproj.h"

SchleppstrahlProj::SchleppstrahlProj()
{
    m_slotBedarf = 2;
}

int SchleppstrahlProj::typ() const
{
    return Kategorie;
}

QString SchleppstrahlProj::kurzname() const
{
    return QStringLiteral("Schleppstr.");
}

bool SchleppstrahlProj::leseZeile(const QStringList &felder)
{
    Komponente::leseZeile(felder);
    const bool vollstaendig = felder.size() >= Spalten;
    if (vollstaendig) {
        leseGrunddaten(felder);
        m_handhabung = leseGanzzahl(felder.at(6));
        m_last = leseGanzzahl(felder.at(7));
        m_rev = leseGanzzahl(felder.at(8));
        m_gstpv = leseGanzzahl(felder.at(9));
        m_res = leseGanzzahl(felder.at(10));
        setzeEinheit(felder.at(11));
    }
    m_beschreibung = baueBeschreibung(QStringLiteral("%3, TL %4, %L5St, %L6t, %L7Handh, %L8t Last, %L9REV, %L10GSTPV, %L11Res"),
        {m_handhabung, m_last, m_rev, m_gstpv, m_res});
    return vollstaendig;
}

int SchleppstrahlProj::spaltenAnzahl() const
{
    return Spalten;
}

QVariant SchleppstrahlProj::spaltenWert(int spalte) const
{
    switch (spalte) {
    case 6: return m_handhabung;
    case 7: return m_last;
    case 8: return m_rev;
    case 9: return m_gstpv;
    case 10: return m_res;
    case 11: return einheit(false);
    default: return Komponente::spaltenWert(spalte);
    }
}

QString SchleppstrahlProj::spaltenTitel(int spalte) const
{
    switch (spalte) {
    case 6: return QStringLiteral("Handh.");
    case 7: return QStringLiteral("t Last");
    case 8: return QStringLiteral("REV");
    case 9: return QStringLiteral("GSTPV");
    case 10: return QStringLiteral("Res.");
    case 11: return einheitTitel();
    default: return Komponente::spaltenTitel(spalte);
    }
}

int SchleppstrahlProj::handhabung() const
{
    return m_handhabung;
}

int SchleppstrahlProj::last() const
{
    return m_last;
}

int SchleppstrahlProj::res() const
{
    return m_res;
}
