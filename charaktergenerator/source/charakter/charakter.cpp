#include "charakter.h"

#include <QSignalBlocker>

#include <functional>
#include <utility>

#include <climits>
#include <cstdlib>
#include <ctime>

#include "aktion.h"
#include "basistypus.h"
#include "charakterwertsachen.h"
#include "regelwerk.h"
#include "spezialgebiet.h"

namespace {

bool gueltigeAktionsart(int art)
{
    return art >= Aktion::Sprache && art <= Aktion::Paranormal;
}

// Languages that are cheaper by 1 SP for a character who knows "Latein".
const char* const lateinVerwandte[] = { "Standard", "Newdeutsch", "Francais", "Portespan" };

const QString latein = QStringLiteral("Latein");

// The steps (tab indices) where a check entry is put right.
enum SchrittNummer { SchrittBasis = 0, SchrittEigenschaften = 1, SchrittAktionen = 3,
                     SchrittParanormik = 4, SchrittDiverse = 5 };

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

int Charakter::aktionsPreis(int art, const Aktion* a) const
{
    if (!a)
        return 0;
    if (art == Aktion::Sprache && sucheAktion(Aktion::Sprache, latein)) {
        for (const char* anfang : lateinVerwandte) {
            if (a->Bezeichnung.startsWith(QLatin1String(anfang)))
                return a->Kosten - 1;
        }
    }
    return a->Kosten;
}

bool Charakter::aktionHinzufuegen(int art, Aktion* a)
{
    if (!a || !gueltigeAktionsart(art))
        return ablehnen(Grund::NichtsVorhanden, QStringLiteral("Lernen: keine Aktion gewählt."));
    if (hatAktion(art, a->Bezeichnung))
        return ablehnen(Grund::SchonVorhanden, QStringLiteral("%1 ist schon gelernt.").arg(a->Bezeichnung));
    const int preis = aktionsPreis(art, a);
    if (punkte(art, Rest) < preis)
        return ablehnen(Grund::ZuWenigPunkte,
                        zuTeuer(QStringLiteral("%1 lernen").arg(a->Bezeichnung), preis, punktName(art),
                                punkte(art, Rest)));
    a->Kosten = preis;
    addierePunkte(art, Genutzt, preis);
    aktionenListe(art).append(a);
    annehmen();
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
    Aktion* a = gueltigeAktionsart(art) ? aktion(art, i) : nullptr;
    if (!a)
        return ablehnen(Grund::NichtsVorhanden, QStringLiteral("Wert: keine erlernte Aktion gewählt."));
    const QString handlung = QStringLiteral("Wert von %1").arg(a->Bezeichnung);
    if (neu < a->Befaehigung && !generieren())
        return ablehnen(Grund::NachGenerierung,
                        QStringLiteral("%1: nach der Generierung nicht mehr senkbar.").arg(handlung));
    const int preisNeu = regelwerk()->befaehigungKosten(neu);
    const int preisAlt = regelwerk()->befaehigungKosten(a->Befaehigung);
    // A proficiency outside the table (e.g. from an edited file) has no price to compare.
    if (preisNeu < 0 || preisAlt < 0)
        return ablehnen(Grund::UngueltigerWert, QStringLiteral("%1: nur -10 bis +2.").arg(handlung));
    const int d = preisNeu - preisAlt;
    if (d > 0 && d > punkte(art, Rest))
        return ablehnen(Grund::ZuWenigPunkte,
                        zuTeuer(QStringLiteral("%1 auf %2").arg(handlung).arg(neu), d, punktName(art),
                                punkte(art, Rest)));
    a->Befaehigung = neu;
    addierePunkte(art, Genutzt, d);
    annehmen();
    emit signalAktionspunkteUpdate();
    return true;
}

bool Charakter::aktionEntfernen(int art, int i)
{
    Aktion* a = gueltigeAktionsart(art) ? aktion(art, i) : nullptr;
    if (!a)
        return ablehnen(Grund::NichtsVorhanden, QStringLiteral("Entfernen: keine erlernte Aktion gewählt."));
    const bool warLatein = art == Aktion::Sprache && a->Bezeichnung.startsWith(latein);
    // After generation the proficiency points stay spent. One change, one
    // announcement: the proficiency is not announced on its own.
    {
        const QSignalBlocker sperre(this);
        befaehigungSetzen(art, i, -10);
    }
    addierePunkte(art, Genutzt, begrenzt(-qint64(a->Kosten)));
    aktionenListe(art).removeAt(i);
    delete a;
    if (warLatein && !sucheAktion(Aktion::Sprache, latein))
        lateinRabattZuruecknehmen();
    annehmen();
    emit signalAktionspunkteUpdate();
    return true;
}

bool Charakter::entfernenAendertPreise(int art, int i) const
{
    const Aktion* a = aktion(art, i);
    if (art != Aktion::Sprache || !a || !a->Bezeichnung.startsWith(latein))
        return false;
    int lateinische = 0;
    for (const Aktion* b : m_sprachen)
        lateinische += b->Bezeichnung.startsWith(latein) ? 1 : 0;
    if (lateinische > 1)
        return false;
    for (const char* anfang : lateinVerwandte) {
        const Aktion* gelernt = sucheAktion(Aktion::Sprache, QLatin1String(anfang));
        const Aktion* katalog = regelwerk()->sucheAktion(Aktion::Sprache, QLatin1String(anfang));
        if (gelernt && katalog && gelernt->Kosten != katalog->Kosten)
            return true;
    }
    return false;
}

void Charakter::lateinRabattZuruecknehmen()
{
    for (const char* anfang : lateinVerwandte) {
        const QString name = QLatin1String(anfang);
        Aktion* gelernt = sucheAktion(Aktion::Sprache, name);
        const Aktion* katalog = regelwerk()->sucheAktion(Aktion::Sprache, name);
        if (!gelernt || !katalog)
            continue;
        addierePunkte(Aktion::Sprache, Genutzt, katalog->Kosten - gelernt->Kosten);
        gelernt->Kosten = katalog->Kosten;
    }
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

bool Charakter::hatSpezialgebiet(const QString& name) const
{
    for (const Spezialgebiet* s : m_spezialgebiete) {
        if (s->Bezeichnung == name)
            return true;
    }
    return false;
}

int Charakter::anzahlGewaehlteSpezialgebiete() const
{
    int n = 0;
    for (const Spezialgebiet* s : m_spezialgebiete) {
        if (!s->bonusSpezialgebiet)
            ++n;
    }
    return n;
}

bool Charakter::spezialgebietHinzufuegen(Spezialgebiet* s)
{
    if (!s)
        return ablehnen(Grund::NichtsVorhanden, QStringLiteral("Hinzufügen: kein Spezialgebiet gewählt."));
    if (hatSpezialgebiet(s->Bezeichnung))
        return ablehnen(Grund::SchonVorhanden,
                        QStringLiteral("Spezialgebiet %1 ist schon gewählt.").arg(s->Bezeichnung));
    if (s->bonusSpezialgebiet) {
        s->Wert = BasistypGebietStufe;
    } else {
        if (anzahlGewaehlteSpezialgebiete() >= MaxGewaehlteSpezialgebiete)
            return ablehnen(Grund::Obergrenze,
                            QStringLiteral("Spezialgebiet %1: höchstens %2 Spezialgebiete neben denen des Basistypus.")
                                .arg(s->Bezeichnung)
                                .arg(MaxGewaehlteSpezialgebiete));
        if (!epFuer(QStringLiteral("Spezialgebiet %1 hinzufügen").arg(s->Bezeichnung), 1))
            return false;
        s->Wert = 1;
    }
    m_spezialgebiete.append(s);
    return annehmen();
}

bool Charakter::spezialgebietWertSetzen(int i, int neu)
{
    Spezialgebiet* s = spezialgebiet(i);
    if (!s)
        return ablehnen(Grund::NichtsVorhanden, QStringLiteral("Punkte: kein Spezialgebiet gewählt."));
    const QString name = QStringLiteral("Spezialgebiet %1").arg(s->Bezeichnung);
    const int hoechstens = regelwerk()->hoechsteSpezialgebietStufe();
    if (neu > hoechstens)
        return ablehnen(Grund::Obergrenze,
                        QStringLiteral("%1: höchstens %2 Punkte.").arg(name).arg(hoechstens));
    // The levels below 4 of a species' own area were never paid for.
    const int mindestens = s->bonusSpezialgebiet ? BasistypGebietStufe : 0;
    if (neu < mindestens)
        return ablehnen(Grund::UngueltigerWert,
                        QStringLiteral("%1: mindestens %2 Punkte.").arg(name).arg(mindestens));
    const int preisNeu = regelwerk()->spezialgebietKosten(neu);
    const int preisAlt = regelwerk()->spezialgebietKosten(s->Wert);
    if (preisAlt < 0)
        return ablehnen(Grund::UngueltigerWert,
                        QStringLiteral("%1: die gespeicherten Punkte liegen außerhalb der Kostentabelle.").arg(name));
    const int d = preisNeu - preisAlt;
    if (d < 0)
        epZurueckgeben(-d);
    else if (!epFuer(QStringLiteral("%1 auf %2 Punkte").arg(name).arg(neu), d))
        return false;
    s->Wert = neu;
    return annehmen();
}

bool Charakter::spezialgebietEntfernen(int i)
{
    Spezialgebiet* s = spezialgebiet(i);
    if (!s)
        return ablehnen(Grund::NichtsVorhanden, QStringLiteral("Entfernen: kein Spezialgebiet gewählt."));
    spezialgebietWertSetzen(i, s->bonusSpezialgebiet ? BasistypGebietStufe : 0);
    m_spezialgebiete.removeAt(i);
    delete s;
    return annehmen();
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

// Buys or sells n units of the good `name` at proEP units per EP. Buying is
// checked against the available EP first, then booked; selling needs the amount.
bool Charakter::bucheWare(const QString& name, int& menge, qint64 proEP, int n, bool kaufen,
                          qint64 obergrenze)
{
    const QString handlung =
        (kaufen ? QStringLiteral("%1 erhöhen") : QStringLiteral("%1 verringern")).arg(name);
    if (n < 1)
        return ablehnen(Grund::UngueltigerWert, QStringLiteral("%1: keine Menge.").arg(handlung));
    const qint64 einheiten = proEP * n;
    if (kaufen) {
        if (verfuegbareEP(true) < n)
            return ablehnen(Grund::ZuWenigEP, zuTeuer(handlung, n, QStringLiteral("EP"), verfuegbareEP(true)));
        if (menge + einheiten > obergrenze)
            return ablehnen(Grund::Obergrenze,
                            QStringLiteral("%1: höchstens %L2.").arg(handlung).arg(obergrenze));
        if (!epFuer(handlung, n))
            return false;
        menge += static_cast<int>(einheiten);
        return annehmen();
    }
    if (einheiten > menge)
        return ablehnen(Grund::NichtsVorhanden,
                        QStringLiteral("%1: weniger als %L2 vorhanden.").arg(handlung).arg(einheiten));
    menge -= static_cast<int>(einheiten);
    epZurueckgeben(n);
    return annehmen();
}

bool Charakter::bucheWertsache(const QString& name, int (CharakterWertsachen::*lesen)() const,
                               void (CharakterWertsachen::*setzen)(int), qint64 proEP, int n,
                               bool kaufen, qint64 obergrenze)
{
    int menge = (m_wertsachen->*lesen)();
    if (!bucheWare(name, menge, proEP, n, kaufen, obergrenze))
        return false;
    (m_wertsachen->*setzen)(menge);
    return true;
}

bool Charakter::kapitalKaufen(int n)
{
    return bucheWertsache(QStringLiteral("Start-Geld"), &CharakterWertsachen::kapital, &CharakterWertsachen::setzeKapital,
                          KapitalProEP, n, true, INT_MAX);
}

bool Charakter::kapitalVerkaufen(int n)
{
    return bucheWertsache(QStringLiteral("Start-Geld"), &CharakterWertsachen::kapital, &CharakterWertsachen::setzeKapital,
                          KapitalProEP, n, false, INT_MAX);
}

bool Charakter::schuldenKaufen(int n)
{
    return bucheWertsache(QStringLiteral("Schulden"), &CharakterWertsachen::schulden, &CharakterWertsachen::setzeSchulden,
                          SchuldenProEP, n, true, MaxSchulden);
}

bool Charakter::schuldenVerkaufen(int n)
{
    return bucheWertsache(QStringLiteral("Schulden"), &CharakterWertsachen::schulden, &CharakterWertsachen::setzeSchulden,
                          SchuldenProEP, n, false, MaxSchulden);
}

bool Charakter::cassiasKaufen(int n)
{
    if (!basistyp()->cassiasMoeglich)
        return ablehnen(Grund::NichtFuerSpezies,
                        QStringLiteral("Start-Cassias erhöhen: nicht für %1.").arg(speziesName()));
    return bucheWertsache(QStringLiteral("Start-Cassias"), &CharakterWertsachen::cassias, &CharakterWertsachen::setzeCassias,
                          CassiasProEP, n, true, INT_MAX);
}

bool Charakter::cassiasVerkaufen(int n)
{
    return bucheWertsache(QStringLiteral("Start-Cassias"), &CharakterWertsachen::cassias, &CharakterWertsachen::setzeCassias,
                          CassiasProEP, n, false, INT_MAX);
}

bool Charakter::ceptomyzinKaufen(int n)
{
    if (!basistyp()->ceptomyzinMoeglich)
        return ablehnen(Grund::NichtFuerSpezies,
                        QStringLiteral("Start-Ceptomyzin erhöhen: nicht für %1.").arg(speziesName()));
    return bucheWertsache(QStringLiteral("Start-Ceptomyzin"), &CharakterWertsachen::ceptomyzin, &CharakterWertsachen::setzeCeptomyzin,
                          CeptomyzinProEP, n, true, INT_MAX);
}

bool Charakter::ceptomyzinVerkaufen(int n)
{
    return bucheWertsache(QStringLiteral("Start-Ceptomyzin"), &CharakterWertsachen::ceptomyzin, &CharakterWertsachen::setzeCeptomyzin,
                          CeptomyzinProEP, n, false, INT_MAX);
}

bool Charakter::prestigeKaufen()
{
    return bucheWare(QStringLiteral("Prestige"), m_prestige, PrestigeProEP, 1, true, INT_MAX);
}

bool Charakter::prestigeVerkaufen()
{
    return bucheWare(QStringLiteral("Prestige"), m_prestige, PrestigeProEP, 1, false, INT_MAX);
}

bool Charakter::bonusKaufen()
{
    return bucheWare(QStringLiteral("Bonuspunkte"), m_bonuspunkte, BonuspunkteProEP, 1, true, INT_MAX);
}

bool Charakter::bonusVerkaufen()
{
    return bucheWare(QStringLiteral("Bonuspunkte"), m_bonuspunkte, BonuspunkteProEP, 1, false, INT_MAX);
}

// ---------------------------------------------------------------- check

QList<Charakter::Befund> Charakter::pruefung() const
{
    QList<Befund> befunde;
    const auto melde = [&befunde](Pruefpunkt punkt, int schritt, const QString& text,
                                  bool verstoss = true) {
        befunde.append(Befund{ punkt, schritt, text, verstoss });
    };
    const QString art = speziesName();
    const QString nichtFuer = QStringLiteral("nicht für %1").arg(art);

    // step 1: the height
    if (m_groesse < minGroesse() || m_groesse > maxGroesse()) {
        const QString bereich = minGroesse() == maxGroesse()
                                    ? QStringLiteral("%1 cm").arg(minGroesse())
                                    : QStringLiteral("%1 bis %2 cm").arg(minGroesse()).arg(maxGroesse());
        melde(Groesse, SchrittBasis,
              QStringLiteral("Größe %1 cm: %2 misst %3.").arg(m_groesse).arg(art, bereich));
    }

    // budgets below zero
    if (startEP(true) < 0)
        melde(StartEPUeberzogen, SchrittEigenschaften,
              QStringLiteral("Start-EP überzogen: %1 EP.").arg(startEP(true)));
    for (int p = SP; p <= MP; ++p) {
        if (punkte(p, Rest) < 0)
            melde(Pruefpunkt(SPUeberzogen + p), p == MP ? SchrittParanormik : SchrittAktionen,
                  QStringLiteral("%1 überzogen: %2 %1.").arg(punktName(p)).arg(punkte(p, Rest)));
    }

    // purchases the species cannot make
    if (!darfMPKaufen() && m_gekauft[MP] > 0)
        melde(GekaufteMP, SchrittParanormik,
              QStringLiteral("%1 gekaufte MP: %2.").arg(m_gekauft[MP]).arg(nichtFuer));
    if (!darfMPKaufen() && m_sensitiv)
        melde(Sensitivitaet, SchrittParanormik, QStringLiteral("Sensitiv: %1.").arg(nichtFuer));
    for (int e : { int(DE), int(AE) }) {
        if (!darfEnergieKaufen(e) && gekaufteEnergie(e) > 0)
            melde(e == DE ? GekaufteDE : GekaufteAE, SchrittDiverse,
                  QStringLiteral("%1 gekaufte %2: %3.").arg(gekaufteEnergie(e)).arg(energieName(e), nichtFuer));
    }
    if (!basistyp()->cassiasMoeglich && cassias() > 0)
        melde(StartCassias, SchrittDiverse,
              QStringLiteral("Start-Cassias %L1: %2.").arg(cassias()).arg(nichtFuer));
    if (!basistyp()->ceptomyzinMoeglich && ceptomyzin() > 0)
        melde(StartCeptomyzin, SchrittDiverse,
              QStringLiteral("Start-Ceptomyzin %L1: %2.").arg(ceptomyzin()).arg(nichtFuer));

    // points left unspent
    if (generieren() && startEP(true) > 0)
        melde(UngenutzteEP, SchrittEigenschaften,
              QStringLiteral("%1 Start-EP nicht ausgegeben.").arg(startEP(true)), false);
    for (int p = SP; p <= MP; ++p) {
        if (punkte(p, Rest) > 0)
            melde(Pruefpunkt(UngenutzteSP + p), p == MP ? SchrittParanormik : SchrittAktionen,
                  QStringLiteral("%1 %2 nicht ausgegeben.").arg(punkte(p, Rest)).arg(punktName(p)),
                  false);
    }
    return befunde;
}

bool Charakter::unpassendeKaeufeEntfernen()
{
    bool geaendert = false;
    const auto erstatte = [this, &geaendert](int ep) {
        epZurueckgeben(ep);
        geaendert = true;
    };
    if (!darfMPKaufen()) {
        if (m_gekauft[MP] > 0)
            erstatte(std::exchange(m_gekauft[MP], 0));
        if (m_sensitiv) {
            m_sensitiv = false;
            erstatte(1);
        }
    }
    if (!darfEnergieKaufen(DE) && m_gekaufteDE > 0)
        erstatte(std::exchange(m_gekaufteDE, 0));
    if (!darfEnergieKaufen(AE) && m_gekaufteAE > 0)
        erstatte(begrenzt(5 * qint64(std::exchange(m_gekaufteAE, 0))));
    if (!basistyp()->cassiasMoeglich && cassias() > 0) {
        erstatte(cassias() / CassiasProEP);
        m_wertsachen->setzeCassias(0);
    }
    if (!basistyp()->ceptomyzinMoeglich && ceptomyzin() > 0) {
        erstatte(ceptomyzin() / CeptomyzinProEP);
        m_wertsachen->setzeCeptomyzin(0);
    }
    return geaendert;
}

bool Charakter::budgetsAusgleichen()
{
    bool geaendert = false;
    // Repeats one taking back while the budget is short and it succeeds.
    const auto solange = [&geaendert](const std::function<bool()>& knapp,
                                      const std::function<bool()>& zuruecknehmen) {
        while (knapp() && zuruecknehmen())
            geaendert = true;
    };
    for (int p = SP; p <= MP; ++p) {
        const auto knapp = [this, p] { return punkte(p, Rest) < 0; };
        if (p == MP)
            solange(knapp, [this] { return energieVerkaufen(PNE); });
        solange(knapp, [this, p] { return aktionEntfernen(p, anzahlAktionen(p) - 1); });
    }
    if (!generieren())
        return geaendert;
    // The start EP: the purchases of the later steps first.
    const auto knapp = [this] { return startEP(true) < 0; };
    const std::function<bool()> rueckgaben[] = {
        [this] { return bonusVerkaufen(); },
        [this] { return prestigeVerkaufen(); },
        [this] { return schuldenVerkaufen(1); },
        [this] { return kapitalVerkaufen(1); },
        [this] { return ceptomyzinVerkaufen(1); },
        [this] { return cassiasVerkaufen(1); },
        [this] { return energieVerkaufen(AE); },
        [this] { return energieVerkaufen(DE); },
        [this] { return punktVerkaufen(MP); },
        [this] { return sensitivSetzen(false); },
        [this] { return punktVerkaufen(TP); },
        [this] { return punktVerkaufen(SP); },
        [this] {
            for (int i = anzahlSpezialgebiete() - 1; i >= 0; --i) {
                if (!spezialgebiet(i)->bonusSpezialgebiet)
                    return spezialgebietEntfernen(i);
            }
            return false;
        },
        [this] {
            // the dearest raise: the attribute raised most
            int e = 0;
            for (int i = 1; i < AnzahlEigenschaften; ++i) {
                if (eigenschaftPunkte(i) > eigenschaftPunkte(e))
                    e = i;
            }
            return eigenschaftSenken(e);
        },
    };
    for (const auto& zuruecknehmen : rueckgaben)
        solange(knapp, zuruecknehmen);
    return geaendert;
}

bool Charakter::bereinigen()
{
    bool geaendert = false;
    {
        // One change, one announcement.
        const QSignalBlocker sperre(this);
        geaendert = unpassendeKaeufeEntfernen();
        geaendert = budgetsAusgleichen() || geaendert;
    }
    if (!geaendert)
        return ablehnen(Grund::NichtsVorhanden, QStringLiteral("Bereinigen: es gibt nichts zu bereinigen."));
    annehmen();
    emit signalAktionspunkteUpdate();
    return true;
}
