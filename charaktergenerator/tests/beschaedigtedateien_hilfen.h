#ifndef BESCHAEDIGTEDATEIEN_HILFEN_H
#define BESCHAEDIGTEDATEIEN_HILFEN_H

// Building blocks of hand-written, damaged character files for the tests.

#include <QByteArray>

#include <climits>

namespace beschaedigt {

inline const QByteArray Max = QByteArray::number(INT_MAX);
inline const QByteArray Min = QByteArray::number(INT_MIN);

inline QByteArray alle(const char* const* namen, const QByteArray& wert)
{
    QByteArray a;
    for (; *namen; ++namen)
        a += ' ' + QByteArray(*namen) + "=\"" + wert + '"';
    return a;
}

inline const char* const EigenschaftNamen[] = { "Mut", "Intelligenz", "Wissen", "Instinkt", "Sinne",
                                          "Emotionen", "Kraft", "Koerperbhg", "Handgeschick",
                                          "Kondition", "Ausstrahlung", nullptr };
inline const char* const PunktNamen[] = { "GenutzteStartEP", "GenutzteEP", "GenutzteTP", "GenutzteSP",
                                    "GenutzteMP", "GekaufteTP", "GekaufteSP", "GekaufteMP",
                                    "ErspielteTP", "ErspielteSP", "ErspielteMP", nullptr };
inline const char* const EnergieNamen[] = { "PNE", "DE", "AE", nullptr };
inline const char* const StartdingNamen[] = { "Kapital", "Schulden", "Cassias", "Ceptomyzin",
                                        "Bonuspunkte", "Prestige", nullptr };

inline QByteArray aktion(const QByteArray& name, const QByteArray& kenntnis, const QByteArray& spezi,
                  const QByteArray& kosten, const QByteArray& befaehigung)
{
    return "<Aktion Bezeichnung=\"" + name + "\" Kenntnis=\"" + kenntnis
           + "\" Spezialisierung=\"" + spezi + "\" Kosten=\"" + kosten + "\" Befaehigung=\""
           + befaehigung + "\"/>";
}

inline QByteArray gebiet(const QByteArray& name, const QByteArray& typ, const QByteArray& kenntnis,
                  const QByteArray& bonus, const QByteArray& e1, const QByteArray& e2,
                  const QByteArray& wert)
{
    return "<Spezialgebiet Bezeichnung=\"" + name + "\" Typ=\"" + typ + "\" Kenntnis=\""
           + kenntnis + "\" Bonus=\"" + bonus + "\" Eigenschaft1=\"" + e1 + "\" Eigenschaft2=\""
           + e2 + "\" Wert=\"" + wert + "\"/>";
}

} // namespace beschaedigt

#endif // BESCHAEDIGTEDATEIEN_HILFEN_H
