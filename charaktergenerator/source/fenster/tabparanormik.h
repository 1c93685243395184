#ifndef TABPARANORMIK_H
#define TABPARANORMIK_H

#include <QModelIndex>

#include "abstracttab.h"

class AktionenModel;
class CharakterAktionenModel;

namespace Ui {
class TabParanormik;
}

// Step 5: mental points (MP) bought with EP, paranormal energy (PNE) bought
// with MP, sensitivity, the paranormal rank and the paranormal abilities.
class TabParanormik : public AbstractTab
{
    Q_OBJECT

public:
    TabParanormik(Charakter* charakter, Regelwerk* regelwerk, QWidget* parent = nullptr);
    ~TabParanormik() override;

    void aktualisieren() override;
    void neuAufbauen() override;
    // Shows a character that was loaded back in place (undo, redo): the
    // tables forget their rows and selection, the views stay attached.
    void zeigeNeuGeladen();

public slots:
    void onPlusMP();
    void onMinusMP();
    void onPlusPNE();
    void onMinusPNE();
    void onSensitivClicked(bool checked);
    void onParaHinzufuegen();
    void onParaEntfernen();
    void alleParaAuswahlGeaendert(const QModelIndex& index, const QModelIndex& alt);
    void paraAuswahlGeaendert(const QModelIndex& index, const QModelIndex& alt);

private:
    Ui::TabParanormik* ui;
    AktionenModel* paraModel;
    CharakterAktionenModel* paraCharakterModel;
};

#endif // TABPARANORMIK_H
