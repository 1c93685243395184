#include "charaktertext.h"

#include "aktion.h"
#include "basistypus.h"
#include "charakter.h"
#include "regelwerk.h"
#include "spezialgebiet.h"

#include <QDate>

namespace {

QString zahl(int wert)
{
    return QString::number(wert);
}

// Remainder and total of a point kind: "12/30".
QString restUndGesamt(const Charakter* c, int art)
{
    return zahl(c->punkte(art, CharakterBasis::Rest)) + u'/'
           + zahl(c->punkte(art, CharakterBasis::Gesamt));
}

} // namespace

QString CharakterText::bogen(Charakter* c)
{
    const Regelwerk* regeln = c->regelwerk();
    const Basistypus* typ = c->basistyp();
    QString t;

    // Header with the point budgets.
    t += QStringLiteral("Charakter: ") + c->text(CharakterBasis::Name) + u'\n';
    t += QStringLiteral("Start-EP: ") + zahl(c->startEP(true)) + u'/' + zahl(c->startEP(false)) + u'\n';
    t += QStringLiteral("TP: ") + restUndGesamt(c, CharakterBasis::TP)
         + QStringLiteral(" \tSP: ") + restUndGesamt(c, CharakterBasis::SP)
         + QStringLiteral(" \tMP: ") + restUndGesamt(c, CharakterBasis::MP) + u'\n';
    t += QStringLiteral("ASP: 0/") + zahl(typ->asp)
         + QStringLiteral("  \tMSP: 0/") + zahl(typ->msp)
         + QStringLiteral("  \tKSP: 0/") + zahl(typ->ksp) + QStringLiteral("\n\n");

    // Personal data.
    t += QStringLiteral("--- BASISDATEN ---\n");
    t += QStringLiteral("Typ: ") + typ->name + u'\n';
    t += QStringLiteral("Merkmale: ") + typ->merkmale + u'\n';
    t += QStringLiteral("Hautschutz: ") + zahl(typ->hautschutz) + u'\n';
    t += c->sensitiv() ? QStringLiteral("sensitiv\n") : QStringLiteral("nicht sensitiv\n");
    t += QStringLiteral("Reich: ") + c->text(CharakterBasis::Reich) + u'\n';
    t += QStringLiteral("Heimatplanet: ") + c->text(CharakterBasis::Heimatplanet) + u'\n';
    t += QStringLiteral("Geburtsdatum: ") + c->geburtsdatum().toString(QStringLiteral("dd.MM.yyyy"))
         + QStringLiteral("\n\n");
    t += QStringLiteral("Größe: ") + zahl(c->groesse()) + QStringLiteral("cm    \tGewicht: ")
         + zahl(c->gewicht()) + QStringLiteral("kg\n");
    t += QStringLiteral("Haarfarbe: ") + c->text(CharakterBasis::Haarfarbe)
         + QStringLiteral(" \tHautfarbe: ") + c->text(CharakterBasis::Hautfarbe)
         + QStringLiteral(" \tAugenfarbe: ") + c->text(CharakterBasis::Augenfarbe) + u'\n';
    t += c->text(CharakterBasis::AussehenSonstiges) + QStringLiteral("\n\n");

    t += QStringLiteral("--- GESCHICHTE ---\n");
    t += QStringLiteral("Kindheit: ") + c->text(CharakterBasis::Kindheit) + u'\n';
    t += QStringLiteral("Erziehung: ") + c->text(CharakterBasis::Erziehung) + u'\n';
    t += QStringLiteral("Beruf: ") + c->text(CharakterBasis::Beruf) + u'\n';
    t += QStringLiteral("Werdegang: ") + c->text(CharakterBasis::Werdegang)
         + QStringLiteral("\n\n");

    t += QStringLiteral("--- CHARAKTER ---\n");
    t += QStringLiteral("Grundcharakter: ") + c->text(CharakterBasis::Grundcharakter) + u'\n';
    t += QStringLiteral("Charakterzüge: ") + c->text(CharakterBasis::Charakterzuege) + u'\n';
    t += QStringLiteral("Umfeld: ") + c->text(CharakterBasis::Umfeld) + u'\n';
    t += QStringLiteral("Hobbies: ") + c->text(CharakterBasis::Hobbies) + u'\n';
    t += QStringLiteral("Titel: ") + c->text(CharakterBasis::Titel) + u'\n';
    t += QStringLiteral("Beziehungen: \n") + c->text(CharakterBasis::Beziehungen)
         + QStringLiteral("\n\n");

    static const char* const eigenschaften[] = {
        "Mut: ", "  Intelligenz: ", "  Wissen: ", "  Instinkt: ", "  Emotionen: ", "  Kraft: ",
        "  Koerperbhg: ", "  Handgeschick: ", "  Sinne: ", "  Kondition: ", "  Ausstrahlung: "
    };
    t += QStringLiteral("--- EIGENSCHAFTEN ---\n");
    for (int e = 0; e < Regelwerk::AnzahlEigenschaften; ++e)
        t += QString::fromLatin1(eigenschaften[e]) + zahl(c->eigenschaft(e));
    t += QStringLiteral("\n\n");

    static const char* const energien[] = { "LE: ", "  PE: ", "  PNE: ", "  DE: ", "  AE: " };
    t += QStringLiteral("--- ENERGIEN ---\n");
    for (int e = CharakterBasis::LE; e <= CharakterBasis::AE; ++e)
        t += QString::fromLatin1(energien[e]) + zahl(c->energie(e, CharakterBasis::Gesamt));
    t += QStringLiteral("\n\n");

    // Derived values, knowledge areas, special areas, actions, goods.
    t += QStringLiteral("Initiative: ") + zahl(c->initiative()) + u'\n';
    t += QStringLiteral("Std.Bewegung: %L1").arg(c->standardbewegung(), 0, 'g', 6) + QStringLiteral("\n\n");

    static const char* const kenntnisse[] = {
        "Vita: ", "  Akademik: ", "  Technik: ", "  Paranormik: ", "  Transportmittel: ",
        "  Handwerk & Kunst: ", "  Beeinfl.& Verh.: ", "  Kognition: ", "  Athletik: ", "  Kampf: "
    };
    t += QStringLiteral("--- KENNTNISSE ---\n");
    for (int k = 0; k < Regelwerk::AnzahlKenntnisse; ++k)
        t += QString::fromLatin1(kenntnisse[k]) + zahl(c->kenntnis(k));
    t += QStringLiteral("\n\n");

    t += QStringLiteral("--- SPEZIALGEBIETE ---\n");
    if (!c->benutztSpezis()) {
        t += QStringLiteral("ohne Spezialgebiete\n\n");
    } else {
        for (int i = 0; i < c->anzahlSpezialgebiete(); ++i) {
            const Spezialgebiet* s = c->spezialgebiet(i);
            if (!s)
                continue;
            t += s->Bezeichnung + QStringLiteral(" (") + regeln->kenntnisName(s->Kenntnis)
                 + QStringLiteral(", ") + zahl(s->Bonus) + QStringLiteral(") ") + zahl(s->Wert) + u'\n';
        }
        t += u'\n';
    }

    t += QStringLiteral("--- AKTIONEN ---\n");
    for (int art = 0; art < Aktion::AnzahlArten; ++art) {
        for (int i = 0; i < c->anzahlAktionen(art); ++i) {
            const Aktion* a = c->aktion(art, i);
            if (!a)
                continue;
            t += a->Bezeichnung + QStringLiteral(" (") + regeln->kenntnisName(a->Kenntnis)
                 + QStringLiteral(", ") + regeln->spezialisierungName(a->Spezialisierung)
                 + QStringLiteral(") ") + zahl(a->Befaehigung) + u'\n';
        }
    }
    t += u'\n';

    t += QStringLiteral("--- STARTDINGE ---\n");
    t += QStringLiteral("Kapital (St): \t") + zahl(c->kapital()) + u'\n';
    t += QStringLiteral("Schulden (St): \t") + zahl(c->schulden()) + u'\n';
    t += QStringLiteral("Cassias: \t") + zahl(c->cassias()) + u'\n';
    t += QStringLiteral("Ceptomyzin: \t") + zahl(c->ceptomyzin()) + u'\n';
    t += QStringLiteral("Bonuspunkte: \t") + zahl(c->bonuspunkte()) + u'\n';
    t += QStringLiteral("Prestige: \t") + zahl(c->prestige()) + u'\n';
    return t;
}
