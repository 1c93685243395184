#include "charakterspezialgebietmodel.h"

#include <QColor>

#include "basistypus.h"
#include "charakter.h"
#include "regelwerk.h"
#include "spezialgebiet.h"

CharakterSpezialgebietModel::CharakterSpezialgebietModel(Charakter* charakter,
                                                         Regelwerk* regelwerk,
                                                         QObject* parent)
    : QAbstractTableModel(parent)
    , charakter(charakter)
    , regelwerk(regelwerk)
{
}

int CharakterSpezialgebietModel::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid() || !charakter)
        return 0;
    return charakter->anzahlSpezialgebiete() - unangekuendigt;
}

int CharakterSpezialgebietModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 3;
}

QVariant CharakterSpezialgebietModel::headerData(int section, Qt::Orientation orientation,
                                                 int role) const
{
    if (role != Qt::DisplayRole)
        return QVariant();
    if (orientation == Qt::Horizontal) {
        switch (section) {
        case 0: return QString("Bezeichnung");
        case 1: return QString("Punkte");
        case 2: return QString("Wurf");
        default: return QVariant();
        }
    }
    return QString("%1").arg(section + 1);
}

QVariant CharakterSpezialgebietModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= 3)
        return QVariant();
    if (role == Qt::DisplayRole || role == Qt::EditRole) {
        const Spezialgebiet* s = charakter->spezialgebiet(index.row());
        if (!s)
            return QString();
        switch (index.column()) {
        case 0:
            return QString("%1 / %2 (+%3)")
                .arg(regelwerk ? regelwerk->kenntnisName(s->Kenntnis) : QString(), s->Bezeichnung)
                .arg(s->Bonus);
        case 1:
            if (role == Qt::EditRole)
                return s->Wert;
            return QString("%1").arg(s->Wert);
        default:
            return charakter->wurf(s);
        }
    }
    if (role == Qt::BackgroundRole)
        return index.column() == 1 ? QColor(Qt::white) : QColor(230, 237, 255);
    return QVariant();
}

Qt::ItemFlags CharakterSpezialgebietModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    if (index.column() == 1)
        return Qt::ItemIsSelectable | Qt::ItemIsEditable | Qt::ItemIsEnabled;
    return Qt::ItemIsEnabled;
}

bool CharakterSpezialgebietModel::setData(const QModelIndex& index, const QVariant& value,
                                          int role)
{
    if (role != Qt::EditRole || !index.isValid() || index.column() != 1
        || index.row() >= rowCount())
        return false;
    bool ok = false;
    const int neu = value.toString().trimmed().toInt(&ok);
    if (!ok)
        return false;
    if (!charakter->spezialgebietWertSetzen(index.row(), neu))
        return false;
    emit dataChanged(this->index(index.row(), 1), this->index(index.row(), 2));
    emit updateDaten();
    return true;
}

bool CharakterSpezialgebietModel::hinzufuegen(Spezialgebiet* s)
{
    if (!s || !charakter)
        return false;
    const int zeile = rowCount();
    // The character decides; the new row is announced only once it exists.
    unangekuendigt = 1;
    const bool genommen = charakter->spezialgebietHinzufuegen(s);
    if (genommen) {
        beginInsertRows(QModelIndex(), zeile, zeile);
        unangekuendigt = 0;
        endInsertRows();
    }
    unangekuendigt = 0;
    return genommen;
}

void CharakterSpezialgebietModel::entferneZeile(int zeile)
{
    beginRemoveRows(QModelIndex(), zeile, zeile);
    charakter->spezialgebietEntfernen(zeile);
    endRemoveRows();
}

bool CharakterSpezialgebietModel::entfernen()
{
    if (!charakter || ausgewaehlt < 0 || ausgewaehlt >= rowCount())
        return false;
    entferneZeile(ausgewaehlt);
    return true;
}

void CharakterSpezialgebietModel::entferneAlle()
{
    if (!charakter)
        return;
    const int anzahl = rowCount();
    if (anzahl == 0)
        return;
    beginRemoveRows(QModelIndex(), 0, anzahl - 1);
    for (int i = anzahl - 1; i >= 0; --i)
        charakter->spezialgebietEntfernen(i);
    endRemoveRows();
    ausgewaehlt = -1;
}

void CharakterSpezialgebietModel::entferneBasistypGebiete()
{
    if (!charakter)
        return;
    for (int i = rowCount() - 1; i >= 0; --i) {
        const Spezialgebiet* s = charakter->spezialgebiet(i);
        if (s && s->bonusSpezialgebiet)
            entferneZeile(i);
    }
}

void CharakterSpezialgebietModel::fuegeBasistypGebieteHinzu()
{
    if (!charakter || !charakter->basistyp())
        return;
    const QList<Spezialgebiet*> gebiete = charakter->basistyp()->bonusSpezialgebiete;
    for (const Spezialgebiet* vorlage : gebiete) {
        if (!vorlage)
            continue;
        Spezialgebiet* kopie = new Spezialgebiet(*vorlage);
        if (!hinzufuegen(kopie))
            delete kopie;
    }
}

int CharakterSpezialgebietModel::anzahlGewaehlte() const
{
    int n = 0;
    for (int i = 0; i < rowCount(); ++i) {
        const Spezialgebiet* s = charakter->spezialgebiet(i);
        if (s && !s->bonusSpezialgebiet)
            ++n;
    }
    return n;
}

bool CharakterSpezialgebietModel::enthaelt(const Spezialgebiet* s) const
{
    if (!s)
        return false;
    for (int i = 0; i < rowCount(); ++i) {
        const Spezialgebiet* eigenes = charakter->spezialgebiet(i);
        if (eigenes && eigenes->Bezeichnung == s->Bezeichnung)
            return true;
    }
    return false;
}

void CharakterSpezialgebietModel::setzeAuswahl(int zeile)
{
    ausgewaehlt = zeile;
}

int CharakterSpezialgebietModel::auswahl() const
{
    return ausgewaehlt;
}

void CharakterSpezialgebietModel::neuLaden()
{
    beginResetModel();
    ausgewaehlt = -1;
    unangekuendigt = 0;
    endResetModel();
}
