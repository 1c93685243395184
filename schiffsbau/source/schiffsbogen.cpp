#include "schiffsbogen.h"

#include "komponente.h"
#include "schiffsdaten.h"
#include "schiffsmodel.h"

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

// The sheet's numbers are German whatever the user's locale is.
const QLocale &deutsch()
{
    static const QLocale gebietsschema(QLocale::German, QLocale::Germany);
    return gebietsschema;
}

QString zahl(qint64 wert)
{
    return deutsch().toString(wert);
}

// Decimal values as the data panel shows them: six significant digits.
QString dezimal(double wert)
{
    return deutsch().toString(wert, 'g', 6);
}

QString festkomma(double wert, int stellen)
{
    return deutsch().toString(wert, 'f', stellen);
}

QString janein(bool wert)
{
    return wert ? QStringLiteral("ja") : QStringLiteral("nein");
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

bool energieNegativ(const SchiffsDaten &d)
{
    return d.re - d.rev < 0;
}

bool slotsUeberbelegt(const SchiffsDaten &d)
{
    return d.computerSlots - d.slotsBelegt < 0;
}

bool volumenUeberschritten(const SchiffsDaten &d)
{
    return double(d.gstp) - double(d.gstpvBelegt) < 0;
}

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

    QStringList warnungen;
    if (energieNegativ(d))
        warnungen << QStringLiteral("Die Energiebilanz ist negativ: Die Verbraucher ziehen %1 REV, "
                                    "die Reaktoren liefern %2 RE.")
                         .arg(zahl(d.rev), zahl(d.re));
    if (slotsUeberbelegt(d))
        warnungen << QStringLiteral("Die Computer-Slots sind überbelegt: %1 belegt, %2 vorhanden.")
                         .arg(zahl(d.slotsBelegt), zahl(d.computerSlots));
    if (volumenUeberschritten(d))
        warnungen << QStringLiteral("Das belegte Volumen übersteigt die Schiffsgröße: %1 GSTPV "
                                    "belegt, %2 GSTP vorhanden.")
                         .arg(dezimal(double(d.gstpvBelegt)), zahl(d.gstp));
    for (const QString &w : warnungen)
        html += QStringLiteral("<p style=\"color:%1; font-weight:bold; margin-top:2px; "
                               "margin-bottom:2px;\">&#9888; %2</p>")
                    .arg(QLatin1String(Warnfarbe), w.toHtmlEscaped());
    if (!warnungen.isEmpty())
        html += abstand();
    return html;
}

QString groesseUndEnergie(const SchiffsDaten &d)
{
    const QString gstp = QStringLiteral("%1/%2").arg(dezimal(double(d.gstp) - double(d.gstpvBelegt)),
                                                     zahl(d.gstp));
    const QString re = QStringLiteral("%1/%2").arg(zahl(d.re - d.rev), zahl(d.re));
    QString html = paarTabelle(QStringLiteral("Größe, Gewicht und Energie"), {
        { QStringLiteral("Preis[St]"), QStringLiteral("<b>%1</b>").arg(zahl(d.preis)) },
        { QStringLiteral("Objektgröße"), zahl(d.objektgroesse) },
        { QStringLiteral("GSTP* (frei/gesamt)"),
          volumenUeberschritten(d) ? markiert(gstp, QStringLiteral("überschritten")) : gstp },
        { QStringLiteral("Gewicht[t]*"),
          QStringLiteral("%1 - %2").arg(dezimal(double(d.leergewicht)), dezimal(double(d.gewicht))) },
        { QStringLiteral("RE (frei/gesamt)"),
          energieNegativ(d) ? markiert(re, QStringLiteral("negativ")) : re },
        { QStringLiteral("BE (max BEV)"), QStringLiteral("%1 (%2)").arg(zahl(d.be), zahl(d.maxBev)) },
        { QStringLiteral("Sprung[t]"), zahl(d.sprungTonnen) },
        { QStringLiteral("Grav.GSTP"), zahl(d.gravGstp) },
        { QStringLiteral("Scan-Schutz"), zahl(d.scanschutz) },
    });
    html += fussnote(QStringLiteral("* GSTP: freies Volumen (GSTPV) / Schiffsgröße; davon belegt "
                                    "Maschinenraum %1, Trägheitsdämpfung %2, Druckschotten %3, "
                                    "EMAP-Starkfeld %4, Landestelzen %5 GSTPV. "
                                    "Gewicht: Leergewicht - Gewicht inkl. Treibstoff &amp; "
                                    "Frachtraum.")
                         .arg(zahl(d.gstpvMaschinenraum), zahl(d.gstpvTraegheitsdaempfer),
                              zahl(d.gstpvDruckschotts), zahl(d.gstpvEmap),
                              zahl(d.gstpvLandestelzen)));
    return html + abstand();
}

QString rumpfUndAntrieb(const SchiffsDaten &d)
{
    QString html = paarTabelle(QStringLiteral("Rumpf und Panzerung"), {
        { QStringLiteral("Rumpf"), dezimal(double(d.rumpf)) },
        { QStringLiteral("Panzerung"), zahl(d.panzerung) },
        { QStringLiteral("Schild"), zahl(d.schildenergie) },
        { QStringLiteral("Spiegelpanzerung"), janein(d.spiegelpanzerung) },
    });
    html += abstand();
    const QString zeile = QStringLiteral("<tr>%1<td align=\"right\">%2</td><td align=\"right\">%3</td>"
                                         "<td align=\"right\">%4</td></tr>");
    html += tabelle(QStringLiteral("Steuerung und Feldgeschwindigkeit"), 4,
                    kopfzelle(QString(), 34, false) + kopfzelle(QStringLiteral("leer"), 22, true)
                        + kopfzelle(QStringLiteral("halb voll"), 22, true)
                        + kopfzelle(QStringLiteral("voll"), 22, true));
    html += zeile.arg(beschriftung(QStringLiteral("Steuerung*"), 34), festkomma(d.steuerungLeer, 2),
                      festkomma(d.steuerungHalb, 2), festkomma(d.steuerungVoll, 2));
    html += zeile.arg(beschriftung(QStringLiteral("Feldgeschwindigkeit[km/s]*"), 34),
                      festkomma(d.feldgeschwLeer, 0), festkomma(d.feldgeschwHalb, 0),
                      festkomma(d.feldgeschwVoll, 0));
    html += QStringLiteral("</table>");
    html += fussnote(QStringLiteral("* leer: ohne Treibstofftank/Frachtraum; halb voll: "
                                    "Treibstoff/Frachtraum halb voll; voll: "
                                    "Treibstoff/Frachtraum voll."));
    return html + abstand();
}

QString computerUndSensoren(const SchiffsDaten &d)
{
    const QString belegung = QStringLiteral("%1/%2").arg(zahl(d.computerSlots - d.slotsBelegt),
                                                         zahl(d.computerSlots));
    return paarTabelle(QStringLiteral("Computer und Sensoren"), {
               { QStringLiteral("Computer[Slots]"),
                 slotsUeberbelegt(d) ? markiert(belegung, QStringLiteral("überbelegt")) : belegung },
               { QStringLiteral("Maschinenraum"), janein(d.maschinenraum) },
               { QStringLiteral("Beste Scanner[+, km]"),
                 QStringLiteral("%1, %2").arg(zahl(d.scannerErfassung), zahl(d.scannerReichweite)) },
               { QStringLiteral("Beste Sensoren[+, Mio.km]"),
                 QStringLiteral("%1, %2").arg(zahl(d.sensorBonus), dezimal(double(d.sensorReichweite))) },
               { QStringLiteral("Kommrelais[Mio. km]"), zahl(d.kommReichweite) },
               { QStringLiteral("TR-Transmitter[LJ]"), zahl(d.trReichweite) },
           })
           + abstand();
}

QString raeume(const SchiffsDaten &d)
{
    return paarTabelle(QStringLiteral("Räume"), {
               { QStringLiteral("Brücke[Pers.]"), zahl(d.brueckePersonen) },
               { QStringLiteral("Kabinen[Pers.]"), zahl(d.kabinenPersonen) },
               { QStringLiteral("Diverse Räume [GSTPV]"), zahl(d.weitereRaeumeGstpv) },
               { QStringLiteral("Treppen[Decks]"), zahl(d.treppenDecks) },
               { QStringLiteral("Lift[Decks]"), zahl(d.liftDecks) },
               { QStringLiteral("Treibstoff[t]"), zahl(d.treibstoffTonnen) },
               { QStringLiteral("Wasser[Liter]"), zahl(d.wasserLiter) },
               { QStringLiteral("Frachtraum int.[t]"), zahl(d.frachtInternTonnen) },
               { QStringLiteral("Frachtraum ext.[t]"), zahl(d.frachtExternTonnen) },
               { QStringLiteral("Hangar (Tor)[GSTP]"), zahl(d.hangarTor) },
               { QStringLiteral("Hangar (Kraftf.)[GSTP]"), zahl(d.hangarKraftfeld) },
           })
           + abstand();
}

QString lebenserhaltung(const SchiffsDaten &d)
{
    return paarTabelle(QStringLiteral("Lebenserhaltung und Sicherheit"), {
               { QStringLiteral("Lebenserhaltung[Pers.]"), zahl(d.lebenserhaltungPersonen) },
               { QStringLiteral("Rettungskapsel[Pers.]"), zahl(d.rettungskapselPersonen) },
               { QStringLiteral("Schleudersitz[Pers.]"), zahl(d.schleudersitzPersonen) },
               { QStringLiteral("Ballons/Schirme/Bags"),
                 QStringLiteral("%1 / %2 / %3")
                     .arg(zahl(d.gasballons), zahl(d.fallschirme), zahl(d.smashbags)) },
               { QStringLiteral("Druckschotten"), janein(d.druckschotts) },
               { QStringLiteral("Starkfeld"), janein(d.emapStarkfeld) },
               { QStringLiteral("Trägheitsdämpfung [g]"), zahl(d.traegheitsdaempfung) },
               { QStringLiteral("Landestelzen"), janein(d.landestelzen) },
           })
           + abstand();
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
    html += groesseUndEnergie(d);
    html += rumpfUndAntrieb(d);
    html += computerUndSensoren(d);
    html += raeume(d);
    html += lebenserhaltung(d);
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
