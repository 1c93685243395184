#include "auswahlplatz.h"

#include <QtGlobal>

QRect AuswahlPlatz::berechne(const QRect &haupt, const QSize &auswahl, const QRect &frei)
{
    const QRect unten(QPoint(haupt.left(), haupt.bottom() + 1), auswahl);
    if (frei.isEmpty() || frei.contains(unten))
        return unten;
    const QSize groesse = auswahl.boundedTo(frei.size());
    // The nearest point of the rectangle of allowed top-left corners.
    const int x = qBound(frei.left(), unten.left(), frei.right() + 1 - groesse.width());
    const int y = qBound(frei.top(), unten.top(), frei.bottom() + 1 - groesse.height());
    return QRect(QPoint(x, y), groesse);
}

QRect AuswahlPlatz::startPlatz(const QRect &frei, int auswahlHoehe, int rahmen)
{
    if (frei.isEmpty())
        return QRect(frei.topLeft(), QSize(900, 550));
    const int breite = qMin(frei.width() - rahmen, qMax(900, frei.width() * 8 / 10));
    const int hoehe = qMax(300, qMin(frei.height() * 85 / 100, frei.height() - auswahlHoehe - 2 * rahmen));
    const int x = frei.left() + qMax(0, (frei.width() - breite - rahmen) / 2);
    const int y = frei.top() + qMax(0, (frei.height() - hoehe - auswahlHoehe - 2 * rahmen) / 2);
    return QRect(x, y, breite, hoehe);
}

int AuswahlPlatz::auswahlHoehe(int frei)
{
    // Room for the preview beside the components where the screen has it.
    return frei >= 900 ? 280 : 200;
}
