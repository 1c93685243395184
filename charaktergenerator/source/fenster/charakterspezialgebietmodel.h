#ifndef CHARAKTERSPEZIALGEBIETMODEL_H
#define CHARAKTERSPEZIALGEBIETMODEL_H

#include "charaktertabellenmodel.h"

class Charakter;
class Regelwerk;
class Spezialgebiet;

// The character's chosen special areas as a table: "Bezeichnung", "Punkte"
// (editable level) and "Wurf" (roll). Every change goes through the
// character, which may refuse it.
class CharakterSpezialgebietModel : public CharakterTabellenModel
{
    Q_OBJECT

public:
    CharakterSpezialgebietModel(Charakter* charakter, Regelwerk* regelwerk,
                                QObject* parent = nullptr);

    // Hands the record to the character. On success the character owns it and
    // a row is added; on refusal the caller keeps it.
    bool hinzufuegen(Spezialgebiet* s);
    // Removes the selected special area; false when none is selected or refused.
    bool entfernen();
    // Removes every special area, chosen or the species' own.
    void entferneAlle();
    // Removes the species' own special areas, keeps the chosen ones.
    void entferneBasistypGebiete();
    // Adds copies of the special areas the character's species brings.
    void fuegeBasistypGebieteHinzu();
    // Number of special areas that are not the species' own.
    int anzahlGewaehlte() const;
    // Whether the character already has a special area of that name.
    bool enthaelt(const Spezialgebiet* s) const;

signals:
    void updateDaten();

protected:
    int anzahl() const override;
    QString wertTitel() const override;
    bool zeile(int zeile, QString& bezeichnung, int& wert, QString& wurf) const override;
    bool wertSetzen(int zeile, int neu) override;
    void wertGesetzt() override;

private:
    void entferneZeile(int zeile);

    Regelwerk* regelwerk;
};

#endif // CHARAKTERSPEZIALGEBIETMODEL_H
