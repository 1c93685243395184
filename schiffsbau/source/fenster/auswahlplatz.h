#ifndef AUSWAHLPLATZ_H
#define AUSWAHLPLATZ_H

#include <QRect>
#include <QSize>

// Where the chooser window goes when it first opens.
class AuswahlPlatz
{
public:
    // The chooser's frame (size `auswahl`) directly below the main window's
    // frame `haupt`, left edges flush, when all of it fits into the free
    // screen area `frei`. Otherwise the nearest place inside `frei` where
    // all of it is visible, made smaller where it is larger than `frei`.
    // An empty `frei` (no screen known) leaves it directly below.
    static QRect berechne(const QRect &haupt, const QSize &auswahl, const QRect &frei);
};

#endif // AUSWAHLPLATZ_H
