#include "tabaktionen.h"
#include "ui_tabaktionen.h"

#include <QHeaderView>
#include <QItemSelectionModel>

#include "aktion.h"
#include "aktionenmodel.h"
#include "charakter.h"
#include "charakteraktionenmodel.h"

TabAktionen::TabAktionen(Charakter* charakter, Regelwerk* regelwerk, QWidget* parent)
    : AbstractTab(charakter, regelwerk, parent)
    , ui(new Ui::TabAktionen)
{
    sprachenModel = new AktionenModel(0, regelwerk, this);
    sprachenCharakterModel = new CharakterAktionenModel(0, charakter, regelwerk, this);
    technikModel = new AktionenModel(1, regelwerk, this);
    technikCharakterModel = new CharakterAktionenModel(1, charakter, nullptr, this);

    ui->setupUi(this);
    // the learned actions' table needs more room than the catalogue list
    for (QSplitter* teiler : {ui->splitterSprachen, ui->splitterTechnik}) {
        teiler->setStretchFactor(0, 2);
        teiler->setStretchFactor(1, 3);
    }
    connect(ui->buttonMinSP, &QPushButton::clicked, this, &TabAktionen::onMinusSP);
    connect(ui->buttonPlusSP, &QPushButton::clicked, this, &TabAktionen::onPlusSP);
    connect(ui->buttonMinTP, &QPushButton::clicked, this, &TabAktionen::onMinusTP);
    connect(ui->buttonPlusTP, &QPushButton::clicked, this, &TabAktionen::onPlusTP);
    connect(ui->buttonPlusSprache, &QPushButton::clicked, this, &TabAktionen::onSpracheHinzufuegen);
    connect(ui->buttonSpracheEntfernen, &QPushButton::clicked, this, &TabAktionen::onSpracheEntfernen);
    connect(ui->buttonPlusTechnik, &QPushButton::clicked, this, &TabAktionen::onTechnikHinzufuegen);
    connect(ui->buttonTechnikEntfernen, &QPushButton::clicked, this, &TabAktionen::onTechnikEntfernen);

    neuAufbauen();

    ui->listSprachen->setModel(sprachenModel);
    ui->listTechnik->setModel(technikModel);
    connect(ui->listSprachen->selectionModel(), &QItemSelectionModel::currentRowChanged,
            this, &TabAktionen::alleSprachenAuswahlGeaendert);
    connect(ui->listTechnik->selectionModel(), &QItemSelectionModel::currentRowChanged,
            this, &TabAktionen::alleTechnikAuswahlGeaendert);
}

TabAktionen::~TabAktionen()
{
    delete ui;
}

void TabAktionen::aktualisieren()
{
    const bool modul = charakter->benutztSpezis();
    sprachenModel->setzeAnzeige(modul);
    technikModel->setzeAnzeige(modul);

    ui->labelStartSP->setText(QString("%1 +").arg(charakter->punkte(0, CharakterBasis::Start)));
    ui->labelKaufSP->setText(QString("%1").arg(charakter->punkte(0, CharakterBasis::Gekauft)));
    ui->labelGesamtSP->setText(QString("= %1").arg(charakter->punkte(0, CharakterBasis::Gesamt)));
    ui->labelStartTP->setText(QString("%1 +").arg(charakter->punkte(1, CharakterBasis::Start)));
    ui->labelKaufTP->setText(QString("%1").arg(charakter->punkte(1, CharakterBasis::Gekauft)));
    ui->labelGesamtTP->setText(QString("= %1").arg(charakter->punkte(1, CharakterBasis::Gesamt)));

    setzeEnabled(ui->buttonMinSP, charakter->punkte(0, CharakterBasis::Gekauft) != 0);
    setzeEnabled(ui->buttonMinTP, charakter->punkte(1, CharakterBasis::Gekauft) != 0);
}

void TabAktionen::tabelleAnschliessen(QTableView* tabelle, CharakterAktionenModel* model)
{
    // Re-attaching lets the view forget rows and selection of the old character.
    QItemSelectionModel* alteAuswahl = tabelle->selectionModel();
    model->neuLaden();
    tabelle->setModel(nullptr);
    QItemSelectionModel* leereAuswahl = tabelle->selectionModel();
    tabelle->setModel(model);
    delete alteAuswahl;
    delete leereAuswahl;

    QHeaderView* kopf = tabelle->horizontalHeader();
    kopf->setSectionResizeMode(0, QHeaderView::Stretch);
    kopf->setSectionResizeMode(1, QHeaderView::Fixed);
    kopf->setSectionResizeMode(2, QHeaderView::Fixed);
    kopf->resizeSection(1, 50);
    kopf->resizeSection(2, 50);
    QHeaderView* zeilen = tabelle->verticalHeader();
    zeilen->setMinimumSectionSize(20);
    zeilen->setSectionResizeMode(QHeaderView::Fixed);
    zeilen->setDefaultSectionSize(20);
}

void TabAktionen::zeigeNeuGeladen()
{
    sprachenCharakterModel->neuLaden();
    technikCharakterModel->neuLaden();
    aktualisieren();
}

void TabAktionen::neuAufbauen()
{
    aktualisieren();
    tabelleAnschliessen(ui->tabelleEigeneSprachen, sprachenCharakterModel);
    tabelleAnschliessen(ui->tabelleEigeneTechnik, technikCharakterModel);
    connect(ui->tabelleEigeneSprachen->selectionModel(), &QItemSelectionModel::currentRowChanged,
            this, &TabAktionen::sprachenAuswahlGeaendert);
    connect(ui->tabelleEigeneTechnik->selectionModel(), &QItemSelectionModel::currentRowChanged,
            this, &TabAktionen::technikAuswahlGeaendert);
}

void TabAktionen::onPlusSP()
{
    if (charakter->punktKaufen(0))
        aktualisierenUndMelden();
}

void TabAktionen::onMinusSP()
{
    if (charakter->punktVerkaufen(0))
        aktualisierenUndMelden();
}

void TabAktionen::onPlusTP()
{
    if (charakter->punktKaufen(1))
        aktualisierenUndMelden();
}

void TabAktionen::onMinusTP()
{
    if (charakter->punktVerkaufen(1))
        aktualisierenUndMelden();
}

void TabAktionen::alleSprachenAuswahlGeaendert(const QModelIndex& index, const QModelIndex& alt)
{
    Q_UNUSED(alt);
    sprachenModel->setzeAuswahl(index.isValid() ? index.row() : -1);
}

void TabAktionen::sprachenAuswahlGeaendert(const QModelIndex& index, const QModelIndex& alt)
{
    Q_UNUSED(alt);
    sprachenCharakterModel->setzeAuswahl(index.isValid() ? index.row() : -1);
}

void TabAktionen::alleTechnikAuswahlGeaendert(const QModelIndex& index, const QModelIndex& alt)
{
    Q_UNUSED(alt);
    technikModel->setzeAuswahl(index.isValid() ? index.row() : -1);
}

void TabAktionen::technikAuswahlGeaendert(const QModelIndex& index, const QModelIndex& alt)
{
    Q_UNUSED(alt);
    technikCharakterModel->setzeAuswahl(index.isValid() ? index.row() : -1);
}

void TabAktionen::lerne(AktionenModel* katalog, CharakterAktionenModel* eigene)
{
    const Aktion* vorlage = katalog->auswahl();
    if (!vorlage)
        return;
    Aktion* kopie = new Aktion(*vorlage);
    if (!eigene->hinzufuegen(kopie))
        delete kopie;
}

void TabAktionen::onSpracheHinzufuegen()
{
    lerne(sprachenModel, sprachenCharakterModel);
}

void TabAktionen::onTechnikHinzufuegen()
{
    lerne(technikModel, technikCharakterModel);
}

void TabAktionen::onSpracheEntfernen()
{
    sprachenCharakterModel->entfernen();
    emit signalUpdateHeader();
}

void TabAktionen::onTechnikEntfernen()
{
    technikCharakterModel->entfernen();
}
