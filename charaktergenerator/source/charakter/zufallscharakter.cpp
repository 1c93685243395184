#include "zufallscharakter.h"

#include <QRandomGenerator>
#include <QSet>

#include <utility>

#include "aktion.h"
#include "basistypus.h"
#include "charakter.h"
#include "regelwerk.h"
#include "spezialgebiet.h"

namespace {

// The goods of step 6, as keys of their offers.
enum Gut { Kapital, Prestige, Bonus, Delta, Astronium, Cassias, Ceptomyzin };

// Keys of raising what the character owns lie above those of taking a
// catalogue entry; the key of PNE above both.
constexpr int Steigern = 1000;
constexpr int ParanormalEnergie = 2 * Steigern;

// Keys of catalogue special areas: knowledge area and row.
constexpr int ZeilenJeKenntnis = 100;

} // namespace

Zufallscharakter::Zufallscharakter(Charakter* c, quint32 startwert)
    : m_c(c)
    , m_regelwerk(c->regelwerk())
    , m_zufall(startwert)
{
}

void Zufallscharakter::erzeuge(Charakter* c, const Einstellungen& einstellungen)
{
    if (!c || !c->regelwerk())
        return;
    Zufallscharakter z(c, einstellungen.startwert);
    c->zuruecksetzen();
    z.waehleKoerper(einstellungen.basistyp);
    const Basistypus* b = c->basistyp();

    // Step 3's switch: the module brings the species' own special areas.
    if (einstellungen.spezialgebiete) {
        c->setzeBenutztSpezis(true);
        for (const Spezialgebiet* vorlage : b->bonusSpezialgebiete) {
            auto* kopie = new Spezialgebiet(*vorlage);
            if (!c->spezialgebietHinzufuegen(kopie))
                delete kopie;
        }
    }
    // The character refuses the gift to a species that cannot use MP.
    if (einstellungen.paranormal)
        c->sensitivSetzen(true);

    // How a player shares out the start EP before spending them. Each share
    // is drawn in a statement of its own, so that the order of the draws is
    // the same with every compiler.
    const int gesamt = z.restEP();
    int sp = 0;
    if (z.zahl(4) != 0)
        sp = qMax(2, z.anteil(gesamt, 2, 8));
    int tp = 0;
    if (z.zahl(4) != 0)
        tp = qMax(3, z.anteil(gesamt, 2, 8));
    if (tp > 0 && b->startTP > 0)
        tp += z.anteil(gesamt, 2, 4); // a species of technicians learns more of it
    int mp = 0;
    if (c->sensitiv() && c->darfMPKaufen())
        mp = qMax(2, z.anteil(gesamt, 5, 12));
    int gebiete = 0;
    if (einstellungen.spezialgebiete)
        gebiete = z.anteil(CharakterBasis::ModulStartEP, 60, 100);
    const int gueter = z.anteil(gesamt, 3, 12);

    z.steigereEigenschaften(gesamt - sp - tp - mp - gebiete - gueter);
    z.waehleSpezialgebiete(gebiete);
    z.kaufePunkte(CharakterBasis::SP, sp);
    z.kaufePunkte(CharakterBasis::TP, tp);
    z.kaufePunkte(CharakterBasis::MP, mp);
    z.lerneAktionen(Aktion::Sprache);
    z.lerneAktionen(Aktion::Technik);
    // Paranormal abilities only for the gifted: the others' MP stay unspent.
    if (c->sensitiv())
        z.lerneAktionen(Aktion::Paranormal);
    z.kaufeGueter();
}

quint32 Zufallscharakter::frischerStartwert()
{
    // Kept to the positive range of int, so that a spin box can show it.
    return QRandomGenerator::global()->generate() & 0x7fffffffu;
}

// ---------------------------------------------------------------- drawing

quint32 Zufallscharakter::zahl(quint32 n)
{
    if (n <= 1)
        return 0;
    // Only the numbers below the largest multiple of n that the generator
    // reaches are taken, so that every result is equally likely.
    const quint64 umfang = quint64(1) << 32;
    const quint64 grenze = umfang - umfang % n;
    quint64 x = 0;
    do {
        x = quint64(m_zufall()) & 0xffffffffu;
    } while (x >= grenze);
    return quint32(x % n);
}

int Zufallscharakter::waehle(const std::vector<int>& gewichte)
{
    qint64 summe = 0;
    for (int g : gewichte)
        summe += qMax(0, g);
    if (summe <= 0)
        return -1;
    qint64 wurf = zahl(quint32(qMin<qint64>(summe, 0xffffffffLL)));
    for (int i = 0; i < int(gewichte.size()); ++i) {
        wurf -= qMax(0, gewichte[size_t(i)]);
        if (wurf < 0)
            return i;
    }
    return int(gewichte.size()) - 1;
}

int Zufallscharakter::anteil(int gesamt, int prozentVon, int prozentBis)
{
    const int prozent = prozentVon + int(zahl(quint32(prozentBis - prozentVon + 1)));
    return qMax(0, gesamt) * prozent / 100;
}

void Zufallscharakter::kaufeBisNichtsPasst(const Angebote& angebote)
{
    QSet<int> abgelehnt;
    for (;;) {
        std::vector<Kauf> angebot;
        for (Kauf& k : angebote()) {
            if (!abgelehnt.contains(k.schluessel))
                angebot.push_back(std::move(k));
        }
        std::vector<int> gewichte;
        gewichte.reserve(angebot.size());
        for (const Kauf& k : angebot)
            gewichte.push_back(k.gewicht);
        const int i = waehle(gewichte);
        if (i < 0)
            return;
        if (!angebot[size_t(i)].kaufen())
            abgelehnt.insert(angebot[size_t(i)].schluessel);
    }
}

// ---------------------------------------------------------------- the steps

int Zufallscharakter::restEP() const
{
    return m_c->verfuegbareEP(true);
}

int Zufallscharakter::gewichtKenntnis(int kenntnis, int spezialisierung) const
{
    int wert = qMax(0, m_c->kenntnis(kenntnis));
    if (const Spezialgebiet* s = m_c->spezialgebietFuer(spezialisierung))
        wert += qMax(0, s->Wert + s->Bonus);
    // Never 0: whatever fits is bought in the end, however unlikely.
    return wert * wert + 1;
}

void Zufallscharakter::waehleKoerper(int basistyp)
{
    const int anzahl = m_regelwerk->anzahlBasistypen();
    const int typ = basistyp >= 0 && basistyp < anzahl ? basistyp : int(zahl(quint32(anzahl)));
    m_c->setzeBasistypus(typ);
    // The height proposal's range: base height plus the species' dice.
    const Basistypus* b = m_c->basistyp();
    int groesse = b->grundgroesse;
    for (int i = 0; i < b->groessenWuerfel; ++i)
        groesse += int(zahl(6)) + 1;
    m_c->setzeGroesse(groesse);
    m_c->setzeGewicht(qMax(0, m_c->normalGewicht()));
}

void Zufallscharakter::steigereEigenschaften(int budget)
{
    const int bleibt = restEP() - qMax(0, budget);
    kaufeBisNichtsPasst([this, bleibt] {
        std::vector<Kauf> angebot;
        const Basistypus* b = m_c->basistyp();
        for (int e = 0; e < Regelwerk::AnzahlEigenschaften; ++e) {
            const int preis = m_regelwerk->steigerungsKosten(m_c->eigenschaftPunkte(e));
            if (preis <= 0 || preis > restEP() - bleibt)
                continue;
            // What the species starts high in is raised more, cheap raises
            // before dear ones; what it lacks altogether (0) is left alone.
            const int start = qMax(0, b->startwerte[e]);
            angebot.push_back({ e, start * start * 24 / preis,
                                [this, e] { return m_c->eigenschaftSteigern(e); } });
        }
        return angebot;
    });
}

void Zufallscharakter::waehleSpezialgebiete(int budget)
{
    if (!m_c->benutztSpezis() || budget <= 0)
        return;
    const int bleibt = restEP() - budget;
    const int eigeneZiel = 2 + int(zahl(5));
    kaufeBisNichtsPasst([this, bleibt, eigeneZiel] {
        std::vector<Kauf> angebot;
        const int frei = restEP() - bleibt;
        for (int i = 0; i < m_c->anzahlSpezialgebiete(); ++i) {
            const Spezialgebiet* s = m_c->spezialgebiet(i);
            const int preisNeu = m_regelwerk->spezialgebietKosten(s->Wert + 1);
            const int preisAlt = m_regelwerk->spezialgebietKosten(s->Wert);
            if (preisNeu < 0 || preisAlt < 0 || preisNeu - preisAlt > frei)
                continue;
            const int neu = s->Wert + 1;
            angebot.push_back({ Steigern + i,
                                3 * gewichtKenntnis(s->Kenntnis, Regelwerk::KeineSpezialisierung)
                                    / (preisNeu - preisAlt),
                                [this, i, neu] { return m_c->spezialgebietWertSetzen(i, neu); } });
        }
        if (m_c->anzahlGewaehlteSpezialgebiete() >= eigeneZiel || frei < 1)
            return angebot;
        for (int k = 0; k < Regelwerk::AnzahlKenntnisse; ++k) {
            for (int i = 0; i < m_regelwerk->anzahlSpezialgebiete(k); ++i) {
                const Spezialgebiet* vorlage = m_regelwerk->spezialgebiet(k, i);
                // The same area twice is no choice a player can make.
                if (m_c->hatSpezialgebiet(vorlage->Bezeichnung))
                    continue;
                angebot.push_back({ k * ZeilenJeKenntnis + i,
                                    gewichtKenntnis(k, Regelwerk::KeineSpezialisierung),
                                    [this, vorlage] {
                                        auto* kopie = new Spezialgebiet(*vorlage);
                                        if (m_c->spezialgebietHinzufuegen(kopie))
                                            return true;
                                        delete kopie;
                                        return false;
                                    } });
            }
        }
        return angebot;
    });
}

void Zufallscharakter::kaufePunkte(int art, int budget)
{
    for (int i = 0; i < budget && m_c->punktKaufen(art); ++i) {
    }
}

void Zufallscharakter::lerneAktionen(int art)
{
    kaufeBisNichtsPasst([this, art] {
        std::vector<Kauf> angebot;
        const int rest = m_c->punkte(art, CharakterBasis::Rest);
        if (rest < 1)
            return angebot;
        // The more a character knows, the more it deepens rather than widens.
        const int gelernt = m_c->anzahlAktionen(art);
        for (int i = 0; i < m_regelwerk->anzahlAktionen(art); ++i) {
            const Aktion* vorlage = m_regelwerk->aktion(art, i);
            if (m_c->aktionsPreis(art, vorlage) > rest || m_c->hatAktion(art, vorlage->Bezeichnung))
                continue;
            const int gewicht = 4 * gewichtKenntnis(vorlage->Kenntnis, vorlage->Spezialisierung) / (1 + gelernt);
            angebot.push_back({ i, qMax(1, gewicht),
                                [this, art, vorlage] {
                                    auto* kopie = new Aktion(*vorlage);
                                    if (m_c->aktionHinzufuegen(art, kopie))
                                        return true;
                                    delete kopie;
                                    return false;
                                } });
        }
        for (int i = 0; i < m_c->anzahlAktionen(art); ++i) {
            const Aktion* gelernt = m_c->aktion(art, i);
            const int neu = gelernt->Befaehigung + 1;
            const int preisNeu = m_regelwerk->befaehigungKosten(neu);
            const int preisAlt = m_regelwerk->befaehigungKosten(gelernt->Befaehigung);
            if (preisNeu < 0 || preisAlt < 0 || preisNeu - preisAlt > rest)
                continue;
            angebot.push_back({ Steigern + i, gewichtKenntnis(gelernt->Kenntnis, gelernt->Spezialisierung),
                                [this, art, i, neu] { return m_c->befaehigungSetzen(art, i, neu); } });
        }
        // Paranormal energy takes what no ability fits.
        if (art == Aktion::Paranormal)
            angebot.push_back({ ParanormalEnergie, 10,
                                [this] { return m_c->energieKaufen(CharakterBasis::PNE); } });
        return angebot;
    });
}

void Zufallscharakter::kaufeGueter()
{
    kaufeBisNichtsPasst([this] {
        std::vector<Kauf> angebot;
        if (restEP() < 1)
            return angebot;
        angebot.push_back({ Kapital, 6, [this] { return m_c->kapitalKaufen(1); } });
        angebot.push_back({ Prestige, 2, [this] { return m_c->prestigeKaufen(); } });
        angebot.push_back({ Bonus, 3, [this] { return m_c->bonusKaufen(); } });
        // What only some species can have is what they are known for; the
        // character refuses it to the others.
        angebot.push_back({ Delta, 8, [this] { return m_c->energieKaufen(CharakterBasis::DE); } });
        angebot.push_back({ Astronium, 8, [this] { return m_c->energieKaufen(CharakterBasis::AE); } });
        angebot.push_back({ Cassias, 8, [this] { return m_c->cassiasKaufen(1); } });
        angebot.push_back({ Ceptomyzin, 8, [this] { return m_c->ceptomyzinKaufen(1); } });
        return angebot;
    });
}
