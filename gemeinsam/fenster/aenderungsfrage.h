#ifndef AENDERUNGSFRAGE_H
#define AENDERUNGSFRAGE_H

class QString;

// The question before a document with unsaved changes is left (closing,
// "neu", "laden ..."): "Speichern", "Verwerfen" or "Abbrechen", saving
// proposed.
class AenderungsFrage
{
public:
    enum Antwort { Speichern, Verwerfen, Abbrechen };

    // Asks in a box without parent titled `programm`.
    static Antwort stelle(const QString &programm);
};

#endif // AENDERUNGSFRAGE_H
