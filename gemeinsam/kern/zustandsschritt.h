#ifndef ZUSTANDSSCHRITT_H
#define ZUSTANDSSCHRITT_H

#include <QUndoCommand>

#include <functional>
#include <utility>

// One step of a document's history for undo and redo: the document's state
// before and after one change by the user. Undo and redo hand the state of
// that side to `herstellen`, which brings it back into the window. The step
// is pushed after the change was made, so its first redo() does nothing.
// Steps with the same field number (an edit of one text or number field)
// merge into one; typed and typed away again leaves no step at all.
template<typename Zustand>
class ZustandsSchritt : public QUndoCommand
{
public:
    using Hersteller = std::function<void(const Zustand &zustand)>;

    ZustandsSchritt(const Zustand &vorher, const Zustand &nachher, Hersteller herstellen)
        : m_vorher(vorher)
        , m_nachher(nachher)
        , m_herstellen(std::move(herstellen))
    {
    }

    void redo() override
    {
        if (m_erstesRedo) {
            m_erstesRedo = false;
            return;
        }
        m_herstellen(m_nachher);
    }

    void undo() override { m_herstellen(m_vorher); }

    int id() const override { return m_feld; }

    bool mergeWith(const QUndoCommand *anderer) override
    {
        if (anderer->id() != id())
            return false;
        m_nachher = static_cast<const ZustandsSchritt *>(anderer)->m_nachher;
        setObsolete(m_nachher == m_vorher);
        return true;
    }

protected:
    // The field that an edit changed, for merging; -1 for a step that
    // stands alone.
    void setzeFeld(int feld) { m_feld = feld; }

private:
    Zustand m_vorher;
    Zustand m_nachher;
    Hersteller m_herstellen;
    int m_feld = -1;
    bool m_erstesRedo = true;
};

#endif // ZUSTANDSSCHRITT_H
