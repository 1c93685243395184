#include "charakteraktionenmodel.h"

#include "aktion.h"
#include "charakter.h"
#include "regelwerk.h"


CharakterAktionenModel::CharakterAktionenModel(int art, Charakter* charakter,
                                               Regelwerk* /*regelwerk*/, QObject* parent)
    : CharakterTabellenModel(charakter, parent)
    , m_art(art)
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
    return charakter ? charakter->aktionsPreis(m_art, a) : 0;
}

bool CharakterAktionenModel::hinzufuegen(Aktion* a)
{
    if (!a || !charakter)
        return false;
    return zeileAnfuegen([this, a] { return charakter->aktionHinzufuegen(m_art, a); });
}

bool CharakterAktionenModel::entfernen()
{
    if (!auswahlGueltig() || !charakter->aktion(m_art, ausgewaehlt))
        return false;
    const int zeile = ausgewaehlt;
    // Forgetting "Latein" changes the prices shown in other rows in the
    // same change: the table is shown anew.
    if (charakter->entfernenAendertPreise(m_art, zeile)) {
        beginResetModel();
        const bool entfernt = charakter->aktionEntfernen(m_art, zeile);
        ausgewaehlt = -1;
        endResetModel();
        return entfernt;
    }
    beginRemoveRows(QModelIndex(), zeile, zeile);
    const bool entfernt = charakter->aktionEntfernen(m_art, zeile);
    endRemoveRows();
    return entfernt;
}

QString CharakterAktionenModel::erklaerung() const
{
    return QStringLiteral(
        "Wert: die Befähigung, von -10 (neu gelernt) bis +2; jeder höhere Wert kostet Punkte "
        "der Art (SP, TP oder MP).\n"
        "Wurf: ein W (Würfel) je 4 Punkte des Kenntniswerts (mit passendem Spezialgebiet), "
        "dazu als Zuschlag der Rest plus der Wert; so zeigt ein neues Wissen z. B. 2W -8.");
}

int CharakterAktionenModel::art() const
{
    return m_art;
}
