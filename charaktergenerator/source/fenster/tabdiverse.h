#ifndef TABDIVERSE_H
#define TABDIVERSE_H

#include "abstracttab.h"

namespace Ui {
class TabDiverse;
}

// Step 6: EP exchanged for extra energies (DE, AE), starting money of four
// kinds, prestige and bonus points. Every click is one exchange step; the
// character decides the rate and whether it is allowed. Below, the check
// "Prüfung" of the whole character with the button "Bereinigen".
class TabDiverse : public AbstractTab
{
    Q_OBJECT

public:
    TabDiverse(Charakter* charakter, Regelwerk* regelwerk, QWidget* parent = nullptr);
    ~TabDiverse() override;

    void aktualisieren() override;
    void neuAufbauen() override;

public slots:
    void onMinAE();
    void onMinDE();
    void onPlusAE();
    void onPlusDE();
    void onMinCassias();
    void onMinCepto();
    void onMinSchulden();
    void onMinStartgeld();
    void onPlusCassias();
    void onPlusCepto();
    void onPlusSchulden();
    void onPlusStartgeld();
    void onMinPrestige();
    void onMinBonus();
    void onPlusPrestige();
    void onPlusBonus();
    // Removes the purchases the species cannot make (one step of the history).
    void onBereinigen();

signals:
    // A double click on a check entry asks for its step (tab index).
    void signalZuSchritt(int schritt);
    // "Bereinigen" may have removed learned actions and special areas: the
    // other steps' tables must be shown anew.
    void signalBereinigt();

private:
    void schritt(bool angenommen);
    // The "-" and "+" of every row: enabled as the rules allow, the price in
    // the tooltip, and why a disabled one is disabled.
    void zeigeKnoepfe();
    void zeigePruefung();

    Ui::TabDiverse* ui;
};

#endif // TABDIVERSE_H
