#include "schiffsbogen.h"

#include "komponente.h"
#include "schiffsdaten.h"
#include "schiffsmodel.h"
#include "schiffswerte.h"

#include "bogenhtml.h"

#include <QList>
#include <QLocale>
#include <QPair>
#include <QStringList>
#include <QTextDocument>

namespace {

using B = BogenHtml;

const char *const Programm = "ZORVEL2 - Schiffsbau-Assistent";

const char *const Warnfarbe = "#c00000";

using Paare = QList<QPair<QString, QString>>;

// A value in the warning colour followed by the reason in words, so that the
// mark shows in black and white too.
QString markiert(const QString &wert, const QString &grund)
{
    return QStringLiteral("<span style=\"color:%1; font-weight:bold;\">%2 &#9888;&nbsp;%3</span>")
        .arg(QLatin1String(Warnfarbe), wert, grund.toHtmlEscaped());
}

QString fussnote(const QString &inhalt)
{
    return QStringLiteral("<p style=\"font-size:7pt; color:#555555; margin-top:1px; "
                          "margin-bottom:0px;\">%1</p>")
        .arg(inhalt);
}

// Rows of caption/value pairs, two pairs a row; values are HTML.
QString paarTabelle(const QString &titel, const Paare &paare)
{
    return B::tabelle(titel, 4) + B::paarZeilen(paare, 29) + QStringLiteral("</table>");
}

using Eintrag = SchiffsWerte::Eintrag;
using Gruppe = SchiffsWerte::Gruppe;

QString titelBlock(const SchiffsDaten &d, const QString &name, const QString &beschreibung)
{
    const QString titel = name.trimmed().isEmpty() ? QStringLiteral("Schiff ohne Namen") : name;
    QString html = QStringLiteral("<p style=\"font-size:8pt; color:#555555; margin-bottom:0px;\">"
                                  "ZORVEL2 &#8211; Schiffsdatenblatt</p>");
    html += QStringLiteral("<h1 style=\"font-size:17pt; margin-top:0px; margin-bottom:4px;\">"
                           "%1</h1>")
                .arg(titel.toHtmlEscaped());
    html += beschreibung.trimmed().isEmpty()
        ? QStringLiteral("<p><i>ohne Beschreibung</i></p>")
        : QStringLiteral("<p>%1</p>").arg(B::text(beschreibung));

    bool gewarnt = false;
    for (int i = 0; i < SchiffsWerte::anzahl(); ++i) {
        const Eintrag &e = SchiffsWerte::eintrag(i);
        if (!SchiffsWerte::ueberzogen(e, d))
            continue;
        html += QStringLiteral("<p style=\"color:%1; font-weight:bold; margin-top:2px; "
                               "margin-bottom:2px;\">&#9888; %2</p>")
                    .arg(QLatin1String(Warnfarbe), SchiffsWerte::warnung(e, d, B::deutsch()).toHtmlEscaped());
        gewarnt = true;
    }
    if (gewarnt)
        html += B::abstand();
    return html;
}

// A caption of the sheet: the panel's, and for a budget what its two
// numbers are.
QString bezeichnung(const Eintrag &e)
{
    const QString text = QString::fromUtf8(e.bezeichnung);
    return SchiffsWerte::istBudget(e) ? text + QStringLiteral(" (frei/gesamt)") : text;
}

// The entry's numbers as the panel shows them; an overdrawn budget marked.
QString wert(const Eintrag &e, const SchiffsDaten &d)
{
    const QString zahlen = SchiffsWerte::text(e, d, B::deutsch()).toHtmlEscaped();
    return SchiffsWerte::ueberzogen(e, d) ? markiert(zahlen, QString::fromUtf8(e.budget.marke)) : zahlen;
}

// The explanations below a group; `ausstattung` lists the volumes that the
// panel shows in a tool tip.
QString erlaeuterung(Gruppe gruppe, const QString &ausstattung)
{
    switch (gruppe) {
    case Gruppe::Groesse:
        return fussnote(QStringLiteral("* GSTP: freies Volumen (GSTPV) / Schiffsgröße; davon belegt: %1. "
                                       "Gewicht: Leergewicht - Gewicht inkl. Treibstoff &amp; Frachtraum.")
                            .arg(ausstattung.toHtmlEscaped()));
    case Gruppe::Antrieb:
        return fussnote(QStringLiteral("* leer: ohne Treibstofftank/Frachtraum; halb voll: "
                                       "Treibstoff/Frachtraum halb voll; voll: "
                                       "Treibstoff/Frachtraum voll."));
    default:
        return QString();
    }
}

// One group of the panel: its entries as caption/value pairs, or, where
// each value has a label of its own (empty, half and fully loaded), as rows
// with a column per value.
QString gruppe(Gruppe g, const SchiffsDaten &d)
{
    Paare paare;
    QString zeilen;
    QStringList ausstattung;
    for (int i = 0; i < SchiffsWerte::anzahl(); ++i) {
        const Eintrag &e = SchiffsWerte::eintrag(i);
        if (e.gruppe != g)
            continue;
        const int n = SchiffsWerte::wertAnzahl(e);
        if (e.ort == SchiffsWerte::Ort::Tooltip) {
            ausstattung.append(SchiffsWerte::text(e, d, B::deutsch()).split(QLatin1Char('\n')));
        } else if (!e.muster && n > 1) {
            zeilen += QStringLiteral("<tr>") + B::beschriftung(QString::fromUtf8(e.bezeichnung), 34);
            for (int w = 0; w < n; ++w)
                zeilen += QStringLiteral("<td align=\"right\">%1</td>")
                              .arg(SchiffsWerte::text(e, w, d, B::deutsch()).toHtmlEscaped());
            zeilen += QStringLiteral("</tr>");
        } else {
            paare.append({bezeichnung(e), wert(e, d)});
        }
    }
    const QString titel = SchiffsWerte::gruppenTitel(g);
    QString html;
    if (!paare.isEmpty())
        html += paarTabelle(titel, paare);
    if (!zeilen.isEmpty()) {
        html += B::tabelle(titel, 4,
                           { QStringLiteral("|34"), QStringLiteral(">leer|22"),
                             QStringLiteral(">halb voll|22"), QStringLiteral(">voll|22") })
                + zeilen + QStringLiteral("</table>");
    }
    return html + erlaeuterung(g, ausstattung.join(QStringLiteral(", "))) + B::abstand();
}

QString komponenten(const SchiffsModel *model)
{
    QString html = B::tabelle(QStringLiteral("Eingebaute Komponenten"), 5,
                              { QStringLiteral(">Anzahl|9"), QStringLiteral("Einheit|9"),
                                QStringLiteral("Art|10"), QStringLiteral("Name|28"),
                                QStringLiteral("Beschreibung|44") });
    int zeilen = 0;
    const int anzahl = model ? model->rowCount() : 0;
    for (int i = 0; i < anzahl; ++i) {
        const Komponente *k = model->komponente(i);
        if (!k)
            continue;
        ++zeilen;
        html += QStringLiteral("<tr><td align=\"right\">%1</td><td>%2</td><td>%3</td>"
                               "<td>%4</td><td>%5</td></tr>")
                    .arg(B::zahl(model->anzahl(i)), B::text(k->einheit(true).trimmed()),
                         B::text(k->kurzname()), B::text(k->name()), B::text(k->beschreibung()));
    }
    if (zeilen == 0)
        html += QStringLiteral("<tr><td colspan=\"5\"><i>keine</i></td></tr>");
    return html + QStringLiteral("</table>");
}

} // namespace

QString SchiffsBogen::druckTitel()
{
    return QStringLiteral("Schiffsdatenblatt drucken");
}

QString SchiffsBogen::html(const SchiffsModel *model, const SchiffsDaten &d, const QString &name,
                           const QString &beschreibung)
{
    QString html = QStringLiteral("<html><head><meta charset=\"utf-8\"/><title>%1</title></head>"
                                  "<body>")
                       .arg(name.toHtmlEscaped());
    html += titelBlock(d, name, beschreibung);
    for (Gruppe g : {Gruppe::Groesse, Gruppe::Rumpf, Gruppe::Antrieb, Gruppe::Computer, Gruppe::Raeume,
                     Gruppe::Leben})
        html += gruppe(g, d);
    html += komponenten(model);
    return html + QStringLiteral("</body></html>");
}

void SchiffsBogen::fuelle(QTextDocument *dokument, const SchiffsModel *model,
                          const SchiffsDaten &d, const QString &name, const QString &beschreibung)
{
    B::fuelle(dokument, html(model, d, name, beschreibung), name);
}

QByteArray SchiffsBogen::pdf(const SchiffsModel *model, const SchiffsDaten &d,
                             const QString &name, const QString &beschreibung)
{
    QTextDocument dokument;
    fuelle(&dokument, model, d, name, beschreibung);
    return B::pdf(dokument, dokumentName(name), programm());
}

QString SchiffsBogen::dokumentName(const QString &name)
{
    return name.trimmed().isEmpty() ? QStringLiteral("Schiffsdatenblatt") : name;
}

QString SchiffsBogen::anzeigeName(const QString &name)
{
    const QString getrimmt = name.trimmed();
    return getrimmt.isEmpty() ? QStringLiteral("Schiff ohne Namen") : getrimmt;
}

QString SchiffsBogen::programm()
{
    return QLatin1String(Programm);
}
