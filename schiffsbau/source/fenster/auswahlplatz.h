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
    // The main window's first place and size (without frame) on the free
    // screen area `frei`: most of its width, and as high as leaves room
    // below for the chooser of height `auswahlHoehe`, each window with a
    // frame of `rahmen` pixels around it; the pair centred. Never below
    // 300 pixels high; an empty `frei` gives 900 x 550 at its corner.
    static QRect startPlatz(const QRect &frei, int auswahlHoehe, int rahmen);
    // The chooser's first height on a free screen area of height `frei`.
    static int auswahlHoehe(int frei);
};

#endif // AUSWAHLPLATZ_H
