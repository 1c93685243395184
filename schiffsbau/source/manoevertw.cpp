#include "manoevertw.h"

ManoeverTW::ManoeverTW()
{
    m_slotBedarf = 2;
}

int ManoeverTW::typ() const
{
    return Kategorie;
}

QString ManoeverTW::kurzname() const
{
    return QStringLiteral("Manoever.");
}

bool ManoeverTW::leseZeile(const QStringList &felder)
{
    Komponente::leseZeile(felder);
    const bool vollstaendig = felder.size() >= Spalten;
    if (vollstaendig) {
        leseGrunddaten(felder);
        m_teilsteuerung = leseGanzzahl(felder.at(6));
        m_rev = leseGanzzahl(felder.at(7));
        m_gstpv = leseGanzzahl(felder.at(8));
        m_res = leseGanzzahl(felder.at(9));
        setzeEinheit(felder.at(10));
    }
    m_beschreibung = baueBeschreibung(QStringLiteral("%3, TL %4, %L5St, %L6t, %L7Teilstrg, %L8REV, %L9GSTPV, %L10Res"),
        {m_teilsteuerung, m_rev, m_gstpv, m_res});
    return vollstaendig;
}

int ManoeverTW::spaltenAnzahl() const
{
    return Spalten;
}

QVariant ManoeverTW::spaltenWert(int spalte) const
{
    switch (spalte) {
    case 6: return m_teilsteuerung;
    case 7: return m_rev;
    case 8: return m_gstpv;
    case 9: return m_res;
    case 10: return einheit(false);
    default: return Komponente::spaltenWert(spalte);
    }
}

QString ManoeverTW::spaltenTitel(int spalte) const
{
    switch (spalte) {
    case 6: return QStringLiteral("Strg.");
    case 7: return QStringLiteral("REV");
    case 8: return QStringLiteral("GSTPV");
    case 9: return QStringLiteral("Res.");
    case 10: return einheitTitel();
    default: return Komponente::spaltenTitel(spalte);
    }
}

int ManoeverTW::teilsteuerung() const
{
    return m_teilsteuerung;
}

int ManoeverTW::res() const
{
    return m_res;
}
