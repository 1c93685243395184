#ifndef WIEDERHERSTELLUNGSFRAGE_H
#define WIEDERHERSTELLUNGSFRAGE_H

#include <QString>

#include <memory>

class Rettungsfund;

// The question at start about a recovery copy left by an instance that
// ended without closing its window: "Wiederherstellen" (the default, so
// Enter takes it) or "Verwerfen".
class WiederherstellungsFrage
{
public:
    // Looks for such a copy and asks about the newest in a box without
    // parent titled "Wiederherstellung", which names the document and the
    // time of the copy and says how many more wait (they stay for the next
    // starts). The copy when the user takes it, to be brought back; null
    // when there is none or the user discards it (it is deleted then).
    static std::unique_ptr<Rettungsfund> stelleBeimStart();

    // The box's text for `fund`.
    static QString text(const Rettungsfund &fund);
};

#endif // WIEDERHERSTELLUNGSFRAGE_H
