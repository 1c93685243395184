#ifndef KATALOGMODEL_H
#define KATALOGMODEL_H

#include <QAbstractListModel>

class Regelwerk;

// Common frame of the lists of catalogue entries the user learns from: the
// rules catalogue (not owned) and the row the user selected (-1: none).
class KatalogModel : public QAbstractListModel
{
    Q_OBJECT

public:
    explicit KatalogModel(Regelwerk* regelwerk, QObject* parent = nullptr);

    void setzeAuswahl(int zeile);
    int auswahlZeile() const;

protected:
    Regelwerk* regelwerk;
    int ausgewaehlt = -1;
};

#endif // KATALOGMODEL_H
