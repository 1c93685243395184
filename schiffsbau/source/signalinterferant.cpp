#include "signalinterferant.h"

Signalinterferant::Signalinterferant()
{
    m_slotBedarf = 2;
}

int Signalinterferant::typ() const
{
    return Kategorie;
}

QString Signalinterferant::kurzname() const
{
    return QStringLiteral("Signalint.");
}

bool Signalinterferant::leseZeile(const QStringList &felder)
{
    Komponente::leseZeile(felder);
    const bool vollstaendig = felder.size() >= Spalten;
    if (vollstaendig) {
        leseGrunddaten(felder);
        m_teilscanschutz = leseGanzzahl(felder.at(6));
        m_rev = leseGanzzahl(felder.at(7));
        m_gstpv = leseGanzzahl(felder.at(8));
        m_res = leseGanzzahl(felder.at(9));
        setzeEinheit(felder.at(10));
    }
    m_beschreibung = baueBeschreibung(QStringLiteral("%3, TL %4, %L5St, %L6t, %L7Teilscansch, %L8REV, %L10GSTPV, %L12Res"),
        {m_teilscanschutz, m_rev, m_gstpv, m_res});
    return vollstaendig;
}

int Signalinterferant::spaltenAnzahl() const
{
    return Spalten;
}

QVariant Signalinterferant::spaltenWert(int spalte) const
{
    switch (spalte) {
    case 6: return m_teilscanschutz;
    case 7: return m_rev;
    case 8: return m_gstpv;
    case 9: return m_res;
    case 10: return einheit(false);
    default: return Komponente::spaltenWert(spalte);
    }
}

QString Signalinterferant::spaltenTitel(int spalte) const
{
    switch (spalte) {
    case 6: return QStringLiteral("Scanschutz");
    case 7: return QStringLiteral("REV");
    case 8: return QStringLiteral("GSTPV");
    case 9: return QStringLiteral("Res.");
    case 10: return einheitTitel();
    default: return Komponente::spaltenTitel(spalte);
    }
}

int Signalinterferant::teilscanschutz() const
{
    return m_teilscanschutz;
}

int Signalinterferant::res() const
{
    return m_res;
}
