#ifndef TABDIVERSE_H
#define TABDIVERSE_H

#include "abstracttab.h"

class TabDiverse : public AbstractTab
{
    Q_OBJECT

public:
    TabDiverse(Charakter *charakter, Regelwerk *regelwerk, QWidget *parent = nullptr);
    ~TabDiverse() override;

    void aktualisieren() override;
    void neuAufbauen() override;
};

#endif // TABDIVERSE_H
