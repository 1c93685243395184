#ifndef SCHIFFSSCHRITT_H
#define SCHIFFSSCHRITT_H

#include "zustandsschritt.h"

#include <QByteArray>
#include <QString>

// The ship as the window holds it: name and description as typed, the
// installed components as the lines of a ship file (which read back
// exactly).
struct SchiffsStand {
    QString name;
    QString beschreibung;
    QByteArray zeilen;
    bool operator==(const SchiffsStand &b) const
    {
        return name == b.name && beschreibung == b.beschreibung && zeilen == b.zeilen;
    }
    bool operator!=(const SchiffsStand &b) const { return !(*this == b); }
};

// One step of the ship's history for undo and redo: the ship before and
// after one change by the user. Undo and redo hand the state of that side
// to `herstellen`, which loads it back into the window. Typing into the name
// or the description is one step.
class SchiffsSchritt : public ZustandsSchritt<SchiffsStand>
{
public:
    using Stand = SchiffsStand;

    // `text` names the step; when empty, it is named by what differs.
    SchiffsSchritt(const Stand &vorher, const Stand &nachher, const QString &text,
                   Hersteller herstellen);

    // What the user did between the two states, in words ("50x Titanstahl
    // hinzufügen"); `feld` receives 1 or 2 for an edit of the name or the
    // description, otherwise -1.
    static QString beschreibung(const Stand &vorher, const Stand &nachher, int *feld);
};

#endif // SCHIFFSSCHRITT_H
