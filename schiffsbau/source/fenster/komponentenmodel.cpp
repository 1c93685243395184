#include "komponentenmodel.h"

#include "komponente.h"
#include "kategorien.h"
#include "komponentenbibliothek.h"

#include <QColor>
#include <QFont>

#include <climits>
#include <iterator>

namespace {

// The columns of all categories at once.
const char *const alleSpalten[] = {"Kategorie", "Bezeichnung", "St", "t", "GSTPV", "REV", "BEV", "Einheit", "Daten"};

} // namespace

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
    return m_alle ? int(m_alleZeilen.size()) : anzahlElemente(m_kategorie);
}

int KomponentenModel::columnCount(const QModelIndex &parent) const
{
    if (parent.isValid() || m_ohneSpalten)
        return 0;
    return m_alle ? int(std::size(alleSpalten)) : anzahlSpalten(m_kategorie);
}

void KomponentenModel::setAlleKategorien(bool alle)
{
    if (alle == m_alle)
        return;
    beginResetModel();
    m_alle = alle;
    m_alleZeilen.clear();
    for (int kat = 0; alle && m_pBibliothek && kat < m_pBibliothek->anzahlKategorien(); ++kat) {
        for (int i = 0; i < m_pBibliothek->anzahlElemente(kat); ++i)
            m_alleZeilen.append({kat, i});
    }
    endResetModel();
}

bool KomponentenModel::eintrag(int zeile, int *kategorie, int *element) const
{
    if (zeile < 0 || zeile >= rowCount())
        return false;
    *kategorie = m_alle ? m_alleZeilen.at(zeile).first : int(m_kategorie);
    *element = m_alle ? m_alleZeilen.at(zeile).second : zeile;
    return true;
}

const Komponente *KomponentenModel::komponente(int zeile) const
{
    int kategorie = 0;
    int element = 0;
    return eintrag(zeile, &kategorie, &element) ? m_pBibliothek->element(kategorie, element) : nullptr;
}

QVariant KomponentenModel::alleWert(int zeile, int spalte) const
{
    const Komponente *k = komponente(zeile);
    if (!k)
        return QString();
    switch (spalte) {
    case 0: return Kategorien::name(m_alleZeilen.at(zeile).first);
    case 1: return k->name();
    case 2: return k->preis();
    case 3: return k->gewicht();
    case 4: return k->gstpv();
    case 5: return k->rev();
    case 6: return k->bev();
    case 7: return k->einheit(false);
    case 8: return k->beschreibung();
    default: return QString();
    }
}

QVariant KomponentenModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return QVariant();

    switch (role) {
    case NameRolle: {
        const Komponente *k = komponente(index.row());
        return k ? k->name() : QString();
    }
    case Qt::DisplayRole: {
        if (m_alle)
            return alleWert(index.row(), index.column());
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

    if (m_alle)
        return section >= 0 && section < int(std::size(alleSpalten)) ? QString::fromUtf8(alleSpalten[section])
                                                                     : QVariant();
    if (rowCount() <= 0)
        return QVariant();
    const Komponente *erste = m_pBibliothek->element(int(m_kategorie), 0);
    if (!erste)
        return QVariant();
    return erste->spaltenTitel(section);
}

void KomponentenModel::slotSetKategorie(uint kategorie)
{
    if (m_alle) {
        // All rows stay; only the category to come back to changes.
        m_kategorie = kategorie;
    } else if (kategorie != m_kategorie) {
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
