#include "charakterbogen.h"

#include "aktion.h"
#include "basistypus.h"
#include "charakter.h"
#include "regelwerk.h"
#include "spezialgebiet.h"

#include "bogenhtml.h"

#include <QDate>
#include <QStringList>
#include <QTextDocument>

namespace {

using B = BogenHtml;

const char* const Programm = "ZORVEL2 - Charaktergenerator";

// The character's name, or `ersatz` when it has none.
QString nameOder(const Charakter* c, const QString& ersatz)
{
    const QString name = c->text(CharakterBasis::Name);
    return name.isEmpty() ? ersatz : name;
}

// A proficiency with its sign: +2, 0, -10.
QString mitVorzeichen(int wert)
{
    return wert > 0 ? QStringLiteral("+") + B::zahl(wert) : B::zahl(wert);
}

using Paare = QList<QPair<QString, QString>>;

// Rows of caption/value pairs, two pairs a row (values are HTML), then rows
// of one caption and one long plain text over the rest of the width.
QString paarTabelle(const QString& titel, const Paare& paare, const Paare& texte = Paare(),
                    int beschriftungsBreite = 26)
{
    QString html = B::tabelle(titel, 4) + B::paarZeilen(paare, beschriftungsBreite);
    for (const auto& z : texte)
        html += QStringLiteral("<tr>") + B::beschriftung(z.first)
                + QStringLiteral("<td colspan=\"3\">%1</td></tr>").arg(B::text(z.second));
    return html + QStringLiteral("</table>") + B::abstand();
}

// Rows of one caption and one (possibly long) plain text each.
QString textTabelle(const QString& titel, const Paare& zeilen)
{
    QString html = B::tabelle(titel, 2);
    for (const auto& z : zeilen)
        html += QStringLiteral("<tr>") + B::beschriftung(z.first, 28)
                + QStringLiteral("<td width=\"72%\">%1</td></tr>").arg(B::text(z.second));
    return html + QStringLiteral("</table>") + B::abstand();
}

QString titelBlock(const Charakter* c)
{
    const Basistypus* typ = c->basistyp();
    const QString name = nameOder(c, QStringLiteral("(ohne Namen)"));

    QString html = QStringLiteral("<p style=\"font-size:8pt; color:#555555; margin-bottom:0px;\">"
                                  "ZORVEL2 &#8211; Charakterbogen</p>");
    html += QStringLiteral("<h1 style=\"font-size:17pt; margin-top:0px; margin-bottom:6px;\">"
                           "%1</h1>")
                .arg(name.toHtmlEscaped());

    html += paarTabelle(QStringLiteral("Basisdaten"), {
        { QStringLiteral("Name"), B::text(c->text(CharakterBasis::Name)) },
        { QStringLiteral("Basistypus"), B::text(typ->name) },
        { QStringLiteral("Reich"), B::text(c->text(CharakterBasis::Reich)) },
        { QStringLiteral("Heimatplanet"), B::text(c->text(CharakterBasis::Heimatplanet)) },
        { QStringLiteral("Geburtsdatum"), c->geburtsdatum().toString(QStringLiteral("dd.MM.yyyy")) },
        { QStringLiteral("Paranormik"),
          c->sensitiv() ? QStringLiteral("sensitiv") : QStringLiteral("nicht sensitiv") },
    });

    // The point budgets as the header of the window shows them.
    const QString paar = QStringLiteral("%1/%2");
    const QString ep = c->generieren()
        ? paar.arg(B::zahl(c->verfuegbareEP(true)), B::zahl(c->verfuegbareEP(false)))
        : QStringLiteral("(%1) %2").arg(B::zahl(c->startEP(true)), B::zahl(c->verfuegbareEP(false)));
    const auto restUndGesamt = [c, &paar](int art) {
        return paar.arg(B::zahl(c->punkte(art, CharakterBasis::Rest)),
                        B::zahl(c->punkte(art, CharakterBasis::Gesamt)));
    };
    const QStringList werte = {
        ep,
        restUndGesamt(CharakterBasis::SP),
        restUndGesamt(CharakterBasis::TP),
        restUndGesamt(CharakterBasis::MP),
        paar.arg(B::zahl(c->asp(true)), B::zahl(c->asp(false))),
        paar.arg(B::zahl(c->msp(true)), B::zahl(c->msp(false))),
        paar.arg(B::zahl(c->ksp(true)), B::zahl(c->ksp(false))),
    };
    html += B::tabelle(QStringLiteral("Punkte"), 7,
                    { QStringLiteral("EP|16"), QStringLiteral("SP|14"), QStringLiteral("TP|14"),
                      QStringLiteral("MP|14"), QStringLiteral("ASP|14"), QStringLiteral("MSP|14"),
                      QStringLiteral("KSP|14") })
            + QStringLiteral("<tr>");
    for (const QString& wert : werte)
        html += B::zelle(wert);
    html += QStringLiteral("</tr></table>");
    html += QStringLiteral("<p style=\"font-size:7pt; color:#555555; margin-top:1px;\">%1; "
                           "SP, TP, MP, ASP, MSP, KSP: verbleibend/gesamt</p>")
                .arg(c->generieren()
                         ? QStringLiteral("EP: ungenutzte Start-EP/gesamte Start-EP")
                         : QStringLiteral("EP: (ungenutzte Start-EP) genutzte EP nach Generierung"));
    return html;
}

QString eigenschaftenUndKenntnisse(const Charakter* c)
{
    const Basistypus* typ = c->basistyp();
    const Regelwerk* regeln = c->regelwerk();

    QString links = B::tabelle(QStringLiteral("Eigenschaften"), 4,
                            { QStringLiteral("Eigenschaft|48"), QStringLiteral(">Startwert|20"),
                              QStringLiteral(">Punkte|16"), QStringLiteral(">Wert|16") });
    for (int e = 0; e < Regelwerk::AnzahlEigenschaften; ++e)
        links += QStringLiteral("<tr>") + B::zelle(B::text(Regelwerk::eigenschaftBeschriftung(e)))
                 + B::zelle(B::zahl(typ->startwerte[e]), true) + B::zelle(B::zahl(c->eigenschaftPunkte(e)), true)
                 + B::zelle(QStringLiteral("<b>%1</b>").arg(B::zahl(c->eigenschaft(e))), true)
                 + QStringLiteral("</tr>");
    links += QStringLiteral("</table>");

    QString rechts = B::tabelle(QStringLiteral("Kenntnisse"), 3,
                             { QStringLiteral("Kenntnis|60"), QStringLiteral("Bezug|22"),
                               QStringLiteral(">Wert|18") });
    for (int k = 0; k < Regelwerk::AnzahlKenntnisse; ++k)
        rechts += QStringLiteral("<tr>") + B::zelle(B::text(regeln->kenntnisName(k)))
                  + B::zelle(B::text(regeln->kenntnisBezug(k)))
                  + B::zelle(QStringLiteral("<b>%1</b>").arg(B::zahl(c->kenntnis(k))), true)
                  + QStringLiteral("</tr>");
    rechts += QStringLiteral("</table>");

    return QStringLiteral("<table width=\"100%\" border=\"0\" cellspacing=\"0\" cellpadding=\"0\">"
                          "<tr><td width=\"56%\" valign=\"top\">%1</td>"
                          "<td width=\"2%\"></td>"
                          "<td width=\"42%\" valign=\"top\">%2</td></tr></table>")
               .arg(links, rechts)
           + B::abstand();
}

QString abgeleiteteWerte(const Charakter* c)
{
    const Basistypus* typ = c->basistyp();
    const Regelwerk* regeln = c->regelwerk();
    const auto gesamt = [c](int art) { return B::zahl(c->energie(art, CharakterBasis::Gesamt)); };
    const int gesamtMP = c->punkte(CharakterBasis::MP, CharakterBasis::Gesamt);
    return paarTabelle(QStringLiteral("Energien und abgeleitete Werte"), {
        { QStringLiteral("Lebensenergie (LE)"), gesamt(CharakterBasis::LE) },
        { QStringLiteral("Initiative"), B::zahl(c->initiative()) },
        { QStringLiteral("Psychische Energie (PE)"), gesamt(CharakterBasis::PE) },
        { QStringLiteral("Standardbewegung"), B::dezimal(c->standardbewegung()) + QStringLiteral(" m") },
        { QStringLiteral("Paranormalenergie (PNE)"), gesamt(CharakterBasis::PNE) },
        { QStringLiteral("Physis-Faktor"), B::dezimal(double(typ->physisFaktor)) },
        { QStringLiteral("Deltaenergie (DE)"), gesamt(CharakterBasis::DE) },
        { QStringLiteral("Psyche-Faktor"), B::dezimal(double(typ->psycheFaktor)) },
        { QStringLiteral("Astroniumenergie (AE)"), gesamt(CharakterBasis::AE) },
        { QStringLiteral("Paranormikerstufe"),
          B::text(regeln->stufenName(regeln->stufe(gesamtMP))) },
    }, Paare(), 29);
}

QString spezialgebiete(const Charakter* c)
{
    const QString titel = QStringLiteral("Spezialgebiete");
    if (!c->benutztSpezis())
        return B::tabelle(titel, 1) + B::leereZeile(1, QStringLiteral("ohne Spezialgebiete"))
               + QStringLiteral("</table>") + B::abstand();

    const Regelwerk* regeln = c->regelwerk();
    QString html = B::tabelle(titel, 5,
                           { QStringLiteral("Spezialgebiet|38"), QStringLiteral("Kenntnis|24"),
                             QStringLiteral(">Bonus|12"), QStringLiteral(">Stufe|12"),
                             QStringLiteral(">Wurf|14") });
    int zeilen = 0;
    for (int i = 0; i < c->anzahlSpezialgebiete(); ++i) {
        const Spezialgebiet* s = c->spezialgebiet(i);
        if (!s)
            continue;
        ++zeilen;
        html += QStringLiteral("<tr>") + B::zelle(B::text(s->Bezeichnung))
                + B::zelle(B::text(regeln->kenntnisName(s->Kenntnis))) + B::zelle(B::zahl(s->Bonus), true)
                + B::zelle(B::zahl(s->Wert), true) + B::zelle(B::text(c->wurf(s)), true)
                + QStringLiteral("</tr>");
    }
    if (zeilen == 0)
        html += B::leereZeile(5, QStringLiteral("keine"));
    return html + QStringLiteral("</table>") + B::abstand();
}

QString aktionen(const Charakter* c, int art, const QString& titel, const QString& spalte)
{
    const Regelwerk* regeln = c->regelwerk();
    QString html = B::tabelle(titel, 5,
                           { spalte + QStringLiteral("|34"), QStringLiteral("Kenntnis|18"),
                             QStringLiteral("Spezialisierung|22"), QStringLiteral(">Befähigung|14"),
                             QStringLiteral(">Wurf|12") });
    int zeilen = 0;
    for (int i = 0; i < c->anzahlAktionen(art); ++i) {
        const Aktion* a = c->aktion(art, i);
        if (!a)
            continue;
        ++zeilen;
        html += QStringLiteral("<tr>") + B::zelle(B::text(a->Bezeichnung))
                + B::zelle(B::text(regeln->kenntnisName(a->Kenntnis)))
                + B::zelle(B::text(regeln->spezialisierungName(a->Spezialisierung)))
                + B::zelle(mitVorzeichen(a->Befaehigung), true) + B::zelle(B::text(c->wurf(a)), true)
                + QStringLiteral("</tr>");
    }
    if (zeilen == 0)
        html += B::leereZeile(5, QStringLiteral("keine"));
    return html + QStringLiteral("</table>") + B::abstand();
}

QString startdinge(const Charakter* c)
{
    return paarTabelle(QStringLiteral("Startdinge"), {
        { QStringLiteral("Kapital (St)"), B::zahl(c->kapital()) },
        { QStringLiteral("Schulden (St)"), B::zahl(c->schulden()) },
        { QStringLiteral("Cassias"), B::zahl(c->cassias()) },
        { QStringLiteral("Ceptomyzin"), B::zahl(c->ceptomyzin()) },
        { QStringLiteral("Prestige"), B::zahl(c->prestige()) },
        { QStringLiteral("Bonuspunkte"), B::zahl(c->bonuspunkte()) },
    });
}

QString persoenliches(const Charakter* c)
{
    const Basistypus* typ = c->basistyp();
    QString html = paarTabelle(QStringLiteral("Aussehen"), {
        { QStringLiteral("Größe"), B::zahl(c->groesse()) + QStringLiteral(" cm") },
        { QStringLiteral("Gewicht"), B::zahl(c->gewicht()) + QStringLiteral(" kg") },
        { QStringLiteral("Haarfarbe"), B::text(c->text(CharakterBasis::Haarfarbe)) },
        { QStringLiteral("Hautfarbe"), B::text(c->text(CharakterBasis::Hautfarbe)) },
        { QStringLiteral("Augenfarbe"), B::text(c->text(CharakterBasis::Augenfarbe)) },
        { QStringLiteral("Hautschutz"), B::zahl(typ->hautschutz) },
    }, {
        { QStringLiteral("Sonstiges"), c->text(CharakterBasis::AussehenSonstiges) },
        { QStringLiteral("Merkmale des Basistypus"), typ->merkmale },
    });
    html += textTabelle(QStringLiteral("Vorgeschichte"), {
        { QStringLiteral("Kindheit"), c->text(CharakterBasis::Kindheit) },
        { QStringLiteral("Erziehung"), c->text(CharakterBasis::Erziehung) },
        { QStringLiteral("Beruf"), c->text(CharakterBasis::Beruf) },
        { QStringLiteral("Werdegang"), c->text(CharakterBasis::Werdegang) },
    });
    html += textTabelle(QStringLiteral("Charakter"), {
        { QStringLiteral("Grundcharakter"), c->text(CharakterBasis::Grundcharakter) },
        { QStringLiteral("Charakterzüge"), c->text(CharakterBasis::Charakterzuege) },
        { QStringLiteral("Umfeld"), c->text(CharakterBasis::Umfeld) },
        { QStringLiteral("Hobbies"), c->text(CharakterBasis::Hobbies) },
        { QStringLiteral("Auszeichnungen, Titel, Rang"), c->text(CharakterBasis::Titel) },
        { QStringLiteral("Beziehungen"), c->text(CharakterBasis::Beziehungen) },
    });
    return html;
}

} // namespace

QString CharakterBogen::druckTitel()
{
    return QStringLiteral("Charakterbogen drucken");
}

QString CharakterBogen::html(const Charakter* c)
{
    if (!c)
        return QString();
    QString html = QStringLiteral("<html><head><meta charset=\"utf-8\"/><title>%1</title></head>"
                                  "<body>")
                       .arg(c->text(CharakterBasis::Name).toHtmlEscaped());
    html += titelBlock(c);
    html += eigenschaftenUndKenntnisse(c);
    html += abgeleiteteWerte(c);
    html += spezialgebiete(c);
    html += aktionen(c, Aktion::Sprache, QStringLiteral("Sprachen"), QStringLiteral("Sprache"));
    html += aktionen(c, Aktion::Technik, QStringLiteral("Technische Aktionen"),
                     QStringLiteral("Aktion"));
    html += aktionen(c, Aktion::Paranormal, QStringLiteral("Paranormale Fähigkeiten"),
                     QStringLiteral("Fähigkeit"));
    html += startdinge(c);
    html += persoenliches(c);
    return html + QStringLiteral("</body></html>");
}

void CharakterBogen::fuelle(QTextDocument* dokument, const Charakter* c)
{
    B::fuelle(dokument, html(c), c ? c->text(CharakterBasis::Name) : QString());
}

QByteArray CharakterBogen::pdf(const Charakter* c)
{
    if (!c)
        return QByteArray();
    QTextDocument dokument;
    fuelle(&dokument, c);
    return B::pdf(dokument, nameOder(c, QStringLiteral("Charakterbogen")), QLatin1String(Programm));
}

QString CharakterBogen::dokumentName(const Charakter* c)
{
    return c ? nameOder(c, QStringLiteral("Charakterbogen")) : QString();
}

QString CharakterBogen::programm()
{
    return QLatin1String(Programm);
}
