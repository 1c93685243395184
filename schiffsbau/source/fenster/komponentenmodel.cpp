#include "komponentenmodel.h"

#include "komponente.h"
#include "komponentenbibliothek.h"

#include <QColor>
#include <QFont>

#include <climits>

KomponentenModel::KomponentenModel(KomponentenBibliothek *bibliothek, QObject *parent)
    : QAbstractTableModel(parent), m_pBibliothek(bibliothek)
{
}

// Categories beyond the int range count as unknown (no components).
int KomponentenModel::anzahlElemente(uint kategorie) const
{
    if (!m_pBibliothek || kategorie > uint(INT_MAX))
        return 0;
    return m_pBibliothek->anzahlElemente(int(kategorie));
}

int KomponentenModel::anzahlSpalten(uint kategorie) const
{
    if (anzahlElemente(kategorie) <= 0)
        return 0;
    const Komponente *erste = m_pBibliothek->element(int(kategorie), 0);
    return erste ? qMax(0, erste->spaltenAnzahl()) : 0;
}

int KomponentenModel::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid() || m_ohneZeilen)
        return 0;
    return anzahlElemente(m_kategorie);
}

int KomponentenModel::columnCount(const QModelIndex &parent) const
{
    if (parent.isValid() || m_ohneSpalten)
        return 0;
    return anzahlSpalten(m_kategorie);
}

QVariant KomponentenModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return QVariant();

    switch (role) {
    case Qt::DisplayRole: {
        const Komponente *k = m_pBibliothek->element(int(m_kategorie), index.row());
        if (k && index.column() < k->spaltenAnzahl())
            return k->spaltenWert(index.column());
        return QString();
    }
    case Qt::FontRole: {
        QFont font;
        font.setPointSize(8);
        return font;
    }
    case Qt::BackgroundRole:
        return QColor(230, 237, 255);
    default:
        return QVariant();
    }
}

QVariant KomponentenModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignLeft);
    if (role != Qt::DisplayRole)
        return QVariant();
    if (orientation == Qt::Vertical)
        return QStringLiteral("%1").arg(section + 1);

    if (rowCount() <= 0)
        return QVariant();
    const Komponente *erste = m_pBibliothek->element(int(m_kategorie), 0);
    if (!erste)
        return QVariant();
    return erste->spaltenTitel(section);
}

void KomponentenModel::slotSetKategorie(uint kategorie)
{
    if (kategorie != m_kategorie) {
        // The rows go first, then the columns of the old layout; the new
        // category's columns and rows are announced in the reverse order.
        const int n = anzahlElemente(m_kategorie);
        const int spalten = anzahlSpalten(m_kategorie);
        if (n > 0)
            beginRemoveRows(QModelIndex(), 0, n - 1);
        m_ohneZeilen = true;
        if (n > 0)
            endRemoveRows();
        if (spalten > 0)
            beginRemoveColumns(QModelIndex(), 0, spalten - 1);
        m_ohneSpalten = true;
        if (spalten > 0)
            endRemoveColumns();

        m_kategorie = kategorie;

        const int neueSpalten = anzahlSpalten(m_kategorie);
        if (neueSpalten > 0)
            beginInsertColumns(QModelIndex(), 0, neueSpalten - 1);
        m_ohneSpalten = false;
        if (neueSpalten > 0)
            endInsertColumns();
        const int m = anzahlElemente(m_kategorie);
        if (m > 0)
            beginInsertRows(QModelIndex(), 0, m - 1);
        m_ohneZeilen = false;
        if (m > 0)
            endInsertRows();
    }
    emit layoutAboutToBeChanged();
    emit layoutChanged();
}
