#ifndef GLEITKOMMA_HILFEN_H
#define GLEITKOMMA_HILFEN_H

// Comparing the float fields of the ship data with hand-worked values.

#include <QTest>

#include <algorithm>
#include <cmath>

// True when `ist` lies within the relative tolerance of `soll` (absolute
// below 1).
inline bool gleichBis(float ist, double soll, double toleranz)
{
    return std::fabs(double(ist) - soll) <= toleranz * std::max(1.0, std::fabs(soll));
}

#define QCOMPARE_FLOAT_BIS(ist, soll, toleranz)                                             \
    do {                                                                                   \
        if (!gleichBis((ist), (soll), (toleranz)))                                         \
            QFAIL(qPrintable(QStringLiteral("%1 is %2, expected %3")                       \
                                 .arg(QStringLiteral(#ist)).arg(double(ist), 0, 'g', 10) \
                                 .arg(double(soll), 0, 'g', 10)));                         \
    } while (false)

#endif // GLEITKOMMA_HILFEN_H
