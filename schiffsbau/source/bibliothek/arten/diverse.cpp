#include "diverse.h"

#include "kategorie.h"

#include <cstring>
#include <iterator>

namespace {

using Typ = Diverse::Typ;
using K = Kategorie;

struct Eintrag
{
    Typ typ;
    Kategorie kategorie;
    const char *name;
    const char *regeltext;
    int gstpv;
    int preis;
    int rev;
    int bev;
    float gewicht;
    const char *einheit;
    // needs a computer slot (one per installed row)
    bool slot;
};

// Values are per unit of the unit column.
constexpr Eintrag eintraege[] = {
    {Typ::Maschinenraum, K::StandardRaeume, "Wartungs/Lüftungsschächte, Maschinenraum",
     "5% GSTPV",
     0, 0, 0, 0, 0.0f, "max 1x", true},
    {Typ::Treibstofftank, K::SonstigeBasiskomponenten, "Treibstofftank",
     "2t/GSTPV, 1.000St/GSTPV 4.000St./10GSTPV",
     1, 0, 0, 0, 0.0f, "GSTPV", true},
    {Typ::Treppen, K::StandardRaeume, "Steigschächte/Treppen",
     "10GSTPV/Deck",
     10, 0, 0, 0, 0.0f, "Decks", true},
    {Typ::Turbolifte, K::StandardRaeume, "Turbolifte",
     "pro Deck 10GSTPV, 5REV, 500St",
     10, 500, 5, 0, 0.0f, "Decks", true},
    {Typ::Bruecke, K::StandardRaeume, "Cockpit/Brücke/Zentrale",
     "min. 2GSTPV pro Person, 1.000St/GSTPV",
     1, 1000, 0, 0, 0.0f, "GSTPV", true},
    {Typ::Kabinen, K::StandardRaeume, "Kabinen & Gänge",
     "min. 10GSTPV für 1 Personen-Zimmer, 100St/GSTPV",
     1, 100, 0, 0, 0.0f, "GSTPV", true},
    {Typ::FrachtraumIntern, K::StandardRaeume, "Frachtraum, intern",
     "1t Fracht pro GSTPV, 400St/GSTPV, 1.000St/10GSTPV",
     1, 0, 0, 0, 0.0f, "GSTPV", true},
    {Typ::FrachtraumExtern, K::StandardRaeume, "Frachtraum, extern",
     "2t Fracht pro GSTPV, 400St/GSTPV, 1.000St/10GSTPV",
     1, 0, 0, 0, 0.0f, "GSTPV", true},
    {Typ::HangarTor, K::StandardRaeume, "Hangar mit Tor",
     "600St/GSTPV, 1.500St/10GSTPV, 1BEV/GSTPV",
     1, 0, 0, 1, 0.0f, "GSTPV", true},
    {Typ::HangarKraftfeld, K::StandardRaeume, "Hangar mit Kraftfeld",
     "600St/GSTPV, 1.500St/10GSTPV, 1REV/GSTPV",
     1, 0, 1, 0, 0.0f, "GSTPV", true},
    {Typ::Umweltkontrolle, K::BasisLebenssysteme, "Umweltkontrollsystem",
     "1 Person pro GSTPV, 10REV/GSTPV, 5.000St/GSTPV",
     1, 5000, 10, 0, 0.0f, "GSTPV", true},
    {Typ::Wassertank, K::BasisLebenssysteme, "Wassertank & Recycler",
     "100L pro GSTPV, 500St/GSTPV",
     1, 500, 0, 0, 0.1f, "GSTPV", true},
    {Typ::Traegheitsdaempfer, K::SonstigeBasiskomponenten, "Trägheitsdämpfer",
     "1%+ GSTPV, 10g+, pro GSTPV: 5.000St, 30REV, 0,2t",
     0, 0, 0, 0, 0.0f, "% GSTP", true},
    {Typ::Spiegelpanzerung, K::SonstigeBasiskomponenten, "Spiegelpanzerung",
     "50.000*Panzerungs-GSTPV St, Energiewaffenschaden-25%)",
     0, 0, 0, 0, 0.0f, "max 1x", true},
    {Typ::EmapStarkfeld, K::SonstigeBasiskomponenten, "EMAP-Starkfeld",
     "(GSTP/500)% GSTPV (mind.1%), 10REV/GSTPV, 2.000St/GSTPV",
     0, 0, 0, 0, 0.0f, "max 1x", true},
    {Typ::Landestelzen, K::SonstigeBasiskomponenten, "Landestelzen",
     "1% GSTPV (mind. 1), 1.000St/GSTPV",
     0, 0, 0, 0, 0.0f, "max 1x", true},
    {Typ::Druckschotts, K::BasisLebenssysteme, "Druckschotts",
     "1% GSTPV, 5.000St/GSTPV, 1t/GSTPV; bis -25% Rumpf möglich",
     0, 0, 0, 0, 0.0f, "max 1x", true},
    {Typ::Rettungskapsel, K::BasisLebenssysteme, "Rettungskapsel",
     "Pro Person: 5GSTPV, 10REV, 15.000St, 0,5t)",
     5, 15000, 10, 0, 0.5f, "Personen", true},
    {Typ::Schleudersitz, K::BasisLebenssysteme, "Schleudersitz",
     "Pro Person: 2GSTPV, 10REV, 5.000St, 0,1t",
     2, 5000, 10, 0, 0.1f, "Personen", true},
    {Typ::Gasballon, K::BasisLebenssysteme, "Gasballon",
     "Pro Stück: 1GSTPV, 1.000St",
     1, 1000, 0, 0, 0.0f, "Stück", false},
    {Typ::Fallschirm, K::BasisLebenssysteme, "Fallschirm",
     "Pro Stück: 1GSTPV, 500St",
     1, 500, 0, 0, 0.0f, "Stück", false},
    {Typ::Smashbag, K::BasisLebenssysteme, "Smashbag",
     "Pro Stück: 1GSTPV, 3.000St",
     1, 3000, 0, 0, 0.0f, "Stück", false},
};

constexpr bool inTypfolge()
{
    for (int i = 0; i < int(std::size(eintraege)); ++i) {
        if (int(eintraege[i].typ) != i + 1)
            return false;
    }
    return int(std::size(eintraege)) == Diverse::AnzahlTypen;
}
static_assert(inTypfolge(), "one entry per type, in type order");

using Wert = Komponente::Wert;

// Columns of a built-in entry; its values come from the table above, its
// short name from its category (kurzname()).
const Komponente::Art art = {
    nullptr,
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
    return e ? int(e->kategorie) : 99;
}

bool Diverse::nurEinmal() const
{
    const Eintrag *e = eintrag(m_typNummer);
    return e && std::strcmp(e->einheit, "max 1x") == 0;
}

// The short kind name follows the category.
QString Diverse::kurzname() const
{
    const Eintrag *e = eintrag(m_typNummer);
    if (!e)
        return QString();
    switch (e->kategorie) {
    case K::StandardRaeume: return QStringLiteral("Räume");
    case K::BasisLebenssysteme: return QStringLiteral("Leben");
    case K::SonstigeBasiskomponenten: return QStringLiteral("Sonst.");
    default: return QString();
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
    if (e->slot)
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
    // The rooms, the life support, then the other fittings.
    static const Typ reihenfolge[] = {
        Typ::Maschinenraum, Typ::Treppen, Typ::Turbolifte, Typ::Bruecke, Typ::Kabinen,
        Typ::FrachtraumIntern, Typ::FrachtraumExtern, Typ::HangarTor, Typ::HangarKraftfeld,
        Typ::Umweltkontrolle, Typ::Wassertank, Typ::Druckschotts, Typ::Rettungskapsel,
        Typ::Schleudersitz, Typ::Gasballon, Typ::Fallschirm, Typ::Smashbag,
        Typ::Treibstofftank, Typ::Traegheitsdaempfer, Typ::Spiegelpanzerung,
        Typ::EmapStarkfeld, Typ::Landestelzen,
    };
    QList<int> nummern;
    for (Typ t : reihenfolge)
        nummern.append(int(t));
    return nummern;
}
