#include "kategoriemodel.h"

#include "komponentenbibliothek.h"

#include <QFont>

KategorieModel::KategorieModel(KomponentenBibliothek *bibliothek, QObject *parent)
    : QAbstractListModel(parent), m_pBibliothek(bibliothek)
{
}

int KategorieModel::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid() || !m_pBibliothek)
        return 0;
    return m_pBibliothek->anzahlKategorien();
}

QVariant KategorieModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || !m_pBibliothek || index.row() >= m_pBibliothek->anzahlKategorien())
        return QVariant();

    const QString text = m_pBibliothek->kategorieText(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return text;
    case Qt::FontRole: {
        QFont font;
        font.setPointSize(8);
        font.setWeight(text.startsWith(QLatin1Char('*')) ? QFont::Bold : QFont::Normal);
        return font;
    }
    default:
        return QVariant();
    }
}
