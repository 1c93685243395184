#ifndef TABEIGENSCHAFTEN_H
#define TABEIGENSCHAFTEN_H

#include "abstracttab.h"

#include <QMap>

class QLabel;
class QPushButton;
class QSignalMapper;

namespace Ui {
class TabEigenschaften;
}

// Step 2: raising and lowering the eleven attributes, with the knowledge
// areas, energies, initiative and movement that follow from them.
class TabEigenschaften : public AbstractTab
{
    Q_OBJECT

public:
    TabEigenschaften(Charakter *charakter, Regelwerk *regelwerk, QWidget *parent = nullptr);
    ~TabEigenschaften() override;

    void aktualisieren() override;
    void neuAufbauen() override;

public slots:
    void onEigenschaftMinus(int eigenschaft);
    void onEigenschaftPlus(int eigenschaft);

private:
    Ui::TabEigenschaften *ui;
    QSignalMapper *mapperMinus;
    QSignalMapper *mapperPlus;
    QMap<int, QPushButton *> buttonsMinus;
    QMap<int, QPushButton *> buttonsPlus;
};

#endif // TABEIGENSCHAFTEN_H
