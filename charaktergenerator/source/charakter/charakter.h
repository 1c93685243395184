#ifndef CHARAKTER_H
#define CHARAKTER_H

#include <QList>
#include <QString>

#include "charakterbasis.h"

class Aktion;
class CharakterWertsachen;
class Spezialgebiet;

// The one character being built. Adds to the base part what the character
// owns: its money object, its learned actions of the three kinds of
// Aktion::Art (any number other than Sprache and Technik reads the paranormal
// abilities), its special areas, bonus points and prestige, and the rules
// that move points for them.
//
// Every operation that changes something returns false when the rules
// refuse and then tells why through letzterGrund()/letzterGrundText() (see
// CharakterBasis). The species' limits are checked here: Ceptomyzin and
// Cassias only for the species that may buy them (besides MP, sensitivity,
// DE and AE in the base part).
//
// Records handed to aktionHinzufuegen/spezialgebietHinzufuegen (and the
// loader's aktionAnhaengen/spezialgebietAnhaengen) are owned by the character
// from then on - only when the call succeeds; on refusal the caller keeps them.
class Charakter : public CharakterBasis
{
    Q_OBJECT

public:
    explicit Charakter(Regelwerk* regelwerk, QObject* parent = nullptr);
    ~Charakter() override;

    // --- money object and simple values ---
    CharakterWertsachen* wertsachen() const;
    int kapital() const;
    int schulden() const;
    int cassias() const;
    int ceptomyzin() const;
    int bonuspunkte() const;
    void setzeBonuspunkte(int n);
    int prestige() const;
    void setzePrestige(int n);

    // --- learned actions ---
    int anzahlAktionen(int art) const;
    Aktion* aktion(int art, int i) const;                           // null outside
    Aktion* sucheAktion(int art, const QString& anfang) const;      // first name with that prefix
    // What learning `a` costs now: its Kosten, 1 SP less for "Standard",
    // "Newdeutsch", "Francais" and "Portespan" while a language starting
    // with "Latein" is learned.
    int aktionsPreis(int art, const Aktion* a) const;
    // Pays aktionsPreis from the kind's remainder and stores that price as
    // the record's Kosten; refused for an action of a name already learned
    // (see hatAktion). A refused record is handed back unchanged.
    bool aktionHinzufuegen(int art, Aktion* a);
    // Whether an action of that name is learned. The apostrophe U+2019 and
    // the control character U+0092 that older files hold in its place count
    // as the same.
    bool hatAktion(int art, const QString& name) const;
    bool befaehigungSetzen(int art, int i, int neu);
    // Forgets the action and refunds it. Forgetting "Latein" also ends the
    // discount of the related languages: they cost the catalogue's price
    // again, booked in the same change (one signal).
    bool aktionEntfernen(int art, int i);
    // Whether forgetting action i changes what other learned actions cost
    // (the last "Latein" while a discounted language is learned).
    bool entfernenAendertPreise(int art, int i) const;
    // Appends a stored action without paying anything (used by the file loader).
    bool aktionAnhaengen(int art, Aktion* a);

    // --- special areas ---
    int anzahlSpezialgebiete() const;
    Spezialgebiet* spezialgebiet(int i) const;                      // null outside
    Spezialgebiet* spezialgebietFuer(int spezialisierung) const;    // null for 18 and no match
    // Ordinary: 1 EP, level 1; bonus: free, level 4. Refused for a name
    // already chosen and beyond MaxGewaehlteSpezialgebiete ordinary areas.
    bool spezialgebietHinzufuegen(Spezialgebiet* s);
    bool hatSpezialgebiet(const QString& name) const;
    int anzahlGewaehlteSpezialgebiete() const;     // ordinary ones, not the species' own
    bool spezialgebietWertSetzen(int i, int neu);
    bool spezialgebietEntfernen(int i);
    // Appends a stored special area with its level, without paying anything (file loader).
    bool spezialgebietAnhaengen(Spezialgebiet* s);

    // --- roll notation ---
    QString wurf(const Spezialgebiet* s) const;      // "%1W +%2" / "%1W %2"; "" for null
    QString wurf(const Aktion* a) const;
    int wurfSumme(const Spezialgebiet* s) const;     // knowledge area + bonus + level
    int wurfSumme(const Aktion* a) const;            // knowledge area (+ matching area while the module is on)
    // Dice of four from the sum, the rest plus extra as modifier; integer division towards zero.
    static QString wurfText(int summe, int zusatz = 0);

    // --- conversions of EP into starting goods (n units, the editor passes 1) ---
    bool kapitalKaufen(int n);
    bool kapitalVerkaufen(int n);
    bool schuldenKaufen(int n);
    bool schuldenVerkaufen(int n);
    bool cassiasKaufen(int n);
    bool cassiasVerkaufen(int n);
    bool ceptomyzinKaufen(int n);
    bool ceptomyzinVerkaufen(int n);
    bool prestigeKaufen();
    bool prestigeVerkaufen();
    bool bonusKaufen();
    bool bonusVerkaufen();

    static constexpr int KapitalProEP = 15000;
    static constexpr int SchuldenProEP = 100000;
    static constexpr int MaxSchulden = 6000000;
    static constexpr int CassiasProEP = 500;
    static constexpr int CeptomyzinProEP = 3;
    static constexpr int PrestigeProEP = 40;
    // Level at which a species' own special area starts (free of charge).
    static constexpr int BasistypGebietStufe = 4;
    static constexpr int BonuspunkteProEP = 5;
    static constexpr int MaxGewaehlteSpezialgebiete = 25;

    // --- the check of the whole character ---
    // One thing that does not fit the rules now, or points left unspent.
    enum Pruefpunkt {
        Groesse, StartEPUeberzogen, SPUeberzogen, TPUeberzogen, MPUeberzogen,
        GekaufteMP, Sensitivitaet, GekaufteDE, GekaufteAE, StartCassias, StartCeptomyzin,
        UngenutzteEP, UngenutzteSP, UngenutzteTP, UngenutzteMP
    };
    struct Befund {
        Pruefpunkt punkt = Groesse; // what is checked (one entry at most per point)
        int schritt = 0;        // the step (tab index 0..5) where it is put right
        QString text;           // one line, e.g. "Ceptomyzin: 6, nicht für Beta-Pictor."
        bool verstoss = true;   // breaks a rule; false for points left unspent
    };
    // In step order: budgets below zero, purchases the species cannot make,
    // a height outside the species' range, points left unspent.
    QList<Befund> pruefung() const;
    // Removes the purchases the species cannot make, refunding them, then
    // - so that no budget stays below zero - what was bought with the
    // missing points, the most recent first (PNE, then the learned actions
    // from the last; for EP the purchases of the later steps first). One
    // signal at the end. False (with a reason) when there was nothing to do.
    bool bereinigen();
public slots:
    void zuruecksetzen() override;
    void setzeBenutztSpezis(bool an) override;

signals:
    void signalAktionspunkteUpdate();

private:
    QList<Aktion*>& aktionenListe(int art);
    const QList<Aktion*>& aktionenListe(int art) const;
    bool bucheWare(const QString& name, int& menge, qint64 proEP, int n, bool kaufen,
                   qint64 obergrenze);
    // bucheWare on the good of the valuables that `lesen` reads and `setzen` writes
    bool bucheWertsache(const QString& name, int (CharakterWertsachen::*lesen)() const,
                        void (CharakterWertsachen::*setzen)(int), qint64 proEP, int n, bool kaufen,
                        qint64 obergrenze);
    // The discounted languages get the catalogue's price back (after "Latein" went).
    void lateinRabattZuruecknehmen();
    // Removes what the species cannot buy, with refund; true when anything went.
    bool unpassendeKaeufeEntfernen();
    // Takes back purchases until no budget is below zero; true when anything went.
    bool budgetsAusgleichen();

    CharakterWertsachen* m_wertsachen = nullptr;
    QList<Aktion*> m_sprachen;
    QList<Aktion*> m_technik;
    QList<Aktion*> m_para;
    QList<Spezialgebiet*> m_spezialgebiete;
    int m_bonuspunkte = 0;
    int m_prestige = 0;
};

#endif // CHARAKTER_H
