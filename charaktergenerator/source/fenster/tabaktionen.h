#ifndef TABAKTIONEN_H
#define TABAKTIONEN_H

#include <QModelIndex>

#include "abstracttab.h"

class AktionenModel;
class CharakterAktionenModel;

namespace Ui {
class TabAktionen;
}

// Step 4: buying language points (SP) and tech points (TP) with EP, learning
// languages and technical actions and setting their proficiency.
class TabAktionen : public AbstractTab
{
    Q_OBJECT

public:
    TabAktionen(Charakter* charakter, Regelwerk* regelwerk, QWidget* parent = nullptr);
    ~TabAktionen() override;

    void aktualisieren() override;
    void neuAufbauen() override;
    // Shows a character that was loaded back in place (undo, redo): the
    // tables forget their rows and selection, the views stay attached.
    void zeigeNeuGeladen();

public slots:
    void onSpracheHinzufuegen();
    void onSpracheEntfernen();
    void alleSprachenAuswahlGeaendert(const QModelIndex& index, const QModelIndex& alt);
    void sprachenAuswahlGeaendert(const QModelIndex& index, const QModelIndex& alt);
    void onTechnikHinzufuegen();
    void onTechnikEntfernen();
    void alleTechnikAuswahlGeaendert(const QModelIndex& index, const QModelIndex& alt);
    void technikAuswahlGeaendert(const QModelIndex& index, const QModelIndex& alt);
    void onPlusSP();
    void onMinusSP();
    void onPlusTP();
    void onMinusTP();

private:
    // Enabling and tooltips (prices) of the two learn buttons.
    void zeigeLernPreise();

    Ui::TabAktionen* ui;
    AktionenModel* sprachenModel;
    CharakterAktionenModel* sprachenCharakterModel;
    AktionenModel* technikModel;
    CharakterAktionenModel* technikCharakterModel;
};

#endif // TABAKTIONEN_H
