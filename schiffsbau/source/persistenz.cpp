#include "persistenz.h"

#include "datenordner.h"
#include "komponente.h"
#include "komponentenbibliothek.h"
#include "letzterordner.h"
#include "schiffsbogen.h"
#include "schiffsdaten.h"
#include "schiffsmodel.h"

#include <QAbstractItemView>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QPushButton>

#include <algorithm>
#include <functional>
#include <vector>

namespace {

// The placeholders of an export template, numbered as QString::arg numbers
// them: "%" with an optional "L" and one or two digits.
struct Platzhalter {
    qsizetype position;
    qsizetype laenge;
    int nummer;
    bool lokal;
};

QList<Platzhalter> platzhalterIn(const QString& text)
{
    QList<Platzhalter> marken;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (text.at(i) != QLatin1Char('%'))
            continue;
        qsizetype j = i + 1;
        const bool lokal = j < n && text.at(j) == QLatin1Char('L');
        if (lokal)
            ++j;
        if (j >= n || text.at(j).digitValue() < 0)
            continue;
        int nummer = text.at(j++).digitValue();
        if (j < n && text.at(j).digitValue() >= 0)
            nummer = 10 * nummer + text.at(j++).digitValue();
        marken.append({ i, j - i, nummer, lokal });
        i = j - 1;
    }
    return marken;
}

} // namespace

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

bool Persistenz::istEingebaut(int kat)
{
    return SchiffsDatei::istEingebaut(kat);
}

bool Persistenz::istKategorie(int kat)
{
    return SchiffsDatei::istKategorie(kat);
}

int Persistenz::feldZahl(const QString& feld)
{
    return SchiffsDatei::feldZahl(feld);
}

QString Persistenz::ohneZeilenende(QString feld)
{
    return SchiffsDatei::ohneZeilenende(feld);
}

int Persistenz::alteKategorie(int alt)
{
    return SchiffsDatei::alteKategorie(alt);
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

bool Persistenz::lies(const QString& datei, SchiffsDatei::Inhalt& inhalt)
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
    if (!inhalt.teilLesbar) {
        meldung(QMessageBox::Warning, titel, text);
        return true;
    }
    // The user may take what could be read, as a ship of its own.
    text += QStringLiteral(" „Lesbaren Teil laden“ lädt alles vor Zeile %1 als neues, "
                           "ungespeichertes Schiff.")
                    .arg(inhalt.lesbareZeilen + 1);
    if (meldungMitWahl(QMessageBox::Warning, titel, text, QStringLiteral("Lesbaren Teil laden")))
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

QString Persistenz::exportText(const QString& vorlage, const QString& name,
                               const QString& beschreibung)
{
    const SchiffsDaten d = m_pModel ? m_pModel->berechne() : SchiffsDaten();

    // Each value is formatted as QString::arg formats it, for a plain or a
    // locale ("%L") placeholder.
    using Fuellung = std::function<QString(bool)>;
    const auto muster = [](bool lokal) {
        return lokal ? QStringLiteral("%L1") : QStringLiteral("%1");
    };
    const auto ganz = [muster](qint64 wert) -> Fuellung {
        return [muster, wert](bool lokal) { return muster(lokal).arg(wert); };
    };
    const auto flag = [muster](bool wert) -> Fuellung {
        return [muster, wert](bool lokal) { return muster(lokal).arg(wert ? 1 : 0); };
    };
    const auto allgemein = [muster](float wert) -> Fuellung {
        return [muster, wert](bool lokal) { return muster(lokal).arg(double(wert), 0, 'g', 6); };
    };
    const auto fest = [muster](float wert, int stellen) -> Fuellung {
        return [muster, wert, stellen](bool lokal) {
            return muster(lokal).arg(double(wert), 0, 'f', stellen);
        };
    };
    const auto text = [](const QString& wert) -> Fuellung {
        return [wert](bool) { return wert; };
    };

    // The values in the order in which they fill the placeholders.
    const std::vector<Fuellung> werte = {
        text(name),                              // %1
        ganz(d.preis),                           // %2
        ganz(d.objektgroesse),                   // %3
        ganz(d.scanschutz),                      // %4
        allgemein(d.leergewicht),                // %5
        ganz(d.sprungTonnen),                    // %6
        allgemein(float(d.gstp) - d.gstpvBelegt), // %7
        ganz(d.gstp),                            // %8
        ganz(d.gravGstp),                        // %9
        ganz(SchiffsDaten::differenz(d.re, d.rev)), // %10
        ganz(d.re),                              // %11
        ganz(d.be),                              // %12
        ganz(d.maxBev),                          // %13
        allgemein(d.rumpf),                      // %14
        ganz(d.panzerung),                       // %15
        flag(d.spiegelpanzerung),                // %16
        ganz(d.schildenergie),                   // %17
        fest(d.steuerungVoll, 2),                // %18
        fest(d.feldgeschwVoll, 0),               // %19
        flag(d.emapStarkfeld),                   // %20
        ganz(d.traegheitsdaempfung),             // %21
        ganz(d.sensorBonus),                     // %22
        allgemein(d.sensorReichweite),           // %23
        ganz(d.scannerErfassung),                // %24
        ganz(d.scannerReichweite),               // %25
        ganz(d.kommReichweite),                  // %26
        ganz(d.trReichweite),                    // %27
        flag(d.maschinenraum),                   // %28
        ganz(d.computerSlots),                   // %29
        ganz(d.brueckePersonen),                 // %30
        ganz(d.kabinenPersonen),                 // %31
        ganz(d.weitereRaeumeGstpv),              // %32
        ganz(d.treppenDecks),                    // %33
        ganz(d.liftDecks),                       // %34
        ganz(d.treibstoffTonnen),                // %35
        ganz(d.wasserLiter),                     // %36
        ganz(d.frachtInternTonnen),              // %37
        ganz(d.frachtExternTonnen),              // %38
        ganz(d.hangarTor),                       // %39
        ganz(d.hangarKraftfeld),                 // %40
        ganz(d.lebenserhaltungPersonen),         // %41
        ganz(d.rettungskapselPersonen),          // %42
        ganz(d.schleudersitzPersonen),           // %43
        ganz(d.gasballons),                      // %44
        ganz(d.fallschirme),                     // %45
        ganz(d.smashbags),                       // %46
        flag(d.druckschotts),                    // %47
        flag(d.landestelzen),                    // %48
        text(beschreibung),                      // %49
        allgemein(d.gewicht),                    // %50
        fest(d.steuerungHalb, 2),                // %51
        fest(d.steuerungLeer, 2),                // %52
        fest(d.feldgeschwHalb, 0),               // %53
        fest(d.feldgeschwLeer, 0),               // %54
        ganz(d.gstpvMaschinenraum),              // %55
        ganz(d.gstpvTraegheitsdaempfer),         // %56
        ganz(d.gstpvDruckschotts),               // %57
        ganz(d.gstpvEmap),                       // %58
        ganz(d.gstpvLandestelzen),               // %59
        ganz(d.slotsBelegt),                     // %60
    };

    // The n-th lowest placeholder number of the template gets the n-th
    // value, as one QString::arg after the other would fill it, but in one
    // pass: a placeholder inside an inserted name or description stays as
    // the user wrote it. Numbers beyond the values stay as written.
    const QList<Platzhalter> marken = platzhalterIn(vorlage);
    QList<int> nummern;
    for (const Platzhalter& m : marken)
        nummern.append(m.nummer);
    std::sort(nummern.begin(), nummern.end());
    nummern.erase(std::unique(nummern.begin(), nummern.end()), nummern.end());
    QString ergebnis;
    ergebnis.reserve(vorlage.size() + name.size() + beschreibung.size() + 8 * marken.size());
    qsizetype kopiertBis = 0;
    for (const Platzhalter& m : marken) {
        const auto rang = std::lower_bound(nummern.cbegin(), nummern.cend(), m.nummer) - nummern.cbegin();
        if (rang >= qsizetype(werte.size()))
            continue;
        ergebnis += QStringView(vorlage).mid(kopiertBis, m.position - kopiertBis);
        ergebnis += werte.at(size_t(rang))(m.lokal);
        kopiertBis = m.position + m.laenge;
    }
    ergebnis += QStringView(vorlage).mid(kopiertBis);

    ergebnis += QStringLiteral("\n\nKomponenten:\n");
    const int zeilen = m_pModel ? m_pModel->rowCount() : 0;
    for (int i = 0; i < zeilen; ++i) {
        const Komponente* k = m_pModel->komponente(i);
        if (!k)
            continue;
        ergebnis += QString::number(m_pModel->anzahl(i)).rightJustified(7, QLatin1Char(' '))
                + QLatin1Char(' ')
                + k->einheit(true).rightJustified(8, QLatin1Char(' '))
                + QStringLiteral(" x ")
                + k->kurzname().rightJustified(11, QLatin1Char(' '))
                + QStringLiteral(" : ")
                + k->name()
                + QStringLiteral(" - ")
                + k->beschreibung()
                + QLatin1Char('\n');
    }
    return ergebnis;
}

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

    const QString text = exportText(vorlage, name, beschreibung);

    QString fehler;
    if (!SchiffsDatei::schreibeSicher(datei, text.toUtf8(), true, &fehler)) {
        meldung(QMessageBox::Critical, QStringLiteral("Fehler beim Exportieren"),
                QStringLiteral("Die Datei %1 konnte nicht geschrieben werden.\n%2")
                        .arg(QDir::toNativeSeparators(datei), fehler));
        return false;
    }
    return true;
}

void Persistenz::exportieren(QString name, QString beschreibung)
{
    m_vorschlag = name;
    const QString datei = frageDatei(QStringLiteral("In welche Datei soll exportiert werden?"),
                                     QStringLiteral("Textdatei (*.txt)"));
    if (datei.isEmpty())
        return;
    exportiereDatei(datei, name, beschreibung);
}

bool Persistenz::pdfExportiereDatei(const QString& datei, const QString& name,
                                    const QString& beschreibung)
{
    const SchiffsDaten d = m_pModel ? m_pModel->berechne() : SchiffsDaten();
    const QByteArray daten = SchiffsBogen::pdf(m_pModel, d, name, beschreibung);
    QString fehler;
    if (daten.isEmpty())
        fehler = QStringLiteral("Das PDF-Dokument konnte nicht erzeugt werden.");
    if (daten.isEmpty() || !SchiffsDatei::schreibeSicher(datei, daten, false, &fehler)) {
        meldung(QMessageBox::Critical, QStringLiteral("Fehler beim Exportieren"),
                QStringLiteral("Die Datei %1 konnte nicht geschrieben werden.\n%2")
                        .arg(QDir::toNativeSeparators(datei), fehler));
        return false;
    }
    return true;
}

void Persistenz::pdfExportieren(QString name, QString beschreibung)
{
    m_vorschlag = name;
    const QString datei = frageDatei(QStringLiteral("In welche Datei soll exportiert werden?"),
                                     QStringLiteral("PDF (*.pdf)"));
    if (datei.isEmpty())
        return;
    pdfExportiereDatei(datei, name, beschreibung);
}

// ------------------------------------------------------- dialogs, boxes

QString Persistenz::frageDatei(const QString& titel, const QString& filter)
{
    // The file the ship came from, or in the folder last used a name made
    // from the ship's.
    const QString ordner = m_vorschlagDatei.isEmpty() ? LetzterOrdner::ordner()
                                                      : QFileInfo(m_vorschlagDatei).absolutePath();
    QFileDialog dialog(nullptr, titel, ordner, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // "schiff" becomes "schiff.zss" (or ".txt"), as the filter promises.
    const int von = filter.indexOf(QStringLiteral("(*."));
    const int bis = filter.indexOf(QLatin1Char(')'), von);
    if (von >= 0 && bis > von + 3) {
        const QString endung = filter.mid(von + 3, bis - von - 3);
        dialog.setDefaultSuffix(endung);
        const QString basis = LetzterOrdner::dateiname(m_vorschlag);
        if (!m_vorschlagDatei.isEmpty())
            dialog.selectFile(QFileInfo(m_vorschlagDatei).fileName());
        else if (!basis.isEmpty())
            dialog.selectFile(basis + QLatin1Char('.') + endung);
        // The suggestion stays in the name field alone: a file of that name
        // selected in the list as well would outweigh another name typed
        // into the field while the field does not have the focus.
        if (auto* liste = dialog.findChild<QAbstractItemView*>(QStringLiteral("listView")))
            liste->clearSelection();
    }
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    const QStringList dateien = dialog.selectedFiles();
    const QString datei = dateien.isEmpty() ? QString() : dateien.first();
    LetzterOrdner::merke(datei);
    return datei;
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
