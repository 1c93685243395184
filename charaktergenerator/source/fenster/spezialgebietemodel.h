#ifndef SPEZIALGEBIETEMODEL_H
#define SPEZIALGEBIETEMODEL_H

#include "katalogmodel.h"

class Spezialgebiet;

// The catalogue's special areas of one knowledge area, one per row, shown as
// "name (+bonus)". Remembers which row the user selected.
class SpezialgebieteModel : public KatalogModel
{
    Q_OBJECT

public:
    explicit SpezialgebieteModel(Regelwerk* regelwerk, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    // Switches to another knowledge area (0..9), announcing the change of rows.
    void setzeKenntnis(int kenntnis);
    int kenntnis() const;

    // The catalogue record at the selected row, or null when none is selected.
    const Spezialgebiet* auswahl() const;

private:
    int aktuelleKenntnis = 0;
    bool leer = false;   // true only while the rows of the area are exchanged
};

#endif // SPEZIALGEBIETEMODEL_H
