#ifndef SCHIFFSSCHRITT_H
#define SCHIFFSSCHRITT_H

#include <QByteArray>
#include <QString>
#include <QUndoCommand>

#include <functional>

// One step of the ship's history for undo and redo: the ship before and
// after one change by the user. Undo and redo hand the state of that side
// to `herstellen`, which loads it back into the window.
class SchiffsSchritt : public QUndoCommand
{
public:
    // The ship as the window holds it: name and description as typed, the
    // installed components as the lines of a ship file (which read back
    // exactly).
    struct Stand {
        QString name;
        QString beschreibung;
        QByteArray zeilen;
        bool operator==(const Stand &b) const
        {
            return name == b.name && beschreibung == b.beschreibung && zeilen == b.zeilen;
        }
        bool operator!=(const Stand &b) const { return !(*this == b); }
    };
    using Hersteller = std::function<void(const Stand &stand)>;

    // `text` names the step; when empty, it is named by what differs.
    SchiffsSchritt(const Stand &vorher, const Stand &nachher, const QString &text,
                   Hersteller herstellen);

    // The step is pushed after the change was made: its first redo() does
    // nothing.
    void redo() override;
    void undo() override;
    // Typing into the name or the description is one step.
    int id() const override;
    bool mergeWith(const QUndoCommand *anderer) override;

    // What the user did between the two states, in words ("50x Titanstahl
    // hinzufügen"); `feld` receives 1 or 2 for an edit of the name or the
    // description, otherwise -1.
    static QString beschreibung(const Stand &vorher, const Stand &nachher, int *feld);

private:
    Stand m_vorher;
    Stand m_nachher;
    Hersteller m_herstellen;
    int m_feld = -1;
    bool m_erstesRedo = true;
};

#endif // SCHIFFSSCHRITT_H
