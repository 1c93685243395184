#include "katalogmodel.h"

KatalogModel::KatalogModel(Regelwerk* regelwerk, QObject* parent)
    : QAbstractListModel(parent)
    , regelwerk(regelwerk)
{
}

void KatalogModel::setzeAuswahl(int zeile)
{
    ausgewaehlt = zeile;
}

int KatalogModel::auswahlZeile() const
{
    return ausgewaehlt;
}
