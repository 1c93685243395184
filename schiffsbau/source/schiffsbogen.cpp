#include "schiffsbogen.h"

#include "komponente.h"
#include "schiffsdaten.h"
#include "schiffsmodel.h"
#include "schiffswerte.h"

#include <QBuffer>
#include <QFont>
#include <QList>
#include <QLocale>
#include <QMessageBox>
#include <QPageLayout>
#include <QPageSize>
#include <QPair>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QStringList>
#include <QTextDocument>

namespace {

const char *const Programm = "ZORVEL2 - Schiffsbau-Assistent";

const char *const Rahmenfarbe = "#79b5b5";
const char *const Kopffarbe = "#dcebf7";
const char *const Beschriftungsfarbe = "#f1f6f6";
const char *const Titelfarbe = "#4f9494";
const char *const Warnfarbe = "#c00000";

using Paare = QList<QPair<QString, QString>>;

// The sheet's numbers are German whatever the user's locale is; the program
// sets the same locale for its windows, so the sheet repeats the panel's
// digits (SchiffsWerte formats both).
const QLocale &deutsch()
{
    static const QLocale gebietsschema(QLocale::German, QLocale::Germany);
    return gebietsschema;
}

QString zahl(qint64 wert)
{
    return deutsch().toString(wert);
}

QString text(const QString &t)
{
    QString ergebnis = t.toHtmlEscaped();
    ergebnis.replace(QLatin1Char('\n'), QStringLiteral("<br/>"));
    return ergebnis;
}

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

// Space between two tables.
QString abstand()
{
    return QStringLiteral("<p style=\"margin-top:0px; margin-bottom:0px; font-size:6pt;\">&nbsp;</p>");
}

QString beschriftung(const QString &titel, int breite)
{
    return QStringLiteral("<td width=\"%1%\" bgcolor=\"%2\"><b>%3</b></td>")
        .arg(breite)
        .arg(QLatin1String(Beschriftungsfarbe), titel.toHtmlEscaped());
}

QString kopfzelle(const QString &titel, int breite, bool rechts)
{
    return QStringLiteral("<th width=\"%1%\" align=\"%2\" bgcolor=\"%3\">%4</th>")
        .arg(breite)
        .arg(rechts ? QStringLiteral("right") : QStringLiteral("left"), QLatin1String(Kopffarbe),
             titel.toHtmlEscaped());
}

// The start of a table with a title bar and, when given, a row of column
// captions. Both form the table's head, which stays with the first rows
// and is repeated on the next page when the table is split.
QString tabelle(const QString &titel, int spaltenzahl, const QString &kopfzeile = QString())
{
    QString html = QStringLiteral("<table width=\"100%\" border=\"1\" cellspacing=\"0\" cellpadding=\"3\" "
                                  "style=\"border-collapse:collapse; border-style:solid; "
                                  "border-color:%1;\"><thead>")
                       .arg(QLatin1String(Rahmenfarbe));
    html += QStringLiteral("<tr><th colspan=\"%1\" align=\"left\" bgcolor=\"%2\">"
                           "<span style=\"color:#ffffff; font-size:10pt;\">%3</span></th></tr>")
                .arg(spaltenzahl)
                .arg(QLatin1String(Titelfarbe), titel.toHtmlEscaped());
    if (!kopfzeile.isEmpty())
        html += QStringLiteral("<tr>") + kopfzeile + QStringLiteral("</tr>");
    return html + QStringLiteral("</thead>");
}

// Rows of caption/value pairs, two pairs a row; values are HTML.
QString paarTabelle(const QString &titel, const Paare &paare)
{
    QString html = tabelle(titel, 4);
    for (int i = 0; i < paare.size(); i += 2) {
        html += QStringLiteral("<tr>") + beschriftung(paare.at(i).first, 29)
                + QStringLiteral("<td width=\"21%\">%1</td>").arg(paare.at(i).second);
        if (i + 1 < paare.size())
            html += beschriftung(paare.at(i + 1).first, 29)
                    + QStringLiteral("<td width=\"21%\">%1</td>").arg(paare.at(i + 1).second);
        else
            html += beschriftung(QString(), 29) + QStringLiteral("<td width=\"21%\"></td>");
        html += QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</table>");
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
        : QStringLiteral("<p>%1</p>").arg(text(beschreibung));

    bool gewarnt = false;
    for (int i = 0; i < SchiffsWerte::anzahl(); ++i) {
        const Eintrag &e = SchiffsWerte::eintrag(i);
        if (!SchiffsWerte::ueberzogen(e, d))
            continue;
        html += QStringLiteral("<p style=\"color:%1; font-weight:bold; margin-top:2px; "
                               "margin-bottom:2px;\">&#9888; %2</p>")
                    .arg(QLatin1String(Warnfarbe), SchiffsWerte::warnung(e, d, deutsch()).toHtmlEscaped());
        gewarnt = true;
    }
    if (gewarnt)
        html += abstand();
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
    const QString zahlen = SchiffsWerte::text(e, d, deutsch()).toHtmlEscaped();
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
            ausstattung.append(SchiffsWerte::text(e, d, deutsch()).split(QLatin1Char('\n')));
        } else if (!e.muster && n > 1) {
            zeilen += QStringLiteral("<tr>") + beschriftung(QString::fromUtf8(e.bezeichnung), 34);
            for (int w = 0; w < n; ++w)
                zeilen += QStringLiteral("<td align=\"right\">%1</td>")
                              .arg(SchiffsWerte::text(e, w, d, deutsch()).toHtmlEscaped());
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
        html += tabelle(titel, 4,
                        kopfzelle(QString(), 34, false) + kopfzelle(QStringLiteral("leer"), 22, true)
                            + kopfzelle(QStringLiteral("halb voll"), 22, true)
                            + kopfzelle(QStringLiteral("voll"), 22, true))
                + zeilen + QStringLiteral("</table>");
    }
    return html + erlaeuterung(g, ausstattung.join(QStringLiteral(", "))) + abstand();
}

QString komponenten(const SchiffsModel *model)
{
    QString html = tabelle(QStringLiteral("Eingebaute Komponenten"), 5,
                           kopfzelle(QStringLiteral("Anzahl"), 9, true)
                               + kopfzelle(QStringLiteral("Einheit"), 9, false)
                               + kopfzelle(QStringLiteral("Art"), 10, false)
                               + kopfzelle(QStringLiteral("Name"), 28, false)
                               + kopfzelle(QStringLiteral("Beschreibung"), 44, false));
    int zeilen = 0;
    const int anzahl = model ? model->rowCount() : 0;
    for (int i = 0; i < anzahl; ++i) {
        const Komponente *k = model->komponente(i);
        if (!k)
            continue;
        ++zeilen;
        html += QStringLiteral("<tr><td align=\"right\">%1</td><td>%2</td><td>%3</td>"
                               "<td>%4</td><td>%5</td></tr>")
                    .arg(zahl(model->anzahl(i)), text(k->einheit(true).trimmed()),
                         text(k->kurzname()), text(k->name()), text(k->beschreibung()));
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
    if (!dokument)
        return;
    QFont schrift(QStringLiteral("DejaVu Sans"));
    schrift.setStyleHint(QFont::SansSerif);
    schrift.setPointSizeF(8.5);
    dokument->setDefaultFont(schrift);
    dokument->setHtml(html(model, d, name, beschreibung));
    dokument->setMetaInformation(QTextDocument::DocumentTitle, name);
}

QByteArray SchiffsBogen::pdf(const SchiffsModel *model, const SchiffsDaten &d,
                             const QString &name, const QString &beschreibung)
{
    QTextDocument dokument;
    fuelle(&dokument, model, d, name, beschreibung);

    QByteArray daten;
    QBuffer puffer(&daten);
    if (!puffer.open(QIODevice::WriteOnly))
        return QByteArray();
    {
        QPdfWriter schreiber(&puffer);
        schreiber.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                            QMarginsF(0, 0, 0, 0)));
        schreiber.setResolution(300);
        schreiber.setTitle(name.trimmed().isEmpty() ? QStringLiteral("Schiffsdatenblatt") : name);
        schreiber.setCreator(QLatin1String(Programm));
        // The document gets margins of 2 cm and page numbers from print().
        dokument.print(&schreiber);
    }
    puffer.close();
    if (!daten.startsWith("%PDF"))
        return QByteArray();
    return daten;
}

bool SchiffsBogen::drucken(const SchiffsModel *model, const SchiffsDaten &d, const QString &name,
                           const QString &beschreibung)
{
    QPrinter drucker(QPrinter::HighResolution);
    drucker.setPageSize(QPageSize(QPageSize::A4));
    drucker.setPageOrientation(QPageLayout::Portrait);
    drucker.setDocName(name.trimmed().isEmpty() ? QStringLiteral("Schiffsdatenblatt") : name);
    drucker.setCreator(QLatin1String(Programm));

    QPrintDialog dialog(&drucker, nullptr);
    dialog.setWindowTitle(druckTitel());
    if (dialog.exec() != QDialog::Accepted)
        return false;

    QTextDocument dokument;
    fuelle(&dokument, model, d, name, beschreibung);
    dokument.print(&drucker);
    if (drucker.printerState() == QPrinter::Error) {
        QMessageBox::critical(nullptr, QStringLiteral("Drucken fehlgeschlagen"),
                              QStringLiteral("Das Schiffsdatenblatt konnte nicht gedruckt werden."));
        return false;
    }
    return true;
}
