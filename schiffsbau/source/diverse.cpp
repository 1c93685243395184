#include "diverse.h"

namespace {

struct Eintrag
{
    int kategorie;
    const char *name;
    const char *regeltext;
    int gstpv;
    int preis;
    int rev;
    int bev;
    float gewicht;
    const char *einheit;
};

// Types 1 to 22, in type order. Values are per unit of the unit column.
const Eintrag eintraege[Diverse::AnzahlTypen] = {
    {0, "Wartungs/Lüftungsschächte, Maschinenraum", "5% GSTPV", 0, 0, 0, 0, 0.0f, "max 1x"},
    {3, "Treibstofftank", "2t/GSTPV, 1.000St/GSTPV 4.000St./10GSTPV", 1, 0, 0, 0, 0.0f, "GSTPV"},
    {0, "Steigschächte/Treppen", "10GSTPV/Deck", 10, 0, 0, 0, 0.0f, "Decks"},
    {0, "Turbolifte", "pro Deck 10GSTPV, 5REV, 500St", 10, 500, 5, 0, 0.0f, "Decks"},
    {0, "Cockpit/Brücke/Zentrale", "min. 2GSTPV pro Person, 1.000St/GSTPV", 1, 1000, 0, 0, 0.0f, "GSTPV"},
    {0, "Kabinen & Gänge", "min. 10GSTPV für 1 Personen-Zimmer, 100St/GSTPV", 1, 100, 0, 0, 0.0f, "GSTPV"},
    {0, "Frachtraum, intern", "1t Fracht pro GSTPV, 400St/GSTPV, 1.000St/10GSTPV", 1, 0, 0, 0, 0.0f, "GSTPV"},
    {0, "Frachtraum, extern", "2t Fracht pro GSTPV, 400St/GSTPV, 1.000St/10GSTPV", 1, 0, 0, 0, 0.0f, "GSTPV"},
    {0, "Hangar mit Tor", "600St/GSTPV, 1.500St/10GSTPV, 1BEV/GSTPV", 1, 0, 0, 1, 0.0f, "GSTPV"},
    {0, "Hangar mit Kraftfeld", "600St/GSTPV, 1.500St/10GSTPV, 1REV/GSTPV", 1, 0, 1, 0, 0.0f, "GSTPV"},
    {2, "Umweltkontrollsystem", "1 Person pro GSTPV, 10REV/GSTPV, 5.000St/GSTPV", 1, 5000, 10, 0, 0.0f, "GSTPV"},
    {2, "Wassertank & Recycler", "100L pro GSTPV, 500St/GSTPV", 1, 500, 0, 0, 0.1f, "GSTPV"},
    {3, "Trägheitsdämpfer", "1%+ GSTPV, 10g+, pro GSTPV: 5.000St, 30REV, 0,2t", 0, 0, 0, 0, 0.0f, "% GSTP"},
    {3, "Spiegelpanzerung", "50.000*Panzerungs-GSTPV St, Energiewaffenschaden-25%)", 0, 0, 0, 0, 0.0f, "max 1x"},
    {3, "EMAP-Starkfeld", "(GSTP/500)% GSTPV (mind.1%), 10REV/GSTPV, 2.000St/GSTPV", 0, 0, 0, 0, 0.0f, "max 1x"},
    {3, "Landestelzen", "1% GSTPV (mind. 1), 1.000St/GSTPV", 0, 0, 0, 0, 0.0f, "max 1x"},
    {2, "Druckschotts", "1% GSTPV, 5.000St/GSTPV, 1t/GSTPV; bis -25% Rumpf möglich", 0, 0, 0, 0, 0.0f, "max 1x"},
    {2, "Rettungskapsel", "Pro Person: 5GSTPV, 10REV, 15.000St, 0,5t)", 5, 15000, 10, 0, 0.5f, "Personen"},
    {2, "Schleudersitz", "Pro Person: 2GSTPV, 10REV, 5.000St, 0,1t", 2, 5000, 10, 0, 0.1f, "Personen"},
    {2, "Gasballon", "Pro Stück: 1GSTPV, 1.000St", 1, 1000, 0, 0, 0.0f, "Stück"},
    {2, "Fallschirm", "Pro Stück: 1GSTPV, 500St", 1, 500, 0, 0, 0.0f, "Stück"},
    {2, "Smashbag", "Pro Stück: 1GSTPV, 3.000St", 1, 3000, 0, 0, 0.0f, "Stück"},
};

using Wert = Komponente::Wert;

// Columns of a built-in entry; its values come from the table above.
const Komponente::Art art = {
    {{Wert::Name, "Bezeichnung"}, {Wert::Beschreibung, "Beschreibung"}, {Wert::Gstpv, "GSTPV"}, {Wert::Einheit}},
    nullptr, {}, 0, 0, 0.0f, false, false};

const Eintrag *eintrag(int typNummer)
{
    if (typNummer < 1 || typNummer > Diverse::AnzahlTypen)
        return nullptr;
    return &eintraege[typNummer - 1];
}

} // namespace

Diverse::Diverse()
    : Komponente(art)
{
}

int Diverse::typ() const
{
    const Eintrag *e = eintrag(m_typNummer);
    return e ? e->kategorie : 99;
}

bool Diverse::nurEinmal() const
{
    switch (m_typNummer) {
    case 1: case 14: case 15: case 16: case 17:
        return true;
    default:
        return false;
    }
}

QString Diverse::kurzname() const
{
    switch (m_typNummer) {
    case 1: case 3: case 4: case 5: case 6: case 7: case 8: case 9: case 10:
        return QStringLiteral("Räume");
    case 2: case 13: case 14: case 15: case 16:
        return QStringLiteral("Sonst.");
    case 11: case 12: case 17: case 18: case 19: case 20: case 21: case 22:
        return QStringLiteral("Leben");
    default:
        return QString();
    }
}

bool Diverse::leseZeile(const QStringList &felder)
{
    Komponente::leseZeile(felder);
    const Eintrag *e = eintrag(m_typNummer);
    if (!e) {
        m_beschreibung.clear();
        m_einheit.clear();
        return false;
    }
    m_name = QString::fromUtf8(e->name);
    m_beschreibung = QString::fromUtf8(e->regeltext);
    m_gstpv = e->gstpv;
    m_preis = e->preis;
    m_rev = e->rev;
    m_bev = e->bev;
    m_gewicht = e->gewicht;
    setzeEinheit(QString::fromUtf8(e->einheit));
    if (m_typNummer <= 19)
        m_slotBedarf = 1;
    return true;
}

void Diverse::setzeTyp(int typNummer)
{
    m_typNummer = typNummer;
}

int Diverse::typNummer() const
{
    return m_typNummer;
}

QList<int> Diverse::erzeugungsReihenfolge()
{
    return {1, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 17, 18, 19, 20, 21, 22, 2, 13, 14, 15, 16};
}
