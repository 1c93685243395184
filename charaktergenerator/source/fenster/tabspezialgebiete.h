#ifndef TABSPEZIALGEBIETE_H
#define TABSPEZIALGEBIETE_H

#include <QModelIndex>

#include "abstracttab.h"

class CharakterSpezialgebietModel;
class SpezialgebieteModel;

namespace Ui {
class TabSpezialgebiete;
}

// Step 3: the optional module of special areas. While it is switched on the
// user picks catalogue special areas of a knowledge area, defines bonus
// special areas of their own and sets the points of each; the species' own
// special areas come and go with the module and the species.
class TabSpezialgebiete : public AbstractTab
{
    Q_OBJECT

public:
    TabSpezialgebiete(Charakter* charakter, Regelwerk* regelwerk, QWidget* parent = nullptr);
    ~TabSpezialgebiete() override;

    void aktualisieren() override;
    void neuAufbauen() override;
    // Shows a character that was loaded back in place (undo, redo): the
    // tables forget their rows and selection, the views stay attached.
    void zeigeNeuGeladen();

    // At most this many special areas besides the species' own.
    static constexpr int MaxGewaehlte = Charakter::MaxGewaehlteSpezialgebiete;

public slots:
    void onSpeziAnAus();
    void onBasistypGewechselt();
    void onKenntnisGewechselt(int kenntnis);
    void onSpeziHinzufuegen();
    void onBonusSpeziHinzufuegen();
    void onSpeziEntfernen();
    void alleSpeziAuswahlGeaendert(const QModelIndex& index, const QModelIndex& alt);
    void speziAuswahlGeaendert(const QModelIndex& index, const QModelIndex& alt);

private:
    void updateButtons();
    void setzeModulAktiv(bool an);

    Ui::TabSpezialgebiete* ui;
    SpezialgebieteModel* spezialgebieteModel;
    CharakterSpezialgebietModel* charakterModel;
};

#endif // TABSPEZIALGEBIETE_H
