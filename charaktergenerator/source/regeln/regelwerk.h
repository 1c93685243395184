#ifndef REGELWERK_H
#define REGELWERK_H

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

class Aktion;
class Basistypus;
class Spezialgebiet;

// The fixed rules catalogue of the character generator: vocabulary, cost
// tables, species, special areas and the three action catalogues. Built from
// constants, never fails. Owns every record in it; everybody else holds plain
// pointers into it.
//
// Indices shared by the whole program:
//  attributes 0..10: Mu, It, Wi, Is, Em, Kr, Kb, Hg, Si, Ko, Au
//  knowledge areas 0..9: Vita .. Kampf
//  specialisations 0..17, 18 = none
//  action kinds: Aktion::Art (any other number reads the paranormal abilities)
class Regelwerk
{
public:
    static constexpr int AnzahlEigenschaften = 11;
    static constexpr int AnzahlKenntnisse = 10;
    static constexpr int KeineSpezialisierung = 18;
    static constexpr int AnzahlBonusSpezialgebiete = 8;

    // Attribute indices
    enum Eigenschaft {
        Mut = 0, Intelligenz, Wissen, Instinkt, Emotionen, Kraft,
        Koerperbeherrschung, Handgeschick, Sinne, Kondition, Ausstrahlung
    };

    // The specialisation "Sprachen & Schriften" of every language and the
    // knowledge area "Paranormik" of every paranormal ability.
    static constexpr int SpezialisierungSprachen = 0;
    static constexpr int KenntnisParanormik = 3;

    Regelwerk();
    ~Regelwerk();
    Regelwerk(const Regelwerk&) = delete;
    Regelwerk& operator=(const Regelwerk&) = delete;

    // Vocabulary
    QString kenntnisName(int kenntnis) const;              // "" outside 0..9
    QString spezialisierungName(int spezialisierung) const; // "" for 18 and outside 0..17
    int stufe(int punkte) const;                           // rank 0..7
    QString stufenName(int stufe) const;                   // "-" for 0 and outside 1..7

    // Attribute vocabulary (not in the cost queries, but used by the editor and exports)
    static QString eigenschaftName(int eigenschaft);       // "Mut" .. "Ausstrahlung", "" outside
    static QString eigenschaftBeschriftung(int eigenschaft); // "Mut (Mu)" .. "Ausstrahlung (Aus)"
    static QString eigenschaftKuerzel(int eigenschaft);    // "Mu" .. "Au", "" outside
    // The two attributes a knowledge area is computed from; -1 outside 0..9
    static int kenntnisEigenschaft1(int kenntnis);
    static int kenntnisEigenschaft2(int kenntnis);
    QString kenntnisBezug(int kenntnis) const;             // "Wi, Wi" etc.; "" outside

    // Cost tables; -1 beyond the table
    int steigerungsKosten(int schritt) const;      // price of raise number schritt+1
    int spezialgebietKosten(int stufe) const;      // cumulative price of a level 0..20
    int befaehigungKosten(int befaehigung) const;  // cumulative price of a proficiency -10..+2
    int anzahlSteigerungen() const;                // raises an attribute can take (10)
    int hoechsteSpezialgebietStufe() const;        // highest level with a price (20)

    // Species
    const Basistypus* basistyp(int index) const;   // row 0 for an index outside the table
    int anzahlBasistypen() const;
    QStringList basistypNamen() const;

    // Special areas of the catalogue
    int anzahlSpezialgebiete(int kenntnis) const;
    const Spezialgebiet* spezialgebiet(int kenntnis, int i) const;  // null outside
    // The eight bonus special areas in their fixed order; null outside 0..7
    const Spezialgebiet* bonusSpezialgebiet(int i) const;

    // Actions of one kind
    int anzahlAktionen(int art) const;
    const Aktion* aktion(int art, int i) const;    // null outside
    const Aktion* sucheAktion(int art, const QString& anfang) const;  // first name with that prefix

private:
    const QList<Aktion*>& aktionenListe(int art) const;
    void baueBonusSpezialgebiete();
    void baueBasistypen();
    void baueSpezialgebiete();
    void baueSprachen();
    void baueTechnikAktionen();
    void baueParaAktionen();
    void baueKostentabellen();

    QList<Basistypus*> basistypen;
    QList<int> steigerungskosten;
    QList<int> spezialgebietskosten;
    QMap<int, int> befaehigungskosten;
    QMap<int, QList<Spezialgebiet*>> spezialgebiete;
    QList<Aktion*> sprachen;
    QList<Aktion*> technikAktionen;
    QList<Aktion*> paraAktionen;
    Spezialgebiet* bonusAusweichen = nullptr;
    Spezialgebiet* bonusRennenSpringen = nullptr;
    Spezialgebiet* bonusTelepathie = nullptr;
    Spezialgebiet* bonusSchwimmen = nullptr;
    Spezialgebiet* bonusVerwandeln = nullptr;
    Spezialgebiet* bonusSoftware = nullptr;
    Spezialgebiet* bonusMaterieVeraendern = nullptr;
    Spezialgebiet* bonusFliegen = nullptr;
};

#endif // REGELWERK_H
