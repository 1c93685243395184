#ifndef PLATZHALTER_H
#define PLATZHALTER_H

#include <QList>
#include <QString>
#include <QStringView>
#include <QVarLengthArray>

class QLocale;

// Numbered markers in a text as QString::arg() finds them ("%", an optional
// "L", one or two digits; "%L" markers use the locale's digit grouping and
// decimal separator), and their filling in one pass. The text export, the
// list checker's template check and the component descriptions read and
// fill them alike.
class Platzhalter
{
public:
    // One marker: where it stands in the text, its length, its number (0
    // to 99) and whether it is an "%L" marker.
    struct Marke
    {
        qsizetype position = 0;
        qsizetype laenge = 0;
        int nummer = 0;
        bool lokal = false;
    };

    // A value for a marker, written as QString::arg() writes it (for an
    // "%L" marker with the locale's grouping and decimal separator).
    class Wert
    {
    public:
        // An empty text.
        Wert() = default;
        static Wert text(const QString &text);
        // An integer in decimal.
        static Wert ganz(qint64 zahl);
        // A decimal number in the format of QString::number ('g', 'f', ...)
        // with `stellen` digits.
        static Wert zahl(double zahl, char format = 'g', int stellen = 6);

    private:
        friend class Platzhalter;
        enum class Art : unsigned char { Text, Ganz, Zahl };

        Art m_art = Art::Text;
        char m_format = 'g';
        int m_stellen = 6;
        qint64 m_ganz = 0;
        double m_zahl = 0.0;
        QString m_text;
    };

    // The markers of `text` in the order they stand.
    static QList<Marke> marken(QStringView text);

    // Fills every marker whose number is the k-th lowest number present
    // with werte[k], as a chain of QString::arg() calls fills them, but in
    // one pass: a marker inside an inserted value stays as written. Markers
    // beyond the values stay as written too; the default locale serves the
    // "%L" markers.
    static QString fuelle(QStringView text, const Wert *werte, qsizetype anzahl);
    static QString fuelle(QStringView text, const QList<Wert> &werte);

private:
    using Puffer = QVarLengthArray<QChar, 256>;
    static void haengeAn(Puffer &ziel, const Wert &wert, const QLocale *locale);
};

#endif // PLATZHALTER_H
