#include "aktionenmodel.h"

#include "aktion.h"
#include "regelwerk.h"

AktionenModel::AktionenModel(int art, Regelwerk* regelwerk, QObject* parent)
    : QAbstractListModel(parent)
    , m_art(art)
    , regelwerk(regelwerk)
{
}

int AktionenModel::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid() || !regelwerk)
        return 0;
    return regelwerk->anzahlAktionen(m_art);
}

QVariant AktionenModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || role != Qt::DisplayRole)
        return QVariant();
    const Aktion* a = regelwerk->aktion(m_art, index.row());
    if (!a)
        return QString();
    const QString bereich = (m_art == 2 || zeigeSpezialisierung)
                                ? regelwerk->spezialisierungName(a->Spezialisierung)
                                : regelwerk->kenntnisName(a->Kenntnis);
    const QString muster = m_art == 2 ? QString("%1/ %2 (%3 P)") : QString("%1 / %2 (%3 P)");
    return muster.arg(bereich, a->Bezeichnung).arg(a->Kosten);
}

void AktionenModel::setzeAnzeige(bool spezialisierung)
{
    if (zeigeSpezialisierung == spezialisierung)
        return;
    zeigeSpezialisierung = spezialisierung;
    if (rowCount() > 0)
        emit dataChanged(index(0), index(rowCount() - 1), {Qt::DisplayRole});
}

bool AktionenModel::anzeige() const
{
    return zeigeSpezialisierung;
}

int AktionenModel::art() const
{
    return m_art;
}

void AktionenModel::setzeAuswahl(int zeile)
{
    ausgewaehlt = zeile;
}

int AktionenModel::auswahlZeile() const
{
    return ausgewaehlt;
}

const Aktion* AktionenModel::auswahl() const
{
    if (!regelwerk || ausgewaehlt < 0)
        return nullptr;
    return regelwerk->aktion(m_art, ausgewaehlt);
}
