#ifndef PERSISTENZ_H
#define PERSISTENZ_H

#include <QObject>
#include <QString>

class Charakter;

// Saving, loading and exporting the one character of the generator.
// The operations ask for the target file themselves (saving, export);
// loading gets the file name from the caller.
class Persistenz : public QObject
{
    Q_OBJECT

public:
    explicit Persistenz(QObject* parent = nullptr);
    ~Persistenz() override;

    // Asks for a file and saves the character there. False when the dialog
    // was cancelled or the file could not be written (a message box names
    // the file and the reason in that case).
    bool speichern(Charakter* c);

    // Loads the file into the character. The character is reset only once
    // the file has been opened: a file that cannot be opened shows a warning
    // and leaves the character as it was (result false). Empty name -> false.
    bool laden(QString datei, Charakter* c);

    // Asks for a file and writes the character sheet as text.
    bool exportieren(Charakter* c);
};

#endif // PERSISTENZ_H
