#include "tabparanormik.h"
#include "ui_tabparanormik.h"

#include <QHeaderView>
#include <QItemSelectionModel>

#include "aktion.h"
#include "aktionenmodel.h"
#include "basistypus.h"
#include "charakter.h"
#include "charakteraktionenmodel.h"
#include "regelwerk.h"

TabParanormik::TabParanormik(Charakter* charakter, Regelwerk* regelwerk, QWidget* parent)
    : AbstractTab(charakter, regelwerk, parent)
    , ui(new Ui::TabParanormik)
{
    paraModel = new AktionenModel(2, regelwerk, this);
    // no catalogue: the Latin discount of languages never applies here
    paraCharakterModel = new CharakterAktionenModel(2, charakter, nullptr, this);

    ui->setupUi(this);
    // the learned abilities' table needs more room than the catalogue list
    ui->splitterAktionen->setStretchFactor(0, 2);
    ui->splitterAktionen->setStretchFactor(1, 3);
    connect(ui->buttonMinMP, &QPushButton::clicked, this, &TabParanormik::onMinusMP);
    connect(ui->buttonPlusMP, &QPushButton::clicked, this, &TabParanormik::onPlusMP);
    connect(ui->buttonMinPNE, &QPushButton::clicked, this, &TabParanormik::onMinusPNE);
    connect(ui->buttonPlusPNE, &QPushButton::clicked, this, &TabParanormik::onPlusPNE);
    connect(ui->buttonPlusAktion, &QPushButton::clicked, this, &TabParanormik::onParaHinzufuegen);
    connect(ui->buttonAktionEntfernen, &QPushButton::clicked, this, &TabParanormik::onParaEntfernen);
    connect(ui->checkSensitiv, &QCheckBox::clicked, this, &TabParanormik::onSensitivClicked);

    neuAufbauen();

    ui->listAktionen->setModel(paraModel);
    connect(ui->listAktionen->selectionModel(), &QItemSelectionModel::currentRowChanged,
            this, &TabParanormik::alleParaAuswahlGeaendert);
}

TabParanormik::~TabParanormik()
{
    delete ui;
}

void TabParanormik::aktualisieren()
{
    const int gesamtMP = charakter->punkte(2, CharakterBasis::Gesamt);
    ui->labelStartMP->setText(QString("%1 +").arg(charakter->punkte(2, CharakterBasis::Start)));
    ui->labelKaufMP->setText(QString("%1").arg(charakter->punkte(2, CharakterBasis::Gekauft)));
    ui->labelGesamtMP->setText(QString("= %1").arg(gesamtMP));

    const int gekauftePNE = charakter->energie(CharakterBasis::PNE, 1);
    ui->labelKaufPNE->setText(QString("%1").arg(gekauftePNE));

    const int stufe = regelwerk->stufe(gesamtMP);
    ui->labelParanormikerstufe->setText(regelwerk->stufenName(stufe));
    ui->labelInfo->setText(QString("Maximal %1 Spezialgebiet(e)").arg(stufe));

    ui->checkSensitiv->setChecked(charakter->sensitiv());

    setzeEnabled(ui->buttonMinMP, charakter->punkte(2, CharakterBasis::Gekauft) != 0);
    setzeEnabled(ui->buttonMinPNE, gekauftePNE != 0);
    const Basistypus* art = charakter->basistyp();
    setzeEnabled(ui->buttonPlusMP, art && art->mpKaufbar);
}

void TabParanormik::zeigeNeuGeladen()
{
    paraCharakterModel->neuLaden();
    aktualisieren();
}

void TabParanormik::neuAufbauen()
{
    aktualisieren();

    // Re-attaching lets the view forget rows and selection of the old character.
    QTableView* tabelle = ui->tabelleEigeneAktionen;
    QItemSelectionModel* alteAuswahl = tabelle->selectionModel();
    paraCharakterModel->neuLaden();
    tabelle->setModel(nullptr);
    QItemSelectionModel* leereAuswahl = tabelle->selectionModel();
    tabelle->setModel(paraCharakterModel);
    delete alteAuswahl;
    delete leereAuswahl;

    QHeaderView* kopf = tabelle->horizontalHeader();
    kopf->setSectionResizeMode(0, QHeaderView::Stretch);
    kopf->setSectionResizeMode(1, QHeaderView::Fixed);
    kopf->setSectionResizeMode(2, QHeaderView::Fixed);
    kopf->resizeSection(1, 100);
    kopf->resizeSection(2, 60);
    QHeaderView* zeilen = tabelle->verticalHeader();
    zeilen->setMinimumSectionSize(20);
    zeilen->setSectionResizeMode(QHeaderView::Fixed);
    zeilen->setDefaultSectionSize(20);

    connect(tabelle->selectionModel(), &QItemSelectionModel::currentRowChanged,
            this, &TabParanormik::paraAuswahlGeaendert);
}

void TabParanormik::onPlusMP()
{
    if (charakter->punktKaufen(2))
        aktualisierenUndMelden();
}

void TabParanormik::onMinusMP()
{
    if (charakter->punktVerkaufen(2))
        aktualisierenUndMelden();
}

void TabParanormik::onPlusPNE()
{
    if (charakter->energieKaufen(CharakterBasis::PNE))
        aktualisierenUndMelden();
}

void TabParanormik::onMinusPNE()
{
    if (charakter->energieVerkaufen(CharakterBasis::PNE))
        aktualisierenUndMelden();
}

void TabParanormik::onSensitivClicked(bool checked)
{
    charakter->sensitivSetzen(checked);
    // a refused switch shows the character's actual state again
    ui->checkSensitiv->setChecked(charakter->sensitiv());
    emit signalUpdateHeader();
}

void TabParanormik::onParaHinzufuegen()
{
    const Aktion* vorlage = paraModel->auswahl();
    if (!vorlage)
        return;
    Aktion* kopie = new Aktion(*vorlage);
    if (!paraCharakterModel->hinzufuegen(kopie))
        delete kopie;
}

void TabParanormik::onParaEntfernen()
{
    paraCharakterModel->entfernen();
}

void TabParanormik::alleParaAuswahlGeaendert(const QModelIndex& index, const QModelIndex& alt)
{
    Q_UNUSED(alt);
    paraModel->setzeAuswahl(index.isValid() ? index.row() : -1);
}

void TabParanormik::paraAuswahlGeaendert(const QModelIndex& index, const QModelIndex& alt)
{
    Q_UNUSED(alt);
    paraCharakterModel->setzeAuswahl(index.isValid() ? index.row() : -1);
}
