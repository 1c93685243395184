#include "charakteraktionenmodel.h"

#include <QColor>
#include <QStringList>

#include "aktion.h"
#include "charakter.h"
#include "regelwerk.h"

namespace {

// Languages that are cheaper by 1 SP for a character who knows "Latein".
const QStringList& lateinVerwandte()
{
    static const QStringList namen = {"Standard", "Newdeutsch", "Francais", "Portespan"};
    return namen;
}

const QString latein = QStringLiteral("Latein");

} // namespace

CharakterAktionenModel::CharakterAktionenModel(int art, Charakter* charakter,
                                               Regelwerk* regelwerk, QObject* parent)
    : QAbstractTableModel(parent)
    , m_art(art)
    , charakter(charakter)
    , regelwerk(regelwerk)
{
}

int CharakterAktionenModel::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid() || !charakter)
        return 0;
    return charakter->anzahlAktionen(m_art) - unangekuendigt;
}

int CharakterAktionenModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 3;
}

QVariant CharakterAktionenModel::headerData(int section, Qt::Orientation orientation,
                                            int role) const
{
    if (role != Qt::DisplayRole)
        return QVariant();
    if (orientation == Qt::Horizontal) {
        switch (section) {
        case 0: return QString("Bezeichnung");
        case 1: return QString("Wert");
        case 2: return QString("Wurf");
        default: return QVariant();
        }
    }
    return QString("%1").arg(section + 1);
}

QVariant CharakterAktionenModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= 3)
        return QVariant();
    if (role == Qt::DisplayRole || role == Qt::EditRole) {
        const Aktion* a = charakter->aktion(m_art, index.row());
        if (!a)
            return QString();
        switch (index.column()) {
        case 0: {
            const Regelwerk* namen = charakter->regelwerk();
            return QString("[%1] %2 / %3 (%4 P)")
                .arg(namen ? namen->kenntnisName(a->Kenntnis) : QString(),
                     namen ? namen->spezialisierungName(a->Spezialisierung) : QString(),
                     a->Bezeichnung)
                .arg(a->Kosten);
        }
        case 1:
            if (role == Qt::EditRole)
                return a->Befaehigung;
            return QString("%1").arg(a->Befaehigung);
        default:
            return charakter->wurf(a);
        }
    }
    if (role == Qt::BackgroundRole)
        return index.column() == 1 ? QColor(Qt::white) : QColor(230, 237, 255);
    return QVariant();
}

Qt::ItemFlags CharakterAktionenModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    if (index.column() == 1)
        return Qt::ItemIsSelectable | Qt::ItemIsEditable | Qt::ItemIsEnabled;
    return Qt::ItemIsEnabled;
}

bool CharakterAktionenModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !index.isValid() || index.column() != 1
        || index.row() >= rowCount())
        return false;
    bool ok = false;
    const int neu = value.toString().trimmed().toInt(&ok);
    if (!ok)
        return false;
    if (!charakter->befaehigungSetzen(m_art, index.row(), neu))
        return false;
    emit dataChanged(this->index(index.row(), 1), this->index(index.row(), 2));
    return true;
}

int CharakterAktionenModel::preis(const Aktion* a) const
{
    if (!a)
        return 0;
    if (regelwerk && charakter && m_art == 0 && charakter->sucheAktion(0, latein)) {
        for (const QString& anfang : lateinVerwandte()) {
            if (a->Bezeichnung.startsWith(anfang))
                return a->Kosten - 1;
        }
    }
    return a->Kosten;
}

bool CharakterAktionenModel::hinzufuegen(Aktion* a)
{
    if (!a || !charakter)
        return false;
    const int alteKosten = a->Kosten;
    a->Kosten = preis(a);
    const int zeile = rowCount();
    // The character decides; the new row is announced only once it exists.
    unangekuendigt = 1;
    const bool gelernt = charakter->aktionHinzufuegen(m_art, a);
    if (gelernt) {
        beginInsertRows(QModelIndex(), zeile, zeile);
        unangekuendigt = 0;
        endInsertRows();
    } else {
        a->Kosten = alteKosten;   // the caller gets its record back unchanged
    }
    unangekuendigt = 0;
    return gelernt;
}

bool CharakterAktionenModel::entfernen()
{
    if (!charakter || ausgewaehlt < 0 || ausgewaehlt >= rowCount())
        return false;
    const Aktion* a = charakter->aktion(m_art, ausgewaehlt);
    if (!a)
        return false;
    const bool warLatein = a->Bezeichnung.startsWith(latein);
    const int zeile = ausgewaehlt;
    beginRemoveRows(QModelIndex(), zeile, zeile);
    const bool entfernt = charakter->aktionEntfernen(m_art, zeile);
    endRemoveRows();
    if (entfernt && warLatein && regelwerk)
        lateinZuruecksetzen();
    return entfernt;
}

void CharakterAktionenModel::lateinZuruecksetzen()
{
    for (const QString& anfang : lateinVerwandte()) {
        Aktion* gelernt = charakter->sucheAktion(m_art, anfang);
        const Aktion* katalog = regelwerk->sucheAktion(m_art, anfang);
        if (!gelernt || !katalog)
            continue;
        charakter->addierePunkte(m_art, CharakterBasis::Genutzt, katalog->Kosten - gelernt->Kosten);
        gelernt->Kosten = katalog->Kosten;
        for (int i = 0; i < rowCount(); ++i) {
            if (charakter->aktion(m_art, i) == gelernt)
                emit dataChanged(index(i, 0), index(i, 0));
        }
    }
}

void CharakterAktionenModel::setzeAuswahl(int zeile)
{
    ausgewaehlt = zeile;
}

int CharakterAktionenModel::auswahl() const
{
    return ausgewaehlt;
}

int CharakterAktionenModel::art() const
{
    return m_art;
}

void CharakterAktionenModel::neuLaden()
{
    beginResetModel();
    ausgewaehlt = -1;
    unangekuendigt = 0;
    endResetModel();
}
