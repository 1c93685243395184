#ifndef ANZAHLDELEGATE_H
#define ANZAHLDELEGATE_H

#include <QStyledItemDelegate>

// Editor of the count column of the ship table: a spin box that offers
// exactly the counts the ship model accepts (0 removes the row).
class AnzahlDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    explicit AnzahlDelegate(QObject *parent = nullptr);

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
};

#endif // ANZAHLDELEGATE_H
