#ifndef STATUSMELDUNG_H
#define STATUSMELDUNG_H

#include <QString>

class QMainWindow;

// The short confirmation of a finished action in a main window's status bar
// ("Gespeichert: /home/…/arkon.zch", "Gedruckt."), shown for a few seconds.
class StatusMeldung
{
public:
    // How long a confirmation stays, in milliseconds.
    static constexpr int dauer = 5000;

    // Shows `was` followed by ": " and the file with the platform's
    // separators.
    static void datei(QMainWindow *fenster, const QString &was, const QString &datei);
    // Shows `text` as it is.
    static void zeige(QMainWindow *fenster, const QString &text);
};

#endif // STATUSMELDUNG_H
