#include "schiffsmodel.h"

#include "komponente.h"

#include <QBrush>
#include <QColor>
#include <QFont>

namespace {

const char *const spaltenTitel[SchiffsModel::SpaltenAnzahl] = {
    "Nr.", "Typ", "Name", "Daten", "Anzahl", "Einheit"
};

// Converts an edited value to an integer the way a typed number is read:
// integers as they are, text with surrounding blanks allowed.
bool alsZahl(const QVariant &wert, int *zahl)
{
    bool ok = false;
    int n = 0;
    if (wert.typeId() == QMetaType::QString)
        n = wert.toString().trimmed().toInt(&ok);
    else
        n = wert.toInt(&ok);
    if (ok)
        *zahl = n;
    return ok;
}

} // namespace

SchiffsModel::SchiffsModel(QObject *parent)
    : QAbstractTableModel(parent)
{
    qRegisterMetaType<SchiffsDaten>("SchiffsDaten");
}

SchiffsModel::~SchiffsModel()
{
    qDeleteAll(m_komponenten);
}

int SchiffsModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_komponenten.size());
}

int SchiffsModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : SpaltenAnzahl;
}

QVariant SchiffsModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || !istZeile(index.row()))
        return QVariant();
    const int zeile = index.row();
    const int spalte = index.column();
    const Komponente *k = m_komponenten.at(zeile);

    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        switch (spalte) {
        case SpalteNr:
            return zeile + 1;
        case SpalteTyp:
            return k->kurzname();
        case SpalteName:
            return k->name();
        case SpalteDaten:
            return k->beschreibung();
        case SpalteAnzahl:
            if (k->nurEinmal())
                return QVariant();
            return m_anzahl.at(zeile);
        case SpalteEinheit:
            return k->einheit(false);
        default:
            return QVariant();
        }
    case Qt::FontRole: {
        QFont schrift;
        schrift.setPointSize(8);
        return schrift;
    }
    case Qt::BackgroundRole:
        if (spalte == SpalteNr || spalte == SpalteAnzahl)
            return QBrush(QColor(Qt::white));
        return QBrush(QColor(230, 237, 255));
    case Qt::CheckStateRole:
        if (spalte == SpalteAnzahl && k->nurEinmal())
            return m_anzahl.at(zeile) == 1 ? Qt::Checked : Qt::Unchecked;
        return QVariant();
    default:
        return QVariant();
    }
}

QVariant SchiffsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return QVariant();
    if (orientation == Qt::Horizontal) {
        if (section < 0 || section >= SpaltenAnzahl)
            return QVariant();
        return QString::fromUtf8(spaltenTitel[section]);
    }
    return QString::number(section + 1);
}

Qt::ItemFlags SchiffsModel::flags(const QModelIndex &index) const
{
    if (!index.isValid() || !istZeile(index.row()))
        return Qt::NoItemFlags;
    switch (index.column()) {
    case SpalteNr:
        return Qt::ItemIsSelectable | Qt::ItemIsEditable | Qt::ItemIsEnabled;
    case SpalteAnzahl:
        if (m_komponenten.at(index.row())->nurEinmal())
            return Qt::ItemIsSelectable | Qt::ItemIsUserCheckable | Qt::ItemIsEnabled;
        return Qt::ItemIsSelectable | Qt::ItemIsEditable | Qt::ItemIsEnabled;
    default:
        return Qt::ItemIsEnabled;
    }
}

bool SchiffsModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || !istZeile(index.row()))
        return false;
    const int zeile = index.row();

    if (index.column() == SpalteAnzahl && role == Qt::CheckStateRole) {
        if (!m_komponenten.at(zeile)->nurEinmal())
            return false;
        bool ok = false;
        if (value.toInt(&ok) == Qt::Unchecked && ok)
            entferne(zeile);
        berechne();
        return false;
    }

    if (index.column() == SpalteAnzahl && role == Qt::EditRole) {
        int n = 0;
        // A text that is no number, or a count outside the range of the
        // count editor, changes nothing.
        if (!alsZahl(value, &n) || n < minAnzahl || n > maxAnzahl)
            return true;
        m_anzahl[zeile] = n;
        if (n == 0)
            entferne(zeile);
        else
            emit dataChanged(index, index);
        berechne();
        return true;
    }

    if (index.column() == SpalteNr && role == Qt::EditRole) {
        int n = 0;
        if (!alsZahl(value, &n) || n < 1 || n > m_komponenten.size())
            return false;
        const int ziel = n - 1;
        if (ziel == zeile)
            return true;
        // Moving down: the destination given to views is the row after the
        // target, as Qt counts it before the move.
        beginMoveRows(QModelIndex(), zeile, zeile, QModelIndex(), ziel > zeile ? ziel + 1 : ziel);
        m_komponenten.move(zeile, ziel);
        m_anzahl.move(zeile, ziel);
        endMoveRows();
        // The row numbers of every row between the two positions changed.
        emit dataChanged(this->index(qMin(zeile, ziel), SpalteNr),
                         this->index(qMax(zeile, ziel), SpalteNr));
        return true;
    }

    return false;
}

void SchiffsModel::addKomponente(Komponente *k, int anzahl)
{
    if (!k)
        return;
    const int zeile = int(m_komponenten.size());
    beginInsertRows(QModelIndex(), zeile, zeile);
    m_komponenten.append(k);
    // Counts from files are held to the range of the count editor.
    m_anzahl.append(qBound(minAnzahl, anzahl, maxAnzahl));
    endInsertRows();
}

Komponente *SchiffsModel::komponente(int i) const
{
    return istZeile(i) ? m_komponenten.at(i) : nullptr;
}

int SchiffsModel::anzahl(int i) const
{
    return istZeile(i) ? m_anzahl.at(i) : 0;
}

void SchiffsModel::entferne(int i)
{
    if (!istZeile(i))
        return;
    beginRemoveRows(QModelIndex(), i, i);
    delete m_komponenten.takeAt(i);
    m_anzahl.removeAt(i);
    endRemoveRows();
}

void SchiffsModel::leeren()
{
    if (m_komponenten.isEmpty())
        return;
    beginRemoveRows(QModelIndex(), 0, int(m_komponenten.size()) - 1);
    qDeleteAll(m_komponenten);
    m_komponenten.clear();
    m_anzahl.clear();
    endRemoveRows();
}

int SchiffsModel::zeileVon(int typ, const QString &name) const
{
    for (int i = 0; i < m_komponenten.size(); ++i) {
        const Komponente *k = m_komponenten.at(i);
        if (k->typ() == typ && k->name() == name)
            return i;
    }
    return -1;
}

int SchiffsModel::sperrendeZeile(const Komponente *k) const
{
    return k && k->nurEinmal() ? zeileVon(k->typ(), k->name()) : -1;
}

SchiffsDaten SchiffsModel::berechne()
{
    const SchiffsDaten daten = SchiffsDaten::berechne(m_komponenten, m_anzahl);
    emit neueDaten(daten);
    return daten;
}

SchiffsDaten SchiffsModel::berechneMit(Komponente *k, int anzahl) const
{
    if (!k || sperrendeZeile(k) >= 0)
        return SchiffsDaten::berechne(m_komponenten, m_anzahl);
    QList<Komponente *> komponenten = m_komponenten;
    QList<int> anzahlen = m_anzahl;
    komponenten.append(k);
    anzahlen.append(qBound(minAnzahl, anzahl, maxAnzahl));
    return SchiffsDaten::berechne(komponenten, anzahlen);
}

int SchiffsModel::objektgroesse(qint64 gstp)
{
    return SchiffsDaten::groessenklasse(gstp);
}

bool SchiffsModel::istZeile(int i) const
{
    return i >= 0 && i < m_komponenten.size();
}
