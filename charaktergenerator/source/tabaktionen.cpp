#include "tabaktionen.h"

TabAktionen::TabAktionen(Charakter *charakter, Regelwerk *regelwerk, QWidget *parent)
    : AbstractTab(charakter, regelwerk, parent)
{
}

TabAktionen::~TabAktionen() = default;

void TabAktionen::aktualisieren()
{
}

void TabAktionen::neuAufbauen()
{
}

