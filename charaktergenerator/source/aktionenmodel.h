#ifndef AKTIONENMODEL_H
#define AKTIONENMODEL_H

#include <QAbstractListModel>

class Aktion;
class Regelwerk;

// The catalogue's actions of one kind (0 languages, 1 technical actions,
// 2 paranormal abilities), one per row, shown as "area / name (cost P)".
// Remembers which row the user selected.
class AktionenModel : public QAbstractListModel
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

    void setzeAuswahl(int zeile);
    int auswahlZeile() const;
    // The catalogue record at the selected row, or null when none is selected.
    const Aktion* auswahl() const;

private:
    int m_art;
    Regelwerk* regelwerk;
    bool zeigeSpezialisierung = false;
    int ausgewaehlt = -1;
};

#endif // AKTIONENMODEL_H
