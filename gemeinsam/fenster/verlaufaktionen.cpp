#include "verlaufaktionen.h"

#include <QAction>
#include <QKeySequence>
#include <QUndoStack>

namespace {
// A step's name shows as it is: an "&" in it (a component's name) marks no
// mnemonic.
QString alsMenuetext(QString text)
{
    return text.replace(QLatin1Char('&'), QStringLiteral("&&"));
}
} // namespace

void VerlaufAktionen::verbinde(QUndoStack *verlauf, QAction *rueckgaengig, QAction *wiederholen)
{
    rueckgaengig->setShortcuts(QKeySequence::Undo);
    // Redo is bound literally: the platform's list differs between desktops
    // (some have only Ctrl+Shift+Z, others only Ctrl+Y).
    wiederholen->setShortcuts({ QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z),
                                QKeySequence(Qt::CTRL | Qt::Key_Y) });
    rueckgaengig->setEnabled(verlauf->canUndo());
    wiederholen->setEnabled(verlauf->canRedo());
    QObject::connect(verlauf, &QUndoStack::canUndoChanged, rueckgaengig, &QAction::setEnabled);
    QObject::connect(verlauf, &QUndoStack::canRedoChanged, wiederholen, &QAction::setEnabled);
    QObject::connect(verlauf, &QUndoStack::undoTextChanged, rueckgaengig, [rueckgaengig](const QString &text) {
        rueckgaengig->setText(text.isEmpty() ? QStringLiteral("&Rückgängig")
                                             : QStringLiteral("&Rückgängig: %1").arg(alsMenuetext(text)));
    });
    QObject::connect(verlauf, &QUndoStack::redoTextChanged, wiederholen, [wiederholen](const QString &text) {
        wiederholen->setText(text.isEmpty() ? QStringLiteral("&Wiederholen")
                                            : QStringLiteral("&Wiederholen: %1").arg(alsMenuetext(text)));
    });
}

QUndoStack *VerlaufAktionen::erzeuge(QObject *besitzer, QAction *rueckgaengig, QAction *wiederholen,
                                     const std::function<void()> &vorher)
{
    auto *verlauf = new QUndoStack(besitzer);
    verlauf->setUndoLimit(200);
    verbinde(verlauf, rueckgaengig, wiederholen);
    QObject::connect(rueckgaengig, &QAction::triggered, verlauf, [verlauf, vorher] {
        if (vorher)
            vorher();
        verlauf->undo();
    });
    QObject::connect(wiederholen, &QAction::triggered, verlauf, [verlauf, vorher] {
        if (vorher)
            vorher();
        verlauf->redo();
    });
    return verlauf;
}
