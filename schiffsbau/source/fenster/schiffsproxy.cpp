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

Qt::ItemFlags SchiffsProxy::flags(const QModelIndex &index) const
{
    const Qt::ItemFlags f = QSortFilterProxyModel::flags(index);
    return index.isValid() ? f | Qt::ItemIsSelectable : f;
}
