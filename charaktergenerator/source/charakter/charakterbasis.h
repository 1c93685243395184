#ifndef CHARAKTERBASIS_H
#define CHARAKTERBASIS_H

#include <QDate>
#include <QObject>
#include <QString>

#include "aktion.h"
#include "regelwerk.h"

class Basistypus;

// The base part of the character: personal data, chosen species, attribute
// raises and every point counter, together with the rules that only need
// these: the two EP accounts, the point kinds SP/TP/MP, attributes, knowledge
// areas, energies and the other derived values.
//
// The codes below convert to the plain numbers that the operations take
// (`text(int)`, `punkte(int, int)`, `energie(int, int)` and the like).
//
// Every changing operation returns false and changes nothing when the rules
// refuse it. It then tells why: letzterGrund() gives the kind of refusal and
// letzterGrundText() one German sentence for the user that names the action
// and the reason ("Mut steigern: kostet 40 EP, übrig sind 10 EP."). After a
// success both are empty (Grund::Keiner, ""). Plain accessors and setters
// (used by the file loader) check nothing and leave the reason alone.
//
// The species decides what may be bought at all: MP and sensitivity only
// where it may buy MP (`mpKaufbar`), DE only with its own DE, AE only with
// its own AE; selling back is always allowed.
class CharakterBasis : public QObject
{
    Q_OBJECT

public:
    static constexpr int AnzahlEigenschaften = Regelwerk::AnzahlEigenschaften;
    static constexpr int AnzahlKenntnisse = Regelwerk::AnzahlKenntnisse;
    static constexpr int MaxEPNachGenerierung = 65535;
    static constexpr int ModulStartEP = 80;

    // Point kinds (art); each pays for the action kind of the same number.
    enum Punktart { SP = Aktion::Sprache, TP = Aktion::Technik, MP = Aktion::Paranormal };
    static constexpr int AnzahlPunktarten = Aktion::AnzahlArten;
    // Columns of a point kind (spalte). The energies use Start, Gekauft and Gesamt.
    enum Punktspalte { Start = 0, Gekauft = 1, Erspielt = 2, Gesamt = 3, Genutzt = 4, Rest = 5 };
    // Energy kinds; only PNE, DE and AE can be bought.
    enum Energieart { LE = 0, PE = 1, PNE = 2, DE = 3, AE = 4 };
    // The free-text personal data (text, setzeText), in four groups:
    // personal data, looks, history and character. Titel holds
    // distinctions, title and rank.
    enum Textfeld {
        Name = 0, Reich = 1, Heimatplanet = 2,
        Haarfarbe = 3, Hautfarbe = 4, Augenfarbe = 5, AussehenSonstiges = 6,
        Kindheit = 7, Erziehung = 8, Beruf = 9, Werdegang = 10,
        Grundcharakter = 11, Charakterzuege = 12, Umfeld = 13, Hobbies = 14, Titel = 15,
        Beziehungen = 16
    };
    static constexpr int AnzahlTexte = Beziehungen + 1;

    // Why the last changing operation was refused.
    enum class Grund {
        Keiner,            // it succeeded
        ZuWenigEP,         // the EP account does not cover the price
        ZuWenigPunkte,     // the SP, TP or MP remainder does not cover the price
        NichtFuerSpezies,  // the species may not buy this
        Obergrenze,        // a maximum is reached (ten raises, level 20, debts, 25 areas)
        NichtsVorhanden,   // nothing to sell back or remove, or nothing selected
        SchonVorhanden,    // already learned, chosen or set
        NachGenerierung,   // not after generation (lowering a proficiency)
        UngueltigerWert    // a value or index outside what the rules know
    };

    explicit CharakterBasis(Regelwerk* regelwerk, QObject* parent = nullptr);
    ~CharakterBasis() override;

    // The rounding used by every derived value: quotient + 0.5, cut towards zero.
    static int runden(double wert);

    Regelwerk* regelwerk() const;

    // --- the reason of the last refusal (see above) ---
    Grund letzterGrund() const;
    QString letzterGrundText() const;

    // --- plain accessors (no signal, no points moved) ---
    bool generieren() const;
    void setzeGenerieren(bool an);
    bool benutztSpezis() const;

    int basistypusIndex() const;
    const Basistypus* setzeBasistypus(int index);   // stores any index; returns the record now selected
    const Basistypus* basistyp() const;             // row 0 for an index outside the table

    int groesse() const;
    void setzeGroesse(int cm);
    int gewicht() const;
    void setzeGewicht(int kg);
    QDate geburtsdatum() const;
    void setzeGeburtsdatum(const QDate& datum);
    bool sensitiv() const;
    void setzeSensitiv(bool an);                    // the flag only, no EP moved

    QString text(int nummer) const;                 // Textfeld; "" for any other number
    void setzeText(int nummer, const QString& text);// ignored for a number that is no Textfeld

    int eigenschaftPunkte(int e) const;             // raises of attribute e; 0 outside 0..10
    void setzeEigenschaftPunkte(int e, int n);
    void addiereEigenschaftPunkte(int e, int d);

    int gekaufteEnergie(int art) const;             // bought PNE, DE, AE; 0 for LE, PE and others
    bool setzeGekaufteEnergie(int art, int n);
    bool addiereGekaufteEnergie(int art, int d);

    // Point counters: spalte Gekauft, Erspielt or Genutzt; anything else changes nothing
    void addierePunkte(int art, int spalte, int d);
    void setzePunkte(int art, int spalte, int n);

    int genutzteStartEP() const;
    void setzeGenutzteStartEP(int n);
    int genutzteEP() const;
    void setzeGenutzteEP(int n);

    // --- EP accounts ---
    int startEP(bool rest) const;
    int verfuegbareEP(bool rest) const;
    bool epAusgeben(int n);
    bool epZurueckgeben(int n);
    bool epVerrechnen(int d);

    // --- point kinds ---
    int punkte(int art, int spalte) const;          // -1 for an unknown kind or column
    bool punktKaufen(int art);                      // 1 EP -> 2 SP, 1 TP or 1 MP
    bool punktVerkaufen(int art);

    // --- attributes ---
    int eigenschaft(int e) const;                   // start value + raises; 0 outside 0..10
    bool eigenschaftSteigern(int e);
    bool eigenschaftSenken(int e);

    // --- derived values ---
    int kenntnis(int k) const;
    int initiative() const;
    double standardbewegung() const;
    int energie(int art, int spalte) const;
    int asp(bool rest) const;
    int msp(bool rest) const;
    int ksp(bool rest) const;

    // --- paranormal purchases and extra energies ---
    bool sensitivSetzen(bool an);
    bool energieKaufen(int art);                    // PNE (1 MP), DE (1 EP), AE (5 EP)
    bool energieVerkaufen(int art);

    // --- proposals for height and weight ---
    int zufallsGroesse() const;
    int normalGewicht() const;
    // The heights the species allows: base height plus one to six per
    // height die (what zufallsGroesse() draws from).
    int minGroesse() const;
    int maxGroesse() const;

    // --- what the species allows (the checks of the buying operations) ---
    bool darfMPKaufen() const;          // MP and sensitivity
    bool darfEnergieKaufen(int art) const; // PNE always, DE/AE with the species' own
    // The species' name as the combo box shows it.
    QString speziesName() const;

public slots:
    virtual void zuruecksetzen();
    virtual void setzeBenutztSpezis(bool an);

protected:
    // Records a refusal and returns false / clears the reason and returns true.
    bool ablehnen(Grund grund, const QString& text);
    bool annehmen();
    // epAusgeben(n) for the action named `handlung`; on refusal the reason
    // names the price and what is left.
    bool epFuer(const QString& handlung, int n);
    // "handlung: kostet n EP, übrig sind m EP." and the like.
    QString zuTeuer(const QString& handlung, int preis, const QString& einheit, int rest) const;
    static QString punktName(int art);   // "SP", "TP", "MP"
    static QString energieName(int art); // "LE" .. "AE"

    // Counters come from files that may have been edited by hand, so any
    // stored number can be extreme: sums are formed in 64 bits and brought
    // back into the range of int with this, so that no value wraps around.
    static int begrenzt(qint64 wert);
    // counter of point kind art in column spalte (Gekauft, Erspielt, Genutzt), null otherwise
    int* punktZaehler(int art, int spalte);
    const int* punktZaehler(int art, int spalte) const;

    bool m_generieren = true;
    bool m_benutztSpezis = false;
    Regelwerk* m_regelwerk = nullptr;
    int m_basistypusIndex = 0;
    int m_groesse = 0;
    int m_gewicht = 0;
    QDate m_geburtsdatum;
    bool m_sensitiv = false;
    int m_genutzteStartEP = 0;
    int m_genutzteEP = 0;
    int m_genutzt[AnzahlPunktarten] = {};   // used SP, TP, MP
    int m_gekauft[AnzahlPunktarten] = {};   // bought SP, TP, MP
    int m_erspielt[AnzahlPunktarten] = {};  // earned SP, TP, MP
    int m_eigenschaftPunkte[AnzahlEigenschaften] = {};
    int m_gekauftePNE = 0;
    int m_gekaufteDE = 0;
    int m_gekaufteAE = 0;
    QString m_texte[AnzahlTexte];
    Grund m_grund = Grund::Keiner;
    QString m_grundText;
};

#endif // CHARAKTERBASIS_H
