#include "charakterspezialgebietmodel.h"

#include "basistypus.h"
#include "charakter.h"
#include "regelwerk.h"
#include "spezialgebiet.h"

CharakterSpezialgebietModel::CharakterSpezialgebietModel(Charakter* charakter,
                                                         Regelwerk* regelwerk,
                                                         QObject* parent)
    : CharakterTabellenModel(charakter, parent)
    , regelwerk(regelwerk)
{
}

int CharakterSpezialgebietModel::anzahl() const
{
    return charakter->anzahlSpezialgebiete();
}

QString CharakterSpezialgebietModel::wertTitel() const
{
    return QString("Punkte");
}

bool CharakterSpezialgebietModel::zeile(int zeile, QString& bezeichnung, int& wert,
                                        QString& wurf) const
{
    const Spezialgebiet* s = charakter->spezialgebiet(zeile);
    if (!s)
        return false;
    bezeichnung = QString("%1 / %2 (+%3)")
                      .arg(regelwerk ? regelwerk->kenntnisName(s->Kenntnis) : QString(), s->Bezeichnung)
                      .arg(s->Bonus);
    wert = s->Wert;
    wurf = charakter->wurf(s);
    return true;
}

bool CharakterSpezialgebietModel::wertSetzen(int zeile, int neu)
{
    return charakter->spezialgebietWertSetzen(zeile, neu);
}

void CharakterSpezialgebietModel::wertGesetzt()
{
    emit updateDaten();
}

bool CharakterSpezialgebietModel::hinzufuegen(Spezialgebiet* s)
{
    if (!s || !charakter)
        return false;
    return zeileAnfuegen([this, s] { return charakter->spezialgebietHinzufuegen(s); });
}

void CharakterSpezialgebietModel::entferneZeile(int zeile)
{
    beginRemoveRows(QModelIndex(), zeile, zeile);
    charakter->spezialgebietEntfernen(zeile);
    endRemoveRows();
}

bool CharakterSpezialgebietModel::entfernen()
{
    if (!auswahlGueltig())
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
    return charakter ? charakter->anzahlGewaehlteSpezialgebiete() : 0;
}

bool CharakterSpezialgebietModel::enthaelt(const Spezialgebiet* s) const
{
    return s && charakter && charakter->hatSpezialgebiet(s->Bezeichnung);
}
