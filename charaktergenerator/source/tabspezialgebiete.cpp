#include "tabspezialgebiete.h"

TabSpezialgebiete::TabSpezialgebiete(Charakter *charakter, Regelwerk *regelwerk, QWidget *parent)
    : AbstractTab(charakter, regelwerk, parent)
{
}

TabSpezialgebiete::~TabSpezialgebiete() = default;

void TabSpezialgebiete::aktualisieren()
{
}

void TabSpezialgebiete::neuAufbauen()
{
}

void TabSpezialgebiete::onBasistypGewechselt()
{
}
