#include "platzhalter.h"

#include <QLocale>

#include <algorithm>

namespace {

// The marker that begins at or after `ab`; false when there is none.
bool naechsteMarke(QStringView text, qsizetype ab, Platzhalter::Marke *marke)
{
    const qsizetype n = text.size();
    for (qsizetype i = ab; i < n; ++i) {
        if (text.at(i) != QLatin1Char('%'))
            continue;
        qsizetype j = i + 1;
        const bool lokal = j < n && text.at(j) == QLatin1Char('L');
        if (lokal)
            ++j;
        if (j >= n || text.at(j).digitValue() < 0)
            continue;
        int nummer = text.at(j++).digitValue();
        if (j < n && text.at(j).digitValue() >= 0)
            nummer = 10 * nummer + text.at(j++).digitValue();
        *marke = {i, j - i, nummer, lokal};
        return true;
    }
    return false;
}

// True when `locale` writes the whole numbers 0 to 999 with the digits 0 to
// 9 (no locale groups the digits of a number below 1000). The answer for the
// locale asked last is kept (the descriptions of a library all ask the same).
bool schreibtZiffern(const QLocale &locale)
{
    static QLocale gemerkt = QLocale::c();
    static bool ergebnis = true;
    if (!(locale == gemerkt)) {
        gemerkt = locale;
        ergebnis = locale.zeroDigit() == QLatin1String("0");
    }
    return ergebnis;
}

} // namespace

Platzhalter::Wert Platzhalter::Wert::text(const QString &text)
{
    Wert w;
    w.m_text = text;
    return w;
}

Platzhalter::Wert Platzhalter::Wert::ganz(qint64 zahl)
{
    Wert w;
    w.m_art = Art::Ganz;
    w.m_ganz = zahl;
    return w;
}

Platzhalter::Wert Platzhalter::Wert::zahl(double zahl, char format, int stellen)
{
    Wert w;
    w.m_art = Art::Zahl;
    w.m_zahl = zahl;
    w.m_format = format;
    w.m_stellen = stellen;
    return w;
}

void Platzhalter::haengeAn(Puffer &ziel, const Wert &wert, const QLocale *locale)
{
    QString geschrieben;
    switch (wert.m_art) {
    case Wert::Art::Ganz: {
        const qint64 zahl = wert.m_ganz;
        if (locale && !(zahl >= 0 && zahl < 1000 && schreibtZiffern(*locale))) {
            geschrieben = locale->toString(zahl);
            break;
        }
        // Plain decimal digits, written without a string of their own.
        char16_t ziffern[21];
        int anfang = 21;
        quint64 rest = zahl < 0 ? 0 - quint64(zahl) : quint64(zahl);
        do {
            ziffern[--anfang] = char16_t(u'0' + rest % 10);
            rest /= 10;
        } while (rest > 0);
        if (zahl < 0)
            ziffern[--anfang] = u'-';
        ziel.append(reinterpret_cast<const QChar *>(ziffern + anfang), 21 - anfang);
        return;
    }
    case Wert::Art::Zahl:
        geschrieben = locale ? locale->toString(wert.m_zahl, wert.m_format, wert.m_stellen)
                             : QString::number(wert.m_zahl, wert.m_format, wert.m_stellen);
        break;
    case Wert::Art::Text:
        ziel.append(wert.m_text.constData(), wert.m_text.size());
        return;
    }
    ziel.append(geschrieben.constData(), geschrieben.size());
}

QList<Platzhalter::Marke> Platzhalter::marken(QStringView text)
{
    QList<Marke> liste;
    Marke m;
    for (qsizetype ab = 0; naechsteMarke(text, ab, &m); ab = m.position + m.laenge)
        liste.append(m);
    return liste;
}

QString Platzhalter::fuelle(QStringView text, const Wert *werte, qsizetype anzahl)
{
    QVarLengthArray<Marke, 24> marken;
    QVarLengthArray<int, 24> nummern;
    Marke m;
    for (qsizetype ab = 0; naechsteMarke(text, ab, &m); ab = m.position + m.laenge) {
        marken.append(m);
        nummern.append(m.nummer);
    }
    std::sort(nummern.begin(), nummern.end());
    nummern.erase(std::unique(nummern.begin(), nummern.end()), nummern.end());

    const QLocale locale;
    // built on the stack, then copied once into a string of its exact size
    // (the library keeps one description per row)
    Puffer ergebnis;
    qsizetype kopiertBis = 0;
    for (const Marke &marke : marken) {
        const qsizetype rang = std::lower_bound(nummern.cbegin(), nummern.cend(), marke.nummer) - nummern.cbegin();
        if (rang >= anzahl)
            continue; // no value for this marker: it stays as written
        ergebnis.append(text.constData() + kopiertBis, marke.position - kopiertBis);
        haengeAn(ergebnis, werte[rang], marke.lokal ? &locale : nullptr);
        kopiertBis = marke.position + marke.laenge;
    }
    ergebnis.append(text.constData() + kopiertBis, text.size() - kopiertBis);
    return QString(ergebnis.constData(), ergebnis.size());
}

QString Platzhalter::fuelle(QStringView text, const QList<Wert> &werte)
{
    return fuelle(text, werte.constData(), werte.size());
}
