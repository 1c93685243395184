#ifndef DIVERSE_H
#define DIVERSE_H

#include "komponente.h"

// Built-in rooms, tanks, holds, life-support items and ship-wide fittings
// (types 1-22). The type number decides category, values and rules text;
// the ship calculation treats several types by their number.
class Diverse : public Komponente
{
public:
    // The built-in types; int(Typ::Treibstofftank) is the type number.
    enum class Typ : int {
        Keiner = 0,
        Maschinenraum = 1,
        Treibstofftank,
        Treppen,
        Turbolifte,
        Bruecke,
        Kabinen,
        FrachtraumIntern,
        FrachtraumExtern,
        HangarTor,
        HangarKraftfeld,
        Umweltkontrolle,
        Wassertank,
        Traegheitsdaempfer,
        Spiegelpanzerung,
        EmapStarkfeld,
        Landestelzen,
        Druckschotts,
        Rettungskapsel,
        Schleudersitz,
        Gasballon,
        Fallschirm,
        Smashbag,
    };
    static constexpr int AnzahlTypen = 22;

    Diverse();

    // Category of the type (a built-in one); 99 for type 0 or an unknown
    // type.
    int typ() const override;
    // True for the types of the unit "max 1x".
    bool nurEinmal() const override;
    QString kurzname() const override;
    // Fills the fields from the built-in table of the type set with
    // setzeTyp(); false (description and unit emptied) for an unknown type.
    bool leseZeile(const QStringList &felder) override;

    void setzeTyp(int typNummer);
    int typNummer() const;

    // The order in which the library creates the built-in types.
    static QList<int> erzeugungsReihenfolge();

private:
    int m_typNummer = 0;
};

#endif // DIVERSE_H
