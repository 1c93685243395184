#include "schiffsmodel.h"

SchiffsModel::SchiffsModel(QObject *parent)
    : QAbstractTableModel(parent)
{
    qRegisterMetaType<SchiffsDaten>("SchiffsDaten");
}

SchiffsModel::~SchiffsModel() = default;

int SchiffsModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_komponenten.size());
}

int SchiffsModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : SpaltenAnzahl;
}

QVariant SchiffsModel::data(const QModelIndex &, int) const
{
    return QVariant();
}

QVariant SchiffsModel::headerData(int, Qt::Orientation, int) const
{
    return QVariant();
}

Qt::ItemFlags SchiffsModel::flags(const QModelIndex &) const
{
    return Qt::ItemIsEnabled;
}

bool SchiffsModel::setData(const QModelIndex &, const QVariant &, int)
{
    return false;
}

void SchiffsModel::addKomponente(Komponente *, int)
{
}

Komponente *SchiffsModel::komponente(int) const
{
    return nullptr;
}

int SchiffsModel::anzahl(int) const
{
    return 0;
}

void SchiffsModel::entferne(int)
{
}

void SchiffsModel::leeren()
{
}

SchiffsDaten SchiffsModel::berechne()
{
    SchiffsDaten daten = SchiffsDaten::berechne(m_komponenten, m_anzahl);
    emit neueDaten(daten);
    return daten;
}

int SchiffsModel::objektgroesse(qint64 gstp)
{
    return SchiffsDaten::groessenklasse(gstp);
}

bool SchiffsModel::istZeile(int i) const
{
    return i >= 0 && i < m_komponenten.size();
}
