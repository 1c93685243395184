#ifndef TABSPEZIALGEBIETE_H
#define TABSPEZIALGEBIETE_H

#include "abstracttab.h"

class TabSpezialgebiete : public AbstractTab
{
    Q_OBJECT

public:
    TabSpezialgebiete(Charakter *charakter, Regelwerk *regelwerk, QWidget *parent = nullptr);
    ~TabSpezialgebiete() override;

    void aktualisieren() override;
    void neuAufbauen() override;

public slots:
    void onBasistypGewechselt();
};

#endif // TABSPEZIALGEBIETE_H
