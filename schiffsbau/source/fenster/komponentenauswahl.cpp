#include "komponentenauswahl.h"
#include "ui_komponentenauswahl.h"

#include "komponente.h"
#include "komponentenbibliothek.h"
#include "komponentenmodel.h"

#include <QHeaderView>
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
    ui->komponentenView->setModel(m_pProxy);
    // Library order until the user clicks a column header.
    ui->komponentenView->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    ui->komponentenView->setSortingEnabled(true);
    ui->komponentenView->setSelectionMode(QAbstractItemView::SingleSelection);
    ui->komponentenView->setSelectionBehavior(QAbstractItemView::SelectRows);
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
    m_element = 0;
    ui->lEinheit->setText(QString());
    ui->sbAnzahlHinzu->setMaximum(maxAnzahl);
    ui->sbAnzahlHinzu->setValue(0);

    m_pModel->slotSetKategorie(kategorie);
    // No row counts as chosen after a change, so that the next click on any
    // row (also the one chosen before) selects it and sets the count.
    ui->komponentenView->selectionModel()->clear();

    QHeaderView *kopf = ui->komponentenView->horizontalHeader();
    if (kopf->count() > 0) {
        for (int i = 0; i < kopf->count(); ++i)
            kopf->setSectionResizeMode(i, QHeaderView::Interactive);
        ui->komponentenView->resizeColumnsToContents();
        kopf->setSectionResizeMode(0, QHeaderView::Stretch);
    }
}

void KomponentenAuswahl::onMoeglichesElement(const QModelIndex &index, const QModelIndex &alt)
{
    Q_UNUSED(alt)
    const QModelIndex quelle = m_pProxy->mapToSource(index);
    const int row = quelle.row();
    if (!m_pBibliothek || m_kategorie > uint(INT_MAX))
        return;
    const Komponente *k = m_pBibliothek->element(int(m_kategorie), row);
    if (!k)
        return;

    ui->lEinheit->setText(k->einheit(false));
    // The limit first, so that the box never holds more than allowed.
    ui->sbAnzahlHinzu->setMaximum(k->nurEinmal() ? 1 : maxAnzahl);
    ui->sbAnzahlHinzu->setValue(1);
    m_element = row;
}

void KomponentenAuswahl::onElementDoppelKlick(const QModelIndex &index)
{
    onMoeglichesElement(index, QModelIndex());
    onClickHinzufuegen();
}

void KomponentenAuswahl::onClickHinzufuegen()
{
    const int n = ui->sbAnzahlHinzu->value();
    if (n > 0)
        emit signalAddKomponente(m_kategorie, uint(m_element), n);
    else
        emit signalMeldung(QStringLiteral("Hinzufügen: Anzahl 0 – bitte eine Komponente wählen und "
                                          "eine Anzahl ab 1 eintragen."));
}
