#include "scanner.h"

Scanner::Scanner()
{
    m_slotBedarf = 2;
}

int Scanner::typ() const
{
    return Kategorie;
}

QString Scanner::kurzname() const
{
    return QStringLiteral("Scanner");
}

bool Scanner::leseZeile(const QStringList &felder)
{
    Komponente::leseZeile(felder);
    const bool vollstaendig = felder.size() >= Spalten;
    if (vollstaendig) {
        leseGrunddaten(felder);
        m_erfassung = leseGanzzahl(felder.at(6));
        m_reichweite = leseGanzzahl(felder.at(7));
        m_bev = leseGanzzahl(felder.at(8));
        m_gstpv = leseGanzzahl(felder.at(9));
        m_res = leseGanzzahl(felder.at(10));
        setzeEinheit(felder.at(11));
    }
    m_beschreibung = baueBeschreibung(QStringLiteral("%3, TL %4, %L5St, %L6t, %L7Erfassung, %L8km, %L9BEV, %L10GSTPV, %L11Res"),
        {m_erfassung, m_reichweite, m_bev, m_gstpv, m_res});
    return vollstaendig;
}

int Scanner::spaltenAnzahl() const
{
    return Spalten;
}

QVariant Scanner::spaltenWert(int spalte) const
{
    switch (spalte) {
    case 6: return m_erfassung;
    case 7: return m_reichweite;
    case 8: return m_bev;
    case 9: return m_gstpv;
    case 10: return m_res;
    case 11: return einheit(false);
    default: return Komponente::spaltenWert(spalte);
    }
}

QString Scanner::spaltenTitel(int spalte) const
{
    switch (spalte) {
    case 6: return QStringLiteral("Erf.");
    case 7: return QStringLiteral("km");
    case 8: return QStringLiteral("BEV");
    case 9: return QStringLiteral("GSTPV");
    case 10: return QStringLiteral("Res");
    case 11: return einheitTitel();
    default: return Komponente::spaltenTitel(spalte);
    }
}

int Scanner::erfassung() const
{
    return m_erfassung;
}

int Scanner::reichweite() const
{
    return m_reichweite;
}

int Scanner::res() const
{
    return m_res;
}
