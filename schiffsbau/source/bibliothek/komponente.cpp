#include "komponente.h"

#include "kategorien.h"

#include <QLocale>
#include <QtGlobal>

#include <algorithm>
#include <cmath>
#include <type_traits>
#include <limits>

namespace {

const QString maxEinmal = QStringLiteral("max 1x");

using Wert = Komponente::Wert;
using Regel = Komponente::Regel;

// Columns 0-5, shared by every list kind.
const Komponente::Spalte grundspalten[6] = {
    {Wert::Name, "Bezeichnung"},
    {Wert::Hersteller, "Hersteller"},
    {Wert::Legalitaet, "Leg."},
    {Wert::Tl, "TL"},
    {Wert::Preis, "St", Wert::Keiner, Regel::ProEinheit},
    {Wert::Gewicht, "t", Wert::Keiner, Regel::ProEinheit},
};

// Whole part of a decimal value (cut towards zero), 0 outside the int range.
int ganzerTeil(float wert)
{
    const double ganz = std::trunc(double(wert));
    if (ganz < double(std::numeric_limits<int>::min()) || ganz > double(std::numeric_limits<int>::max()))
        return 0;
    return int(ganz);
}

// A plain decimal number "[-]d+[.d+]" of at most 15 digits: its digits as
// an integer and its number of decimals. False for any other text (a sign
// "+", an exponent, a negative zero, blanks ...), which the toolkit reads.
bool einfacheZahl(QStringView text, qint64 *ziffernWert, int *stellen)
{
    const qsizetype n = text.size();
    qsizetype i = 0;
    const bool negativ = n > 0 && text.at(0) == QLatin1Char('-');
    if (negativ)
        ++i;
    qint64 wert = 0;
    int ziffern = 0;
    int nachkomma = -1;
    for (; i < n; ++i) {
        const char16_t c = text.at(i).unicode();
        if (c == u'.' && nachkomma < 0 && ziffern > 0) {
            nachkomma = 0;
            continue;
        }
        if (c < u'0' || c > u'9' || ++ziffern > 15)
            return false;
        wert = wert * 10 + (c - u'0');
        if (nachkomma >= 0)
            ++nachkomma;
    }
    if (ziffern == 0 || nachkomma == 0 || (negativ && wert == 0))
        return false;
    *ziffernWert = negativ ? -wert : wert;
    *stellen = nachkomma < 0 ? 0 : nachkomma;
    return true;
}

// The value of a plain decimal number as a float, rounded as the toolkit
// rounds it (to the nearest double, then to float): digits and power of ten
// are exact doubles, so their quotient is the correctly rounded value.
float alsDezimal(qint64 ziffernWert, int stellen)
{
    static const double zehnHoch[16] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7,
                                        1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    return float(double(ziffernWert) / zehnHoch[stellen]);
}

// True when `feld` is exactly the decimal text of `wert` (no sign but a
// minus, no leading zeros or blanks).
bool istZahlText(QStringView feld, int wert)
{
    qint64 zahl = 0;
    int stellen = 0;
    if (!einfacheZahl(feld, &zahl, &stellen) || stellen > 0)
        return false;
    const qsizetype erste = feld.front() == QLatin1Char('-') ? 1 : 0;
    if (feld.size() - erste > 1 && feld.at(erste) == QLatin1Char('0'))
        return false;
    return zahl == wert;
}

// True when `feld` is exactly the text that spaltenText() gives for `wert`:
// the fewest decimals that read back to the same value.
bool istDezimalText(QStringView feld, float wert)
{
    qint64 zahl = 0;
    int stellen = 0;
    if (!einfacheZahl(feld, &zahl, &stellen))
        return false;
    const qsizetype erste = feld.front() == QLatin1Char('-') ? 1 : 0;
    if (feld.size() - erste > 1 && feld.at(erste) == QLatin1Char('0') && feld.at(erste + 1) != QLatin1Char('.'))
        return false;
    if (stellen > 0 && feld.back() == QLatin1Char('0'))
        return false;
    // With fewer decimals the text lies at least 10^-stellen away from the
    // field and so (less the field's own rounding) from the value; when that
    // is more than twice the float's spacing there, it cannot read back to
    // the value. Otherwise try them.
    static const double zehnHochMinus[16] = {1e0, 1e-1, 1e-2, 1e-3, 1e-4, 1e-5, 1e-6, 1e-7,
                                             1e-8, 1e-9, 1e-10, 1e-11, 1e-12, 1e-13, 1e-14, 1e-15};
    const double abstand = double(std::nextafter(std::fabs(wert), std::numeric_limits<float>::infinity()))
                           - double(std::fabs(wert));
    if (stellen > 0 && zehnHochMinus[stellen] <= 2.0 * abstand) {
        for (int weniger = 0; weniger < stellen; ++weniger) {
            if (Komponente::leseDezimal(QString::number(double(wert), 'f', weniger)) == wert)
                return false; // fewer decimals give the value back
        }
    }
    return QString::number(double(wert), 'f', stellen) == feld;
}

} // namespace

Komponente::Komponente() = default;

Komponente::Komponente(const Art &art)
    : m_art(&art)
    , m_slotBedarf(art.slotBedarf)
    , m_gstpv(art.gstpv)
    , m_dezimal(art.dezimal)
{
}

Komponente::Komponente(Kategorie kategorie)
    : Komponente(Kategorien::art(kategorie))
{
    m_typ = int(kategorie);
}

Komponente::~Komponente() = default;

int Komponente::typ() const { return m_typ; }
bool Komponente::nurEinmal() const { return false; }

QString Komponente::kurzname() const
{
    return m_art && m_art->kurzname ? QString::fromUtf8(m_art->kurzname) : QString();
}

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
    if (!m_art || !m_art->ausListe) {
        m_rohdaten = felder;
        return true;
    }
    const int anzahl = spaltenAnzahl();
    const bool vollstaendig = felder.size() >= anzahl;
    if (vollstaendig) {
        const int erste = m_art->grundspalten ? 6 : 0;
        if (m_art->grundspalten)
            leseGrunddaten(felder);
        for (int i = erste; i < anzahl; ++i) {
            const Spalte *s = spalte(i);
            leseFeld(*s, s->wert, felder.at(i));
            if (s->auch != Wert::Keiner)
                leseFeld(*s, s->auch, felder.at(i));
        }
    }
    Platzhalter::Wert werte[std::extent_v<decltype(Art::werte)>];
    qsizetype anzahlWerte = 0;
    for (Wert w : m_art->werte) {
        if (w != Wert::Keiner)
            werte[anzahlWerte++] = platzhalterWert(w);
    }
    m_beschreibung = Platzhalter::fuelle(QStringView(m_art->format), werte, anzahlWerte);
    merkeRohdaten(felder);
    return vollstaendig;
}

QStringList Komponente::rohdaten() const
{
    if (!m_rohAusSpalten)
        return m_rohdaten;
    QStringList felder;
    const int anzahl = spaltenAnzahl();
    felder.reserve(anzahl);
    for (int i = 0; i < anzahl; ++i)
        felder << spaltenText(spaltenWert(i));
    if (m_rohZeilenende)
        felder.last() += QLatin1Char('\n');
    return felder;
}

// The fields are kept only when the column values do not give them back as
// they were read (blanks, a decimal written otherwise, a row of other length).
void Komponente::merkeRohdaten(const QStringList &felder)
{
    const int anzahl = spaltenAnzahl();
    bool passt = anzahl > 0 && felder.size() == anzahl;
    bool zeilenende = false;
    for (int i = 0; passt && i < anzahl; ++i) {
        QStringView feld(felder.at(i));
        if (i == anzahl - 1 && feld.endsWith(QLatin1Char('\n'))) {
            feld.chop(1);
            zeilenende = true;
        }
        passt = feldPasst(i, feld);
    }
    m_rohAusSpalten = passt;
    m_rohZeilenende = passt && zeilenende;
    if (passt)
        m_rohdaten.clear();
    else
        m_rohdaten = felder;
}

bool Komponente::feldPasst(int spalte, QStringView feld) const
{
    const Spalte *s = this->spalte(spalte);
    if (!s)
        return false;
    switch (s->wert) {
    case Wert::Name: return feld == m_name;
    case Wert::Hersteller: return feld == m_hersteller;
    case Wert::Legalitaet: return feld == m_legalitaet;
    case Wert::Einheit: return feld == einheit(false);
    case Wert::Beschreibung: return feld == m_beschreibung;
    case Wert::Text: return feld == m_text;
    case Wert::Gewicht: return istDezimalText(feld, m_gewicht);
    case Wert::Dezimal: return istDezimalText(feld, m_dezimal);
    default: return istZahlText(feld, ganzzahl(s->wert));
    }
}

const Komponente::Spalte *Komponente::spalte(int spalte) const
{
    if (spalte < 0)
        return nullptr;
    const bool grund = !m_art || m_art->grundspalten;
    if (grund && spalte < 6)
        return &grundspalten[spalte];
    if (!m_art)
        return nullptr;
    const int i = grund ? spalte - 6 : spalte;
    if (i >= int(std::extent_v<decltype(Art::spalten)>) || m_art->spalten[i].wert == Wert::Keiner)
        return nullptr;
    return &m_art->spalten[i];
}

void Komponente::leseFeld(const Spalte &spalte, Wert wert, const QString &feld)
{
    switch (wert) {
    case Wert::Name: m_name = feld.trimmed(); break;
    case Wert::Hersteller: m_hersteller = feld.trimmed(); break;
    case Wert::Legalitaet: m_legalitaet = feld.trimmed(); break;
    case Wert::Einheit:
        setzeEinheit(feld);
        if (spalte.regel == Regel::SlotsNachEinheit)
            m_slotBedarf = m_einheit.compare(QLatin1String("gstpv"), Qt::CaseInsensitive) == 0 ? 1 : 2;
        break;
    case Wert::Beschreibung: m_beschreibung = feld.trimmed(); break;
    case Wert::Text: m_text = feld; break;
    case Wert::Gewicht: m_gewicht = leseDezimal(feld); break;
    case Wert::Dezimal: m_dezimal = leseDezimal(feld); break;
    case Wert::Keiner: break;
    default: {
        const int zahl = spalte.regel == Regel::GanzerTeil ? ganzerTeil(leseDezimal(feld)) : leseGanzzahl(feld);
        switch (wert) {
        case Wert::Tl: m_tl = zahl; break;
        case Wert::Preis: m_preis = zahl; break;
        case Wert::Gstpv: m_gstpv = zahl; break;
        case Wert::Rev: m_rev = zahl; break;
        case Wert::Bev: m_bev = zahl; break;
        case Wert::Eigen1: m_eigen[0] = zahl; break;
        case Wert::Eigen2: m_eigen[1] = zahl; break;
        case Wert::Eigen3: m_eigen[2] = zahl; break;
        default: break;
        }
    }
    }
}

QVariant Komponente::wertVon(Wert wert) const
{
    switch (wert) {
    case Wert::Name: return m_name;
    case Wert::Hersteller: return m_hersteller;
    case Wert::Legalitaet: return m_legalitaet;
    case Wert::Einheit: return einheit(false);
    case Wert::Beschreibung: return m_beschreibung;
    case Wert::Text: return m_text;
    case Wert::Gewicht: return QVariant::fromValue(m_gewicht);
    case Wert::Dezimal: return QVariant::fromValue(m_dezimal);
    case Wert::Keiner: return QString();
    default: return ganzzahl(wert);
    }
}

Platzhalter::Wert Komponente::platzhalterWert(Wert wert) const
{
    switch (wert) {
    case Wert::Gewicht: return Platzhalter::Wert::zahl(double(m_gewicht));
    case Wert::Dezimal: return Platzhalter::Wert::zahl(double(m_dezimal));
    case Wert::Name:
    case Wert::Hersteller:
    case Wert::Legalitaet:
    case Wert::Einheit:
    case Wert::Beschreibung:
    case Wert::Text:
    case Wert::Keiner:
        return Platzhalter::Wert::text(wertVon(wert).toString());
    default: return Platzhalter::Wert::ganz(ganzzahl(wert));
    }
}

int Komponente::ganzzahl(Wert wert) const
{
    switch (wert) {
    case Wert::Tl: return m_tl;
    case Wert::Preis: return m_preis;
    case Wert::Gstpv: return m_gstpv;
    case Wert::Rev: return m_rev;
    case Wert::Bev: return m_bev;
    case Wert::Eigen1: return m_eigen[0];
    case Wert::Eigen2: return m_eigen[1];
    case Wert::Eigen3: return m_eigen[2];
    default: return 0;
    }
}

float Komponente::dezimal() const { return m_dezimal; }
QString Komponente::text() const { return m_text; }

void Komponente::setzeEinheit(const QString &einheit)
{
    m_einheit = einheit.trimmed();
}

bool Komponente::leseGrunddaten(const QStringList &felder)
{
    if (felder.size() <= 5)
        return false;
    for (int i = 0; i < 6; ++i)
        leseFeld(grundspalten[i], grundspalten[i].wert, felder.at(i));
    return true;
}

int Komponente::spaltenAnzahl() const
{
    int anzahl = 0;
    while (spalte(anzahl))
        ++anzahl;
    return anzahl;
}

QVariant Komponente::spaltenWert(int spalte) const
{
    const Spalte *s = this->spalte(spalte);
    return s ? wertVon(s->wert) : QVariant(QString());
}

QString Komponente::spaltenTitel(int spalte) const
{
    const Spalte *s = this->spalte(spalte);
    if (!s)
        return QString();
    if (s->wert == Wert::Einheit)
        return einheitTitel();
    QString titel = QString::fromUtf8(s->titel);
    if (s->regel == Regel::ProEinheit && !einheit(false).startsWith(QLatin1String("St")))
        titel += QLatin1String(" /n");
    return titel;
}

void Komponente::teileTexte(QStringList &texte)
{
    constexpr qsizetype hoechstens = 32;
    for (QString *text : {&m_hersteller, &m_legalitaet, &m_einheit}) {
        const auto gleich = std::find(texte.cbegin(), texte.cend(), *text);
        if (gleich != texte.cend()) {
            *text = *gleich;
            continue;
        }
        if (texte.size() >= hoechstens)
            texte.removeFirst();
        texte.append(*text);
    }
}

int Komponente::leseGanzzahl(const QString &text)
{
    const QStringView zahl = QStringView(text).trimmed();
    qint64 ziffern = 0;
    int stellen = 0;
    const qsizetype vorzeichen = zahl.startsWith(QLatin1Char('-')) ? 1 : 0;
    if (zahl.size() - vorzeichen <= 9 && einfacheZahl(zahl, &ziffern, &stellen) && stellen == 0)
        return int(ziffern);
    bool ok = false;
    const int wert = zahl.toInt(&ok, 10);
    return ok ? wert : 0;
}

float Komponente::leseDezimal(const QString &text)
{
    const QStringView zahl = QStringView(text).trimmed();
    qint64 ziffern = 0;
    int stellen = 0;
    if (einfacheZahl(zahl, &ziffern, &stellen))
        return alsDezimal(ziffern, stellen);
    bool ok = false;
    const float wert = zahl.toFloat(&ok);
    return (ok && std::isfinite(wert)) ? wert : 0.0f;
}

QString Komponente::fuelleFormat(const QString &format, const QVariantList &werte)
{
    QList<Platzhalter::Wert> fuellung;
    fuellung.reserve(werte.size());
    for (const QVariant &wert : werte) {
        switch (wert.typeId()) {
        case QMetaType::Int:
        case QMetaType::LongLong:
            fuellung.append(Platzhalter::Wert::ganz(wert.toLongLong()));
            break;
        case QMetaType::Float:
        case QMetaType::Double:
            fuellung.append(Platzhalter::Wert::zahl(wert.toDouble()));
            break;
        default:
            fuellung.append(Platzhalter::Wert::text(wert.toString()));
            break;
        }
    }
    return Platzhalter::fuelle(format, fuellung);
}

QString Komponente::spaltenText(const QVariant &wert)
{
    switch (wert.typeId()) {
    case QMetaType::Float: {
        const float f = wert.toFloat();
        for (int stellen = 0; stellen <= 60; ++stellen) {
            const QString text = QString::number(double(f), 'f', stellen);
            if (text.toFloat() == f)
                return text;
        }
        return QString::number(double(f), 'g', 9);
    }
    case QMetaType::Double:
        return QString::number(wert.toDouble(), 'f', QLocale::FloatingPointShortest);
    default:
        return wert.toString();
    }
}
