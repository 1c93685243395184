#include "schiffsproxy.h"

#include "schiffsmodel.h"

SchiffsProxy::SchiffsProxy(QObject *parent)
    : QSortFilterProxyModel(parent)
{
}

QVariant SchiffsProxy::data(const QModelIndex &index, int role) const
{
    if (role == Qt::ToolTipRole
        && (index.column() == SchiffsModel::SpalteTyp || index.column() == SchiffsModel::SpalteName))
        return QSortFilterProxyModel::data(index, Qt::DisplayRole);
    return QSortFilterProxyModel::data(index, role);
}
