#include "aktionenmodel.h"

#include "aktion.h"
#include "charakter.h"
#include "regelwerk.h"

#include <QFont>
#include <QPainter>
#include <QPixmap>

namespace {

// A green tick; the rows without one get an empty picture of the same size,
// so that every name starts at the same place.
QIcon bild(bool haken)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    if (haken) {
        QPainter maler(&pixmap);
        maler.setRenderHint(QPainter::Antialiasing);
        maler.setPen(QPen(QColor(0, 130, 0), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        const QPointF punkte[] = { { 3.0, 8.5 }, { 6.5, 12.0 }, { 13.0, 4.0 } };
        maler.drawPolyline(punkte, 3);
    }
    return QIcon(pixmap);
}

} // namespace

AktionenModel::AktionenModel(int art, Regelwerk* regelwerk, QObject* parent)
    : KatalogModel(regelwerk, parent)
    , m_art(art)
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
    if (!index.isValid() || index.row() >= rowCount())
        return QVariant();
    if (m_charakter && role == Qt::DecorationRole)
        return erlernt(index.row()) ? m_haken : m_ohneHaken;
    if (m_charakter && erlernt(index.row())) {
        if (role == Qt::FontRole) {
            QFont fett;
            fett.setBold(true);
            return fett;
        }
        if (role == Qt::ToolTipRole)
            return QStringLiteral("bereits erlernt");
    }
    if (role != Qt::DisplayRole)
        return QVariant();
    const Aktion* a = regelwerk->aktion(m_art, index.row());
    if (!a)
        return QString();
    const bool para = m_art == Aktion::Paranormal;
    const QString bereich = (para || zeigeSpezialisierung)
                                ? regelwerk->spezialisierungName(a->Spezialisierung)
                                : regelwerk->kenntnisName(a->Kenntnis);
    const QString muster = para ? QString("%1/ %2 (%3 P)") : QString("%1 / %2 (%3 P)");
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

void AktionenModel::setzeCharakter(const Charakter* charakter)
{
    m_charakter = charakter;
    if (m_charakter && m_haken.isNull()) {
        m_haken = bild(true);
        m_ohneHaken = bild(false);
    }
    erlernteGeaendert();
}

bool AktionenModel::erlernt(int zeile) const
{
    if (!m_charakter || !regelwerk)
        return false;
    const Aktion* a = regelwerk->aktion(m_art, zeile);
    return a && m_charakter->hatAktion(m_art, a->Bezeichnung);
}

void AktionenModel::erlernteGeaendert()
{
    if (rowCount() > 0)
        emit dataChanged(index(0), index(rowCount() - 1),
                         {Qt::DecorationRole, Qt::FontRole, Qt::ToolTipRole});
}

const Aktion* AktionenModel::auswahl() const
{
    if (!regelwerk || ausgewaehlt < 0)
        return nullptr;
    return regelwerk->aktion(m_art, ausgewaehlt);
}
