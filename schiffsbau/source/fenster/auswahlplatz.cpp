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
