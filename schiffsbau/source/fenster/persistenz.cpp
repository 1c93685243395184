#include "persistenz.h"

#include "dateidialog.h"
#include "datenordner.h"
#include "komponente.h"
#include "komponentenbibliothek.h"
#include "platzhalter.h"
#include "schiffsbogen.h"
#include "schiffsexport.h"
#include "schiffsdaten.h"
#include "schiffsmodel.h"
#include "schiffswerte.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>

#include <algorithm>

Persistenz::Persistenz(SchiffsModel* model, KomponentenBibliothek* bibliothek,
                       QObject* parent)
    : QObject(parent)
    , m_pModel(model)
    , m_pBibliothek(bibliothek)
    , m_vorlage(DatenOrdner::pfad(QStringLiteral("exportvorlage.zse")))
{
}

Persistenz::~Persistenz() = default;

QString Persistenz::version()
{
    return SchiffsDatei::version();
}

QString Persistenz::vorlage() const
{
    return m_vorlage;
}

void Persistenz::setzeVorlage(const QString& datei)
{
    m_vorlage = datei;
}

// ---------------------------------------------------------------- saving

QByteArray Persistenz::schiffsText(const QString& name, const QString& beschreibung,
                                   QStringList* ersetzt) const
{
    return SchiffsDatei::text(m_pModel, name, beschreibung, ersetzt);
}

bool Persistenz::speichereDatei(const QString& datei, const QString& name,
                                const QString& beschreibung)
{
    QStringList ersetzt;
    const QString anzeige = QDir::toNativeSeparators(datei);
    QString fehler;
    if (!SchiffsDatei::schreibe(datei, m_pModel, name, beschreibung, &fehler, &ersetzt)) {
        meldung(QMessageBox::Critical, QStringLiteral("Fehler beim Speichern"),
                QStringLiteral("Die Datei %1 konnte nicht gespeichert werden.\n%2")
                        .arg(anzeige, fehler));
        return false;
    }
    m_letzteDatei = datei;
    if (!ersetzt.isEmpty()) {
        meldung(QMessageBox::Warning, QStringLiteral("Zeichen ersetzt"),
                QStringLiteral("Die Datei %1 wurde gespeichert. Einige Zeichen lassen "
                               "sich in einer Schiffsdatei nicht speichern und wurden "
                               "ersetzt:\n%2")
                        .arg(anzeige, ersetzt.join(QLatin1Char('\n'))));
    }
    return true;
}

bool Persistenz::speichern(QString name, QString beschreibung)
{
    return speichernUnter(name, beschreibung, QString());
}

bool Persistenz::speichernUnter(const QString& name, const QString& beschreibung,
                                const QString& bisher)
{
    m_vorschlag = name;
    m_vorschlagDatei = bisher;
    const QString datei = frageDatei(QStringLiteral("In welche Datei soll gespeichert werden?"),
                                     QStringLiteral("ZORVEL-Schiffsbau-Schiff (*.zss)"));
    m_vorschlagDatei.clear();
    if (datei.isEmpty())
        return false;
    return speichereDatei(datei, name, beschreibung);
}

QString Persistenz::letzteDatei() const
{
    return m_letzteDatei;
}

bool Persistenz::vollstaendigGeladen() const
{
    return m_vollstaendig;
}

bool Persistenz::lesbar(const QString& datei, QString* grund)
{
    const QFileInfo info(datei);
    QFile file(datei);
    QString warum;
    if (!info.exists())
        warum = QStringLiteral("Die Datei existiert nicht.");
    else if (info.isDir())
        warum = QStringLiteral("Das ist ein Ordner, keine Datei.");
    else if (!file.open(QIODevice::ReadOnly))
        warum = file.errorString();
    if (grund)
        *grund = warum;
    return warum.isEmpty();
}

// --------------------------------------------------------------- loading

bool Persistenz::laden(QString& name, QString& beschreibung, QString datei)
{
    SchiffsDatei::Inhalt inhalt;
    if (!lies(datei, inhalt))
        return false;
    uebernimm(inhalt, name, beschreibung);
    return true;
}

void Persistenz::ladeText(QString& name, QString& beschreibung, const QByteArray& text)
{
    SchiffsDatei::Inhalt inhalt = SchiffsDatei(m_pBibliothek).liesDaten(text, QString());
    uebernimm(inhalt, name, beschreibung);
}

bool Persistenz::lies(const QString& datei, SchiffsDatei::Inhalt& inhalt, bool teilAnbieten)
{
    m_vollstaendig = false;
    if (datei.isEmpty() || !m_pBibliothek) {
        inhalt = SchiffsDatei::Inhalt();
        inhalt.befund = SchiffsDatei::Befund::NichtGeoeffnet;
        return !datei.isEmpty();
    }
    inhalt = SchiffsDatei(m_pBibliothek).lies(datei);
    if (inhalt.befund != SchiffsDatei::Befund::Abgelehnt)
        return true;

    const QString titel = QStringLiteral("Fehler beim Laden");
    QString text = inhalt.grund + QStringLiteral("\n\nDas aktuelle Schiff wurde beibehalten.");
    if (!inhalt.teilLesbar || !teilAnbieten) {
        meldung(QMessageBox::Warning, titel, text);
        return true;
    }
    // The user may take what could be read, as a ship of its own.
    text += QStringLiteral(" „Lesbaren Teil laden“ lädt alles vor Zeile %1 als neues, "
                           "ungespeichertes Schiff.")
                    .arg(inhalt.lesbareZeilen + 1);
    if (meldungMitWahl(QMessageBox::Warning, titel, text, QStringLiteral("&Lesbaren Teil laden")))
        inhalt.befund = SchiffsDatei::Befund::LesbarerTeil;
    else
        inhalt.komponenten.clear();
    return true;
}

void Persistenz::uebernimm(SchiffsDatei::Inhalt& inhalt, QString& name, QString& beschreibung)
{
    const bool ganz = inhalt.befund == SchiffsDatei::Befund::Gelesen;
    m_vollstaendig = ganz && inhalt.nichtGefunden.isEmpty() && inhalt.angepasst.isEmpty();
    if (!m_pModel || (!ganz && inhalt.befund != SchiffsDatei::Befund::LesbarerTeil))
        return;
    if (inhalt.kopf) {
        name = inhalt.name;
        beschreibung = inhalt.beschreibung;
    }
    for (SchiffsDatei::Eintrag& e : inhalt.komponenten)
        m_pModel->addKomponente(e.komponente.release(), e.anzahl);
    inhalt.komponenten.clear();
    m_pModel->berechne();

    const QString datei = QDir::toNativeSeparators(inhalt.datei);
    if (!inhalt.nichtGefunden.isEmpty()) {
        meldung(QMessageBox::Warning, QStringLiteral("Komponenten nicht gefunden"),
                QStringLiteral("Folgende Komponenten wurden nicht gefunden:\n%1\n\nDatei: %2")
                        .arg(inhalt.nichtGefunden.join(QLatin1Char('\n')), datei));
    }
    if (!inhalt.angepasst.isEmpty()) {
        meldung(QMessageBox::Warning, QStringLiteral("Werte angepasst"),
                QStringLiteral("Die Datei %1 enthält Werte außerhalb des Erlaubten. Sie wurden "
                               "auf den nächsten erlaubten Wert gesetzt:\n%2")
                        .arg(datei, inhalt.angepasst.join(QLatin1Char('\n'))));
    }
}
// ---------------------------------------------------------------- export

bool Persistenz::exportiereDatei(const QString& datei, const QString& name,
                                 const QString& beschreibung)
{
    QFile vorlageDatei(m_vorlage);
    if (!vorlageDatei.open(QIODevice::ReadOnly | QIODevice::Text)) {
        meldung(QMessageBox::Critical, QStringLiteral("Fehler beim Exportieren"),
                QStringLiteral("Die Exportvorlage %1 konnte nicht gelesen werden.\n%2")
                        .arg(QDir::toNativeSeparators(QFileInfo(m_vorlage).absoluteFilePath()),
                             vorlageDatei.errorString()));
        return false;
    }
    const QString vorlage = QString::fromUtf8(vorlageDatei.readAll());
    vorlageDatei.close();

    const QString text = SchiffsExport::text(m_pModel, vorlage, name, beschreibung);

    return schreibeExport(datei, text.toUtf8(), true, QString());
}

bool Persistenz::exportieren(QString name, QString beschreibung)
{
    const QString datei = frageExportziel(name, QStringLiteral("Textdatei (*.txt)"));
    return !datei.isEmpty() && exportiereDatei(datei, name, beschreibung);
}

bool Persistenz::pdfExportiereDatei(const QString& datei, const QString& name,
                                    const QString& beschreibung)
{
    const SchiffsDaten d = m_pModel ? m_pModel->berechne() : SchiffsDaten();
    const QByteArray daten = SchiffsBogen::pdf(m_pModel, d, name, beschreibung);
    return schreibeExport(datei, daten, false,
                          daten.isEmpty() ? QStringLiteral("Das PDF-Dokument konnte nicht erzeugt werden.")
                                          : QString());
}

bool Persistenz::pdfExportieren(QString name, QString beschreibung)
{
    const QString datei = frageExportziel(name, QStringLiteral("PDF (*.pdf)"));
    return !datei.isEmpty() && pdfExportiereDatei(datei, name, beschreibung);
}

QString Persistenz::letzterExport() const
{
    return m_letzterExport;
}

QString Persistenz::frageExportziel(const QString& name, const QString& filter)
{
    m_vorschlag = name;
    return frageDatei(QStringLiteral("In welche Datei soll exportiert werden?"), filter);
}

bool Persistenz::schreibeExport(const QString& datei, const QByteArray& daten, bool textModus,
                                QString fehler)
{
    if (fehler.isEmpty() && SchiffsDatei::schreibeSicher(datei, daten, textModus, &fehler)) {
        m_letzterExport = datei;
        return true;
    }
    meldung(QMessageBox::Critical, QStringLiteral("Fehler beim Exportieren"),
            QStringLiteral("Die Datei %1 konnte nicht geschrieben werden.\n%2")
                    .arg(QDir::toNativeSeparators(datei), fehler));
    return false;
}

// ------------------------------------------------------- dialogs, boxes

QString Persistenz::frageDatei(const QString& titel, const QString& filter)
{
    // The file the ship came from, or in the folder last used a name made
    // from the ship's; "schiff" becomes "schiff.zss" (or ".txt"), as the
    // filter promises.
    const int von = filter.indexOf(QStringLiteral("(*."));
    const int bis = filter.indexOf(QLatin1Char(')'), von);
    const QString endung = von >= 0 && bis > von + 3 ? filter.mid(von + 3, bis - von - 3) : QString();
    return DateiDialog::speichern(titel, filter, endung,
                                  m_vorschlagDatei.isEmpty() ? m_vorschlag : m_vorschlagDatei);
}

void Persistenz::meldung(QMessageBox::Icon symbol, const QString& titel,
                         const QString& text)
{
    QMessageBox box(symbol, titel, text, QMessageBox::Ok);
    box.exec();
}

bool Persistenz::meldungMitWahl(QMessageBox::Icon symbol, const QString& titel,
                                const QString& text, const QString& wahl)
{
    QMessageBox box(symbol, titel, text, QMessageBox::Ok);
    QPushButton* knopf = box.addButton(wahl, QMessageBox::ActionRole);
    box.setDefaultButton(QMessageBox::Ok);
    box.exec();
    return box.clickedButton() == knopf;
}
