#ifndef DATEIKUERZEL_H
#define DATEIKUERZEL_H

class QAction;

// The keyboard shortcuts of a document's file menu: the platform's for
// "neu", "laden ...", "speichern", "drucken ..." and "Beenden", and
// Ctrl+Shift+S for "speichern unter ...", bound literally because the
// platform's "Save As" binding is empty on some platforms.
class DateiKuerzel
{
public:
    static void setze(QAction *neu, QAction *laden, QAction *speichern, QAction *speichernUnter,
                      QAction *drucken, QAction *beenden);
};

#endif // DATEIKUERZEL_H
