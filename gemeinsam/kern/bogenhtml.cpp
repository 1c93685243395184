#include "bogenhtml.h"

#include "bogenpdf.h"

#include <QFont>
#include <QLocale>
#include <QTextDocument>

namespace {

// The frame colour of the programs' group boxes, a light blue for the
// table heads.
const char *const Rahmenfarbe = "#79b5b5";
const char *const Kopffarbe = "#dcebf7";
const char *const Beschriftungsfarbe = "#f1f6f6";
const char *const Titelfarbe = "#4f9494";

} // namespace

const QLocale &BogenHtml::deutsch()
{
    static const QLocale gebietsschema(QLocale::German, QLocale::Germany);
    return gebietsschema;
}

QString BogenHtml::zahl(qint64 wert)
{
    return deutsch().toString(wert);
}

QString BogenHtml::dezimal(double wert)
{
    return deutsch().toString(wert, 'g', 6);
}

QString BogenHtml::text(const QString &t)
{
    QString ergebnis = t.toHtmlEscaped();
    ergebnis.replace(QLatin1Char('\n'), QStringLiteral("<br/>"));
    return ergebnis;
}

QString BogenHtml::abstand()
{
    return QStringLiteral("<p style=\"margin-top:0px; margin-bottom:0px; font-size:6pt;\">&nbsp;</p>");
}

QString BogenHtml::tabelle(const QString &titel, int spaltenzahl, const QStringList &spalten)
{
    QString html = QStringLiteral("<table width=\"100%\" border=\"1\" cellspacing=\"0\" cellpadding=\"3\" "
                                  "style=\"border-collapse:collapse; border-style:solid; "
                                  "border-color:%1;\"><thead>")
                       .arg(QLatin1String(Rahmenfarbe));
    html += QStringLiteral("<tr><th colspan=\"%1\" align=\"left\" bgcolor=\"%2\">"
                           "<span style=\"color:#ffffff; font-size:10pt;\">%3</span></th></tr>")
                .arg(spaltenzahl)
                .arg(QLatin1String(Titelfarbe), titel.toHtmlEscaped());
    if (!spalten.isEmpty()) {
        html += QStringLiteral("<tr>");
        for (const QString &spalte : spalten) {
            const int trenner = spalte.indexOf(QLatin1Char('|'));
            QString kopf = spalte.left(trenner);
            const bool rechts = kopf.startsWith(QLatin1Char('>'));
            if (rechts)
                kopf.remove(0, 1);
            html += QStringLiteral("<th width=\"%1%\" align=\"%2\" bgcolor=\"%3\">%4</th>")
                        .arg(spalte.mid(trenner + 1),
                             rechts ? QStringLiteral("right") : QStringLiteral("left"),
                             QLatin1String(Kopffarbe), kopf.toHtmlEscaped());
        }
        html += QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</thead>");
}

QString BogenHtml::zelle(const QString &inhalt, bool rechts)
{
    return rechts ? QStringLiteral("<td align=\"right\">%1</td>").arg(inhalt)
                  : QStringLiteral("<td>%1</td>").arg(inhalt);
}

QString BogenHtml::beschriftung(const QString &titel, int breite)
{
    const QString b = breite > 0 ? QStringLiteral(" width=\"%1%\"").arg(breite) : QString();
    return QStringLiteral("<td%1 bgcolor=\"%2\"><b>%3</b></td>")
        .arg(b, QLatin1String(Beschriftungsfarbe), titel.toHtmlEscaped());
}

QString BogenHtml::paarZeilen(const QList<QPair<QString, QString>> &paare, int breite)
{
    const QString wert = QStringLiteral("<td width=\"%1%\">%2</td>").arg(50 - breite);
    QString html;
    for (int i = 0; i < paare.size(); i += 2) {
        html += QStringLiteral("<tr>") + beschriftung(paare.at(i).first, breite)
                + wert.arg(paare.at(i).second);
        if (i + 1 < paare.size())
            html += beschriftung(paare.at(i + 1).first, breite) + wert.arg(paare.at(i + 1).second);
        else
            html += beschriftung(QString(), breite) + wert.arg(QString());
        html += QStringLiteral("</tr>");
    }
    return html;
}

QString BogenHtml::leereZeile(int spalten, const QString &hinweis)
{
    return QStringLiteral("<tr><td colspan=\"%1\"><i>%2</i></td></tr>")
        .arg(spalten)
        .arg(hinweis.toHtmlEscaped());
}

void BogenHtml::fuelle(QTextDocument *dokument, const QString &html, const QString &titel)
{
    if (!dokument)
        return;
    QFont schrift(QStringLiteral("DejaVu Sans"));
    schrift.setStyleHint(QFont::SansSerif);
    schrift.setPointSizeF(8.5);
    dokument->setDefaultFont(schrift);
    dokument->setHtml(html);
    dokument->setMetaInformation(QTextDocument::DocumentTitle, titel);
}

QByteArray BogenHtml::pdf(QTextDocument &dokument, const QString &titel, const QString &programm)
{
    BogenPdf pdf(titel, programm);
    pdf.fuegeAn(dokument);
    return pdf.daten();
}
