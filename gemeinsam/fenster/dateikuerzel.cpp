#include "dateikuerzel.h"

#include <QAction>
#include <QKeySequence>

void DateiKuerzel::setze(QAction *neu, QAction *laden, QAction *speichern, QAction *speichernUnter,
                         QAction *drucken, QAction *beenden)
{
    neu->setShortcuts(QKeySequence::New);
    laden->setShortcuts(QKeySequence::Open);
    speichern->setShortcuts(QKeySequence::Save);
    speichernUnter->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    drucken->setShortcuts(QKeySequence::Print);
    beenden->setShortcuts(QKeySequence::Quit);
}
