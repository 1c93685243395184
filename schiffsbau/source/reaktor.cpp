#include "reaktor.h"

Reaktor::Reaktor()
{
    m_slotBedarf = 1;
    m_gstpv = 1;
}

int Reaktor::typ() const
{
    return Kategorie;
}

QString Reaktor::kurzname() const
{
    return QStringLiteral("Reaktor");
}

bool Reaktor::leseZeile(const QStringList &felder)
{
    Komponente::leseZeile(felder);
    const bool vollstaendig = felder.size() >= Spalten;
    if (vollstaendig) {
        leseGrunddaten(felder);
        m_re = leseGanzzahl(felder.at(6));
        m_res = leseGanzzahl(felder.at(7));
        setzeEinheit(felder.at(8));
    }
    m_beschreibung = baueBeschreibung(QStringLiteral("%3, TL %4, pro GSTPV: %L5St, %L6t, %L7Res, %L8RE"),
        {m_res, m_re});
    return vollstaendig;
}

int Reaktor::spaltenAnzahl() const
{
    return Spalten;
}

QVariant Reaktor::spaltenWert(int spalte) const
{
    switch (spalte) {
    case 6: return m_re;
    case 7: return m_res;
    case 8: return einheit(false);
    default: return Komponente::spaltenWert(spalte);
    }
}

QString Reaktor::spaltenTitel(int spalte) const
{
    switch (spalte) {
    case 6: return QStringLiteral("RE /n");
    case 7: return QStringLiteral("Res. /n");
    case 8: return einheitTitel();
    default: return Komponente::spaltenTitel(spalte);
    }
}

int Reaktor::re() const
{
    return m_re;
}

int Reaktor::res() const
{
    return m_res;
}
