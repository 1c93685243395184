#ifndef CHARAKTERSCHRITT_H
#define CHARAKTERSCHRITT_H

#include "zustandsschritt.h"

#include <QByteArray>
#include <QString>

// One step of the character's history for undo and redo: the character's
// file document before and after one change by the user. Undo and redo hand
// the document of that side to `herstellen`, which loads it back into the
// character and redraws the window; the file round trip is exact, so that
// brings back the whole state.
class CharakterSchritt : public ZustandsSchritt<QByteArray>
{
public:
    // Names the step by what differs between the two documents; consecutive
    // edits of one text or number field (typing, a spin box) are one step.
    CharakterSchritt(const QByteArray &vorher, const QByteArray &nachher, Hersteller herstellen);

    // What the user did between the two documents, in words ("Mut
    // steigern", "Latein lernen"); `feld` receives a number for edits of
    // one personal field that may be merged, otherwise -1.
    static QString beschreibung(const QByteArray &vorher, const QByteArray &nachher, int *feld);
};

#endif // CHARAKTERSCHRITT_H
