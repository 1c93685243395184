#ifndef AENDERUNGSFRAGE_H
#define AENDERUNGSFRAGE_H

#include <functional>

class QString;
class QWidget;

// The question before a document with unsaved changes is left (closing,
// "neu", "laden ..."): "Speichern", "Verwerfen" or "Abbrechen", saving
// proposed.
class AenderungsFrage
{
public:
    enum Antwort { Speichern, Verwerfen, Abbrechen };

    // Asks in a box without parent titled `programm`.
    static Antwort stelle(const QString &programm);
    // True when the document in `fenster` may be left: it has no unsaved
    // changes (the window's modified mark), the user discards them, or
    // `speichern` saved them. False when the user cancels or saving fails.
    static bool behandelt(const QWidget *fenster, const QString &programm,
                          const std::function<bool()> &speichern);
};

#endif // AENDERUNGSFRAGE_H
