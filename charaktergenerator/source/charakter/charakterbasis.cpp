#include "charakterbasis.h"

#include <climits>
#include <cmath>
#include <cstdlib>

#include "basistypus.h"
#include "regelwerk.h"

namespace {
const QDate StandardGeburtsdatum(2650, 1, 1);

bool gueltigeArt(int art)
{
    return art >= CharakterBasis::SP && art <= CharakterBasis::MP;
}

// What a unit of bought DE (1 EP) or AE (5 EP) costs.
int epProEinheit(int art)
{
    return art == CharakterBasis::DE ? 1 : 5;
}
} // namespace

// Counters come from files that may have been edited by hand, so any stored
// number can be extreme. Sums are formed in 64 bits and brought back into the
// range of int, so that no value ever wraps around.
int CharakterBasis::begrenzt(qint64 wert)
{
    if (wert > INT_MAX)
        return INT_MAX;
    if (wert < INT_MIN)
        return INT_MIN;
    return static_cast<int>(wert);
}

CharakterBasis::CharakterBasis(Regelwerk* regelwerk, QObject* parent)
    : QObject(parent)
    , m_regelwerk(regelwerk)
    , m_geburtsdatum(StandardGeburtsdatum)
{
}

CharakterBasis::~CharakterBasis() = default;

int CharakterBasis::runden(double wert)
{
    const double r = wert + 0.5;
    if (std::isnan(r))
        return 0;
    if (r >= static_cast<double>(INT_MAX))
        return INT_MAX;
    if (r <= static_cast<double>(INT_MIN))
        return INT_MIN;
    return static_cast<int>(r);
}

Regelwerk* CharakterBasis::regelwerk() const { return m_regelwerk; }

// ---------------------------------------------------------------- reasons

CharakterBasis::Grund CharakterBasis::letzterGrund() const { return m_grund; }
QString CharakterBasis::letzterGrundText() const { return m_grundText; }

bool CharakterBasis::ablehnen(Grund grund, const QString& text)
{
    m_grund = grund;
    m_grundText = text;
    return false;
}

bool CharakterBasis::annehmen()
{
    m_grund = Grund::Keiner;
    m_grundText.clear();
    return true;
}

QString CharakterBasis::punktName(int art)
{
    switch (art) {
    case SP: return QStringLiteral("SP");
    case TP: return QStringLiteral("TP");
    default: return QStringLiteral("MP");
    }
}

QString CharakterBasis::zuTeuer(const QString& handlung, int preis, const QString& einheit,
                                int rest) const
{
    return QStringLiteral("%1: kostet %2 %3, übrig sind %4 %3.").arg(handlung).arg(preis).arg(einheit).arg(rest);
}

bool CharakterBasis::epFuer(const QString& handlung, int n)
{
    if (epAusgeben(n))
        return true;
    if (!m_generieren && n >= 0)
        return ablehnen(Grund::ZuWenigEP,
                        QStringLiteral("%1: höchstens %2 EP auf einmal.").arg(handlung).arg(MaxEPNachGenerierung));
    return ablehnen(Grund::ZuWenigEP, zuTeuer(handlung, n, QStringLiteral("EP"), verfuegbareEP(true)));
}

QString CharakterBasis::speziesName() const
{
    return basistyp()->name;
}

bool CharakterBasis::darfMPKaufen() const
{
    return basistyp()->mpKaufbar;
}

bool CharakterBasis::darfEnergieKaufen(int art) const
{
    switch (art) {
    case PNE: return true;
    case DE: return basistyp()->startDE != 0;
    case AE: return basistyp()->startAE != 0;
    default: return false;
    }
}

// ---------------------------------------------------------------- accessors

bool CharakterBasis::generieren() const { return m_generieren; }
void CharakterBasis::setzeGenerieren(bool an) { m_generieren = an; }
bool CharakterBasis::benutztSpezis() const { return m_benutztSpezis; }
void CharakterBasis::setzeBenutztSpezis(bool an) { m_benutztSpezis = an; }

int CharakterBasis::basistypusIndex() const { return m_basistypusIndex; }

const Basistypus* CharakterBasis::setzeBasistypus(int index)
{
    m_basistypusIndex = index;
    return basistyp();
}

const Basistypus* CharakterBasis::basistyp() const
{
    return m_regelwerk->basistyp(m_basistypusIndex);
}

int CharakterBasis::groesse() const { return m_groesse; }
void CharakterBasis::setzeGroesse(int cm) { m_groesse = cm; }
int CharakterBasis::gewicht() const { return m_gewicht; }
void CharakterBasis::setzeGewicht(int kg) { m_gewicht = kg; }
QDate CharakterBasis::geburtsdatum() const { return m_geburtsdatum; }
void CharakterBasis::setzeGeburtsdatum(const QDate& datum) { m_geburtsdatum = datum; }
bool CharakterBasis::sensitiv() const { return m_sensitiv; }
void CharakterBasis::setzeSensitiv(bool an) { m_sensitiv = an; }

QString CharakterBasis::text(int nummer) const
{
    if (nummer < 0 || nummer >= AnzahlTexte)
        return QString();
    return m_texte[nummer];
}

void CharakterBasis::setzeText(int nummer, const QString& text)
{
    if (nummer < 0 || nummer >= AnzahlTexte)
        return;
    m_texte[nummer] = text;
}

int CharakterBasis::eigenschaftPunkte(int e) const
{
    if (e < 0 || e >= AnzahlEigenschaften)
        return 0;
    return m_eigenschaftPunkte[e];
}

void CharakterBasis::setzeEigenschaftPunkte(int e, int n)
{
    if (e < 0 || e >= AnzahlEigenschaften)
        return;
    m_eigenschaftPunkte[e] = n;
}

void CharakterBasis::addiereEigenschaftPunkte(int e, int d)
{
    if (e < 0 || e >= AnzahlEigenschaften)
        return;
    m_eigenschaftPunkte[e] = begrenzt(qint64(m_eigenschaftPunkte[e]) + d);
}

int CharakterBasis::gekaufteEnergie(int art) const
{
    switch (art) {
    case PNE: return m_gekauftePNE;
    case DE: return m_gekaufteDE;
    case AE: return m_gekaufteAE;
    default: return 0;
    }
}

bool CharakterBasis::setzeGekaufteEnergie(int art, int n)
{
    switch (art) {
    case PNE: m_gekauftePNE = n; return true;
    case DE: m_gekaufteDE = n; return true;
    case AE: m_gekaufteAE = n; return true;
    default: return false;
    }
}

bool CharakterBasis::addiereGekaufteEnergie(int art, int d)
{
    switch (art) {
    case PNE: m_gekauftePNE = begrenzt(qint64(m_gekauftePNE) + d); return true;
    case DE: m_gekaufteDE = begrenzt(qint64(m_gekaufteDE) + d); return true;
    case AE: m_gekaufteAE = begrenzt(qint64(m_gekaufteAE) + d); return true;
    default: return false;
    }
}

int* CharakterBasis::punktZaehler(int art, int spalte)
{
    if (!gueltigeArt(art))
        return nullptr;
    switch (spalte) {
    case Gekauft: return &m_gekauft[art];
    case Erspielt: return &m_erspielt[art];
    case Genutzt: return &m_genutzt[art];
    default: return nullptr;
    }
}

const int* CharakterBasis::punktZaehler(int art, int spalte) const
{
    return const_cast<CharakterBasis*>(this)->punktZaehler(art, spalte);
}

void CharakterBasis::addierePunkte(int art, int spalte, int d)
{
    if (int* z = punktZaehler(art, spalte))
        *z = begrenzt(qint64(*z) + d);
}

void CharakterBasis::setzePunkte(int art, int spalte, int n)
{
    if (int* z = punktZaehler(art, spalte))
        *z = n;
}

int CharakterBasis::genutzteStartEP() const { return m_genutzteStartEP; }
void CharakterBasis::setzeGenutzteStartEP(int n) { m_genutzteStartEP = n; }
int CharakterBasis::genutzteEP() const { return m_genutzteEP; }
void CharakterBasis::setzeGenutzteEP(int n) { m_genutzteEP = n; }

// ---------------------------------------------------------------- EP accounts

int CharakterBasis::startEP(bool rest) const
{
    qint64 ep = basistyp()->startEP;
    if (m_benutztSpezis)
        ep += ModulStartEP;
    if (rest)
        ep -= m_genutzteStartEP;
    return begrenzt(ep);
}

int CharakterBasis::verfuegbareEP(bool rest) const
{
    if (m_generieren)
        return startEP(rest);
    return rest ? MaxEPNachGenerierung : m_genutzteEP;
}

bool CharakterBasis::epAusgeben(int n)
{
    if (n < 0)
        return ablehnen(Grund::UngueltigerWert, QStringLiteral("EP ausgeben: %1 ist kein Preis.").arg(n));
    if (m_generieren) {
        if (n > startEP(true) || m_genutzteStartEP > INT_MAX - n)
            return ablehnen(Grund::ZuWenigEP, zuTeuer(QStringLiteral("EP ausgeben"), n,
                                                       QStringLiteral("EP"), startEP(true)));
        m_genutzteStartEP += n;
    } else {
        if (n > MaxEPNachGenerierung || m_genutzteEP > INT_MAX - n)
            return ablehnen(Grund::ZuWenigEP, QStringLiteral("EP ausgeben: höchstens %1 EP auf einmal.")
                                                  .arg(MaxEPNachGenerierung));
        m_genutzteEP += n;
    }
    return annehmen();
}

bool CharakterBasis::epZurueckgeben(int n)
{
    if (m_generieren)
        m_genutzteStartEP = begrenzt(qint64(m_genutzteStartEP) - n);
    else
        m_genutzteEP = begrenzt(qint64(m_genutzteEP) - n);
    return annehmen();
}

bool CharakterBasis::epVerrechnen(int d)
{
    if (d == INT_MIN)
        return ablehnen(Grund::UngueltigerWert, QStringLiteral("EP ausgeben: %1 ist kein Preis.").arg(d));
    if (d < 0)
        return epAusgeben(-d);
    return epZurueckgeben(d);
}

// ---------------------------------------------------------------- point kinds

int CharakterBasis::punkte(int art, int spalte) const
{
    if (!gueltigeArt(art))
        return -1;
    const Basistypus* b = basistyp();
    const int start = art == SP ? b->startSP : (art == TP ? b->startTP : b->startMP);
    const qint64 gesamt = qint64(start) + m_gekauft[art] + m_erspielt[art];
    switch (spalte) {
    case Start: return start;
    case Gekauft: return m_gekauft[art];
    case Erspielt: return m_erspielt[art];
    case Gesamt: return begrenzt(gesamt);
    case Genutzt: return m_genutzt[art];
    case Rest: return begrenzt(gesamt - m_genutzt[art]);
    default: return -1;
    }
}

bool CharakterBasis::punktKaufen(int art)
{
    if (!gueltigeArt(art))
        return ablehnen(Grund::UngueltigerWert, QStringLiteral("Punkte kaufen: unbekannte Punktart."));
    const QString handlung = QStringLiteral("%1 kaufen").arg(punktName(art));
    if (art == MP && !darfMPKaufen())
        return ablehnen(Grund::NichtFuerSpezies,
                        QStringLiteral("%1: nicht für %2.").arg(handlung, speziesName()));
    const int menge = art == SP ? 2 : 1;
    if (m_gekauft[art] > INT_MAX - menge)
        return ablehnen(Grund::Obergrenze, QStringLiteral("%1: keine weiteren möglich.").arg(handlung));
    if (!epFuer(handlung, 1))
        return false;
    m_gekauft[art] += menge;
    return annehmen();
}

bool CharakterBasis::punktVerkaufen(int art)
{
    if (!gueltigeArt(art))
        return ablehnen(Grund::UngueltigerWert, QStringLiteral("Punkte verkaufen: unbekannte Punktart."));
    const QString handlung = QStringLiteral("%1 verkaufen").arg(punktName(art));
    const int menge = art == SP ? 2 : 1;
    if (m_gekauft[art] < menge)
        return ablehnen(Grund::NichtsVorhanden,
                        QStringLiteral("%1: keine gekauften %2 mehr.").arg(handlung, punktName(art)));
    // Points already spent on actions cannot be turned back into EP.
    if (punkte(art, Rest) < menge)
        return ablehnen(Grund::ZuWenigPunkte,
                        QStringLiteral("%1: die %2 sind schon ausgegeben (übrig sind %3 %2).")
                            .arg(handlung, punktName(art))
                            .arg(punkte(art, Rest)));
    m_gekauft[art] -= menge;
    epZurueckgeben(1);
    return annehmen();
}

// ---------------------------------------------------------------- attributes

int CharakterBasis::eigenschaft(int e) const
{
    if (e < 0 || e >= AnzahlEigenschaften)
        return 0;
    return begrenzt(qint64(basistyp()->startwerte[e]) + m_eigenschaftPunkte[e]);
}

bool CharakterBasis::eigenschaftSteigern(int e)
{
    if (e < 0 || e >= AnzahlEigenschaften)
        return ablehnen(Grund::UngueltigerWert, QStringLiteral("Steigern: unbekannte Eigenschaft."));
    const QString handlung = QStringLiteral("%1 steigern").arg(Regelwerk::eigenschaftName(e));
    const int preis = m_regelwerk->steigerungsKosten(m_eigenschaftPunkte[e]);
    if (preis < 0)
        return ablehnen(Grund::Obergrenze, QStringLiteral("%1: höchstens %2 Steigerungen.")
                                               .arg(handlung)
                                               .arg(m_regelwerk->anzahlSteigerungen()));
    if (!epFuer(handlung, preis))
        return false;
    m_eigenschaftPunkte[e] += 1;
    return annehmen();
}

bool CharakterBasis::eigenschaftSenken(int e)
{
    if (e < 0 || e >= AnzahlEigenschaften)
        return ablehnen(Grund::UngueltigerWert, QStringLiteral("Senken: unbekannte Eigenschaft."));
    const QString handlung = QStringLiteral("%1 senken").arg(Regelwerk::eigenschaftName(e));
    // Only a raise that was bought (and has a price in the table) can be sold back.
    if (m_eigenschaftPunkte[e] < 1)
        return ablehnen(Grund::NichtsVorhanden, QStringLiteral("%1: keine Steigerung zum Zurücknehmen.").arg(handlung));
    const int preis = m_regelwerk->steigerungsKosten(m_eigenschaftPunkte[e] - 1);
    if (preis < 0)
        return ablehnen(Grund::UngueltigerWert, QStringLiteral("%1: die Steigerungen liegen außerhalb der Kostentabelle.").arg(handlung));
    epZurueckgeben(preis);
    m_eigenschaftPunkte[e] -= 1;
    return annehmen();
}

// ---------------------------------------------------------------- derived values

int CharakterBasis::kenntnis(int k) const
{
    const int e1 = Regelwerk::kenntnisEigenschaft1(k);
    const int e2 = Regelwerk::kenntnisEigenschaft2(k);
    if (e1 < 0 || e2 < 0)
        return 0;
    const double teiler = m_benutztSpezis ? 4.0 : 2.0;
    return runden((double(eigenschaft(e1)) + eigenschaft(e2)) / teiler);
}

int CharakterBasis::initiative() const
{
    const double summe = double(eigenschaft(Regelwerk::Mut)) + eigenschaft(Regelwerk::Instinkt)
                         + eigenschaft(Regelwerk::Sinne);
    return runden(summe / 3.0);
}

double CharakterBasis::standardbewegung() const
{
    return eigenschaft(Regelwerk::Koerperbeherrschung) / 5.0;
}

int CharakterBasis::energie(int art, int spalte) const
{
    if (art < LE || art > AE)
        return 0;
    if (spalte != Start && spalte != Gekauft && spalte != Gesamt)
        return -1;
    const Basistypus* b = basistyp();
    switch (art) {
    case LE:
    case PE: {
        if (spalte != Gesamt)
            return 0;
        if (art == LE) {
            const double summe = 2.0 * eigenschaft(Regelwerk::Kraft)
                                 + 3.0 * eigenschaft(Regelwerk::Kondition);
            return runden(summe / static_cast<double>(b->physisFaktor));
        }
        const double summe = double(eigenschaft(Regelwerk::Intelligenz))
                             + eigenschaft(Regelwerk::Mut) + 3.0 * eigenschaft(Regelwerk::Emotionen);
        return runden(summe / static_cast<double>(b->psycheFaktor));
    }
    case PNE:
        return spalte == Start ? 0 : m_gekauftePNE;
    case DE:
        if (spalte == Start)
            return b->startDE;
        return spalte == Gekauft ? m_gekaufteDE : begrenzt(qint64(b->startDE) + m_gekaufteDE);
    default: // AE
        if (spalte == Start)
            return b->startAE;
        return spalte == Gekauft ? m_gekaufteAE : begrenzt(qint64(b->startAE) + m_gekaufteAE);
    }
}

int CharakterBasis::asp(bool rest) const { return rest ? 0 : basistyp()->asp; }
int CharakterBasis::msp(bool rest) const { return rest ? 0 : basistyp()->msp; }
int CharakterBasis::ksp(bool rest) const { return rest ? 0 : basistyp()->ksp; }

// ---------------------------------------------------------------- paranormal purchases, energies

bool CharakterBasis::sensitivSetzen(bool an)
{
    if (an) {
        const QString handlung = QStringLiteral("Sensitiv");
        // Sensitivity is one flag: it is paid once.
        if (m_sensitiv)
            return ablehnen(Grund::SchonVorhanden, QStringLiteral("Der Charakter ist schon sensitiv."));
        if (!darfMPKaufen())
            return ablehnen(Grund::NichtFuerSpezies, QStringLiteral("%1: nicht für %2.").arg(handlung, speziesName()));
        if (verfuegbareEP(true) <= 0)
            return ablehnen(Grund::ZuWenigEP, zuTeuer(handlung, 1, QStringLiteral("EP"), verfuegbareEP(true)));
        if (!epFuer(handlung, 1))
            return false;
        m_sensitiv = true;
        return annehmen();
    }
    if (!m_sensitiv)
        return ablehnen(Grund::NichtsVorhanden, QStringLiteral("Der Charakter ist nicht sensitiv."));
    m_sensitiv = false;
    epZurueckgeben(1);
    return annehmen();
}

QString CharakterBasis::energieName(int art)
{
    static const char* const namen[] = { "LE", "PE", "PNE", "DE", "AE" };
    return art >= LE && art <= AE ? QString::fromLatin1(namen[art]) : QStringLiteral("Energie");
}

bool CharakterBasis::energieKaufen(int art)
{
    const QString handlung = QStringLiteral("%1 kaufen").arg(energieName(art));
    switch (art) {
    case PNE:
        if (punkte(MP, Rest) <= 0)
            return ablehnen(Grund::ZuWenigPunkte, zuTeuer(handlung, 1, QStringLiteral("MP"), punkte(MP, Rest)));
        if (m_gekauftePNE == INT_MAX || m_genutzt[MP] == INT_MAX)
            return ablehnen(Grund::Obergrenze, QStringLiteral("%1: keine weitere möglich.").arg(handlung));
        m_gekauftePNE += 1;
        m_genutzt[MP] += 1;
        return annehmen();
    case DE:
    case AE: {
        int& gekauft = art == DE ? m_gekaufteDE : m_gekaufteAE;
        const int ep = epProEinheit(art);
        if (!darfEnergieKaufen(art))
            return ablehnen(Grund::NichtFuerSpezies, QStringLiteral("%1: nicht für %2.").arg(handlung, speziesName()));
        if (gekauft == INT_MAX)
            return ablehnen(Grund::Obergrenze, QStringLiteral("%1: keine weitere möglich.").arg(handlung));
        if (verfuegbareEP(true) < ep)
            return ablehnen(Grund::ZuWenigEP, zuTeuer(handlung, ep, QStringLiteral("EP"), verfuegbareEP(true)));
        if (!epFuer(handlung, ep))
            return false;
        gekauft += 1;
        return annehmen();
    }
    default:
        return ablehnen(Grund::UngueltigerWert, QStringLiteral("%1: nicht käuflich.").arg(handlung));
    }
}

bool CharakterBasis::energieVerkaufen(int art)
{
    const QString handlung = QStringLiteral("%1 verkaufen").arg(energieName(art));
    const QString nichts = QStringLiteral("%1: keine gekaufte %2 mehr.").arg(handlung, energieName(art));
    switch (art) {
    case PNE:
        if (m_gekauftePNE <= 0 || m_genutzt[MP] == INT_MIN)
            return ablehnen(Grund::NichtsVorhanden, nichts);
        m_gekauftePNE -= 1;
        m_genutzt[MP] -= 1;
        return annehmen();
    case DE:
    case AE: {
        int& gekauft = art == DE ? m_gekaufteDE : m_gekaufteAE;
        if (gekauft <= 0)
            return ablehnen(Grund::NichtsVorhanden, nichts);
        gekauft -= 1;
        epZurueckgeben(epProEinheit(art));
        return annehmen();
    }
    default:
        return ablehnen(Grund::UngueltigerWert, QStringLiteral("%1: nicht käuflich.").arg(handlung));
    }
}

// ---------------------------------------------------------------- height and weight

int CharakterBasis::zufallsGroesse() const
{
    const Basistypus* b = basistyp();
    int groesse = b->grundgroesse;
    for (int i = 0; i < b->groessenWuerfel; ++i)
        groesse += std::rand() % 6 + 1;
    return groesse;
}

int CharakterBasis::minGroesse() const
{
    return begrenzt(qint64(basistyp()->grundgroesse) + basistyp()->groessenWuerfel);
}

int CharakterBasis::maxGroesse() const
{
    return begrenzt(qint64(basistyp()->grundgroesse) + 6 * qint64(basistyp()->groessenWuerfel));
}

int CharakterBasis::normalGewicht() const
{
    return begrenzt(qint64(m_groesse) - basistyp()->gewichtsAbzug);
}

// ---------------------------------------------------------------- reset

void CharakterBasis::zuruecksetzen()
{
    for (QString& t : m_texte)
        t.clear();
    m_geburtsdatum = StandardGeburtsdatum;
    m_sensitiv = false;
    m_basistypusIndex = 0;
    m_groesse = 0;
    m_gewicht = 0;
    m_genutzteStartEP = 0;
    m_genutzteEP = 0;
    for (int art = 0; art < AnzahlPunktarten; ++art) {
        m_genutzt[art] = 0;
        m_gekauft[art] = 0;
        m_erspielt[art] = 0;
    }
    m_gekauftePNE = 0;
    m_gekaufteDE = 0;
    m_gekaufteAE = 0;
    for (int& p : m_eigenschaftPunkte)
        p = 0;
    m_generieren = true;
    annehmen();
}
