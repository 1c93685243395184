#include "charakteraktionenmodel.h"

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
    : CharakterTabellenModel(charakter, parent)
    , m_art(art)
    , regelwerk(regelwerk)
{
}

int CharakterAktionenModel::anzahl() const
{
    return charakter->anzahlAktionen(m_art);
}

QString CharakterAktionenModel::wertTitel() const
{
    return QString("Wert");
}

bool CharakterAktionenModel::zeile(int zeile, QString& bezeichnung, int& wert, QString& wurf) const
{
    const Aktion* a = charakter->aktion(m_art, zeile);
    if (!a)
        return false;
    const Regelwerk* namen = charakter->regelwerk();
    bezeichnung = QString("[%1] %2 / %3 (%4 P)")
                      .arg(namen ? namen->kenntnisName(a->Kenntnis) : QString(),
                           namen ? namen->spezialisierungName(a->Spezialisierung) : QString(),
                           a->Bezeichnung)
                      .arg(a->Kosten);
    wert = a->Befaehigung;
    wurf = charakter->wurf(a);
    return true;
}

bool CharakterAktionenModel::wertSetzen(int zeile, int neu)
{
    return charakter->befaehigungSetzen(m_art, zeile, neu);
}

int CharakterAktionenModel::preis(const Aktion* a) const
{
    if (!a)
        return 0;
    if (regelwerk && charakter && m_art == Aktion::Sprache
        && charakter->sucheAktion(Aktion::Sprache, latein)) {
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
    const bool gelernt = zeileAnfuegen([this, a] { return charakter->aktionHinzufuegen(m_art, a); });
    if (!gelernt)
        a->Kosten = alteKosten;   // the caller gets its record back unchanged
    return gelernt;
}

bool CharakterAktionenModel::entfernen()
{
    if (!auswahlGueltig())
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

int CharakterAktionenModel::art() const
{
    return m_art;
}
