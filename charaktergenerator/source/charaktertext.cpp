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

} // namespace

QString CharakterText::bogen(Charakter* c)
{
    const Regelwerk* regeln = c->regelwerk();
    const Basistypus* typ = c->basistyp();
    QString t;

    // Header with the point budgets.
    t += QStringLiteral("Charakter: ") + c->text(0) + u'\n';
    t += QStringLiteral("Start-EP: ") + zahl(c->startEP(true)) + u'/' + zahl(c->startEP(false)) + u'\n';
    t += QStringLiteral("TP: ") + zahl(c->punkte(1, 5)) + u'/' + zahl(c->punkte(1, 3))
         + QStringLiteral(" \tSP: ") + zahl(c->punkte(0, 5)) + u'/' + zahl(c->punkte(0, 3))
         + QStringLiteral(" \tMP: ") + zahl(c->punkte(2, 5)) + u'/' + zahl(c->punkte(2, 3)) + u'\n';
    t += QStringLiteral("ASP: 0/") + zahl(typ->asp)
         + QStringLiteral("  \tMSP: 0/") + zahl(typ->msp)
         + QStringLiteral("  \tKSP: 0/") + zahl(typ->ksp) + QStringLiteral("\n\n");

    // Personal data.
    t += QStringLiteral("--- BASISDATEN ---\n");
    t += QStringLiteral("Typ: ") + typ->name + u'\n';
    t += QStringLiteral("Merkmale: ") + typ->merkmale + u'\n';
    t += QStringLiteral("Hautschutz: ") + zahl(typ->hautschutz) + u'\n';
    t += c->sensitiv() ? QStringLiteral("sensitiv\n") : QStringLiteral("nicht sensitiv\n");
    t += QStringLiteral("Reich: ") + c->text(1) + u'\n';
    t += QStringLiteral("Heimatplanet: ") + c->text(2) + u'\n';
    t += QStringLiteral("Geburtsdatum: ") + c->geburtsdatum().toString(QStringLiteral("dd.MM.yyyy"))
         + QStringLiteral("\n\n");
    t += QStringLiteral("Größe: ") + zahl(c->groesse()) + QStringLiteral("cm    \tGewicht: ")
         + zahl(c->gewicht()) + QStringLiteral("kg\n");
    t += QStringLiteral("Haarfarbe: ") + c->text(3) + QStringLiteral(" \tHautfarbe: ") + c->text(4)
         + QStringLiteral(" \tAugenfarbe: ") + c->text(5) + u'\n';
    t += c->text(6) + QStringLiteral("\n\n");

    t += QStringLiteral("--- GESCHICHTE ---\n");
    t += QStringLiteral("Kindheit: ") + c->text(7) + u'\n';
    t += QStringLiteral("Erziehung: ") + c->text(8) + u'\n';
    t += QStringLiteral("Beruf: ") + c->text(9) + u'\n';
    t += QStringLiteral("Werdegang: ") + c->text(10) + QStringLiteral("\n\n");

    t += QStringLiteral("--- CHARAKTER ---\n");
    t += QStringLiteral("Grundcharakter: ") + c->text(11) + u'\n';
    t += QStringLiteral("Charakterzüge: ") + c->text(12) + u'\n';
    t += QStringLiteral("Umfeld: ") + c->text(13) + u'\n';
    t += QStringLiteral("Hobbies: ") + c->text(14) + u'\n';
    t += QStringLiteral("Titel: ") + c->text(15) + u'\n';
    t += QStringLiteral("Beziehungen: \n") + c->text(16) + QStringLiteral("\n\n");

    static const char* const eigenschaften[] = {
        "Mut: ", "  Intelligenz: ", "  Wissen: ", "  Instinkt: ", "  Emotionen: ", "  Kraft: ",
        "  Koerperbhg: ", "  Handgeschick: ", "  Sinne: ", "  Kondition: ", "  Ausstrahlung: "
    };
    t += QStringLiteral("--- EIGENSCHAFTEN ---\n");
    for (int e = 0; e < 11; ++e)
        t += QString::fromLatin1(eigenschaften[e]) + zahl(c->eigenschaft(e));
    t += QStringLiteral("\n\n");

    static const char* const energien[] = { "LE: ", "  PE: ", "  PNE: ", "  DE: ", "  AE: " };
    t += QStringLiteral("--- ENERGIEN ---\n");
    for (int e = 0; e < 5; ++e)
        t += QString::fromLatin1(energien[e]) + zahl(c->energie(e, 3));
    t += QStringLiteral("\n\n");

    // Derived values, knowledge areas, special areas, actions, goods.
    t += QStringLiteral("Initiative: ") + zahl(c->initiative()) + u'\n';
    t += QStringLiteral("Std.Bewegung: %L1").arg(c->standardbewegung(), 0, 'g', 6) + QStringLiteral("\n\n");

    static const char* const kenntnisse[] = {
        "Vita: ", "  Akademik: ", "  Technik: ", "  Paranormik: ", "  Transportmittel: ",
        "  Handwerk & Kunst: ", "  Beeinfl.& Verh.: ", "  Kognition: ", "  Athletik: ", "  Kampf: "
    };
    t += QStringLiteral("--- KENNTNISSE ---\n");
    for (int k = 0; k < 10; ++k)
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
    for (int art = 0; art < 3; ++art) {
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
