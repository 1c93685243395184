#ifndef CHARAKTERSCHRITT_H
#define CHARAKTERSCHRITT_H

#include <QByteArray>
#include <QString>
#include <QUndoCommand>

#include <functional>

// One step of the character's history for undo and redo: the character's
// file document before and after one change by the user. Undo and redo hand
// the document of that side to `herstellen`, which loads it back into the
// character and redraws the window; the file round trip is exact, so that
// brings back the whole state.
class CharakterSchritt : public QUndoCommand
{
public:
    using Hersteller = std::function<void(const QByteArray &dokument)>;

    // Names the step by what differs between the two documents.
    CharakterSchritt(const QByteArray &vorher, const QByteArray &nachher, Hersteller herstellen);

    // The step is pushed after the change was made: its first redo() does
    // nothing.
    void redo() override;
    void undo() override;
    // Consecutive edits of one text or number field (typing, a spin box)
    // are one step.
    int id() const override;
    bool mergeWith(const QUndoCommand *anderer) override;

    // What the user did between the two documents, in words ("Mut
    // steigern", "Latein lernen"); `feld` receives a number for edits of
    // one personal field that may be merged, otherwise -1.
    static QString beschreibung(const QByteArray &vorher, const QByteArray &nachher, int *feld);

private:
    QByteArray m_vorher;
    QByteArray m_nachher;
    Hersteller m_herstellen;
    int m_feld = -1;
    bool m_erstesRedo = true;
};

#endif // CHARAKTERSCHRITT_H
