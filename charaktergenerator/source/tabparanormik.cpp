#include "tabparanormik.h"

TabParanormik::TabParanormik(Charakter *charakter, Regelwerk *regelwerk, QWidget *parent)
    : AbstractTab(charakter, regelwerk, parent)
{
}

TabParanormik::~TabParanormik() = default;

void TabParanormik::aktualisieren()
{
}

void TabParanormik::neuAufbauen()
{
}

