#include "alttaste.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>

namespace {
const char *const name = "altTaste";
}

void AltTaste::schuetze()
{
    if (!qApp || qApp->findChild<AltTaste *>(QLatin1String(name), Qt::FindDirectChildrenOnly))
        return;
    auto *filter = new AltTaste(qApp);
    filter->setObjectName(QLatin1String(name));
    qApp->installEventFilter(filter);
}

bool AltTaste::eventFilter(QObject *objekt, QEvent *ereignis)
{
    // Mnemonics are shortcuts: a key that reaches a widget as a key press
    // matched none. Open menus take Alt with a letter for their entries.
    if (ereignis->type() == QEvent::KeyPress && objekt->isWidgetType()
        && !qobject_cast<QMenu *>(objekt) && !qobject_cast<QMenuBar *>(objekt)) {
        const auto *taste = static_cast<QKeyEvent *>(ereignis);
        const Qt::KeyboardModifiers art =
            taste->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
        if (art == Qt::AltModifier && !taste->text().isEmpty() && taste->text().at(0).isPrint())
            return true;
    }
    return QObject::eventFilter(objekt, ereignis);
}
