#include "anzahldelegate.h"

#include "schiffsmodel.h"

#include <QSpinBox>

AnzahlDelegate::AnzahlDelegate(QObject *parent)
    : QStyledItemDelegate(parent)
{
}

QWidget *AnzahlDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                                      const QModelIndex &index) const
{
    Q_UNUSED(option)
    Q_UNUSED(index)
    auto *box = new QSpinBox(parent);
    box->setFrame(false);
    box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    box->setRange(0, SchiffsModel::maxAnzahl);
    return box;
}
