#include "tabdiverse.h"
#include "ui_tabdiverse.h"

#include "basistypus.h"
#include "charakter.h"

TabDiverse::TabDiverse(Charakter* charakter, Regelwerk* regelwerk, QWidget* parent)
    : AbstractTab(charakter, regelwerk, parent)
    , ui(new Ui::TabDiverse)
{
    ui->setupUi(this);
    seiteRollbar(ui->widgetDiverse);
    connect(ui->buttonMinAE, &QPushButton::clicked, this, &TabDiverse::onMinAE);
    connect(ui->buttonMinDE, &QPushButton::clicked, this, &TabDiverse::onMinDE);
    connect(ui->buttonPlusAE, &QPushButton::clicked, this, &TabDiverse::onPlusAE);
    connect(ui->buttonPlusDE, &QPushButton::clicked, this, &TabDiverse::onPlusDE);
    connect(ui->buttonMinCassias, &QPushButton::clicked, this, &TabDiverse::onMinCassias);
    connect(ui->buttonMinCepto, &QPushButton::clicked, this, &TabDiverse::onMinCepto);
    connect(ui->buttonMinSchulden, &QPushButton::clicked, this, &TabDiverse::onMinSchulden);
    connect(ui->buttonMinStartgeld, &QPushButton::clicked, this, &TabDiverse::onMinStartgeld);
    connect(ui->buttonPlusCassias, &QPushButton::clicked, this, &TabDiverse::onPlusCassias);
    connect(ui->buttonPlusCepto, &QPushButton::clicked, this, &TabDiverse::onPlusCepto);
    connect(ui->buttonPlusSchulden, &QPushButton::clicked, this, &TabDiverse::onPlusSchulden);
    connect(ui->buttonPlusStartgeld, &QPushButton::clicked, this, &TabDiverse::onPlusStartgeld);
    connect(ui->buttonMinPrestige, &QPushButton::clicked, this, &TabDiverse::onMinPrestige);
    connect(ui->buttonMinBonus, &QPushButton::clicked, this, &TabDiverse::onMinBonus);
    connect(ui->buttonPlusPrestige, &QPushButton::clicked, this, &TabDiverse::onPlusPrestige);
    connect(ui->buttonPlusBonus, &QPushButton::clicked, this, &TabDiverse::onPlusBonus);
    neuAufbauen();
}

TabDiverse::~TabDiverse()
{
    delete ui;
}

void TabDiverse::aktualisieren()
{
    zeigeEnergie(CharakterBasis::DE, ui->labelStartDE, ui->labelKaufDE, ui->labelGesamtDE);
    zeigeEnergie(CharakterBasis::AE, ui->labelStartAE, ui->labelKaufAE, ui->labelGesamtAE);

    ui->labelKaufCassias->setText(QString("%L1").arg(charakter->cassias()));
    ui->labelKaufCepto->setText(QString("%L1").arg(charakter->ceptomyzin()));
    ui->labelKaufSchulden->setText(QString("%L1").arg(charakter->schulden()));
    ui->labelKaufStartgeld->setText(QString("%L1").arg(charakter->kapital()));
    ui->labelKaufBonus->setText(QString("%1").arg(charakter->bonuspunkte()));
    ui->labelKaufPrestige->setText(QString("%1").arg(charakter->prestige()));

    const Basistypus* art = charakter->basistyp();
    setzeEnabled(ui->buttonMinAE, charakter->gekaufteEnergie(CharakterBasis::AE) != 0);
    setzeEnabled(ui->buttonMinDE, charakter->gekaufteEnergie(CharakterBasis::DE) != 0);
    setzeEnabled(ui->buttonPlusAE, art && art->startAE != 0);
    setzeEnabled(ui->buttonPlusDE, art && art->startDE != 0);
    setzeEnabled(ui->buttonMinCassias, charakter->cassias() != 0);
    setzeEnabled(ui->buttonMinCepto, charakter->ceptomyzin() != 0);
    setzeEnabled(ui->buttonMinSchulden, charakter->schulden() != 0);
    setzeEnabled(ui->buttonMinStartgeld, charakter->kapital() != 0);
    setzeEnabled(ui->buttonMinBonus, charakter->bonuspunkte() != 0);
    setzeEnabled(ui->buttonMinPrestige, charakter->prestige() != 0);
    setzeEnabled(ui->buttonPlusCepto, art && art->ceptomyzinMoeglich);
    setzeEnabled(ui->buttonPlusCassias, art && art->cassiasMoeglich);
}

void TabDiverse::neuAufbauen()
{
    aktualisieren();
}

void TabDiverse::schritt(bool angenommen)
{
    if (angenommen)
        aktualisierenUndMelden();
}

void TabDiverse::onMinAE() { schritt(charakter->energieVerkaufen(CharakterBasis::AE)); }
void TabDiverse::onMinDE() { schritt(charakter->energieVerkaufen(CharakterBasis::DE)); }
void TabDiverse::onPlusAE() { schritt(charakter->energieKaufen(CharakterBasis::AE)); }
void TabDiverse::onPlusDE() { schritt(charakter->energieKaufen(CharakterBasis::DE)); }
void TabDiverse::onMinCassias() { schritt(charakter->cassiasVerkaufen(1)); }
void TabDiverse::onMinCepto() { schritt(charakter->ceptomyzinVerkaufen(1)); }
void TabDiverse::onMinSchulden() { schritt(charakter->schuldenVerkaufen(1)); }
void TabDiverse::onMinStartgeld() { schritt(charakter->kapitalVerkaufen(1)); }
void TabDiverse::onPlusCassias() { schritt(charakter->cassiasKaufen(1)); }
void TabDiverse::onPlusCepto() { schritt(charakter->ceptomyzinKaufen(1)); }
void TabDiverse::onPlusSchulden() { schritt(charakter->schuldenKaufen(1)); }
void TabDiverse::onPlusStartgeld() { schritt(charakter->kapitalKaufen(1)); }
void TabDiverse::onMinPrestige() { schritt(charakter->prestigeVerkaufen()); }
void TabDiverse::onMinBonus() { schritt(charakter->bonusVerkaufen()); }
void TabDiverse::onPlusPrestige() { schritt(charakter->prestigeKaufen()); }
void TabDiverse::onPlusBonus() { schritt(charakter->bonusKaufen()); }
