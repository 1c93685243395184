#include "feldprojektor.h"

FeldProjektor::FeldProjektor()
{
    m_slotBedarf = 1;
    m_gstpv = 1;
}

int FeldProjektor::typ() const
{
    return Kategorie;
}

QString FeldProjektor::kurzname() const
{
    return QStringLiteral("Feldproj.");
}

bool FeldProjektor::leseZeile(const QStringList &felder)
{
    Komponente::leseZeile(felder);
    const bool vollstaendig = felder.size() >= Spalten;
    if (vollstaendig) {
        leseGrunddaten(felder);
        m_teilsteuerung = leseGanzzahl(felder.at(6));
        m_rev = leseGanzzahl(felder.at(7));
        m_res = leseGanzzahl(felder.at(8));
        setzeEinheit(felder.at(9));
    }
    m_beschreibung = baueBeschreibung(QStringLiteral("%3, TL %4, pro GSTPV: %L5St, %L6t, %L7Teilstrg, %L8REV, %L10Res"),
        {m_teilsteuerung, m_rev, m_res});
    return vollstaendig;
}

int FeldProjektor::spaltenAnzahl() const
{
    return Spalten;
}

QVariant FeldProjektor::spaltenWert(int spalte) const
{
    switch (spalte) {
    case 6: return m_teilsteuerung;
    case 7: return m_rev;
    case 8: return m_res;
    case 9: return einheit(false);
    default: return Komponente::spaltenWert(spalte);
    }
}

QString FeldProjektor::spaltenTitel(int spalte) const
{
    switch (spalte) {
    case 6: return QStringLiteral("Strg. /n");
    case 7: return QStringLiteral("REV /n");
    case 8: return QStringLiteral("Res. /n");
    case 9: return einheitTitel();
    default: return Komponente::spaltenTitel(spalte);
    }
}

int FeldProjektor::teilsteuerung() const
{
    return m_teilsteuerung;
}

int FeldProjektor::res() const
{
    return m_res;
}
