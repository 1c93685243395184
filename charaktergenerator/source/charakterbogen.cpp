#include "charakterbogen.h"

#include "aktion.h"
#include "basistypus.h"
#include "charakter.h"
#include "regelwerk.h"
#include "spezialgebiet.h"

#include <QBuffer>
#include <QDate>
#include <QFont>
#include <QLocale>
#include <QMessageBox>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QStringList>
#include <QTextDocument>

namespace {

const char* const Programm = "ZORVEL2 - Charaktergenerator";

// Colours of the sheet: the frame colour of the program's group boxes and a
// light blue for the table heads.
const char* const Rahmenfarbe = "#79b5b5";
const char* const Kopffarbe = "#dcebf7";
const char* const Beschriftungsfarbe = "#f1f6f6";
const char* const Titelfarbe = "#4f9494";

// The sheet's numbers are German whatever the user's locale is.
const QLocale& deutsch()
{
    static const QLocale gebietsschema(QLocale::German, QLocale::Germany);
    return gebietsschema;
}

QString zahl(qint64 wert)
{
    return deutsch().toString(wert);
}

QString dezimal(double wert)
{
    return deutsch().toString(wert, 'g', 6);
}

// The character's name, or `ersatz` when it has none.
QString nameOder(const Charakter* c, const QString& ersatz)
{
    const QString name = c->text(CharakterBasis::Name);
    return name.isEmpty() ? ersatz : name;
}

// A proficiency with its sign: +2, 0, -10.
QString mitVorzeichen(int wert)
{
    return wert > 0 ? QStringLiteral("+") + zahl(wert) : zahl(wert);
}

QString text(const QString& t)
{
    QString ergebnis = t.toHtmlEscaped();
    ergebnis.replace(QLatin1Char('\n'), QStringLiteral("<br/>"));
    return ergebnis;
}

// Space between two tables.
QString abstand()
{
    return QStringLiteral("<p style=\"margin-top:0px; margin-bottom:0px; font-size:6pt;\">&nbsp;</p>");
}

// Column captions; each column is given with its share of the width in
// percent ("Wert|18"); a leading ">" right-aligns the column.
QString kopfzeile(const QStringList& spalten)
{
    QString html = QStringLiteral("<tr>");
    for (const QString& spalte : spalten) {
        const int trenner = spalte.indexOf(QLatin1Char('|'));
        QString titel = spalte.left(trenner);
        const QString breite = spalte.mid(trenner + 1);
        const bool rechts = titel.startsWith(QLatin1Char('>'));
        if (rechts)
            titel.remove(0, 1);
        html += QStringLiteral("<th width=\"%1%\" align=\"%2\" bgcolor=\"%3\">%4</th>")
                    .arg(breite, rechts ? QStringLiteral("right") : QStringLiteral("left"),
                         QLatin1String(Kopffarbe), titel.toHtmlEscaped());
    }
    return html + QStringLiteral("</tr>");
}

// The start of a table with a title bar and, when given, column captions.
// Both form the table's head, which stays with the first rows and is
// repeated on the next page when the table is split.
QString tabelle(const QString& titel, int spaltenzahl, const QStringList& spalten = QStringList())
{
    QString html = QStringLiteral("<table width=\"100%\" border=\"1\" cellspacing=\"0\" cellpadding=\"3\" "
                                  "style=\"border-collapse:collapse; border-style:solid; "
                                  "border-color:%1;\"><thead>")
                       .arg(QLatin1String(Rahmenfarbe));
    html += QStringLiteral("<tr><th colspan=\"%1\" align=\"left\" bgcolor=\"%2\">"
                           "<span style=\"color:#ffffff; font-size:10pt;\">%3</span></th></tr>")
                .arg(spaltenzahl)
                .arg(QLatin1String(Titelfarbe), titel.toHtmlEscaped());
    if (!spalten.isEmpty())
        html += kopfzeile(spalten);
    return html + QStringLiteral("</thead>");
}

QString zelle(const QString& inhalt, bool rechts = false)
{
    return rechts ? QStringLiteral("<td align=\"right\">%1</td>").arg(inhalt)
                  : QStringLiteral("<td>%1</td>").arg(inhalt);
}

QString beschriftung(const QString& titel, const QString& breite = QString())
{
    const QString b = breite.isEmpty() ? QString() : QStringLiteral(" width=\"%1%\"").arg(breite);
    return QStringLiteral("<td%1 bgcolor=\"%2\"><b>%3</b></td>")
        .arg(b, QLatin1String(Beschriftungsfarbe), titel.toHtmlEscaped());
}

QString leereZeile(int spalten, const QString& hinweis)
{
    return QStringLiteral("<tr><td colspan=\"%1\"><i>%2</i></td></tr>")
        .arg(spalten)
        .arg(hinweis.toHtmlEscaped());
}

using Paare = QList<QPair<QString, QString>>;

// Rows of caption/value pairs, two pairs a row (values are HTML), then rows
// of one caption and one long plain text over the rest of the width.
QString paarTabelle(const QString& titel, const Paare& paare, const Paare& texte = Paare(),
                    int beschriftungsBreite = 26)
{
    const QString links = QString::number(beschriftungsBreite);
    const QString wert = QStringLiteral("<td width=\"%1%\">%2</td>").arg(50 - beschriftungsBreite);
    QString html = tabelle(titel, 4);
    for (int i = 0; i < paare.size(); i += 2) {
        html += QStringLiteral("<tr>") + beschriftung(paare.at(i).first, links)
                + wert.arg(paare.at(i).second);
        if (i + 1 < paare.size())
            html += beschriftung(paare.at(i + 1).first, links) + wert.arg(paare.at(i + 1).second);
        else
            html += beschriftung(QString(), links) + wert.arg(QString());
        html += QStringLiteral("</tr>");
    }
    for (const auto& z : texte)
        html += QStringLiteral("<tr>") + beschriftung(z.first)
                + QStringLiteral("<td colspan=\"3\">%1</td></tr>").arg(text(z.second));
    return html + QStringLiteral("</table>") + abstand();
}

// Rows of one caption and one (possibly long) plain text each.
QString textTabelle(const QString& titel, const Paare& zeilen)
{
    QString html = tabelle(titel, 2);
    for (const auto& z : zeilen)
        html += QStringLiteral("<tr>") + beschriftung(z.first, QStringLiteral("28"))
                + QStringLiteral("<td width=\"72%\">%1</td></tr>").arg(text(z.second));
    return html + QStringLiteral("</table>") + abstand();
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
        { QStringLiteral("Name"), text(c->text(CharakterBasis::Name)) },
        { QStringLiteral("Basistypus"), text(typ->name) },
        { QStringLiteral("Reich"), text(c->text(CharakterBasis::Reich)) },
        { QStringLiteral("Heimatplanet"), text(c->text(CharakterBasis::Heimatplanet)) },
        { QStringLiteral("Geburtsdatum"), c->geburtsdatum().toString(QStringLiteral("dd.MM.yyyy")) },
        { QStringLiteral("Paranormik"),
          c->sensitiv() ? QStringLiteral("sensitiv") : QStringLiteral("nicht sensitiv") },
    });

    // The point budgets as the header of the window shows them.
    const QString paar = QStringLiteral("%1/%2");
    const QString ep = c->generieren()
        ? paar.arg(zahl(c->verfuegbareEP(true)), zahl(c->verfuegbareEP(false)))
        : QStringLiteral("(%1) %2").arg(zahl(c->startEP(true)), zahl(c->verfuegbareEP(false)));
    const auto restUndGesamt = [c, &paar](int art) {
        return paar.arg(zahl(c->punkte(art, CharakterBasis::Rest)),
                        zahl(c->punkte(art, CharakterBasis::Gesamt)));
    };
    const QStringList werte = {
        ep,
        restUndGesamt(CharakterBasis::SP),
        restUndGesamt(CharakterBasis::TP),
        restUndGesamt(CharakterBasis::MP),
        paar.arg(zahl(c->asp(true)), zahl(c->asp(false))),
        paar.arg(zahl(c->msp(true)), zahl(c->msp(false))),
        paar.arg(zahl(c->ksp(true)), zahl(c->ksp(false))),
    };
    html += tabelle(QStringLiteral("Punkte"), 7,
                    { QStringLiteral("EP|16"), QStringLiteral("SP|14"), QStringLiteral("TP|14"),
                      QStringLiteral("MP|14"), QStringLiteral("ASP|14"), QStringLiteral("MSP|14"),
                      QStringLiteral("KSP|14") })
            + QStringLiteral("<tr>");
    for (const QString& wert : werte)
        html += zelle(wert);
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

    QString links = tabelle(QStringLiteral("Eigenschaften"), 4,
                            { QStringLiteral("Eigenschaft|48"), QStringLiteral(">Startwert|20"),
                              QStringLiteral(">Punkte|16"), QStringLiteral(">Wert|16") });
    for (int e = 0; e < Regelwerk::AnzahlEigenschaften; ++e)
        links += QStringLiteral("<tr>") + zelle(text(Regelwerk::eigenschaftBeschriftung(e)))
                 + zelle(zahl(typ->startwerte[e]), true) + zelle(zahl(c->eigenschaftPunkte(e)), true)
                 + zelle(QStringLiteral("<b>%1</b>").arg(zahl(c->eigenschaft(e))), true)
                 + QStringLiteral("</tr>");
    links += QStringLiteral("</table>");

    QString rechts = tabelle(QStringLiteral("Kenntnisse"), 3,
                             { QStringLiteral("Kenntnis|60"), QStringLiteral("Bezug|22"),
                               QStringLiteral(">Wert|18") });
    for (int k = 0; k < Regelwerk::AnzahlKenntnisse; ++k)
        rechts += QStringLiteral("<tr>") + zelle(text(regeln->kenntnisName(k)))
                  + zelle(text(regeln->kenntnisBezug(k)))
                  + zelle(QStringLiteral("<b>%1</b>").arg(zahl(c->kenntnis(k))), true)
                  + QStringLiteral("</tr>");
    rechts += QStringLiteral("</table>");

    return QStringLiteral("<table width=\"100%\" border=\"0\" cellspacing=\"0\" cellpadding=\"0\">"
                          "<tr><td width=\"56%\" valign=\"top\">%1</td>"
                          "<td width=\"2%\"></td>"
                          "<td width=\"42%\" valign=\"top\">%2</td></tr></table>")
               .arg(links, rechts)
           + abstand();
}

QString abgeleiteteWerte(const Charakter* c)
{
    const Basistypus* typ = c->basistyp();
    const Regelwerk* regeln = c->regelwerk();
    const auto gesamt = [c](int art) { return zahl(c->energie(art, CharakterBasis::Gesamt)); };
    const int gesamtMP = c->punkte(CharakterBasis::MP, CharakterBasis::Gesamt);
    return paarTabelle(QStringLiteral("Energien und abgeleitete Werte"), {
        { QStringLiteral("Lebensenergie (LE)"), gesamt(CharakterBasis::LE) },
        { QStringLiteral("Initiative"), zahl(c->initiative()) },
        { QStringLiteral("Psychische Energie (PE)"), gesamt(CharakterBasis::PE) },
        { QStringLiteral("Standardbewegung"), dezimal(c->standardbewegung()) + QStringLiteral(" m") },
        { QStringLiteral("Paranormalenergie (PNE)"), gesamt(CharakterBasis::PNE) },
        { QStringLiteral("Physis-Faktor"), dezimal(double(typ->physisFaktor)) },
        { QStringLiteral("Deltaenergie (DE)"), gesamt(CharakterBasis::DE) },
        { QStringLiteral("Psyche-Faktor"), dezimal(double(typ->psycheFaktor)) },
        { QStringLiteral("Astroniumenergie (AE)"), gesamt(CharakterBasis::AE) },
        { QStringLiteral("Paranormikerstufe"),
          text(regeln->stufenName(regeln->stufe(gesamtMP))) },
    }, Paare(), 29);
}

QString spezialgebiete(const Charakter* c)
{
    const QString titel = QStringLiteral("Spezialgebiete");
    if (!c->benutztSpezis())
        return tabelle(titel, 1) + leereZeile(1, QStringLiteral("ohne Spezialgebiete"))
               + QStringLiteral("</table>") + abstand();

    const Regelwerk* regeln = c->regelwerk();
    QString html = tabelle(titel, 5,
                           { QStringLiteral("Spezialgebiet|38"), QStringLiteral("Kenntnis|24"),
                             QStringLiteral(">Bonus|12"), QStringLiteral(">Stufe|12"),
                             QStringLiteral(">Wurf|14") });
    int zeilen = 0;
    for (int i = 0; i < c->anzahlSpezialgebiete(); ++i) {
        const Spezialgebiet* s = c->spezialgebiet(i);
        if (!s)
            continue;
        ++zeilen;
        html += QStringLiteral("<tr>") + zelle(text(s->Bezeichnung))
                + zelle(text(regeln->kenntnisName(s->Kenntnis))) + zelle(zahl(s->Bonus), true)
                + zelle(zahl(s->Wert), true) + zelle(text(c->wurf(s)), true)
                + QStringLiteral("</tr>");
    }
    if (zeilen == 0)
        html += leereZeile(5, QStringLiteral("keine"));
    return html + QStringLiteral("</table>") + abstand();
}

QString aktionen(const Charakter* c, int art, const QString& titel, const QString& spalte)
{
    const Regelwerk* regeln = c->regelwerk();
    QString html = tabelle(titel, 5,
                           { spalte + QStringLiteral("|34"), QStringLiteral("Kenntnis|18"),
                             QStringLiteral("Spezialisierung|22"), QStringLiteral(">Befähigung|14"),
                             QStringLiteral(">Wurf|12") });
    int zeilen = 0;
    for (int i = 0; i < c->anzahlAktionen(art); ++i) {
        const Aktion* a = c->aktion(art, i);
        if (!a)
            continue;
        ++zeilen;
        html += QStringLiteral("<tr>") + zelle(text(a->Bezeichnung))
                + zelle(text(regeln->kenntnisName(a->Kenntnis)))
                + zelle(text(regeln->spezialisierungName(a->Spezialisierung)))
                + zelle(mitVorzeichen(a->Befaehigung), true) + zelle(text(c->wurf(a)), true)
                + QStringLiteral("</tr>");
    }
    if (zeilen == 0)
        html += leereZeile(5, QStringLiteral("keine"));
    return html + QStringLiteral("</table>") + abstand();
}

QString startdinge(const Charakter* c)
{
    return paarTabelle(QStringLiteral("Startdinge"), {
        { QStringLiteral("Kapital (St)"), zahl(c->kapital()) },
        { QStringLiteral("Schulden (St)"), zahl(c->schulden()) },
        { QStringLiteral("Cassias"), zahl(c->cassias()) },
        { QStringLiteral("Ceptomyzin"), zahl(c->ceptomyzin()) },
        { QStringLiteral("Prestige"), zahl(c->prestige()) },
        { QStringLiteral("Bonuspunkte"), zahl(c->bonuspunkte()) },
    });
}

QString persoenliches(const Charakter* c)
{
    const Basistypus* typ = c->basistyp();
    QString html = paarTabelle(QStringLiteral("Aussehen"), {
        { QStringLiteral("Größe"), zahl(c->groesse()) + QStringLiteral(" cm") },
        { QStringLiteral("Gewicht"), zahl(c->gewicht()) + QStringLiteral(" kg") },
        { QStringLiteral("Haarfarbe"), text(c->text(CharakterBasis::Haarfarbe)) },
        { QStringLiteral("Hautfarbe"), text(c->text(CharakterBasis::Hautfarbe)) },
        { QStringLiteral("Augenfarbe"), text(c->text(CharakterBasis::Augenfarbe)) },
        { QStringLiteral("Hautschutz"), zahl(typ->hautschutz) },
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
    if (!dokument)
        return;
    QFont schrift(QStringLiteral("DejaVu Sans"));
    schrift.setStyleHint(QFont::SansSerif);
    schrift.setPointSizeF(8.5);
    dokument->setDefaultFont(schrift);
    dokument->setHtml(html(c));
    dokument->setMetaInformation(QTextDocument::DocumentTitle,
                                 c ? c->text(CharakterBasis::Name) : QString());
}

QByteArray CharakterBogen::pdf(const Charakter* c)
{
    if (!c)
        return QByteArray();
    QTextDocument dokument;
    fuelle(&dokument, c);

    QByteArray daten;
    QBuffer puffer(&daten);
    if (!puffer.open(QIODevice::WriteOnly))
        return QByteArray();
    {
        QPdfWriter schreiber(&puffer);
        schreiber.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                            QMarginsF(0, 0, 0, 0)));
        schreiber.setResolution(300);
        schreiber.setTitle(nameOder(c, QStringLiteral("Charakterbogen")));
        schreiber.setCreator(QLatin1String(Programm));
        // The document gets margins of 2 cm and page numbers from print().
        dokument.print(&schreiber);
    }
    puffer.close();
    if (!daten.startsWith("%PDF"))
        return QByteArray();
    return daten;
}

bool CharakterBogen::drucken(const Charakter* c)
{
    if (!c)
        return false;
    QPrinter drucker(QPrinter::HighResolution);
    drucker.setPageSize(QPageSize(QPageSize::A4));
    drucker.setPageOrientation(QPageLayout::Portrait);
    drucker.setDocName(nameOder(c, QStringLiteral("Charakterbogen")));
    drucker.setCreator(QLatin1String(Programm));

    QPrintDialog dialog(&drucker, nullptr);
    dialog.setWindowTitle(druckTitel());
    if (dialog.exec() != QDialog::Accepted)
        return false;

    QTextDocument dokument;
    fuelle(&dokument, c);
    dokument.print(&drucker);
    if (drucker.printerState() == QPrinter::Error) {
        QMessageBox::critical(nullptr, QStringLiteral("Drucken fehlgeschlagen"),
                              QStringLiteral("Der Charakterbogen konnte nicht gedruckt werden."));
        return false;
    }
    return true;
}
