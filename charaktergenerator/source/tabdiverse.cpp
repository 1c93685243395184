#include "tabdiverse.h"

TabDiverse::TabDiverse(Charakter *charakter, Regelwerk *regelwerk, QWidget *parent)
    : AbstractTab(charakter, regelwerk, parent)
{
}

TabDiverse::~TabDiverse() = default;

void TabDiverse::aktualisieren()
{
}

void TabDiverse::neuAufbauen()
{
}

