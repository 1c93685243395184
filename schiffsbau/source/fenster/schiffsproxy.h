#ifndef SCHIFFSPROXY_H
#define SCHIFFSPROXY_H

#include <QSortFilterProxyModel>

// The sortable view of the ship table. The type and name columns are often
// narrower than their texts: their tool tip shows the full text. A click on
// any cell selects its row (for "Entfernen"); what can be edited stays as
// the ship model says.
class SchiffsProxy : public QSortFilterProxyModel
{
    Q_OBJECT

public:
    explicit SchiffsProxy(QObject *parent = nullptr);

    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
};

#endif // SCHIFFSPROXY_H
