#ifndef KATEGORIEMODEL_H
#define KATEGORIEMODEL_H

#include <QAbstractListModel>

class KomponentenBibliothek;

// The category labels of the component library as a list: one row per
// category, label as stored, bold when it begins with "*".
class KategorieModel : public QAbstractListModel
{
    Q_OBJECT

public:
    explicit KategorieModel(KomponentenBibliothek *bibliothek, QObject *parent = nullptr);

    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    int rowCount(const QModelIndex &parent = QModelIndex()) const override;

private:
    KomponentenBibliothek *m_pBibliothek; // not owned
};

#endif // KATEGORIEMODEL_H
