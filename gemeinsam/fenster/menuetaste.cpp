#include "menuetaste.h"

#include <QAction>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenuBar>
#include <QShortcut>

void MenueTaste::setze(QMainWindow *fenster)
{
    auto *taste = new QShortcut(QKeySequence(Qt::Key_F10), fenster);
    taste->setObjectName(QStringLiteral("tasteMenue"));
    QObject::connect(taste, &QShortcut::activated, fenster, [fenster] {
        QMenuBar *leiste = fenster->menuBar();
        const QList<QAction *> menues = leiste->actions();
        for (QAction *menue : menues) {
            if (menue->isVisible() && menue->isEnabled()) {
                leiste->setActiveAction(menue);
                return;
            }
        }
    });
}
