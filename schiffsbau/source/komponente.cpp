#include "komponente.h"

#include <QLocale>
#include <QtGlobal>

#include <algorithm>
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

QString formatiereWert(const QVariant &wert, bool lokal)
{
    switch (wert.typeId()) {
    case QMetaType::Int:
        return lokal ? QLocale().toString(wert.toInt()) : QString::number(wert.toInt());
    case QMetaType::Float:
    case QMetaType::Double:
        return lokal ? QLocale().toString(wert.toDouble(), 'g', 6)
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
    QList<Marke> marken;
    const qsizetype n = format.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (format.at(i) != QLatin1Char('%'))
            continue;
        qsizetype j = i + 1;
        bool lokal = false;
        if (j < n && format.at(j) == QLatin1Char('L')) {
            lokal = true;
            ++j;
        }
        if (j >= n || !format.at(j).isDigit())
            continue;
        int nummer = format.at(j).digitValue();
        ++j;
        if (j < n && format.at(j).isDigit()) {
            nummer = nummer * 10 + format.at(j).digitValue();
            ++j;
        }
        if (nummer == 0)
            continue;
        marken.append({i, j - i, nummer, lokal});
        i = j - 1;
    }

    QList<int> nummern;
    for (const Marke &m : std::as_const(marken))
        nummern.append(m.nummer);
    std::sort(nummern.begin(), nummern.end());
    nummern.erase(std::unique(nummern.begin(), nummern.end()), nummern.end());

    QString ergebnis;
    ergebnis.reserve(n + 16 * werte.size());
    qsizetype kopiertBis = 0;
    for (const Marke &m : std::as_const(marken)) {
        const qsizetype rang = nummern.indexOf(m.nummer);
        if (rang >= werte.size())
            continue; // no value for this marker: it stays as written
        ergebnis.append(QStringView(format).mid(kopiertBis, m.position - kopiertBis));
        ergebnis.append(formatiereWert(werte.at(rang), m.lokal));
        kopiertBis = m.position + m.laenge;
    }
    ergebnis.append(QStringView(format).mid(kopiertBis));
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
