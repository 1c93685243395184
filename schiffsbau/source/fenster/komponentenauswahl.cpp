#include "komponentenauswahl.h"
#include "ui_komponentenauswahl.h"

#include "komponente.h"
#include "komponentenbibliothek.h"
#include "komponentenmodel.h"
#include "schiffsdaten.h"
#include "schiffsvergleich.h"
#include "vergleichstabelle.h"

#include <QAction>
#include <QCheckBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QItemSelectionModel>
#include <QSortFilterProxyModel>

#include <climits>

namespace {
const int maxAnzahl = 1000000;
}

KomponentenAuswahl::KomponentenAuswahl(KomponentenBibliothek *bibliothek, QWidget *parent)
    : QWidget(parent),
      ui(new Ui::KomponentenAuswahl),
      m_pBibliothek(bibliothek),
      m_pModel(new KomponentenModel(bibliothek, this)),
      m_pProxy(new QSortFilterProxyModel(this))
{
    ui->setupUi(this);

    m_pProxy->setSourceModel(m_pModel);
    // The search looks at the names only, whatever the case.
    m_pProxy->setFilterRole(KomponentenModel::NameRolle);
    m_pProxy->setFilterCaseSensitivity(Qt::CaseInsensitive);
    m_pProxy->setSortCaseSensitivity(Qt::CaseInsensitive);
    m_pProxy->setSortLocaleAware(true);
    ui->komponentenView->setModel(m_pProxy);
    // Library order until the user clicks a column header.
    ui->komponentenView->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    ui->komponentenView->setSortingEnabled(true);
    ui->komponentenView->setSelectionMode(QAbstractItemView::SingleSelection);
    ui->komponentenView->setSelectionBehavior(QAbstractItemView::SelectRows);
    // Tab leaves the table for the count box instead of walking its cells.
    ui->komponentenView->setTabKeyNavigation(false);
    ui->komponentenView->verticalHeader()->setMinimumSectionSize(20);
    ui->komponentenView->verticalHeader()->setDefaultSectionSize(20);
    ui->komponentenView->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);

    QItemSelectionModel *komponentenSelModel = ui->komponentenView->selectionModel();
    const bool ok1 = connect(komponentenSelModel, &QItemSelectionModel::currentRowChanged,
                             this, &KomponentenAuswahl::onMoeglichesElement);
    Q_ASSERT_X(ok1, "KomponentenAuswahl",
               "connect komponentenSelModel currentRowChanged -> onMoeglichesElement");
    const bool ok2 = connect(ui->komponentenView, &QAbstractItemView::doubleClicked,
                             this, &KomponentenAuswahl::onElementDoppelKlick);
    Q_ASSERT_X(ok2, "KomponentenAuswahl",
               "connect komponentenView doubleClicked -> onElementDoppelKlick");
    const bool ok3 = connect(ui->pbHinzufuegen, &QPushButton::clicked,
                             this, &KomponentenAuswahl::onClickHinzufuegen);
    Q_ASSERT_X(ok3, "KomponentenAuswahl", "connect pbHinzufuegen clicked -> onClickHinzufuegen");
    // Enter in the table, in the count box or on the button adds the
    // selected component with the count.
    auto *hinzufuegen = new QAction(ui->pbHinzufuegen->text(), this);
    hinzufuegen->setObjectName(QStringLiteral("actionHinzufuegen"));
    hinzufuegen->setShortcuts({ QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter) });
    hinzufuegen->setShortcutContext(Qt::WidgetShortcut);
    for (QWidget *w : { static_cast<QWidget *>(ui->komponentenView), static_cast<QWidget *>(ui->sbAnzahlHinzu),
                        static_cast<QWidget *>(ui->pbHinzufuegen) })
        w->addAction(hinzufuegen);
    connect(hinzufuegen, &QAction::triggered, this, &KomponentenAuswahl::onClickHinzufuegen);
    auto *zurueck = new QAction(QStringLiteral("Zurück zu den Kategorien"), this);
    zurueck->setObjectName(QStringLiteral("actionZurueck"));
    zurueck->setShortcut(QKeySequence(Qt::Key_Escape));
    addAction(zurueck);
    connect(zurueck, &QAction::triggered, this, &KomponentenAuswahl::signalZurueck);
    connect(ui->editSuche, &QLineEdit::textChanged, this, &KomponentenAuswahl::onSuche);
    connect(ui->checkAlleKategorien, &QCheckBox::toggled, this, &KomponentenAuswahl::onAlleKategorien);
    connect(ui->sbAnzahlHinzu, &QSpinBox::valueChanged, this, &KomponentenAuswahl::auswahlGeaendert);
    VergleichsTabelle::richteEin(ui->tableWirkung);
    ui->splitterAuswahl->setStretchFactor(0, 3);
    ui->splitterAuswahl->setStretchFactor(1, 2);
    keineWirkung();

    // The window opens with the focus in the count box: the table gets a
    // current row only when the user picks one.
    ui->sbAnzahlHinzu->setFocus();

    Q_UNUSED(ok1)
    Q_UNUSED(ok2)
    Q_UNUSED(ok3)
}

KomponentenAuswahl::~KomponentenAuswahl()
{
    delete ui;
}

void KomponentenAuswahl::setKategorie(uint kategorie)
{
    m_kategorie = kategorie;
    m_elementKategorie = kategorie;
    m_element = 0;
    m_pModel->slotSetKategorie(kategorie);
    keineAuswahl();
    richteSpaltenEin();
}

void KomponentenAuswahl::keineAuswahl()
{
    m_gewaehlt = false;
    ui->lEinheit->setText(QString());
    {
        // One signal for the whole change, sent below.
        const QSignalBlocker sperre(ui->sbAnzahlHinzu);
        ui->sbAnzahlHinzu->setMaximum(maxAnzahl);
        ui->sbAnzahlHinzu->setValue(0);
    }
    // No row counts as chosen after a change, so that the next click on any
    // row (also the one chosen before) selects it and sets the count.
    ui->komponentenView->selectionModel()->clear();
    emit auswahlGeaendert();
}

void KomponentenAuswahl::onSuche(const QString &text)
{
    m_pProxy->setFilterFixedString(text);
    if (m_gewaehlt && !ui->komponentenView->selectionModel()->hasSelection())
        keineAuswahl();
}

void KomponentenAuswahl::onAlleKategorien(bool alle)
{
    m_pModel->setAlleKategorien(alle);
    m_elementKategorie = m_kategorie;
    m_element = 0;
    keineAuswahl();
    richteSpaltenEin();
}

void KomponentenAuswahl::richteSpaltenEin()
{
    QHeaderView *kopf = ui->komponentenView->horizontalHeader();
    if (kopf->count() > 0) {
        for (int i = 0; i < kopf->count(); ++i)
            kopf->setSectionResizeMode(i, QHeaderView::Interactive);
        ui->komponentenView->resizeColumnsToContents();
        // The last column takes the spare width: the names keep theirs
        // while the preview shares the window.
        kopf->setStretchLastSection(true);
    }
}

void KomponentenAuswahl::zeigeTabelle()
{
    show();
    raise();
    activateWindow();
    QTableView *tabelle = ui->komponentenView;
    if (!tabelle->currentIndex().isValid() && m_pProxy->rowCount() > 0)
        tabelle->setCurrentIndex(m_pProxy->index(0, 0));
    tabelle->setFocus(Qt::ShortcutFocusReason);
}

void KomponentenAuswahl::onMoeglichesElement(const QModelIndex &index, const QModelIndex &alt)
{
    Q_UNUSED(alt)
    const QModelIndex quelle = m_pProxy->mapToSource(index);
    int kategorie = 0;
    int row = 0;
    if (!m_pBibliothek || !m_pModel->eintrag(quelle.row(), &kategorie, &row))
        return;
    const Komponente *k = m_pBibliothek->element(kategorie, row);
    if (!k)
        return;

    ui->lEinheit->setText(k->einheit(false));
    // One signal for the whole change, sent below: clamping to the new limit
    // would otherwise show a preview of the previous component first.
    const QSignalBlocker sperre(ui->sbAnzahlHinzu);
    // The limit first, so that the box never holds more than allowed.
    ui->sbAnzahlHinzu->setMaximum(k->nurEinmal() ? 1 : maxAnzahl);
    m_element = row;
    m_elementKategorie = uint(kategorie);
    m_gewaehlt = true;
    ui->sbAnzahlHinzu->setValue(1);
    emit auswahlGeaendert();
}

Komponente *KomponentenAuswahl::gewaehlteKomponente() const
{
    if (!m_gewaehlt || !m_pBibliothek || m_elementKategorie > uint(INT_MAX))
        return nullptr;
    return m_pBibliothek->element(int(m_elementKategorie), m_element);
}

int KomponentenAuswahl::anzahl() const
{
    return ui->sbAnzahlHinzu->value();
}

void KomponentenAuswahl::zeigeWirkung(const SchiffsDaten &jetzt, const SchiffsDaten &danach)
{
    const Komponente *k = gewaehlteKomponente();
    ui->lWirkung->setText(
        QStringLiteral("Wirkung von %1x %2").arg(QString::number(anzahl()), k ? k->name() : QString()));
    const QList<SchiffsVergleich::Wert> werte = SchiffsVergleich::werte(jetzt, danach, QLocale(), true);
    if (werte.isEmpty())
        VergleichsTabelle::hinweis(ui->tableWirkung, QStringLiteral("keine Änderung"));
    else
        VergleichsTabelle::fuelle(ui->tableWirkung, werte, false);
}

void KomponentenAuswahl::keineWirkung()
{
    ui->lWirkung->setText(QStringLiteral("Wirkung"));
    VergleichsTabelle::hinweis(ui->tableWirkung, QStringLiteral("Eine Komponente wählen, um zu sehen, was sie ändert."));
}

void KomponentenAuswahl::onElementDoppelKlick(const QModelIndex &index)
{
    onMoeglichesElement(index, QModelIndex());
    onClickHinzufuegen();
}

void KomponentenAuswahl::onClickHinzufuegen()
{
    const int n = ui->sbAnzahlHinzu->value();
    if (n <= 0)
        emit signalMeldung(QStringLiteral("Hinzufügen: Anzahl 0 – bitte eine Komponente wählen und "
                                          "eine Anzahl ab 1 eintragen."));
    else if (!m_gewaehlt)
        emit signalMeldung(QStringLiteral("Hinzufügen: bitte zuerst eine Komponente wählen."));
    else
        emit signalAddKomponente(m_elementKategorie, uint(m_element), n);
}
