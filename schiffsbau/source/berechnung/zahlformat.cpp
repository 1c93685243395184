#include "zahlformat.h"

#include <QLocale>
#include <QtMath>

#include <cmath>

namespace {
// Significant decimal digits of a single-precision float.
const int gueltigeStellen = 7;

// A value that rounds to zero at `stellen` decimals is shown as zero
// without a sign.
double ohneMinusNull(double wert, int stellen)
{
    const double grenze = 0.5 * qPow(10.0, -stellen);
    return qAbs(wert) < grenze ? 0.0 : wert;
}
} // namespace

QString Zahlformat::dezimal(double wert, int maxStellen, const QLocale &locale)
{
    if (!qIsFinite(wert))
        return locale.toString(wert);
    int stellen = qMax(0, maxStellen);
    const double betrag = qAbs(wert);
    if (betrag >= 1.0) {
        const int ganzStellen = int(qFloor(std::log10(betrag))) + 1;
        stellen = qBound(0, gueltigeStellen - ganzStellen, stellen);
    }
    QString text = festkomma(wert, stellen, locale);
    if (stellen > 0) {
        const QString komma = locale.decimalPoint();
        const QString null = locale.zeroDigit();
        while (text.endsWith(null))
            text.chop(null.size());
        if (text.endsWith(komma))
            text.chop(komma.size());
        if (text == QLatin1String("-") + null)
            text = null;
    }
    return text;
}

QString Zahlformat::festkomma(double wert, int stellen, const QLocale &locale)
{
    if (!qIsFinite(wert))
        return locale.toString(wert);
    stellen = qMax(0, stellen);
    return locale.toString(ohneMinusNull(wert, stellen), 'f', stellen);
}
