#ifndef TABAKTIONEN_H
#define TABAKTIONEN_H

#include "abstracttab.h"

class TabAktionen : public AbstractTab
{
    Q_OBJECT

public:
    TabAktionen(Charakter *charakter, Regelwerk *regelwerk, QWidget *parent = nullptr);
    ~TabAktionen() override;

    void aktualisieren() override;
    void neuAufbauen() override;
};

#endif // TABAKTIONEN_H
