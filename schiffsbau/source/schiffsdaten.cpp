#include "schiffsdaten.h"

SchiffsDaten SchiffsDaten::berechne(const QList<Komponente *> &komponenten,
                                    const QList<int> &anzahlen)
{
    Q_UNUSED(komponenten);
    Q_UNUSED(anzahlen);
    return SchiffsDaten();
}

int SchiffsDaten::groessenklasse(qint64 gstp)
{
    Q_UNUSED(gstp);
    return 0;
}

qint64 SchiffsDaten::rundeDiv(double a, double b)
{
    if (b == 0.0)
        return 0;
    return static_cast<qint64>(a / b + 0.5);
}
