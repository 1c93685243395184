#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "charakter.h"
#include "charakterbogen.h"
#include "charakterschritt.h"
#include "charakterxml.h"
#include "dialogzufall.h"
#include "persistenz.h"
#include "regelwerk.h"
#include "tabaktionen.h"
#include "tabbasis.h"
#include "tabdiverse.h"
#include "tabeigenschaften.h"
#include "tabparanormik.h"
#include "tabspezialgebiete.h"
#include "aenderungsfrage.h"
#include "alttaste.h"
#include "bogendruck.h"
#include "dateikuerzel.h"
#include "dateidialog.h"
#include "fenstertitel.h"
#include "hilfefenster.h"
#include "menuetaste.h"
#include "rettungskopie.h"
#include "statusmeldung.h"
#include "verlaufaktionen.h"
#include "zuletztgeoeffnet.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QTextDocument>
#include <QCloseEvent>
#include <QDir>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QTabBar>
#include <QUndoStack>
#include <QVBoxLayout>

#include <initializer_list>
#include <iterator>
#include <utility>

namespace {

// The program's version, as the build sets it for the command line too.
const char *const Version = ZORVEL_CHARAKTERGENERATOR_VERSION;

QString tooltipEP(const QString &kurz, bool fertig);
// The window's title without a document file; the changed mark goes at its end.
QString programmTitel()
{
    return QStringLiteral("ZORVEL2 - Charaktergenerator (%1)").arg(QLatin1String(Version));
}

QString tooltipGenerierung()
{
    return tooltipEP(QStringLiteral("Ungenutzte Start-EP / Gesamt Start-EP"), false);
}

QString tooltipFertig()
{
    return tooltipEP(QStringLiteral("(Ungenutzte Start-EP) Genutzte EP nach Generierung"), true);
}

// What the EP label shows while generating and after "fertig": the fixed
// short form first, the explanation below.
QString tooltipEP(const QString &kurz, bool fertig)
{
    if (!fertig)
        return kurz + QStringLiteral("\nErfahrungspunkte: vorne, was von den Start-EP des Basistypus "
                                     "(+80 mit dem Modul Spezialgebiete) noch übrig ist, hinten alle "
                                     "Start-EP. Schritte 2 bis 6 geben sie aus.");
    return kurz + QStringLiteral("\nNach „fertig“: in Klammern die bei der Generierung nicht "
                                 "ausgegebenen Start-EP, dahinter die seither ausgegebenen EP. Diese "
                                 "stammen aus Erfahrung, die die Spielleitung vergibt.");
}

// SP, TP and MP: the remainder, then the total.
QString tooltipPunkte(const char *art, const char *wofuer)
{
    return QStringLiteral("%1: %2.\nVorne die übrigen %1, hinten alle (Basistypus + gekauft + "
                          "erspielt); 1 EP kauft 2 SP, 1 TP oder 1 MP.")
        .arg(QLatin1String(art), QString::fromUtf8(wofuer));
}

// ASP, MSP and KSP come with the species; nothing here spends them.
QString tooltipSpeziesPunkte(const char *art)
{
    return QStringLiteral("Hinten die %1 des Basistypus; der Charaktergenerator verbucht keine %1, "
                          "daher steht vorne stets 0.")
        .arg(QLatin1String(art));
}

struct Schritt
{
    const char *nummer;
    const char *anweisung;
};

// Step label and hint of the step bar, one entry per tab.
const Schritt schritte[] = {
    { "1", "Bitte Basistypus für die folgenden Schritte wählen. Größe und Gewicht sind ein "
           "regelkonformer Vorschlag. Das Geburtsdatum hat derzeit keinen Bezug zum Basistyp." },
    { "2", "Bitte die Eigenschaften wie gewünscht steigern. Daraus (und aus dem Basistyp) "
           "resultieren die Daten rechts." },
    { "3", "Hier kann man das Modul Spezialgebiete verwenden." },
    { "4", "Bitte alle Sprachen, die der Charakter neben seiner/n Muttersprache/n spricht, sowie "
           "alle Aktionsfertigkeiten, die er zu Beginn können soll, hinzufügen." },
    { "5", "Bitte die paranormische Fähigkeiten des Charakters definieren." },
    { "6", "Hier kann man weitere Energien, sowie das Startguthaben, Prestige und Bonuspunkte "
           "definieren." },
};

} // namespace

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
    , ui(new Ui::MainWindow)
    , regelwerk(new Regelwerk)
    , charakter(new Charakter(regelwerk))
    , persistenz(new Persistenz(this))
{
    ui->setupUi(this);
    // Step 1 is built right inside the tab widget's page stack, so that its
    // widgets take on the window's style sheets once (a page built elsewhere
    // and then inserted would have all its widgets styled again). Steps 2 to
    // 6 start as empty pages; each is built inside its page when it is first
    // needed (shown, or told of a change of species), see schrittTab(). Most
    // of the start-up went to building and styling pages not yet looked at.
    QWidget *seiten = ui->tabWidget->findChild<QStackedWidget *>(QString(), Qt::FindDirectChildrenOnly);
    tabBasis = new TabBasis(charakter, regelwerk, seiten);
    tabs << tabBasis;

    zuletzt = new ZuletztGeoeffnet(ui->menuCharakter, ui->actionSpeichern, this);

    // While the character has unsaved changes, a recovery copy is kept; text
    // still being typed counts, and is handed over before the copy is written.
    rettung = new Rettungskopie(this);
    const QList<QLineEdit *> zeilen = tabBasis->findChildren<QLineEdit *>();
    for (QLineEdit *zeile : zeilen)
        connect(zeile, &QLineEdit::textEdited, rettung, &Rettungskopie::eingabeLaeuft);
    connect(rettung, &Rettungskopie::vorDemSchreiben, this, &MainWindow::uebernimmLaufendeEingabe);

    // Undo and redo: one step per change, the menu texts name the step.
    // A field still being edited is a step of its own before undo or redo.
    verlauf = VerlaufAktionen::erzeuge(this, ui->actionRueckgaengig, ui->actionWiederholen,
                                       [this] { uebernimmLaufendeEingabe(); });
    connect(zuletzt, &ZuletztGeoeffnet::oeffnen, this, &MainWindow::oeffneDatei);
    ui->frameWeiter->hide();

    FensterTitel::setze(this, QString(), programmTitel());

    ui->tabWidget->insertTab(0, tabBasis, AbstractTab::schrittTitel(0));
    ui->tabWidget->tabBar()->setAccessibleName(QStringLiteral("Schritte"));
    weiterZuletzt();
    for (int i = 1; i < int(std::size(schritte)); ++i) {
        auto *platz = new QWidget(seiten);
        auto *rahmen = new QVBoxLayout(platz);
        rahmen->setContentsMargins(0, 0, 0, 0);
        ui->tabWidget->addTab(platz, AbstractTab::schrittTitel(i));
        tabs << nullptr;
    }

    connect(tabBasis, &AbstractTab::signalUpdateHeader, this, &MainWindow::updateHeaderDaten);
    verbindeTab(tabBasis);
    connect(tabBasis, &TabBasis::basistypChanged, this,
            [this] { static_cast<TabSpezialgebiete *>(schrittTab(2))->onBasistypGewechselt(); });
    connect(charakter, &Charakter::signalAktionspunkteUpdate, this, &MainWindow::updateHeaderDaten);
    connect(ui->buttonWeiter, &QPushButton::clicked, this, &MainWindow::onWeiter);
    connect(ui->tabWidget, &QTabWidget::currentChanged, this, &MainWindow::onTabGewechselt);
    connect(ui->actionNeu, &QAction::triggered, this, &MainWindow::onNeuCharakter);
    connect(ui->actionZufallscharakter, &QAction::triggered, this, &MainWindow::onZufallscharakter);
    connect(ui->actionSpeichern, &QAction::triggered, this, &MainWindow::onSpeichernCharakter);
    connect(ui->actionSpeichernUnter, &QAction::triggered, this, &MainWindow::onSpeichernUnter);
    connect(ui->actionLaden, &QAction::triggered, this, &MainWindow::onLadeCharakter);
    connect(ui->actionExportieren, &QAction::triggered, this, &MainWindow::onExportiereCharakter);
    connect(ui->actionUeber, &QAction::triggered, this, &MainWindow::onUeber);
    connect(ui->actionKurzanleitung, &QAction::triggered, this, &MainWindow::onKurzanleitung);
    connect(ui->actionDrucken, &QAction::triggered, this, &MainWindow::onDrucken);
    connect(ui->actionPdf, &QAction::triggered, this, &MainWindow::onPdfExportieren);
    // The window is reset only once the chosen file could be opened, so a
    // file that cannot be read leaves the character on screen untouched.
    connect(persistenz, &Persistenz::signalLadenBeginnt, this, &MainWindow::setzeZurueck);

    // Every change to the character is followed by one of these signals.
    connect(tabBasis, &AbstractTab::signalUpdateHeader, this, &MainWindow::pruefeAenderung);
    connect(tabBasis, &TabBasis::datenGeaendert, this, &MainWindow::pruefeAenderung);
    // The height is checked too, and it changes no points.
    connect(tabBasis, &TabBasis::datenGeaendert, this, &MainWindow::zeigePruefungImKopf);
    connect(charakter, &Charakter::signalAktionspunkteUpdate, this, &MainWindow::pruefeAenderung);

    DateiKuerzel::setze(ui->actionNeu, ui->actionLaden, ui->actionSpeichern, ui->actionSpeichernUnter,
                        ui->actionDrucken, ui->actionBeenden);
    MenueTaste::setze(this);
    AltTaste::schuetze();
    // Closing goes through the question about unsaved changes.
    connect(ui->actionBeenden, &QAction::triggered, this, &QWidget::close);
    ui->actionKurzanleitung->setShortcuts(QKeySequence::HelpContents);

    ui->labelInfoEP->setToolTip(tooltipGenerierung());
    ui->labelInfoASP->setToolTip(tooltipSpeziesPunkte("ASP"));
    ui->labelInfoMSP->setToolTip(tooltipSpeziesPunkte("MSP"));
    ui->labelInfoKSP->setToolTip(tooltipSpeziesPunkte("KSP"));
    ui->labelInfoSP->setToolTip(tooltipPunkte("SP", "Sprachpunkte, bezahlen Sprachen (Schritt 4)"));
    ui->labelInfoTP->setToolTip(tooltipPunkte("TP", "Techpunkte, bezahlen Technik-Aktionen (Schritt 4)"));
    ui->labelInfoMP->setToolTip(
        tooltipPunkte("MP", "Mentalpunkte, bezahlen paranormale Fähigkeiten und PNE (Schritt 5)"));

    // On a small screen the window starts no larger than the free area
    // (room left for the window frame); the steps scroll where they must.
    if (const QScreen *bildschirm = screen()) {
        const QSize platz = bildschirm->availableGeometry().size() - QSize(16, 40);
        // (Where the window fits, its layout keeps it no smaller than its
        // content when it is shown; the size need not be worked out twice.)
        if (platz.isValid() && (width() > platz.width() || height() > platz.height()))
            resize(size().boundedTo(platz).expandedTo(minimumSizeHint()));
    }

    // What "neu" does; there is nothing to ask about yet.
    setzeZurueck();
    setzeDokument(QString(), true);
}

MainWindow::~MainWindow()
{
    // The history first: clearing it updates the menu of the form.
    delete verlauf;
    verlauf = nullptr;
    // Tear the tabs down while the character they point to still exists, and
    // without the step flow reacting to pages disappearing from the tab widget.
    disconnect(ui->tabWidget, nullptr, this, nullptr);
    disconnect(charakter, nullptr, this, nullptr);
    for (AbstractTab *tab : std::as_const(tabs))
        if (tab)
            disconnect(tab, nullptr, this, nullptr);
    qDeleteAll(tabs);
    tabs.clear();
    delete charakter;
    delete regelwerk;
    delete ui;
}

QString MainWindow::version()
{
    return QString::fromLatin1(Version);
}

void MainWindow::oeffneDatei(const QString &datei)
{
    if (aenderungenBehandelt())
        ladeDatei(datei);
}

void MainWindow::updateHeaderDaten()
{
    // A budget spent beyond what there is (e.g. after a change of species)
    // shows in red.
    const auto markiere = [](QLabel *label, int rest) {
        const QString stil = rest < 0 ? QStringLiteral("color: red;") : QString();
        if (label->styleSheet() != stil)
            label->setStyleSheet(stil);
    };
    const QString paar = QStringLiteral("%1/%2");
    ui->labelInfoName->setText(charakter->text(CharakterBasis::Name));
    if (charakter->generieren())
        ui->labelInfoEP->setText(
            paar.arg(charakter->verfuegbareEP(true)).arg(charakter->verfuegbareEP(false)));
    else
        ui->labelInfoEP->setText(QStringLiteral("(%1) %2")
                                     .arg(charakter->startEP(true))
                                     .arg(charakter->verfuegbareEP(false)));
    markiere(ui->labelInfoEP, charakter->generieren() ? charakter->verfuegbareEP(true)
                                                      : charakter->startEP(true));

    // Each point kind: what is left of its total.
    const std::pair<QLabel *, CharakterBasis::Punktart> punktarten[] = {
        { ui->labelInfoSP, CharakterBasis::SP },
        { ui->labelInfoTP, CharakterBasis::TP },
        { ui->labelInfoMP, CharakterBasis::MP },
    };
    for (const auto &[label, art] : punktarten) {
        const int rest = charakter->punkte(art, CharakterBasis::Rest);
        label->setText(paar.arg(rest).arg(charakter->punkte(art, CharakterBasis::Gesamt)));
        markiere(label, rest);
    }

    ui->labelInfoASP->setText(paar.arg(charakter->asp(true)).arg(charakter->asp(false)));
    ui->labelInfoMSP->setText(paar.arg(charakter->msp(true)).arg(charakter->msp(false)));
    ui->labelInfoKSP->setText(paar.arg(charakter->ksp(true)).arg(charakter->ksp(false)));
    zeigePruefungImKopf();
}

void MainWindow::zeigePruefungImKopf()
{
    QStringList zeilen;
    const QList<Charakter::Befund> befunde = charakter->pruefung();
    for (const Charakter::Befund &b : befunde)
        zeilen << AbstractTab::pruefungsZeile(b);
    const QString tipp = zeilen.isEmpty()
                             ? QStringLiteral("Prüfung: alles passt zu den Regeln.")
                             : QStringLiteral("Prüfung:\n") + zeilen.join(QLatin1Char('\n'));
    if (ui->infoFrame->toolTip() != tipp)
        ui->infoFrame->setToolTip(tipp);
}

void MainWindow::verbindeTab(AbstractTab *tab)
{
    connect(tab, &AbstractTab::signalMeldung, this,
            [this](const QString &text) { StatusMeldung::zeige(this, text); });
    connect(tab, &AbstractTab::signalSchrittName, this,
            [this](const QString &name) { naechsterSchrittName = name; });
}

void MainWindow::onNeuCharakter()
{
    if (!aenderungenBehandelt())
        return;
    setzeZurueck();
    setzeDokument(QString(), true);
}

void MainWindow::onZufallscharakter()
{
    // Opened without a loop of its own; "Erzeugen" draws.
    auto *dialog = new DialogZufall(regelwerk, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this,
            [this, dialog] { erzeugeZufallscharakter(dialog->einstellungen()); });
    dialog->open();
}

void MainWindow::erzeugeZufallscharakter(const Zufallscharakter::Einstellungen &einstellungen)
{
    if (!aenderungenBehandelt())
        return;
    setzeZurueck();
    setzeDokument(QString(), true);

    // The draw is one step: nothing on its way is recorded.
    stelltHer = true;
    {
        const QSignalBlocker sperre(charakter);
        Zufallscharakter::erzeuge(charakter, einstellungen);
    }
    // A whole character: every step shows it, as after loading.
    for (int i = 1; i < ui->tabWidget->count(); ++i)
        ui->tabWidget->setTabEnabled(i, true);
    zeigeCharakter();
    stelltHer = false;
    naechsterSchrittName = QStringLiteral("Zufallscharakter");
    pruefeAenderung();
}

void MainWindow::setzeZurueck()
{
    charakter->zuruecksetzen();
    for (AbstractTab *tab : std::as_const(tabs))
        if (tab)
            tab->neuAufbauen();

    ui->tabWidget->setCurrentIndex(0);
    for (int i = 1; i < ui->tabWidget->count(); ++i)
        ui->tabWidget->setTabEnabled(i, false);

    updateHeaderDaten();
    tabBasis->aktualisieren();

    // Back to the step bar of step 1 even when tab 0 was already current (then
    // the tab widget reports no change). A label that already shows step 1 is
    // left as it is.
    if (ui->labelSchritt->text().trimmed() != QLatin1String(schritte[0].nummer))
        ui->labelSchritt->setText(QString::fromUtf8(schritte[0].nummer));
    ui->labelAnweisung->setText(QString::fromUtf8(schritte[0].anweisung));
    ui->labelInfoEP->setToolTip(tooltipGenerierung());
    updateWeiterButton();

    ui->tabWidget->show();
    ui->frameWeiter->show();
    // A new character begins with its name.
    if (QWidget *name = tabBasis->findChild<QWidget *>(QStringLiteral("editName")))
        name->setFocus(Qt::OtherFocusReason);
}

void MainWindow::onSpeichernCharakter()
{
    speichereCharakter(false);
}

void MainWindow::onSpeichernUnter()
{
    speichereCharakter(true);
}

bool MainWindow::speichereCharakter(bool fragen)
{
    uebernimmLaufendeEingabe();
    const bool gespeichert = fragen ? persistenz->speichernUnter(charakter, dokumentDatei)
                                    : persistenz->speichern(charakter, dokumentDatei);
    if (!gespeichert)
        return false;
    // The file lacks what XML cannot carry; the fields show the file's text.
    // The document is the same, so this is no step of its own.
    if (CharakterXml::bereinigeTexte(charakter)) {
        stelltHer = true;
        zeigeCharakter();
        stelltHer = false;
    }
    setzeDokument(persistenz->letzteDatei(), true, false);
    StatusMeldung::datei(this, QStringLiteral("Gespeichert"), persistenz->letzteDatei());
    return true;
}

void MainWindow::onLadeCharakter()
{
    // Unsaved changes first, then the file; a cancelled dialog loads nothing.
    if (aenderungenBehandelt())
        ladeDatei(DateiDialog::oeffnen(QStringLiteral("Aus welcher Datei soll geladen werden?"),
                                       QStringLiteral("ZORVEL-Charakter (*.zch)")));
}

void MainWindow::ladeDatei(const QString &datei)
{
    if (datei.isEmpty() || !persistenz->laden(datei, charakter))
        return;

    zeigeGeladen();
    // The readable beginning of a damaged file is a new document: saving it
    // asks for a file, so the damaged one is never overwritten unasked.
    // Values brought into the rules are a change to the file.
    if (persistenz->nurLesbarerTeil())
        setzeDokument(QString(), false);
    else
        setzeDokument(datei, !persistenz->werteAngepasst());
    StatusMeldung::datei(this,
                         persistenz->nurLesbarerTeil() ? QStringLiteral("Lesbarer Teil geladen")
                                                       : QStringLiteral("Geladen"),
                         datei);
}

void MainWindow::zeigeGeladen()
{
    updateHeaderDaten();
    tabBasis->aktualisieren();
    for (int i = 1; i < ui->tabWidget->count(); ++i)
        ui->tabWidget->setTabEnabled(i, true);
    for (AbstractTab *tab : std::initializer_list<AbstractTab *>{ tabAktionen, tabParanormik, tabSpezialgebiete })
        if (tab)
            tab->neuAufbauen();
    updateWeiterButton();
}

bool MainWindow::stelleWiederHer(const QByteArray &dokument, const QString &datei)
{
    // As a file is loaded, from the copy; what the copy holds is the
    // character as it was, so nothing in it is checked or refused.
    setzeZurueck();
    QStringList angepasst;
    const bool ganz = CharakterXml::lesen(dokument, charakter, &angepasst) && angepasst.isEmpty();
    zeigeGeladen();
    setzeDokument(datei, false);
    return ganz;
}

void MainWindow::setzeDokument(const QString &datei, bool gesichert, bool neueGeschichte)
{
    if (neueGeschichte) {
        verlauf->clear();
        letzterStand = CharakterXml::schreiben(charakter);
    }
    dokumentDatei = datei;
    zuletzt->merke(datei); // opened or saved; nothing for a new character
    gesichertesDokument = gesichert ? CharakterXml::schreiben(charakter) : QByteArray();
    FensterTitel::setze(this, dokumentDatei, programmTitel());
    pruefeAenderung();
}

void MainWindow::pruefeAenderung()
{
    if (stelltHer)
        return;
    const QByteArray jetzt = CharakterXml::schreiben(charakter);
    if (jetzt != letzterStand) {
        auto *schritt = new CharakterSchritt(letzterStand, jetzt,
                                             [this](const QByteArray &d) { stelleHer(d); });
        if (!naechsterSchrittName.isEmpty())
            schritt->setText(naechsterSchrittName);
        // Pushing runs no redo of it: the change is already made.
        verlauf->push(schritt);
        letzterStand = jetzt;
    }
    naechsterSchrittName.clear();
    zeigeAenderung(jetzt);
}

void MainWindow::zeigeAenderung(const QByteArray &jetzt)
{
    const bool geaendert = jetzt != gesichertesDokument;
    if (geaendert != isWindowModified())
        setWindowModified(geaendert);
    const QString name = charakter->text(CharakterBasis::Name).trimmed();
    rettung->setzeStand(jetzt, geaendert, dokumentDatei,
                        name.isEmpty() ? QStringLiteral("Charakter ohne Namen") : name);
}

void MainWindow::stelleHer(const QByteArray &dokument)
{
    stelltHer = true;
    charakter->zuruecksetzen();
    CharakterXml::lesen(dokument, charakter);
    zeigeCharakter();
    stelltHer = false;
    letzterStand = dokument;
    zeigeAenderung(dokument);
}

void MainWindow::zeigeCharakter()
{
    // Which steps are open stays as it is. A step not built yet shows the
    // character once it is built.
    if (tabAktionen)
        tabAktionen->zeigeNeuGeladen();
    if (tabParanormik)
        tabParanormik->zeigeNeuGeladen();
    if (tabSpezialgebiete)
        tabSpezialgebiete->zeigeNeuGeladen();
    tabBasis->aktualisieren();
    if (tabEigenschaften)
        tabEigenschaften->aktualisieren();
    if (tabDiverse)
        tabDiverse->aktualisieren();
    updateHeaderDaten();
    updateWeiterButton();
}

bool MainWindow::aenderungenBehandelt()
{
    uebernimmLaufendeEingabe();
    pruefeAenderung();
    return AenderungsFrage::behandelt(this, QStringLiteral("ZORVEL2 - Charaktergenerator"),
                                      [this] { return speichereCharakter(false); });
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (aenderungenBehandelt()) {
        rettung->entferne();
        event->accept();
    } else {
        event->ignore();
    }
}

void MainWindow::onExportiereCharakter()
{
    uebernimmLaufendeEingabe();
    if (persistenz->exportieren(charakter))
        StatusMeldung::datei(this, QStringLiteral("Exportiert"), persistenz->letzterExport());
}

void MainWindow::onDrucken()
{
    uebernimmLaufendeEingabe();
    if (BogenDruck::drucken(CharakterBogen::druckTitel(), CharakterBogen::dokumentName(charakter),
                            CharakterBogen::programm(),
                            QStringLiteral("Der Charakterbogen konnte nicht gedruckt werden."),
                            [this](QTextDocument *dokument) { CharakterBogen::fuelle(dokument, charakter); }))
        StatusMeldung::zeige(this, QStringLiteral("Gedruckt."));
}

void MainWindow::onPdfExportieren()
{
    uebernimmLaufendeEingabe();
    if (persistenz->pdfExportieren(charakter))
        StatusMeldung::datei(this, QStringLiteral("Als PDF exportiert"), persistenz->letzterExport());
}

void MainWindow::onTabGewechselt(int neuerTab)
{
    if (neuerTab >= 0 && neuerTab < tabs.size()) {
        schrittTab(neuerTab)->aktualisieren();
        zeigeSchritt(neuerTab);
    }
    updateWeiterButton();
}

void MainWindow::onWeiter()
{
    const int n = ui->tabWidget->currentIndex() + 1;
    if (n >= ui->tabWidget->count()) {
        charakter->setzeGenerieren(false);
        updateHeaderDaten();
        updateWeiterButton();
        pruefeAenderung();
        return;
    }

    ui->tabWidget->setTabEnabled(n, true);
    ui->tabWidget->setCurrentIndex(n);

    zeigeWeiter(n == ui->tabWidget->count() - 1);
}

void MainWindow::keyPressEvent(QKeyEvent *event)
{
    // Enter that the focused field left alone: a focused button presses
    // itself, otherwise "weiter ->" moves on. "fertig" cannot be undone, so
    // Enter never presses it. In a list or table Enter belongs to the list
    // (it ends the edit of a value) and goes no further.
    const bool eingabe = (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
                         && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    QWidget *fokus = focusWidget();
    if (!eingabe || !fokus) {
        QMainWindow::keyPressEvent(event);
        return;
    }
    for (QWidget *w = fokus; w && w != this; w = w->parentWidget()) {
        if (qobject_cast<QAbstractItemView *>(w)) {
            event->accept();
            return;
        }
    }
    auto *knopf = qobject_cast<QPushButton *>(fokus);
    if (knopf && knopf != ui->buttonWeiter) {
        knopf->click();
    } else if (charakter->generieren() && ui->buttonWeiter->isVisible()
               && ui->tabWidget->currentIndex() < ui->tabWidget->count() - 1) {
        ui->buttonWeiter->click();
    }
    event->accept();
}

void MainWindow::onUeber()
{
    const QString titel =
        QStringLiteral("Über ZORVEL2 - Charaktergenerator (%1)").arg(version());
    const QString text = QStringLiteral(
        "<p><b>ZORVEL2 - Charaktergenerator</b>, Version %1</p>"
        "<p>Erschafft Schritt für Schritt Spielercharaktere für das "
        "Science-Fiction-Rollenspiel <i>ZORVEL</i>.</p>"
        "<p>Autor: das ZORVEL-Entwicklerteam.</p>"
        "<p>Erstellt mit dem Qt-Toolkit %2, das unter der GNU Lesser General Public "
        "License (LGPL) Version 3 steht.</p>")
                             .arg(version(), QString::fromLatin1(qVersion()));

    QMessageBox box(QMessageBox::Information, titel, text, QMessageBox::Ok, this);
    box.setTextFormat(Qt::RichText);
    box.exec();
}

void MainWindow::onKurzanleitung()
{
    if (!hilfe)
        hilfe = new HilfeFenster(this);
    hilfe->zeige();
}

void MainWindow::updateWeiterButton()
{
    if (!charakter->generieren()) {
        ui->buttonWeiter->hide();
        // The header shows the finished form now (e.g. after loading such a character).
        ui->labelInfoEP->setToolTip(tooltipFertig());
        return;
    }

    ui->buttonWeiter->show();
    zeigeWeiter(ui->tabWidget->currentIndex() == ui->tabWidget->count() - 1);
}

void MainWindow::zeigeWeiter(bool fertig)
{
    // Enter presses the default button even when it has the focus; "fertig"
    // cannot be undone, so it is no default button.
    ui->buttonWeiter->setText(fertig ? QStringLiteral("&fertig") : QStringLiteral("&weiter ->"));
    ui->buttonWeiter->setDefault(!fertig);
    if (fertig)
        ui->labelInfoEP->setToolTip(tooltipFertig());
}

void MainWindow::uebernimmLaufendeEingabe()
{
    // One-line edits hand their text to the character only when the edit is
    // finished; a keyboard shortcut does not take the focus away. Moving the
    // focus out and back finishes the edit, so the file gets what is shown.
    QWidget *fokus = QApplication::focusWidget();
    if (fokus && isAncestorOf(fokus)) {
        fokus->clearFocus();
        fokus->setFocus(Qt::OtherFocusReason);
    }
}

AbstractTab *MainWindow::schrittTab(int index)
{
    // A step is built inside its empty page, from the character as it is
    // then. Opening the tab redraws it (onTabGewechselt); step 3, also built
    // for a change of species, sets itself up from the character.
    AbstractTab *tab = tabs.value(index);
    if (tab || index <= 0 || index >= tabs.size())
        return tab;
    QWidget *platz = ui->tabWidget->widget(index);
    Charakter *c = charakter;
    Regelwerk *r = regelwerk;
    if (index == 1)
        tab = tabEigenschaften = new TabEigenschaften(c, r, platz);
    else if (index == 2)
        tab = tabSpezialgebiete = new TabSpezialgebiete(c, r, platz);
    else if (index == 3)
        tab = tabAktionen = new TabAktionen(c, r, platz);
    else if (index == 4)
        tab = tabParanormik = new TabParanormik(c, r, platz);
    else
        tab = tabDiverse = new TabDiverse(c, r, platz);
    tabs[index] = tab;
    platz->layout()->addWidget(tab);
    tab->show();
    connect(tab, &AbstractTab::signalUpdateHeader, this, &MainWindow::updateHeaderDaten);
    connect(tab, &AbstractTab::signalUpdateHeader, this, &MainWindow::pruefeAenderung);
    verbindeTab(tab);
    if (tab == tabDiverse) {
        connect(tabDiverse, &TabDiverse::signalBereinigt, this, &MainWindow::zeigeCharakter);
        // A double click on a check entry goes to its step.
        connect(tabDiverse, &TabDiverse::signalZuSchritt, this, [this](int schritt) {
            if (schritt < 0 || schritt >= ui->tabWidget->count())
                return;
            ui->tabWidget->setTabEnabled(schritt, true);
            ui->tabWidget->setCurrentIndex(schritt);
        });
    }
    weiterZuletzt();
    return tab;
}

void MainWindow::weiterZuletzt()
{
    // Tab goes through the step's fields before it reaches "weiter ->":
    // a step built later joins the end of the focus chain, behind the button.
    QWidget *letztes = previousInFocusChain();
    while (letztes != this && letztes->focusPolicy() == Qt::NoFocus)
        letztes = letztes->previousInFocusChain();
    if (letztes != this && letztes != ui->buttonWeiter)
        QWidget::setTabOrder(letztes, ui->buttonWeiter);
}

void MainWindow::zeigeSchritt(int index)
{
    ui->labelSchritt->setText(QString::fromUtf8(schritte[index].nummer));
    ui->labelAnweisung->setText(QString::fromUtf8(schritte[index].anweisung));
}
