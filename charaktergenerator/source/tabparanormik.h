#ifndef TABPARANORMIK_H
#define TABPARANORMIK_H

#include "abstracttab.h"

class TabParanormik : public AbstractTab
{
    Q_OBJECT

public:
    TabParanormik(Charakter *charakter, Regelwerk *regelwerk, QWidget *parent = nullptr);
    ~TabParanormik() override;

    void aktualisieren() override;
    void neuAufbauen() override;
};

#endif // TABPARANORMIK_H
