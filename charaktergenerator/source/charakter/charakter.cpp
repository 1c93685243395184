#include "charakter.h"

#include <QSignalBlocker>

#include <climits>
#include <cstdlib>
#include <ctime>

#include "aktion.h"
#include "charakterwertsachen.h"
#include "regelwerk.h"
#include "spezialgebiet.h"

namespace {

bool gueltigeAktionsart(int art)
{
    return art >= Aktion::Sprache && art <= Aktion::Paranormal;
}

} // namespace

Charakter::Charakter(Regelwerk* regelwerk, QObject* parent)
    : CharakterBasis(regelwerk, parent)
    , m_wertsachen(new CharakterWertsachen(this))
{
    std::srand(static_cast<unsigned>(std::time(nullptr)));
}

Charakter::~Charakter()
{
    zuruecksetzen();
}

// ---------------------------------------------------------------- money and simple values

CharakterWertsachen* Charakter::wertsachen() const { return m_wertsachen; }
int Charakter::kapital() const { return m_wertsachen->kapital(); }
int Charakter::schulden() const { return m_wertsachen->schulden(); }
int Charakter::cassias() const { return m_wertsachen->cassias(); }
int Charakter::ceptomyzin() const { return m_wertsachen->ceptomyzin(); }
int Charakter::bonuspunkte() const { return m_bonuspunkte; }
void Charakter::setzeBonuspunkte(int n) { m_bonuspunkte = n; }
int Charakter::prestige() const { return m_prestige; }
void Charakter::setzePrestige(int n) { m_prestige = n; }

// ---------------------------------------------------------------- reset

void Charakter::zuruecksetzen()
{
    CharakterBasis::zuruecksetzen();
    m_wertsachen->zuruecksetzen();
    qDeleteAll(m_sprachen);
    m_sprachen.clear();
    qDeleteAll(m_technik);
    m_technik.clear();
    qDeleteAll(m_para);
    m_para.clear();
    CharakterBasis::setzeBenutztSpezis(false);
    qDeleteAll(m_spezialgebiete);
    m_spezialgebiete.clear();
    m_bonuspunkte = 0;
    m_prestige = 0;
}

void Charakter::setzeBenutztSpezis(bool an)
{
    CharakterBasis::setzeBenutztSpezis(an);
}

// ---------------------------------------------------------------- learned actions

QList<Aktion*>& Charakter::aktionenListe(int art)
{
    if (art == Aktion::Sprache)
        return m_sprachen;
    if (art == Aktion::Technik)
        return m_technik;
    return m_para;
}

const QList<Aktion*>& Charakter::aktionenListe(int art) const
{
    return const_cast<Charakter*>(this)->aktionenListe(art);
}

int Charakter::anzahlAktionen(int art) const
{
    return aktionenListe(art).size();
}

Aktion* Charakter::aktion(int art, int i) const
{
    const QList<Aktion*>& liste = aktionenListe(art);
    if (i < 0 || i >= liste.size())
        return nullptr;
    return liste.at(i);
}

Aktion* Charakter::sucheAktion(int art, const QString& anfang) const
{
    for (Aktion* a : aktionenListe(art)) {
        if (a->Bezeichnung.startsWith(anfang, Qt::CaseSensitive))
            return a;
    }
    return nullptr;
}

bool Charakter::aktionHinzufuegen(int art, Aktion* a)
{
    if (!a || !gueltigeAktionsart(art))
        return false;
    if (hatAktion(art, a->Bezeichnung))
        return false;
    if (punkte(art, Rest) < a->Kosten)
        return false;
    addierePunkte(art, Genutzt, a->Kosten);
    aktionenListe(art).append(a);
    emit signalAktionspunkteUpdate();
    return true;
}

bool Charakter::hatAktion(int art, const QString& name) const
{
    if (!gueltigeAktionsart(art))
        return false;
    const auto einheitlich = [](QString n) { return n.replace(QChar(0x92), QChar(0x2019)); };
    const QString gesucht = einheitlich(name);
    for (const Aktion* a : aktionenListe(art)) {
        if (einheitlich(a->Bezeichnung) == gesucht)
            return true;
    }
    return false;
}

bool Charakter::befaehigungSetzen(int art, int i, int neu)
{
    if (!gueltigeAktionsart(art))
        return false;
    Aktion* a = aktion(art, i);
    if (!a)
        return false;
    if (neu < a->Befaehigung && !generieren())
        return false;
    const int preisNeu = regelwerk()->befaehigungKosten(neu);
    const int preisAlt = regelwerk()->befaehigungKosten(a->Befaehigung);
    // A proficiency outside the table (e.g. from an edited file) has no price to compare.
    if (preisNeu < 0 || preisAlt < 0)
        return false;
    const int d = preisNeu - preisAlt;
    if (d > 0 && d > punkte(art, Rest))
        return false;
    a->Befaehigung = neu;
    addierePunkte(art, Genutzt, d);
    emit signalAktionspunkteUpdate();
    return true;
}

bool Charakter::aktionEntfernen(int art, int i)
{
    if (!gueltigeAktionsart(art))
        return false;
    Aktion* a = aktion(art, i);
    if (!a)
        return false;
    // After generation the proficiency points stay spent. One change, one
    // announcement: the proficiency is not announced on its own.
    {
        const QSignalBlocker sperre(this);
        befaehigungSetzen(art, i, -10);
    }
    addierePunkte(art, Genutzt, begrenzt(-qint64(a->Kosten)));
    aktionenListe(art).removeAt(i);
    delete a;
    emit signalAktionspunkteUpdate();
    return true;
}

bool Charakter::aktionAnhaengen(int art, Aktion* a)
{
    if (!a)
        return false;
    aktionenListe(art).append(a);
    return true;
}

// ---------------------------------------------------------------- special areas

int Charakter::anzahlSpezialgebiete() const
{
    return m_spezialgebiete.size();
}

Spezialgebiet* Charakter::spezialgebiet(int i) const
{
    if (i < 0 || i >= m_spezialgebiete.size())
        return nullptr;
    return m_spezialgebiete.at(i);
}

Spezialgebiet* Charakter::spezialgebietFuer(int spezialisierung) const
{
    if (spezialisierung == Regelwerk::KeineSpezialisierung)
        return nullptr;
    for (Spezialgebiet* s : m_spezialgebiete) {
        if (s->Typ == spezialisierung)
            return s;
    }
    return nullptr;
}

bool Charakter::spezialgebietHinzufuegen(Spezialgebiet* s)
{
    if (!s)
        return false;
    if (s->bonusSpezialgebiet) {
        s->Wert = BasistypGebietStufe;
    } else {
        if (!epAusgeben(1))
            return false;
        s->Wert = 1;
    }
    m_spezialgebiete.append(s);
    return true;
}

bool Charakter::spezialgebietWertSetzen(int i, int neu)
{
    Spezialgebiet* s = spezialgebiet(i);
    if (!s || neu < 0 || neu > 20)
        return false;
    // The levels below 4 of a species' own area were never paid for.
    if (s->bonusSpezialgebiet && neu < BasistypGebietStufe)
        return false;
    const int preisNeu = regelwerk()->spezialgebietKosten(neu);
    const int preisAlt = regelwerk()->spezialgebietKosten(s->Wert);
    if (preisAlt < 0)
        return false;
    const int d = preisNeu - preisAlt;
    if (d < 0)
        epZurueckgeben(-d);
    else if (!epAusgeben(d))
        return false;
    s->Wert = neu;
    return true;
}

bool Charakter::spezialgebietEntfernen(int i)
{
    Spezialgebiet* s = spezialgebiet(i);
    if (!s)
        return false;
    spezialgebietWertSetzen(i, s->bonusSpezialgebiet ? BasistypGebietStufe : 0);
    m_spezialgebiete.removeAt(i);
    delete s;
    return true;
}

bool Charakter::spezialgebietAnhaengen(Spezialgebiet* s)
{
    if (!s)
        return false;
    m_spezialgebiete.append(s);
    return true;
}

// ---------------------------------------------------------------- roll notation

int Charakter::wurfSumme(const Spezialgebiet* s) const
{
    if (!s)
        return 0;
    return begrenzt(qint64(kenntnis(s->Kenntnis)) + s->Bonus + s->Wert);
}

int Charakter::wurfSumme(const Aktion* a) const
{
    if (!a)
        return 0;
    qint64 b = kenntnis(a->Kenntnis);
    if (benutztSpezis()) {
        if (const Spezialgebiet* s = spezialgebietFuer(a->Spezialisierung))
            b += qint64(s->Bonus) + s->Wert;
    }
    return begrenzt(b);
}

QString Charakter::wurfText(int summe, int zusatz)
{
    const int wuerfel = summe / 4;
    const qint64 modifikator = qint64(summe % 4) + zusatz;
    if (modifikator >= 0)
        return QStringLiteral("%1W +%2").arg(wuerfel).arg(modifikator);
    return QStringLiteral("%1W %2").arg(wuerfel).arg(modifikator);
}

QString Charakter::wurf(const Spezialgebiet* s) const
{
    if (!s)
        return QString();
    return wurfText(wurfSumme(s));
}

QString Charakter::wurf(const Aktion* a) const
{
    if (!a)
        return QString();
    return wurfText(wurfSumme(a), a->Befaehigung);
}

// ---------------------------------------------------------------- conversions

// Buys or sells n units of a good at proEP units per EP. Buying is checked
// against the available EP first, then booked; selling needs the amount.
bool Charakter::bucheWare(int& menge, qint64 proEP, int n, bool kaufen, qint64 obergrenze)
{
    if (n < 1)
        return false;
    const qint64 einheiten = proEP * n;
    if (kaufen) {
        if (verfuegbareEP(true) < n)
            return false;
        if (menge + einheiten > obergrenze || !epAusgeben(n))
            return false;
        menge += static_cast<int>(einheiten);
        return true;
    }
    if (einheiten > menge)
        return false;
    menge -= static_cast<int>(einheiten);
    epZurueckgeben(n);
    return true;
}

bool Charakter::bucheWertsache(int (CharakterWertsachen::*lesen)() const,
                               void (CharakterWertsachen::*setzen)(int), qint64 proEP, int n,
                               bool kaufen, qint64 obergrenze)
{
    int menge = (m_wertsachen->*lesen)();
    if (!bucheWare(menge, proEP, n, kaufen, obergrenze))
        return false;
    (m_wertsachen->*setzen)(menge);
    return true;
}

bool Charakter::kapitalKaufen(int n)
{
    return bucheWertsache(&CharakterWertsachen::kapital, &CharakterWertsachen::setzeKapital,
                          KapitalProEP, n, true, INT_MAX);
}

bool Charakter::kapitalVerkaufen(int n)
{
    return bucheWertsache(&CharakterWertsachen::kapital, &CharakterWertsachen::setzeKapital,
                          KapitalProEP, n, false, INT_MAX);
}

bool Charakter::schuldenKaufen(int n)
{
    return bucheWertsache(&CharakterWertsachen::schulden, &CharakterWertsachen::setzeSchulden,
                          SchuldenProEP, n, true, MaxSchulden);
}

bool Charakter::schuldenVerkaufen(int n)
{
    return bucheWertsache(&CharakterWertsachen::schulden, &CharakterWertsachen::setzeSchulden,
                          SchuldenProEP, n, false, MaxSchulden);
}

bool Charakter::cassiasKaufen(int n)
{
    return bucheWertsache(&CharakterWertsachen::cassias, &CharakterWertsachen::setzeCassias,
                          CassiasProEP, n, true, INT_MAX);
}

bool Charakter::cassiasVerkaufen(int n)
{
    return bucheWertsache(&CharakterWertsachen::cassias, &CharakterWertsachen::setzeCassias,
                          CassiasProEP, n, false, INT_MAX);
}

bool Charakter::ceptomyzinKaufen(int n)
{
    return bucheWertsache(&CharakterWertsachen::ceptomyzin, &CharakterWertsachen::setzeCeptomyzin,
                          CeptomyzinProEP, n, true, INT_MAX);
}

bool Charakter::ceptomyzinVerkaufen(int n)
{
    return bucheWertsache(&CharakterWertsachen::ceptomyzin, &CharakterWertsachen::setzeCeptomyzin,
                          CeptomyzinProEP, n, false, INT_MAX);
}

bool Charakter::prestigeKaufen()
{
    if (m_prestige > INT_MAX - PrestigeProEP || !epAusgeben(1))
        return false;
    m_prestige += PrestigeProEP;
    return true;
}

bool Charakter::prestigeVerkaufen()
{
    if (m_prestige < PrestigeProEP)
        return false;
    m_prestige -= PrestigeProEP;
    epZurueckgeben(1);
    return true;
}

bool Charakter::bonusKaufen()
{
    if (m_bonuspunkte > INT_MAX - BonuspunkteProEP || !epAusgeben(1))
        return false;
    m_bonuspunkte += BonuspunkteProEP;
    return true;
}

bool Charakter::bonusVerkaufen()
{
    if (m_bonuspunkte < BonuspunkteProEP)
        return false;
    m_bonuspunkte -= BonuspunkteProEP;
    epZurueckgeben(1);
    return true;
}
