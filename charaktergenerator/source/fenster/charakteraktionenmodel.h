#ifndef CHARAKTERAKTIONENMODEL_H
#define CHARAKTERAKTIONENMODEL_H

#include "charaktertabellenmodel.h"

class Aktion;
class Charakter;
class Regelwerk;

// The character's learned actions of one kind as a table: "Bezeichnung",
// "Wert" (editable proficiency) and "Wurf" (roll). Every change goes through
// the character, which may refuse it.
// The prices (the Latin discount of languages included) are the character's;
// the catalogue argument of the constructor is kept for callers and not needed.
class CharakterAktionenModel : public CharakterTabellenModel
{
    Q_OBJECT

public:
    CharakterAktionenModel(int art, Charakter* charakter, Regelwerk* regelwerk = nullptr,
                           QObject* parent = nullptr);

    // Hands the record to the character (paid from the points of the kind).
    // On success the character owns it and a row is added; on refusal the
    // caller keeps it.
    bool hinzufuegen(Aktion* a);
    // What learning the catalogue record would cost the character now (its
    // cost, less the Latin discount where that applies).
    int preis(const Aktion* a) const;
    // Forgets the selected action; false when none is selected or refused.
    bool entfernen();

    int art() const;

protected:
    int anzahl() const override;
    QString wertTitel() const override;
    bool zeile(int zeile, QString& bezeichnung, int& wert, QString& wurf) const override;
    bool wertSetzen(int zeile, int neu) override;
    QString erklaerung() const override;

private:
    int m_art;
};

#endif // CHARAKTERAKTIONENMODEL_H
