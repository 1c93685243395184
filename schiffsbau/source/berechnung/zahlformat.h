#ifndef ZAHLFORMAT_H
#define ZAHLFORMAT_H

#include <QLocale>
#include <QString>

// Decimal values of the ship data panel as a reader wants them: fixed
// notation (never an exponent), the digit grouping and decimal separator of
// the locale (the default locale unless given), and no more decimals than
// the value carries.
class Zahlformat
{
public:
    // At most `maxStellen` decimals, trailing zeros dropped ("1.000.040",
    // "12,5"). The panel's values are single-precision floats, which carry
    // about seven significant digits: decimals beyond those are noise and
    // are left out. Never "-0".
    static QString dezimal(double wert, int maxStellen = 2, const QLocale &locale = QLocale());

    // Exactly `stellen` decimals ("2,00"). Never "-0,00".
    static QString festkomma(double wert, int stellen, const QLocale &locale = QLocale());
};

#endif // ZAHLFORMAT_H
