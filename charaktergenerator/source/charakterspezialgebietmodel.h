#ifndef CHARAKTERSPEZIALGEBIETMODEL_H
#define CHARAKTERSPEZIALGEBIETMODEL_H

#include <QAbstractTableModel>

class Charakter;
class Regelwerk;
class Spezialgebiet;

// The character's chosen special areas as a table: "Bezeichnung", "Punkte"
// (editable level) and "Wurf" (roll). Every change goes through the
// character, which may refuse it.
class CharakterSpezialgebietModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    CharakterSpezialgebietModel(Charakter* charakter, Regelwerk* regelwerk,
                                QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

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

    void setzeAuswahl(int zeile);
    int auswahl() const;
    // Announces that the character was reset or loaded: every row may have
    // changed. Forgets the selection.
    void neuLaden();

signals:
    void updateDaten();

private:
    void entferneZeile(int zeile);

    Charakter* charakter;
    Regelwerk* regelwerk;
    int ausgewaehlt = -1;
    // rows the character already holds but that are not yet announced
    int unangekuendigt = 0;
};

#endif // CHARAKTERSPEZIALGEBIETMODEL_H
