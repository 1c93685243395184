#ifndef CHARAKTERAKTIONENMODEL_H
#define CHARAKTERAKTIONENMODEL_H

#include <QAbstractTableModel>

class Aktion;
class Charakter;
class Regelwerk;

// The character's learned actions of one kind as a table: "Bezeichnung",
// "Wert" (editable proficiency) and "Wurf" (roll). Every change goes through
// the character, which may refuse it.
//
// Only a model given the catalogue applies the Latin discount of languages:
// "Standard", "Newdeutsch", "Francais" and "Portespan" cost 1 SP less while
// "Latein" is known, and the discount is taken back when "Latein" is forgotten.
class CharakterAktionenModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    CharakterAktionenModel(int art, Charakter* charakter, Regelwerk* regelwerk = nullptr,
                           QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

    // Hands the record to the character (paid from the points of the kind).
    // On success the character owns it and a row is added; on refusal the
    // caller keeps it.
    bool hinzufuegen(Aktion* a);
    // What learning the catalogue record would cost the character now (its
    // cost, less the Latin discount where that applies).
    int preis(const Aktion* a) const;
    // Forgets the selected action; false when none is selected or refused.
    bool entfernen();

    void setzeAuswahl(int zeile);
    int auswahl() const;
    // Announces that the character was reset or loaded: every row may have
    // changed. Forgets the selection.
    void neuLaden();
    int art() const;

private:
    void lateinZuruecksetzen();

    int m_art;
    Charakter* charakter;
    Regelwerk* regelwerk;
    int ausgewaehlt = -1;
    // rows the character already holds but that are not yet announced
    int unangekuendigt = 0;
};

#endif // CHARAKTERAKTIONENMODEL_H
