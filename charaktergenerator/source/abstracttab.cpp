#include "abstracttab.h"

AbstractTab::AbstractTab(Charakter *charakter, Regelwerk *regelwerk, QWidget *parent)
    : QWidget(parent)
    , charakter(charakter)
    , regelwerk(regelwerk)
{
}

AbstractTab::~AbstractTab() = default;

void AbstractTab::aktualisierenUndMelden()
{
    aktualisieren();
    emit signalUpdateHeader();
}

void AbstractTab::setzeEnabled(QWidget *widget, bool enabled)
{
    if (!widget)
        return;
    if (enabled && !widget->isEnabled())
        widget->setEnabled(true);
    else if (!enabled && widget->isEnabled())
        widget->setEnabled(false);
}
