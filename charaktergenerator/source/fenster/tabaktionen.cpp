#include "tabaktionen.h"
#include "ui_tabaktionen.h"

#include <QItemSelectionModel>

#include "aktion.h"
#include "aktionenmodel.h"
#include "charakter.h"
#include "charakteraktionenmodel.h"

TabAktionen::TabAktionen(Charakter* charakter, Regelwerk* regelwerk, QWidget* parent)
    : AbstractTab(charakter, regelwerk, parent)
    , ui(new Ui::TabAktionen)
{
    sprachenModel = new AktionenModel(Aktion::Sprache, regelwerk, this);
    sprachenCharakterModel =
        new CharakterAktionenModel(Aktion::Sprache, charakter, regelwerk, this);
    technikModel = new AktionenModel(Aktion::Technik, regelwerk, this);
    technikCharakterModel = new CharakterAktionenModel(Aktion::Technik, charakter, nullptr, this);

    ui->setupUi(this);
    seiteRollbar(ui->widgetAktionen);
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

    // The catalogue lists mark what the character has learned; a learned
    // entry cannot be learned again. A double click learns an entry.
    sprachenModel->setzeCharakter(charakter);
    technikModel->setzeCharakter(charakter);
    connect(charakter, &Charakter::signalAktionspunkteUpdate, this, &TabAktionen::zeigeLernPreise);
    lerneBeiDoppelklick(ui->listSprachen, sprachenModel, [this] { onSpracheHinzufuegen(); });
    lerneBeiDoppelklick(ui->listTechnik, technikModel, [this] { onTechnikHinzufuegen(); });
    zeigeLernPreise();
}

void TabAktionen::zeigeLernPreise()
{
    zeigeLernPreis(ui->buttonPlusSprache, sprachenModel, sprachenCharakterModel, QStringLiteral("SP"));
    zeigeLernPreis(ui->buttonPlusTechnik, technikModel, technikCharakterModel, QStringLiteral("TP"));
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

    zeigePunkte(CharakterBasis::SP, ui->labelStartSP, ui->labelKaufSP, ui->labelGesamtSP);
    zeigePunkte(CharakterBasis::TP, ui->labelStartTP, ui->labelKaufTP, ui->labelGesamtTP);

    zeigePunktKnoepfe(CharakterBasis::SP, ui->buttonMinSP, ui->buttonPlusSP);
    zeigePunktKnoepfe(CharakterBasis::TP, ui->buttonMinTP, ui->buttonPlusTP);
    zeigeLernPreise();
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
    connect(tabelleAnschliessen(ui->tabelleEigeneSprachen, sprachenCharakterModel, 50, 50),
            &QItemSelectionModel::currentRowChanged, this, &TabAktionen::sprachenAuswahlGeaendert);
    connect(tabelleAnschliessen(ui->tabelleEigeneTechnik, technikCharakterModel, 50, 50),
            &QItemSelectionModel::currentRowChanged, this, &TabAktionen::technikAuswahlGeaendert);
}

void TabAktionen::onPlusSP()
{
    meldeWenn(charakter->punktKaufen(CharakterBasis::SP));
}

void TabAktionen::onMinusSP()
{
    meldeWenn(charakter->punktVerkaufen(CharakterBasis::SP));
}

void TabAktionen::onPlusTP()
{
    meldeWenn(charakter->punktKaufen(CharakterBasis::TP));
}

void TabAktionen::onMinusTP()
{
    meldeWenn(charakter->punktVerkaufen(CharakterBasis::TP));
}

void TabAktionen::alleSprachenAuswahlGeaendert(const QModelIndex& index, const QModelIndex& /*alt*/)
{
    sprachenModel->setzeAuswahl(zeileVon(index));
    zeigeLernPreise();
}

void TabAktionen::sprachenAuswahlGeaendert(const QModelIndex& index, const QModelIndex& /*alt*/)
{
    sprachenCharakterModel->setzeAuswahl(zeileVon(index));
}

void TabAktionen::alleTechnikAuswahlGeaendert(const QModelIndex& index, const QModelIndex& /*alt*/)
{
    technikModel->setzeAuswahl(zeileVon(index));
    zeigeLernPreise();
}

void TabAktionen::technikAuswahlGeaendert(const QModelIndex& index, const QModelIndex& /*alt*/)
{
    technikCharakterModel->setzeAuswahl(zeileVon(index));
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
    vergiss(sprachenCharakterModel);
}

void TabAktionen::onTechnikEntfernen()
{
    vergiss(technikCharakterModel);
}
