#include "schildgenerator.h"

Schildgenerator::Schildgenerator()
{
    m_slotBedarf = 1;
    m_gstpv = 1;
}

int Schildgenerator::typ() const
{
    return Kategorie;
}

QString Schildgenerator::kurzname() const
{
    return QStringLiteral("Schild.");
}

bool Schildgenerator::leseZeile(const QStringList &felder)
{
    Komponente::leseZeile(felder);
    const bool vollstaendig = felder.size() >= Spalten;
    if (vollstaendig) {
        leseGrunddaten(felder);
        m_schildenergie = leseGanzzahl(felder.at(6));
        m_rev = m_schildenergie;
        m_res = leseGanzzahl(felder.at(7));
        setzeEinheit(felder.at(8));
    }
    m_beschreibung = baueBeschreibung(QStringLiteral("%3, TL %4, pro GSTPV: %L5St, %L6t, %L7SE|REV, %L8Res"),
        {m_schildenergie, m_res});
    return vollstaendig;
}

int Schildgenerator::spaltenAnzahl() const
{
    return Spalten;
}

QVariant Schildgenerator::spaltenWert(int spalte) const
{
    switch (spalte) {
    case 6: return m_schildenergie;
    case 7: return m_res;
    case 8: return einheit(false);
    default: return Komponente::spaltenWert(spalte);
    }
}

QString Schildgenerator::spaltenTitel(int spalte) const
{
    switch (spalte) {
    case 6: return QStringLiteral("SE /n");
    case 7: return QStringLiteral("Res. /n");
    case 8: return einheitTitel();
    default: return Komponente::spaltenTitel(spalte);
    }
}

int Schildgenerator::schildenergie() const
{
    return m_schildenergie;
}

int Schildgenerator::res() const
{
    return m_res;
}
