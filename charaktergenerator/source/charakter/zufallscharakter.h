#ifndef ZUFALLSCHARAKTER_H
#define ZUFALLSCHARAKTER_H

#include <QtGlobal>

#include <functional>
#include <random>
#include <vector>

class Charakter;
class Regelwerk;

// A complete character drawn by the rules, for a game master who needs a
// dozen non-player characters or a player who wants to see one of a species.
//
// Every choice goes through the character's own operations, which refuse
// what the rules forbid, so a drawn character can break no rule. The draw
// has a generator of its own, seeded by the start value, and distribution
// code of its own: the same start value and settings give the same
// character, byte for byte in its file, with every compiler and standard
// library.
//
// The draw does what a player does in the six steps: the species, a height
// in the range of the height proposal and the normal weight for it; the
// start EP on attributes (and special areas when the module is on), on
// points for languages, technical actions and, for a paranormally gifted
// character, paranormal abilities; the points on those; the rest on step 6's
// goods. Choices lean towards what the species is good at. At most the
// points that no allowed purchase fits are left over; MP of a character who
// may not use them stay unspent. The character stays in generation.
class Zufallscharakter
{
public:
    // The species index for "any species".
    static constexpr int Beliebig = -1;

    struct Einstellungen
    {
        int basistyp = Beliebig;     // index into the species table, or Beliebig
        bool paranormal = false;     // sensitive, where the species may be
        bool spezialgebiete = false; // with the special-area module
        quint32 startwert = 0;       // the same value draws the same character
    };

    // Resets `c` and draws a character into it. Emits no signal of `c`
    // beyond what its operations emit.
    static void erzeuge(Charakter* c, const Einstellungen& einstellungen);

    // A start value for a draw nobody asked to repeat.
    static quint32 frischerStartwert();

private:
    // One purchase a player could make now: what it is (a number unique
    // within one round of offers), its weight in the draw, and the
    // operation of the character that makes it (false: refused).
    struct Kauf
    {
        int schluessel;
        int gewicht;
        std::function<bool()> kaufen;
    };
    using Angebote = std::function<std::vector<Kauf>()>;

    Zufallscharakter(Charakter* c, quint32 startwert);

    // Uniformly one of 0 .. n-1 (n at least 1).
    quint32 zahl(quint32 n);
    // An index drawn by the weights; -1 when every weight is 0.
    int waehle(const std::vector<int>& gewichte);
    // `prozentVon` to `prozentBis` per cent of `gesamt`, the share drawn.
    int anteil(int gesamt, int prozentVon, int prozentBis);
    // Buys what the offers name, one drawn by weight after the other, until
    // none is left. A refused purchase is not offered again in this round.
    void kaufeBisNichtsPasst(const Angebote& angebote);

    void waehleKoerper(int basistyp);
    void steigereEigenschaften(int budget);
    void waehleSpezialgebiete(int budget);
    void kaufePunkte(int art, int budget);
    void lerneAktionen(int art);
    void kaufeGueter();

    // The EP left while generating.
    int restEP() const;
    // How much the species and the character are at home in a knowledge
    // area: its value plus a matching special area's, squared for contrast.
    int gewichtKenntnis(int kenntnis, int spezialisierung) const;

    Charakter* m_c;
    const Regelwerk* m_regelwerk;
    std::mt19937 m_zufall;
};

#endif // ZUFALLSCHARAKTER_H
