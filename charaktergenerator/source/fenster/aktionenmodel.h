#ifndef AKTIONENMODEL_H
#define AKTIONENMODEL_H

#include <QIcon>

#include "katalogmodel.h"

class Aktion;
class Charakter;

// The catalogue's actions of one kind (Aktion::Art), one per row, shown as "area / name (cost P)".
// Remembers which row the user selected. Given a character, it marks the
// actions the character has learned: bold, with a tick and the tooltip
// "bereits erlernt".
class AktionenModel : public KatalogModel
{
    Q_OBJECT

public:
    AktionenModel(int art, Regelwerk* regelwerk, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    // false: rows name the knowledge area; true: the specialisation.
    void setzeAnzeige(bool spezialisierung);
    bool anzeige() const;
    int art() const;

    // The character whose learned actions are marked (not owned; null: none).
    void setzeCharakter(const Charakter* charakter);
    // Whether the character has learned the action at `zeile`.
    bool erlernt(int zeile) const;
    // Redraws the marks after the character's actions changed.
    void erlernteGeaendert();

    // The catalogue record at the selected row, or null when none is selected.
    const Aktion* auswahl() const;

private:
    int m_art;
    bool zeigeSpezialisierung = false;
    const Charakter* m_charakter = nullptr;
    QIcon m_haken;
    QIcon m_ohneHaken;
};

#endif // AKTIONENMODEL_H
