#include "mainwindow.h"

#include "aenderungsfrage.h"
#include "alttaste.h"
#include "dateidialog.h"
#include "anzahldelegate.h"
#include "bogendruck.h"
#include "dateikuerzel.h"
#include "fenstertitel.h"
#include "menuetaste.h"
#include "rettungskopie.h"
#include "statusmeldung.h"
#include "auswahlplatz.h"
#include "budgetbalken.h"
#include "vergleichfenster.h"
#include "ui_mainwindow.h"

#include "datenordner.h"
#include "kategoriemodel.h"
#include "komponente.h"
#include "komponentenauswahl.h"
#include "komponentenbibliothek.h"
#include "listenabgleich.h"
#include "listenpruefung.h"
#include "listenpruefungdialog.h"
#include "persistenz.h"
#include "schiffsbogen.h"
#include "schiffsdatei.h"
#include "schiffsmodel.h"
#include "schiffsproxy.h"
#include "schiffsvergleich.h"
#include "schiffswerte.h"
#include "schiffszusammenfassung.h"
#include "verlaufaktionen.h"
#include "zuletztgeoeffnet.h"

#include <QAction>
#include <QTextDocument>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDockWidget>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QUndoStack>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QShowEvent>
#include <QStatusBar>
#include <QSortFilterProxyModel>
#include <QUrl>

#include <algorithm>
#include <climits>
#include <functional>
#include <type_traits>

namespace {
// The program's version, as the build sets it for the command line too.
const char *const version = ZORVEL_SCHIFFSBAU_VERSION;
const char *const basisliste = "basisliste.zsb";
const char *const stilDatei = "style.qss";
const char *const kurzanleitung = "kurzanleitung.pdf";

// The window's title without a ship file; the changed mark goes at its end.
QString programmTitel()
{
    return QStringLiteral("ZORVEL2 - Schiffsbau-Assistent V%1").arg(QLatin1String(version));
}

// An overdrawn budget (more volume, reactor output or computer slots used
// than available) shows in red.
void setzeWarnung(QLabel *label, bool warnung)
{
    const QString stil = warnung ? QStringLiteral("color: #c62828;") : QString();
    if (label->styleSheet() != stil)
        label->setStyleSheet(stil);
}
} // namespace

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent),
      ui(new Ui::MainWindow),
      m_pBibliothek(new KomponentenBibliothek()),
      m_pKategorieModel(new KategorieModel(m_pBibliothek, this)),
      m_pAuswahl(new KomponentenAuswahl(m_pBibliothek)),
      m_pModel(new SchiffsModel(this)),
      m_pPersistenz(new Persistenz(m_pModel, m_pBibliothek, this))
{
    ui->setupUi(this);
    m_pZuletzt = new ZuletztGeoeffnet(ui->menuSchiff, ui->actionSpeichern, this);
    // While the ship has unsaved changes, a recovery copy is kept.
    m_pRettung = new Rettungskopie(this);

    // Undo and redo: one step per change, the menu texts name the step.
    m_pVerlauf = VerlaufAktionen::erzeuge(this, ui->actionRueckgaengig, ui->actionWiederholen);
    connect(m_pZuletzt, &ZuletztGeoeffnet::oeffnen, this, &MainWindow::oeffneDatei);
    m_pAuswahl->hide();

    FensterTitel::setze(this, QString(), programmTitel());

    DateiKuerzel::setze(ui->actionNeu, ui->actionLaden, ui->actionSpeichern, ui->actionSpeichernUnter,
                        ui->actionDrucken, ui->actionBeenden);
    ui->actionKurzanleitung->setShortcuts(QKeySequence::HelpContents);
    MenueTaste::setze(this);
    AltTaste::schuetze();
    // The ship's history and file keys work while the chooser window is
    // active, too. The actions keep their window context: the two windows
    // are never active together, so no key is bound twice.
    m_pAuswahl->addActions({ ui->actionRueckgaengig, ui->actionWiederholen, ui->actionNeu,
                             ui->actionLaden, ui->actionSpeichern, ui->actionSpeichernUnter });

    m_pBibliothek->lade();
    m_pBibliothek->erzeugeKategorien();
    if (!DatenOrdner::hatListen()) {
        QMessageBox::warning(nullptr, QStringLiteral("Keine Komponentenlisten"),
                             QStringLiteral("Es wurden keine Komponentenlisten gefunden. Gesucht wurde "
                                            "nach dem Ordner \"listen\" in:\n%1")
                                 .arg(DatenOrdner::durchsucht().join(QLatin1Char('\n'))),
                             QMessageBox::Ok);
    } else {
        pruefeListenBeimStart();
    }

    ui->listKategorien->setModel(m_pKategorieModel);

    richteTabelleEin();

    connect(ui->listKategorien, &QAbstractItemView::clicked, this, &MainWindow::onKategorieKlick);
    // Enter or Space on a category opens the chooser, the keyboard in its table.
    auto *kategorieOeffnen = new QAction(QStringLiteral("Komponenten wählen"), ui->listKategorien);
    kategorieOeffnen->setObjectName(QStringLiteral("actionKategorieOeffnen"));
    kategorieOeffnen->setShortcuts({ QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter),
                                     QKeySequence(Qt::Key_Space) });
    kategorieOeffnen->setShortcutContext(Qt::WidgetShortcut);
    ui->listKategorien->addAction(kategorieOeffnen);
    connect(kategorieOeffnen, &QAction::triggered, this, [this] {
        const QModelIndex kategorie = ui->listKategorien->currentIndex();
        if (!kategorie.isValid())
            return;
        onKategorieKlick(kategorie);
        m_pAuswahl->zeigeTabelle();
    });
    // Escape in the chooser comes back here, to the categories.
    connect(m_pAuswahl, &KomponentenAuswahl::signalZurueck, this, [this] {
        raise();
        activateWindow();
    });
    QItemSelectionModel *kategorieSelModel = ui->listKategorien->selectionModel();
    bool ok = connect(kategorieSelModel, &QItemSelectionModel::currentRowChanged,
                      this, &MainWindow::onKategorieWechsel);
    Q_ASSERT_X(ok, "MainWindow", "connect kategorieSelModel currentRowChanged -> onKategorieWechsel");
    connect(m_pAuswahl, &KomponentenAuswahl::signalAddKomponente, this, &MainWindow::onAddKomponente);
    connect(m_pAuswahl, &KomponentenAuswahl::signalMeldung, this,
            [this](const QString &text) { StatusMeldung::zeige(this, text); });
    ok = connect(m_pModel, &SchiffsModel::neueDaten, this, &MainWindow::onNeueDaten);
    Q_ASSERT_X(ok, "MainWindow", "connect m_pModel neueDaten -> onNeueDaten");
    ok = connect(ui->actionNeu, &QAction::triggered, this, &MainWindow::onNeu);
    Q_ASSERT_X(ok, "MainWindow", "connect actionNeu triggered -> onNeu");
    ok = connect(ui->actionSpeichern, &QAction::triggered, this, &MainWindow::onSpeichern);
    Q_ASSERT_X(ok, "MainWindow", "connect actionSpeichern triggered -> onSpeichern");
    ok = connect(ui->actionSpeichernUnter, &QAction::triggered, this, &MainWindow::onSpeichernUnter);
    Q_ASSERT_X(ok, "MainWindow", "connect actionSpeichernUnter triggered -> onSpeichernUnter");
    ok = connect(ui->actionLaden, &QAction::triggered, this, &MainWindow::onLaden);
    Q_ASSERT_X(ok, "MainWindow", "connect actionLaden triggered -> onLaden");
    ok = connect(ui->actionExportieren, &QAction::triggered, this, &MainWindow::onExport);
    Q_ASSERT_X(ok, "MainWindow", "connect actionExportieren triggered -> onExport");
    ok = connect(ui->actionPdf, &QAction::triggered, this, &MainWindow::onPdfExportieren);
    Q_ASSERT_X(ok, "MainWindow", "connect actionPdf triggered -> onPdfExportieren");
    ok = connect(ui->actionDrucken, &QAction::triggered, this, &MainWindow::onDrucken);
    Q_ASSERT_X(ok, "MainWindow", "connect actionDrucken triggered -> onDrucken");
    ok = connect(ui->actionLeeren, &QAction::triggered, this, &MainWindow::onListeLeeren);
    Q_ASSERT_X(ok, "MainWindow", "connect actionLeeren triggered -> onListeLeeren");
    ok = connect(ui->actionBasisliste, &QAction::triggered, this, &MainWindow::onBasisliste);
    Q_ASSERT_X(ok, "MainWindow", "connect actionBasisliste triggered -> onBasisliste");
    ok = connect(ui->actionKurzanleitung, &QAction::triggered, this, &MainWindow::onKurzanleitung);
    Q_ASSERT_X(ok, "MainWindow", "connect actionKurzanleitung triggered -> onKurzanleitung");
    // Closing asks about unsaved changes first.
    ok = connect(ui->actionBeenden, &QAction::triggered, this, &QWidget::close);
    Q_ASSERT_X(ok, "MainWindow", "connect actionBeenden triggered -> close");
    ok = connect(ui->actionUeber, &QAction::triggered, this, &MainWindow::onUeber);
    Q_ASSERT_X(ok, "MainWindow", "connect actionUeber triggered -> onUeber");
    ok = connect(ui->actionListenPruefen, &QAction::triggered, this, &MainWindow::onListenPruefen);
    Q_ASSERT_X(ok, "MainWindow", "connect actionListenPruefen triggered -> onListenPruefen");
    ok = connect(ui->actionZusammenfassung, &QAction::triggered, this, &MainWindow::onZusammenfassung);
    Q_ASSERT_X(ok, "MainWindow", "connect actionZusammenfassung triggered -> onZusammenfassung");
    ok = connect(ui->actionVergleichen, &QAction::triggered, this, &MainWindow::onVergleichen);
    Q_ASSERT_X(ok, "MainWindow", "connect actionVergleichen triggered -> onVergleichen");
    ok = connect(ui->actionAuswahlImHauptfenster, &QAction::toggled, this, &MainWindow::onAuswahlImHauptfenster);
    Q_ASSERT_X(ok, "MainWindow", "connect actionAuswahlImHauptfenster toggled -> onAuswahlImHauptfenster");
    // The user's own choice stays when the window is restored.
    connect(ui->actionAuswahlImHauptfenster, &QAction::triggered, this, [this] { m_angedocktWeilGross = false; });
    ok = connect(m_pAuswahl, &KomponentenAuswahl::auswahlGeaendert, this, &MainWindow::aktualisiereWirkung);
    Q_ASSERT_X(ok, "MainWindow", "connect m_pAuswahl auswahlGeaendert -> aktualisiereWirkung");
    ok = connect(ui->actionAktualisieren, &QAction::triggered, this, &MainWindow::onAktualisieren);
    Q_ASSERT_X(ok, "MainWindow", "connect actionAktualisieren triggered -> onAktualisieren");
    Q_UNUSED(ok)

    // Every change to the ship ends in a recomputation, a move of a row or
    // an edit of the name or the description.
    connect(m_pModel, &SchiffsModel::neueDaten, this, &MainWindow::pruefeAenderung);
    connect(m_pModel, &QAbstractItemModel::rowsMoved, this, &MainWindow::pruefeAenderung);
    connect(ui->editName, &QLineEdit::textChanged, this, &MainWindow::pruefeAenderung);
    connect(ui->editBeschreibung, &QLineEdit::textChanged, this, &MainWindow::pruefeAenderung);

    ladeBasisliste(false);
    ladeStil();
    richteDatenspaltenAus();
    teileFensterAuf();
    platziereFenster();

    ui->listKategorien->clearSelection();
    // The standard selection is where a new ship starts, not a change.
    setzeDokument(QString(), true);
}

MainWindow::~MainWindow()
{
    // The history first: clearing it updates the menu of the form.
    delete m_pVerlauf;
    m_pVerlauf = nullptr;
    delete ui;
    // The chooser is a top-level window without parent: nobody else deletes it.
    delete m_pAuswahl;
    delete m_pBibliothek;
}

QString MainWindow::datenOrdner() const
{
    const QString ordner = DatenOrdner::ordner();
    return ordner.isEmpty() ? QDir::currentPath() : ordner;
}

void MainWindow::ladeBasisliste(bool ersetzen)
{
    // A missing base list loads nothing without a word; one that is there
    // but cannot be read (a folder, no permission) is reported.
    const QString pfad = DatenOrdner::pfad(QLatin1String(basisliste));
    SchiffsDatei::Inhalt inhalt;
    if (!m_pPersistenz->lies(pfad, inhalt)
        || (inhalt.befund == SchiffsDatei::Befund::NichtGeoeffnet && QFileInfo::exists(pfad))) {
        QMessageBox::warning(nullptr, QStringLiteral("Kein Zugriff auf Standardauswahl"),
                             QStringLiteral("Es konnte auf die Datei %1 nicht zugegriffen werden.")
                                 .arg(QLatin1String(basisliste)),
                             QMessageBox::Ok);
        return;
    }
    if (inhalt.befund == SchiffsDatei::Befund::Abgelehnt)
        return;
    if (ersetzen)
        leereSchiff();
    // The base list's own name and description are not the ship's.
    QString name;
    QString beschreibung;
    m_pPersistenz->uebernimm(inhalt, name, beschreibung);
}

void MainWindow::ladeStil()
{
    QString stil;
    QFile datei(DatenOrdner::pfad(QLatin1String(stilDatei)));
    if (datei.open(QIODevice::ReadOnly))
        stil = QString::fromLatin1(datei.readAll());
    qApp->setStyleSheet(stil);
}

// The five groups of the data panel are separate grids; giving their
// columns common minimum widths lines the captions and values up. The value
// columns keep room for large ships, so that they do not jump while the
// numbers grow; a value wider still widens its column in all groups alike.
void MainWindow::richteDatenspaltenAus()
{
    // Sizes depend on the fonts of the style sheet.
    ensurePolished();
    const QList<QGridLayout *> gitter = ui->scrollAreaWidgetContents->findChildren<QGridLayout *>();
    int breite[6] = {0, 0, 0, 0, 0, 0};
    const QFontMetrics wert = ui->labelGSTP->fontMetrics();
    const QString punkt = QLocale().groupSeparator();
    breite[1] = wert.horizontalAdvance(QStringLiteral("00%1000/00%1000").arg(punkt));
    breite[3] = wert.horizontalAdvance(QStringLiteral("-000/0%1000").arg(punkt));
    breite[5] = wert.horizontalAdvance(QStringLiteral("000 (000)"));
    for (QGridLayout *g : gitter) {
        for (int i = 0; i < g->count(); ++i) {
            int zeile = 0, spalte = 0, zeilen = 0, spalten = 0;
            g->getItemPosition(i, &zeile, &spalte, &zeilen, &spalten);
            if (spalten == 1 && spalte >= 0 && spalte < 6)
                breite[spalte] = qMax(breite[spalte], g->itemAt(i)->sizeHint().width());
        }
    }
    for (QGridLayout *g : gitter) {
        for (int s = 0; s < 6; ++s) {
            if (g->columnMinimumWidth(s) != breite[s])
                g->setColumnMinimumWidth(s, breite[s]);
        }
        // Spare width goes to the right of the last value.
        g->setColumnStretch(6, 1);
    }
    // The panel is as wide as its columns need beside a vertical scroll
    // bar, so that the right column never hides behind one.
    QScrollArea *flaeche = ui->scrollAreaSchiffsdaten;
    const int noetig = ui->scrollAreaWidgetContents->minimumSizeHint().width()
                       + flaeche->verticalScrollBar()->sizeHint().width() + 2 * flaeche->frameWidth();
    if (flaeche->minimumWidth() != noetig)
        flaeche->setMinimumWidth(noetig);
}

void MainWindow::teileFensterAuf()
{
    // Left: the category list as wide as its labels; right: the ship. The
    // data panel is shown whole, the table of components gets the rest.
    ui->splitter->setStretchFactor(0, 0);
    ui->splitter->setStretchFactor(1, 1);
    const int links = ui->listKategorien->sizeHintForColumn(0) + 2 * ui->listKategorien->frameWidth() + 12;
    ui->splitter->setSizes({links, width() - links});
    ui->splitterSchiff->setStretchFactor(0, 0);
    ui->splitterSchiff->setStretchFactor(1, 1);
}

void MainWindow::richteTabelleEin()
{
    m_pSchiffProxy = new SchiffsProxy(this);
    m_pSchiffProxy->setSourceModel(m_pModel);
    QTableView *tabelle = ui->tableView;
    tabelle->setModel(m_pSchiffProxy);
    tabelle->setColumnWidth(0, 30);
    tabelle->setColumnWidth(1, 60);
    tabelle->setColumnWidth(2, 170); // names are readable in full
    tabelle->setColumnWidth(4, 45);
    tabelle->setColumnWidth(5, 45);
    tabelle->setItemDelegateForColumn(SchiffsModel::SpalteAnzahl, new AnzahlDelegate(tabelle));
    tabelle->horizontalHeader()->setSectionResizeMode(3, QHeaderView::Stretch);
    tabelle->verticalHeader()->hide();
    tabelle->verticalHeader()->setMinimumSectionSize(20);
    tabelle->verticalHeader()->setDefaultSectionSize(20);
    // Installation order until the user clicks a column header.
    tabelle->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    tabelle->setSortingEnabled(true);
    tabelle->setSelectionBehavior(QAbstractItemView::SelectRows);
    tabelle->setSelectionMode(QAbstractItemView::ExtendedSelection);

    // Delete and the context menu remove the selected rows; the key only
    // while the table itself has the focus, not while a count is edited.
    m_pEntfernen = new QAction(QStringLiteral("&Entfernen"), tabelle);
    m_pEntfernen->setObjectName(QStringLiteral("actionEntfernen"));
    m_pEntfernen->setShortcut(QKeySequence::Delete);
    m_pEntfernen->setShortcutContext(Qt::WidgetShortcut);
    m_pEntfernen->setEnabled(false);
    tabelle->addAction(m_pEntfernen);
    tabelle->setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(m_pEntfernen, &QAction::triggered, this, &MainWindow::onEntfernen);
    connect(tabelle->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        m_pEntfernen->setEnabled(ui->tableView->selectionModel()->hasSelection());
    });
}

void MainWindow::zeigeZeile(int zeile)
{
    const QModelIndex index = m_pSchiffProxy->mapFromSource(m_pModel->index(zeile, SchiffsModel::SpalteNr));
    if (!index.isValid())
        return;
    ui->tableView->scrollTo(index);
    ui->tableView->selectionModel()->setCurrentIndex(
        index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void MainWindow::onEntfernen()
{
    QList<int> zeilen;
    const QModelIndexList gewaehlt = ui->tableView->selectionModel()->selectedIndexes();
    for (const QModelIndex &index : gewaehlt) {
        const int zeile = m_pSchiffProxy->mapToSource(index).row();
        if (zeile >= 0 && !zeilen.contains(zeile))
            zeilen << zeile;
    }
    if (zeilen.isEmpty()) {
        StatusMeldung::zeige(this, QStringLiteral("Entfernen: bitte erst eine Zeile des Schiffs wählen."));
        return;
    }
    // From the bottom up, so that the rows still to go keep their numbers.
    std::sort(zeilen.begin(), zeilen.end(), std::greater<int>());
    for (int zeile : zeilen)
        m_pModel->entferne(zeile);
    m_pModel->berechne();
}

void MainWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (m_erstesZeigen) {
        // Now that the layout has its final size: the data panel as high as
        // its contents, the table of components below takes the rest.
        m_erstesZeigen = false;
        const int panel = ui->scrollAreaWidgetContents->sizeHint().height()
                          + 2 * ui->scrollAreaSchiffsdaten->frameWidth();
        const int gesamt = ui->splitterSchiff->height() - ui->splitterSchiff->handleWidth();
        // On a low screen the table keeps at least two fifths.
        const int oben = qMin(panel, gesamt * 3 / 5);
        ui->splitterSchiff->setSizes({oben, qMax(80, gesamt - oben)});
    }
}

void MainWindow::platziereFenster()
{
    // A good share of the free screen, the chooser directly below. The
    // frames are not known before the windows are shown: a typical one is
    // assumed, and the chooser goes below the real frame when it opens.
    constexpr int rahmen = 30;
    const QScreen *bildschirm = QGuiApplication::primaryScreen();
    const QRect frei = bildschirm ? bildschirm->availableGeometry() : QRect();
    const int auswahlHoehe = AuswahlPlatz::auswahlHoehe(frei.height());
    const QRect platz = AuswahlPlatz::startPlatz(frei, auswahlHoehe, rahmen);
    resize(platz.size());
    move(platz.topLeft());
    m_pAuswahl->resize(platz.width(), auswahlHoehe);
    m_pAuswahl->move(platz.left(), platz.top() + platz.height() + rahmen);
}

void MainWindow::onKategorieWechsel(const QModelIndex &neu, const QModelIndex &alt)
{
    Q_UNUSED(alt)
    if (neu.isValid() && neu.row() >= 0 && neu.column() >= 0 && neu.model())
        m_pAuswahl->setKategorie(uint(neu.row()));
}

void MainWindow::onKategorieKlick(const QModelIndex &index)
{
    Q_UNUSED(index)
    if (m_pAuswahlDock && m_pAuswahlDock->widget()) {
        zeigeAngedockt();
        return;
    }
    if (!m_auswahlGezeigt && isVisible()) {
        // With a window manager the main window has a frame; the chooser goes
        // right below the frame, not below the client area, and gets a frame
        // as thick. On a small screen it moves up to where all of it shows.
        QRect rahmen = frameGeometry();
        const QSize rand = rahmen.size() - geometry().size();
        const QRect frei = screen() ? screen()->availableGeometry() : QRect();
        // Where the screen has no room below, the main window gives up
        // height rather than letting the chooser cover it.
        const int fehlt = rahmen.bottom() + m_pAuswahl->height() + rand.height() - frei.bottom();
        if (!frei.isEmpty() && fehlt > 0 && !(windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))
            && height() - fehlt >= 300) {
            resize(width(), height() - fehlt);
            rahmen.setHeight(rahmen.height() - fehlt);
        }
        const QRect platz = AuswahlPlatz::berechne(rahmen, m_pAuswahl->size() + rand, frei);
        m_pAuswahl->resize(platz.size() - rand);
        m_pAuswahl->move(platz.topLeft());
    }
    m_auswahlGezeigt = true;
    m_pAuswahl->show();
    m_pAuswahl->raise();
}

void MainWindow::onAddKomponente(uint kategorie, uint element, int anzahl)
{
    Komponente *k = nullptr;
    if (kategorie <= uint(INT_MAX) && element <= uint(INT_MAX))
        k = m_pBibliothek->kopie(int(kategorie), int(element));
    int zeile = m_pModel->sperrendeZeile(k);
    if (zeile >= 0) {
        // A "max 1x" component is in the ship already: it stays there once.
        StatusMeldung::zeige(this, QStringLiteral("%1 ist schon eingebaut (höchstens einmal je Schiff).")
                                       .arg(k->name()));
        delete k;
    } else if (k) {
        m_pModel->addKomponente(k, anzahl);
        zeile = m_pModel->rowCount() - 1;
    }
    m_pModel->berechne();
    if (zeile >= 0)
        zeigeZeile(zeile);
}

// The panel's widgets of entry `eintrag` of the value table, found by their
// object names once.
QWidget *MainWindow::datenAnzeige(int eintrag, int teil)
{
    constexpr int proEintrag = int(std::extent_v<decltype(SchiffsWerte::Eintrag::anzeige)>);
    if (m_datenAnzeige.isEmpty()) {
        for (int i = 0; i < SchiffsWerte::anzahl(); ++i) {
            for (const char *name : SchiffsWerte::eintrag(i).anzeige)
                m_datenAnzeige.append(name ? findChild<QWidget *>(QLatin1String(name)) : nullptr);
        }
    }
    return m_datenAnzeige.value(proEintrag * eintrag + teil);
}

// The bars, found by their object names once.
BudgetBalken *MainWindow::balken(int eintrag)
{
    if (m_balken.isEmpty()) {
        for (int i = 0; i < SchiffsWerte::anzahl(); ++i) {
            const SchiffsWerte::Eintrag &e = SchiffsWerte::eintrag(i);
            m_balken.append(SchiffsWerte::hatBalken(e) ? findChild<BudgetBalken *>(QLatin1String(e.budget.balken))
                                                       : nullptr);
        }
    }
    return m_balken.value(eintrag);
}

void MainWindow::onNeueDaten(SchiffsDaten d)
{
    m_daten = d;
    const QLocale locale;
    for (int i = 0; i < SchiffsWerte::anzahl(); ++i) {
        const SchiffsWerte::Eintrag &e = SchiffsWerte::eintrag(i);
        QWidget *anzeige = datenAnzeige(i, 0);
        if (!anzeige)
            continue;
        if (e.ort == SchiffsWerte::Ort::Haken) {
            static_cast<QCheckBox *>(anzeige)->setChecked(SchiffsWerte::an(e, d));
        } else if (e.ort == SchiffsWerte::Ort::Tooltip) {
            anzeige->setToolTip(SchiffsWerte::text(e, d, locale));
        } else if (e.muster || SchiffsWerte::wertAnzahl(e) == 1) {
            auto *label = static_cast<QLabel *>(anzeige);
            label->setText(SchiffsWerte::text(e, d, locale));
            setzeWarnung(label, SchiffsWerte::ueberzogen(e, d));
        } else {
            // one label per value
            for (int w = 0; w < SchiffsWerte::wertAnzahl(e); ++w) {
                if (auto *label = static_cast<QLabel *>(datenAnzeige(i, w)))
                    label->setText(SchiffsWerte::text(e, w, d, locale));
            }
        }
    }
    richteDatenspaltenAus();
    aktualisiereWirkung();
}

void MainWindow::aktualisiereWirkung()
{
    Komponente *k = m_pAuswahl->gewaehlteKomponente();
    if (!k) {
        m_pAuswahl->keineWirkung();
        zeigeBalken(nullptr);
        return;
    }
    // Nothing is added while the count is 0.
    const int anzahl = m_pAuswahl->anzahl();
    const SchiffsDaten danach = anzahl > 0 ? m_pModel->berechneMit(k, anzahl) : m_daten;
    m_pAuswahl->zeigeWirkung(m_daten, danach);
    zeigeBalken(&danach);
}

void MainWindow::zeigeBalken(const SchiffsDaten *danach)
{
    const QLocale locale;
    const auto zustand = [](const SchiffsWerte::Eintrag &e, const SchiffsDaten &d) {
        if (!SchiffsWerte::ueberschritten(e, d))
            return BudgetBalken::Zustand::Gut;
        return e.budget.weich ? BudgetBalken::Zustand::Warnung : BudgetBalken::Zustand::Ueberzogen;
    };
    for (int i = 0; i < SchiffsWerte::anzahl(); ++i) {
        BudgetBalken *b = balken(i);
        if (!b)
            continue;
        const SchiffsWerte::Eintrag &e = SchiffsWerte::eintrag(i);
        b->zeige(QString::fromUtf8(e.budget.titel), SchiffsWerte::benutzt(e, m_daten),
                 SchiffsWerte::verfuegbar(e, m_daten), SchiffsWerte::balkenText(e, m_daten, locale),
                 zustand(e, m_daten));
        if (danach)
            b->zeigeVorschau(SchiffsWerte::benutzt(e, *danach), SchiffsWerte::verfuegbar(e, *danach),
                             SchiffsWerte::balkenText(e, *danach, locale), zustand(e, *danach));
        else
            b->keineVorschau();
    }
}

void MainWindow::onNeu()
{
    if (!aenderungenBehandelt())
        return;
    // An unbound ship with the standard selection and a history of its own.
    ++m_sammelt;
    leereSchiff();
    ladeBasisliste(false);
    --m_sammelt;
    setzeDokument(QString(), true);
}

void MainWindow::onListeLeeren()
{
    if (!aenderungenBehandelt())
        return;
    schritt(QStringLiteral("Liste leeren"), [this] { leereSchiff(); });
}

void MainWindow::schritt(const QString &name, const std::function<void()> &aenderung)
{
    ++m_sammelt;
    aenderung();
    --m_sammelt;
    m_naechsterSchritt = name;
    pruefeAenderung();
    m_naechsterSchritt.clear();
}

void MainWindow::leereSchiff()
{
    m_pModel->leeren();
    ui->editName->setText(QString());
    ui->editBeschreibung->setText(QString());
    m_pModel->berechne();
}

void MainWindow::onBasisliste()
{
    if (!aenderungenBehandelt())
        return;
    schritt(QStringLiteral("Basisliste laden"), [this] { ladeBasisliste(true); });
}

void MainWindow::onSpeichern()
{
    speichereSchiff(false);
}

void MainWindow::onSpeichernUnter()
{
    speichereSchiff(true);
}

bool MainWindow::speichereSchiff(bool fragen)
{
    const QString name = ui->editName->text();
    const QString beschreibung = ui->editBeschreibung->text();
    const bool gespeichert = fragen || m_datei.isEmpty()
                                 ? m_pPersistenz->speichernUnter(name, beschreibung, m_datei)
                                 : m_pPersistenz->speichereDatei(m_datei, name, beschreibung);
    if (!gespeichert)
        return false;
    zeigeGespeichert();
    setzeDokument(m_pPersistenz->letzteDatei(), true, false);
    StatusMeldung::datei(this, QStringLiteral("Gespeichert"), m_pPersistenz->letzteDatei());
    return true;
}

void MainWindow::zeigeGespeichert()
{
    ++m_sammelt;
    for (QLineEdit *feld : {ui->editName, ui->editBeschreibung}) {
        const QString gespeichert = SchiffsDatei::alsFeld(feld->text());
        if (feld->text() != gespeichert)
            feld->setText(gespeichert);
    }
    --m_sammelt;
    m_letzterStand = stand();
}

void MainWindow::onLaden()
{
    // Unsaved changes first, then the file; a cancelled dialog loads nothing.
    if (aenderungenBehandelt())
        ladeDatei(DateiDialog::oeffnen(QStringLiteral("Welche Datei soll geladen werden?"),
                                       QStringLiteral("ZORVEL-Schiffsbau-Schiff (*.zss)")));
}

void MainWindow::oeffneDatei(const QString &datei)
{
    if (aenderungenBehandelt())
        ladeDatei(datei);
}

void MainWindow::ladeDatei(const QString &datei)
{
    SchiffsDatei::Inhalt inhalt;
    if (!liesSchiffsdatei(datei, inhalt, true))
        return; // refused, or gone since: the ship on screen stays
    const bool teil = inhalt.befund == SchiffsDatei::Befund::LesbarerTeil;
    uebernimmSchiff(inhalt);
    // The readable part of a damaged file is a new ship, never bound to
    // that file. A ship that lacks or changed part of its file is never
    // taken for the saved one.
    if (teil)
        setzeDokument(QString(), false);
    else
        setzeDokument(datei, m_pPersistenz->vollstaendigGeladen());
    StatusMeldung::datei(this, teil ? QStringLiteral("Lesbarer Teil geladen") : QStringLiteral("Geladen"),
                         datei);
    meldeListenAbweichungen(datei);
}

void MainWindow::meldeListenAbweichungen(const QString &datei)
{
    const QStringList abweichungen =
        ListenAbgleich::texte(ListenAbgleich::vergleiche(m_pModel, m_pBibliothek));
    if (abweichungen.isEmpty())
        return;
    QMessageBox::information(
        nullptr, QStringLiteral("Abweichungen von den Listen"),
        QStringLiteral("Das Schiff aus %1 hat Komponenten, deren gespeicherte Werte von den heutigen "
                       "Listen abweichen:\n%2\n\nDas Schiff behält die gespeicherten Werte. "
                       "„Schiff → Auf aktuelle Listen umstellen“ übernimmt die Werte der Listen.")
            .arg(QDir::toNativeSeparators(datei), abweichungen.join(QLatin1Char('\n'))),
        QMessageBox::Ok);
}

void MainWindow::onAktualisieren()
{
    int umgestellt = 0;
    schritt(QStringLiteral("Auf aktuelle Listen umstellen"), [this, &umgestellt] {
        umgestellt = ListenAbgleich::stelleUm(m_pModel, m_pBibliothek);
        m_pModel->berechne();
    });
    QString text = QStringLiteral("Alle Komponenten entsprechen den Listen.");
    if (umgestellt == 1)
        text = QStringLiteral("1 Komponente auf die aktuellen Listen umgestellt.");
    else if (umgestellt > 1)
        text = QStringLiteral("%1 Komponenten auf die aktuellen Listen umgestellt.").arg(umgestellt);
    StatusMeldung::zeige(this, text);
}

void MainWindow::pruefeListenBeimStart()
{
    const qsizetype probleme = ListenPruefung::pruefe(datenOrdner()).size();
    if (probleme == 0)
        return;
    auto *hinweis = new QLabel(this);
    hinweis->setObjectName(QStringLiteral("labelListenProbleme"));
    hinweis->setText(QStringLiteral("<a href=\"#\">%1 in den Listen – Liste → Listen prüfen ...</a>")
                         .arg(probleme == 1 ? QStringLiteral("1 Problem")
                                            : QStringLiteral("%1 Probleme").arg(probleme)));
    hinweis->setToolTip(QStringLiteral("Öffnet die Prüfung der Listen."));
    connect(hinweis, &QLabel::linkActivated, this, &MainWindow::onListenPruefen);
    statusBar()->addPermanentWidget(hinweis);
}

bool MainWindow::liesSchiffsdatei(const QString &datei, SchiffsDatei::Inhalt &inhalt, bool teilAnbieten)
{
    if (datei.isEmpty())
        return false;
    QString grund;
    if (!Persistenz::lesbar(datei, &grund)) {
        QMessageBox::warning(nullptr, QStringLiteral("Fehler beim Laden"),
                             QStringLiteral("Die Datei %1 konnte nicht geöffnet werden.\n%2")
                                 .arg(QDir::toNativeSeparators(datei), grund),
                             QMessageBox::Ok);
        return false;
    }
    m_pPersistenz->lies(datei, inhalt, teilAnbieten);
    return inhalt.befund == SchiffsDatei::Befund::Gelesen || inhalt.befund == SchiffsDatei::Befund::LesbarerTeil;
}

void MainWindow::uebernimmSchiff(SchiffsDatei::Inhalt &inhalt)
{
    ++m_sammelt;
    leereSchiff();
    QString name;
    QString beschreibung;
    m_pPersistenz->uebernimm(inhalt, name, beschreibung);
    ui->editName->setText(name);
    ui->editBeschreibung->setText(beschreibung);
    --m_sammelt;
}

bool MainWindow::stelleWiederHer(const QByteArray &dokument, const QString &datei)
{
    // As a file is loaded, from the copy's bytes.
    SchiffsDatei::Inhalt inhalt = SchiffsDatei(m_pBibliothek).liesDaten(dokument, QString());
    const bool ganz = inhalt.befund == SchiffsDatei::Befund::Gelesen && inhalt.nichtGefunden.isEmpty()
                      && inhalt.angepasst.isEmpty();
    uebernimmSchiff(inhalt);
    setzeDokument(datei, false);
    return ganz;
}

QByteArray MainWindow::dokument() const
{
    return m_pPersistenz->schiffsText(ui->editName->text(), ui->editBeschreibung->text());
}

SchiffsSchritt::Stand MainWindow::stand() const
{
    return { ui->editName->text(), ui->editBeschreibung->text(),
             m_pPersistenz->schiffsText(QString(), QString()) };
}

void MainWindow::stelleHer(const SchiffsSchritt::Stand &stand)
{
    m_stelltHer = true;
    m_pModel->leeren();
    QString name;
    QString beschreibung;
    m_pPersistenz->ladeText(name, beschreibung, stand.zeilen);
    ui->editName->setText(stand.name);
    ui->editBeschreibung->setText(stand.beschreibung);
    m_pModel->berechne();
    m_stelltHer = false;
    m_letzterStand = stand;
    zeigeAenderung();
}

void MainWindow::setzeDokument(const QString &datei, bool gesichert, bool neueGeschichte)
{
    if (neueGeschichte) {
        m_pVerlauf->clear();
        m_letzterStand = stand();
    }
    m_datei = datei;
    m_pZuletzt->merke(datei); // opened or saved; nothing for a new ship
    m_gesichert = gesichert ? dokument() : QByteArray();
    FensterTitel::setze(this, m_datei, programmTitel());
    pruefeAenderung();
}

void MainWindow::pruefeAenderung()
{
    // Within one action of several changes, and while a step is brought
    // back, the state is looked at once at the end.
    if (m_sammelt > 0 || m_stelltHer)
        return;
    const SchiffsSchritt::Stand jetzt = stand();
    if (jetzt != m_letzterStand) {
        // Pushing runs no redo of it: the change is already made.
        m_pVerlauf->push(new SchiffsSchritt(m_letzterStand, jetzt, m_naechsterSchritt,
                                            [this](const SchiffsSchritt::Stand &s) { stelleHer(s); }));
        m_letzterStand = jetzt;
    }
    zeigeAenderung();
}

void MainWindow::zeigeAenderung()
{
    const QByteArray jetzt = dokument();
    const bool geaendert = jetzt != m_gesichert;
    if (geaendert != isWindowModified())
        setWindowModified(geaendert);
    m_pRettung->setzeStand(jetzt, geaendert, m_datei,
                           SchiffsBogen::anzeigeName(ui->editName->text()));
}

bool MainWindow::aenderungenBehandelt()
{
    pruefeAenderung();
    return AenderungsFrage::behandelt(this, QStringLiteral("ZORVEL2 - Schiffsbau-Assistent"),
                                      [this] { return speichereSchiff(false); });
}

void MainWindow::onExport()
{
    if (m_pPersistenz->exportieren(ui->editName->text(), ui->editBeschreibung->text()))
        StatusMeldung::datei(this, QStringLiteral("Exportiert"), m_pPersistenz->letzterExport());
}

void MainWindow::onDrucken()
{
    const SchiffsDaten d = m_pModel->berechne();
    const QString name = ui->editName->text();
    const QString beschreibung = ui->editBeschreibung->text();
    if (BogenDruck::drucken(SchiffsBogen::druckTitel(), SchiffsBogen::dokumentName(name),
                            SchiffsBogen::programm(),
                            QStringLiteral("Das Schiffsdatenblatt konnte nicht gedruckt werden."),
                            [&](QTextDocument *dokument) {
                                SchiffsBogen::fuelle(dokument, m_pModel, d, name, beschreibung);
                            }))
        StatusMeldung::zeige(this, QStringLiteral("Gedruckt."));
}

void MainWindow::onPdfExportieren()
{
    if (m_pPersistenz->pdfExportieren(ui->editName->text(), ui->editBeschreibung->text()))
        StatusMeldung::datei(this, QStringLiteral("Als PDF exportiert"), m_pPersistenz->letzterExport());
}

void MainWindow::onKurzanleitung()
{
    // From the data folder in use, made absolute for the viewer.
    const QString pfad = QDir::current().absoluteFilePath(DatenOrdner::pfad(QLatin1String(kurzanleitung)));
    const QString titel = QStringLiteral("Fehler beim Laden der Kurzanleitung");
    if (!QFileInfo(pfad).isFile()) {
        QMessageBox::warning(nullptr, titel,
                             QStringLiteral("Die Datei %1 konnte nicht geladen werden.")
                                 .arg(QLatin1String(kurzanleitung)),
                             QMessageBox::Ok);
    } else if (!QDesktopServices::openUrl(QUrl::fromLocalFile(pfad))) {
        // The file is there, but the desktop has nothing to show it with.
        QMessageBox::warning(nullptr, titel,
                             QStringLiteral("Kein Programm zum Anzeigen von PDF-Dateien gefunden.\n"
                                            "Die Kurzanleitung liegt in %1.")
                                 .arg(QDir::toNativeSeparators(pfad)),
                             QMessageBox::Ok);
    }
}

void MainWindow::onUeber()
{
    QMessageBox::information(
        this, QStringLiteral("Über ZORVEL2 - Schiffsbau-Assistent Version %1").arg(QLatin1String(version)),
        QStringLiteral("<p><b>ZORVEL2 - Schiffsbau-Assistent</b> Version %1<br>"
                       "Baut Raumschiffe nach den Regeln des Science-Fiction-Rollenspiels "
                       "<i>ZORVEL</i> aus einer Bibliothek von Komponenten.<br>"
                       "Programm: das ZORVEL2-Entwicklerteam.<br>"
                       "Erstellt mit Qt, verwendet unter den Bedingungen der "
                       "GNU Lesser General Public License (LGPL) Version 3.</p>")
            .arg(QLatin1String(version)),
        QMessageBox::Ok);
}

void MainWindow::onListenPruefen()
{
    ListenPruefungDialog dialog(datenOrdner(), this);
    dialog.exec();
}

void MainWindow::onZusammenfassung()
{
    QGuiApplication::clipboard()->setText(
        SchiffsZusammenfassung::text(m_pModel, m_daten, ui->editName->text()));
    StatusMeldung::zeige(this, QStringLiteral("Zusammenfassung in die Zwischenablage kopiert."));
}

void MainWindow::onVergleichen()
{
    // The other ship is only read; nothing of it reaches this one.
    const QString datei = DateiDialog::oeffnen(QStringLiteral("Mit welchem Schiff soll verglichen werden?"),
                                               QStringLiteral("ZORVEL-Schiffsbau-Schiff (*.zss)"));
    SchiffsDatei::Inhalt inhalt;
    if (!liesSchiffsdatei(datei, inhalt, false))
        return;
    SchiffsVergleich::Liste anderes;
    QList<Komponente *> komponenten;
    QList<int> anzahlen;
    for (const SchiffsDatei::Eintrag &e : inhalt.komponenten) {
        anderes.append({e.komponente.get(), e.anzahl});
        komponenten.append(e.komponente.get());
        anzahlen.append(e.anzahl);
    }
    auto *fenster = new VergleichFenster(this);
    fenster->zeige({ui->editName->text(), m_daten, SchiffsVergleich::liste(m_pModel)},
                   {inhalt.name, SchiffsDaten::berechne(komponenten, anzahlen), anderes},
                   inhalt.nichtGefunden);
    fenster->show();
    fenster->raise();
}

void MainWindow::onAuswahlImHauptfenster(bool angedockt)
{
    const bool sichtbar = m_pAuswahl->isVisible() || (m_pAuswahlDock && m_pAuswahlDock->isVisible());
    if (angedockt) {
        if (!m_pAuswahlDock) {
            m_pAuswahlDock = new QDockWidget(m_pAuswahl->windowTitle(), this);
            m_pAuswahlDock->setObjectName(QStringLiteral("dockAuswahl"));
            m_pAuswahlDock->setFeatures(QDockWidget::DockWidgetMovable);
            m_pAuswahlDock->setAllowedAreas(Qt::BottomDockWidgetArea | Qt::RightDockWidgetArea);
            addDockWidget(Qt::BottomDockWidgetArea, m_pAuswahlDock);
        }
        m_auswahlHoehe = m_pAuswahl->height();
        m_pAuswahlDock->setWidget(m_pAuswahl);
        m_pAuswahlDock->hide();
        m_pAuswahl->show();
        if (sichtbar)
            zeigeAngedockt();
    } else if (m_pAuswahlDock) {
        m_pAuswahlDock->setWidget(nullptr);
        m_pAuswahlDock->hide();
        m_pAuswahl->setParent(nullptr, Qt::Window);
        m_auswahlGezeigt = false;
        if (sichtbar)
            onKategorieKlick(QModelIndex());
    }
}

void MainWindow::zeigeAngedockt()
{
    if (m_pAuswahlDock->isVisible()) {
        m_pAuswahlDock->raise();
        return;
    }
    // The window grows by the chooser's height as far as the screen has room.
    const QRect frei = screen() ? screen()->availableGeometry() : QRect();
    if (isVisible() && !frei.isEmpty() && !(windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))) {
        const int rand = frameGeometry().height() - height();
        const int neu = qMin(height() + m_auswahlHoehe, frei.height() - rand);
        if (neu > height()) {
            move(x(), qMin(frameGeometry().top(), frei.bottom() + 1 - neu - rand));
            resize(width(), neu);
        }
    }
    m_pAuswahlDock->show();
    resizeDocks({m_pAuswahlDock}, {m_auswahlHoehe}, Qt::Vertical);
}

void MainWindow::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange)
        return;
    // A maximised main window would hide a free-standing chooser or be
    // covered by it: while it is, the chooser sits in it.
    const bool gross = windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen);
    if (gross && !ui->actionAuswahlImHauptfenster->isChecked()) {
        m_angedocktWeilGross = true;
        ui->actionAuswahlImHauptfenster->setChecked(true);
    } else if (!gross && m_angedocktWeilGross) {
        m_angedocktWeilGross = false;
        ui->actionAuswahlImHauptfenster->setChecked(false);
    }
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (!aenderungenBehandelt()) {
        event->ignore();
        return;
    }
    m_pRettung->entferne();
    QMainWindow::closeEvent(event);
    if (event->isAccepted())
        m_pAuswahl->close();
}
