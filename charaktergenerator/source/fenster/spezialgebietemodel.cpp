#include "spezialgebietemodel.h"

#include <QFont>

#include "regelwerk.h"
#include "spezialgebiet.h"

SpezialgebieteModel::SpezialgebieteModel(Regelwerk* regelwerk, QObject* parent)
    : KatalogModel(regelwerk, parent)
{
}

int SpezialgebieteModel::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid() || !regelwerk || leer)
        return 0;
    return regelwerk->anzahlSpezialgebiete(aktuelleKenntnis);
}

QVariant SpezialgebieteModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return QVariant();
    if (role == Qt::DisplayRole) {
        const Spezialgebiet* s = regelwerk->spezialgebiet(aktuelleKenntnis, index.row());
        if (!s)
            return QString();
        return QString("%1 (+%2)").arg(s->Bezeichnung).arg(s->Bonus);
    }
    if (role == Qt::FontRole) {
        QFont schrift;
        schrift.setPointSize(8);
        return schrift;
    }
    return QVariant();
}

void SpezialgebieteModel::setzeKenntnis(int kenntnis)
{
    if (kenntnis == aktuelleKenntnis)
        return;
    // All rows of the old area go, then all rows of the new one come; in
    // between the list is empty.
    const int alt = rowCount();
    if (alt > 0) {
        beginRemoveRows(QModelIndex(), 0, alt - 1);
        leer = true;
        endRemoveRows();
    }
    leer = true;
    aktuelleKenntnis = kenntnis;
    const int neu = regelwerk ? regelwerk->anzahlSpezialgebiete(kenntnis) : 0;
    if (neu > 0)
        beginInsertRows(QModelIndex(), 0, neu - 1);
    leer = false;
    if (neu > 0)
        endInsertRows();
}

int SpezialgebieteModel::kenntnis() const
{
    return aktuelleKenntnis;
}

const Spezialgebiet* SpezialgebieteModel::auswahl() const
{
    if (!regelwerk || ausgewaehlt < 0)
        return nullptr;
    return regelwerk->spezialgebiet(aktuelleKenntnis, ausgewaehlt);
}
