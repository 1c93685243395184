#include "charaktertabellenmodel.h"

#include <QColor>

#include "charakter.h"

CharakterTabellenModel::CharakterTabellenModel(Charakter* charakter, QObject* parent)
    : QAbstractTableModel(parent)
    , charakter(charakter)
{
}

int CharakterTabellenModel::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid() || !charakter)
        return 0;
    return anzahl() - unangekuendigt;
}

int CharakterTabellenModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 3;
}

QVariant CharakterTabellenModel::headerData(int section, Qt::Orientation orientation,
                                            int role) const
{
    if (role == Qt::ToolTipRole && orientation == Qt::Horizontal && section > 0
        && !erklaerung().isEmpty())
        return erklaerung();
    if (role != Qt::DisplayRole)
        return QVariant();
    if (orientation == Qt::Horizontal) {
        switch (section) {
        case 0: return QString("Bezeichnung");
        case 1: return wertTitel();
        case 2: return QString("Wurf");
        default: return QVariant();
        }
    }
    return QString("%1").arg(section + 1);
}

QVariant CharakterTabellenModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= 3)
        return QVariant();
    if (role == Qt::DisplayRole || role == Qt::EditRole) {
        QString bezeichnung;
        int wert = 0;
        QString wurf;
        if (!zeile(index.row(), bezeichnung, wert, wurf))
            return QString();
        switch (index.column()) {
        case 0:
            return bezeichnung;
        case 1:
            if (role == Qt::EditRole)
                return wert;
            return QString("%1").arg(wert);
        default:
            return wurf;
        }
    }
    if (role == Qt::BackgroundRole)
        return index.column() == 1 ? QColor(Qt::white) : QColor(230, 237, 255);
    if (role == Qt::ToolTipRole && index.column() > 0 && !erklaerung().isEmpty())
        return erklaerung();
    return QVariant();
}

Qt::ItemFlags CharakterTabellenModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    if (index.column() == 1)
        return Qt::ItemIsSelectable | Qt::ItemIsEditable | Qt::ItemIsEnabled;
    return Qt::ItemIsEnabled;
}

bool CharakterTabellenModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !index.isValid() || index.column() != 1
        || index.row() >= rowCount())
        return false;
    bool ok = false;
    const int neu = value.toString().trimmed().toInt(&ok);
    if (!ok) {
        emit abgelehnt(QStringLiteral("%1: „%2“ ist keine ganze Zahl.").arg(wertTitel(), value.toString()));
        return false;
    }
    if (!wertSetzen(index.row(), neu)) {
        emit abgelehnt(charakter->letzterGrundText());
        return false;
    }
    emit dataChanged(this->index(index.row(), 1), this->index(index.row(), 2));
    wertGesetzt();
    return true;
}

bool CharakterTabellenModel::zeileAnfuegen(const std::function<bool()>& nehmen)
{
    const int neueZeile = rowCount();
    // The character decides; the new row is announced only once it exists.
    unangekuendigt = 1;
    const bool genommen = nehmen();
    if (genommen) {
        beginInsertRows(QModelIndex(), neueZeile, neueZeile);
        unangekuendigt = 0;
        endInsertRows();
    }
    unangekuendigt = 0;
    return genommen;
}

bool CharakterTabellenModel::auswahlGueltig() const
{
    return charakter && ausgewaehlt >= 0 && ausgewaehlt < rowCount();
}

void CharakterTabellenModel::setzeAuswahl(int zeile)
{
    ausgewaehlt = zeile;
}

int CharakterTabellenModel::auswahl() const
{
    return ausgewaehlt;
}

void CharakterTabellenModel::neuLaden()
{
    beginResetModel();
    ausgewaehlt = -1;
    unangekuendigt = 0;
    endResetModel();
}
