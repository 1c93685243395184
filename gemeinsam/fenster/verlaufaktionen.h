#ifndef VERLAUFAKTIONEN_H
#define VERLAUFAKTIONEN_H

#include <functional>

class QAction;
class QObject;
class QUndoStack;

// The menu entries "Rückgängig" and "Wiederholen" of a window's history:
// the platform's undo key, Ctrl+Shift+Z and Ctrl+Y for redo, enabled only while there is a step to take back
// or to repeat, and texts that name that step ("Rückgängig: Name").
class VerlaufAktionen
{
public:
    static void verbinde(QUndoStack *verlauf, QAction *rueckgaengig, QAction *wiederholen);
    // A window's history of up to 200 steps, owned by `besitzer`, with its
    // menu entries connected as above. A click on one of them first runs
    // `vorher` when given (a field still being edited becomes a step of its
    // own), then takes back or repeats a step.
    static QUndoStack *erzeuge(QObject *besitzer, QAction *rueckgaengig, QAction *wiederholen,
                               const std::function<void()> &vorher = {});
};

#endif // VERLAUFAKTIONEN_H
