#include "komponente.h"

#include <QLocale>
#include <QtGlobal>

#include <cmath>

namespace {

const QString maxEinmal = QStringLiteral("max 1x");

struct Marke
{
    qsizetype position;
    qsizetype laenge;
    int nummer;
    bool lokal;
};

// A value as QString::arg() writes it; with a locale as for a %L marker.
QString formatiereWert(const QVariant &wert, const QLocale *locale)
{
    switch (wert.typeId()) {
    case QMetaType::Int:
        return locale ? locale->toString(wert.toInt()) : QString::number(wert.toInt());
    case QMetaType::Float:
    case QMetaType::Double:
        return locale ? locale->toString(wert.toDouble(), 'g', 6)
                      : QString::number(wert.toDouble(), 'g', 6);
    default:
        return wert.toString();
    }
}

} // namespace

Komponente::Komponente() = default;

Komponente::~Komponente() = default;

int Komponente::typ() const { return 99; }
bool Komponente::nurEinmal() const { return false; }
QString Komponente::kurzname() const { return QString(); }
QString Komponente::name() const { return m_name; }
QString Komponente::hersteller() const { return m_hersteller; }
QString Komponente::legalitaet() const { return m_legalitaet; }
int Komponente::tl() const { return m_tl; }
int Komponente::preis() const { return m_preis; }
float Komponente::gewicht() const { return m_gewicht; }

QString Komponente::einheit(bool fuerAnzeige) const
{
    if (fuerAnzeige && m_einheit == maxEinmal)
        return QStringLiteral(" ");
    return m_einheit;
}

QString Komponente::einheitTitel() const { return QStringLiteral("Einheit"); }
int Komponente::gstpv() const { return m_gstpv; }
int Komponente::rev() const { return m_rev; }
int Komponente::bev() const { return m_bev; }
QString Komponente::beschreibung() const { return m_beschreibung; }
int Komponente::slotBedarf() const { return m_slotBedarf; }

bool Komponente::leseZeile(const QStringList &felder)
{
    m_rohdaten = felder;
    return true;
}

QStringList Komponente::rohdaten() const { return m_rohdaten; }

void Komponente::setzeEinheit(const QString &einheit)
{
    m_einheit = einheit.trimmed();
}

bool Komponente::leseGrunddaten(const QStringList &felder)
{
    if (felder.size() <= 5)
        return false;
    m_name = felder.at(0).trimmed();
    m_hersteller = felder.at(1).trimmed();
    m_legalitaet = felder.at(2).trimmed();
    m_tl = leseGanzzahl(felder.at(3));
    m_preis = leseGanzzahl(felder.at(4));
    m_gewicht = leseDezimal(felder.at(5));
    return true;
}

int Komponente::spaltenAnzahl() const { return 6; }

QVariant Komponente::spaltenWert(int spalte) const
{
    switch (spalte) {
    case 0: return m_name;
    case 1: return m_hersteller;
    case 2: return m_legalitaet;
    case 3: return m_tl;
    case 4: return m_preis;
    case 5: return QVariant::fromValue(m_gewicht);
    default: return QString();
    }
}

QString Komponente::spaltenTitel(int spalte) const
{
    const bool stueck = einheit(false).startsWith(QLatin1String("St"));
    switch (spalte) {
    case 0: return QStringLiteral("Bezeichnung");
    case 1: return QStringLiteral("Hersteller");
    case 2: return QStringLiteral("Leg.");
    case 3: return QStringLiteral("TL");
    case 4: return stueck ? QStringLiteral("St") : QStringLiteral("St /n");
    case 5: return stueck ? QStringLiteral("t") : QStringLiteral("t /n");
    default: return QString();
    }
}

int Komponente::leseGanzzahl(const QString &text)
{
    bool ok = false;
    const int wert = text.trimmed().toInt(&ok, 10);
    return ok ? wert : 0;
}

float Komponente::leseDezimal(const QString &text)
{
    bool ok = false;
    const float wert = text.trimmed().toFloat(&ok);
    return (ok && std::isfinite(wert)) ? wert : 0.0f;
}

QString Komponente::fuelleFormat(const QString &format, const QVariantList &werte)
{
    // Markers of a description format are few; more than this many are
    // left as written.
    constexpr int maxMarken = 24;
    Marke marken[maxMarken];
    int anzahl = 0;
    const qsizetype n = format.size();
    const QChar *const zeichen = format.constData();
    for (qsizetype i = 0; i < n && anzahl < maxMarken; ++i) {
        if (zeichen[i] != QLatin1Char('%'))
            continue;
        qsizetype j = i + 1;
        bool lokal = false;
        if (j < n && zeichen[j] == QLatin1Char('L')) {
            lokal = true;
            ++j;
        }
        if (j >= n || !zeichen[j].isDigit())
            continue;
        int nummer = zeichen[j].digitValue();
        ++j;
        if (j < n && zeichen[j].isDigit()) {
            nummer = nummer * 10 + zeichen[j].digitValue();
            ++j;
        }
        if (nummer == 0)
            continue;
        marken[anzahl++] = {i, j - i, nummer, lokal};
        i = j - 1;
    }

    const QLocale locale;
    QString ergebnis;
    ergebnis.reserve(n + 8 * werte.size());
    qsizetype kopiertBis = 0;
    for (int m = 0; m < anzahl; ++m) {
        // rank of the marker number among the distinct marker numbers
        int rang = 0;
        for (int a = 0; a < anzahl; ++a) {
            if (marken[a].nummer >= marken[m].nummer)
                continue;
            bool frueher = false;
            for (int b = 0; b < a; ++b)
                frueher = frueher || marken[b].nummer == marken[a].nummer;
            if (!frueher)
                ++rang;
        }
        if (rang >= werte.size())
            continue; // no value for this marker: it stays as written
        ergebnis.append(QStringView(format).mid(kopiertBis, marken[m].position - kopiertBis));
        ergebnis.append(formatiereWert(werte.at(rang), marken[m].lokal ? &locale : nullptr));
        kopiertBis = marken[m].position + marken[m].laenge;
    }
    ergebnis.append(QStringView(format).mid(kopiertBis));
    ergebnis.squeeze(); // the library keeps one description per row
    return ergebnis;
}

QString Komponente::baueBeschreibung(const QString &format, const QVariantList &eigeneWerte) const
{
    QVariantList werte;
    werte.reserve(4 + eigeneWerte.size());
    werte << m_legalitaet << m_tl << m_preis << QVariant::fromValue(m_gewicht);
    werte << eigeneWerte;
    return fuelleFormat(format, werte);
}
