#include "tabparanormik.h"
#include "ui_tabparanormik.h"

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
    paraModel = new AktionenModel(Aktion::Paranormal, regelwerk, this);
    // no catalogue: the Latin discount of languages never applies here
    paraCharakterModel = new CharakterAktionenModel(Aktion::Paranormal, charakter, nullptr, this);

    ui->setupUi(this);
    seiteRollbar(ui->widgetParanormik);
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

    // The catalogue list marks what the character has learned; a learned
    // ability cannot be learned again. A double click learns an entry.
    paraModel->setzeCharakter(charakter);
    connect(charakter, &Charakter::signalAktionspunkteUpdate, this, [this] {
        zeigeLernPreis(ui->buttonPlusAktion, paraModel, paraCharakterModel, QStringLiteral("MP"));
    });
    lerneBeiDoppelklick(ui->listAktionen, paraModel, [this] { onParaHinzufuegen(); });
    zeigeLernPreis(ui->buttonPlusAktion, paraModel, paraCharakterModel, QStringLiteral("MP"));
}

TabParanormik::~TabParanormik()
{
    delete ui;
}

void TabParanormik::aktualisieren()
{
    zeigePunkte(CharakterBasis::MP, ui->labelStartMP, ui->labelKaufMP, ui->labelGesamtMP);

    const int gekauftePNE = charakter->energie(CharakterBasis::PNE, CharakterBasis::Gekauft);
    ui->labelKaufPNE->setText(QString("%1").arg(gekauftePNE));

    const int gesamtMP = charakter->punkte(CharakterBasis::MP, CharakterBasis::Gesamt);
    const int stufe = regelwerk->stufe(gesamtMP);
    ui->labelParanormikerstufe->setText(regelwerk->stufenName(stufe));
    ui->labelInfo->setText(QString("Maximal %1 Spezialgebiet(e)").arg(stufe));

    ui->checkSensitiv->setChecked(charakter->sensitiv());

    zeigePunktKnoepfe(CharakterBasis::MP, ui->buttonMinMP, ui->buttonPlusMP);
    setzeEnabled(ui->buttonMinPNE, gekauftePNE != 0);
    ui->buttonMinPNE->setToolTip(gekauftePNE != 0 ? QStringLiteral("Gibt 1 MP zurück")
                                                  : QStringLiteral("Keine gekaufte PNE"));
    ui->buttonPlusPNE->setToolTip(QStringLiteral("Kostet 1 MP (übrig: %1 MP)")
                                      .arg(charakter->punkte(CharakterBasis::MP, CharakterBasis::Rest)));
    zeigeLernPreis(ui->buttonPlusAktion, paraModel, paraCharakterModel, QStringLiteral("MP"));
}

void TabParanormik::zeigeNeuGeladen()
{
    paraCharakterModel->neuLaden();
    aktualisieren();
}

void TabParanormik::neuAufbauen()
{
    aktualisieren();
    connect(tabelleAnschliessen(ui->tabelleEigeneAktionen, paraCharakterModel, 100, 60),
            &QItemSelectionModel::currentRowChanged, this, &TabParanormik::paraAuswahlGeaendert);
}

void TabParanormik::onPlusMP()
{
    meldeWenn(charakter->punktKaufen(CharakterBasis::MP));
}

void TabParanormik::onMinusMP()
{
    meldeWenn(charakter->punktVerkaufen(CharakterBasis::MP));
}

void TabParanormik::onPlusPNE()
{
    meldeWenn(charakter->energieKaufen(CharakterBasis::PNE));
}

void TabParanormik::onMinusPNE()
{
    meldeWenn(charakter->energieVerkaufen(CharakterBasis::PNE));
}

void TabParanormik::onSensitivClicked(bool checked)
{
    if (!charakter->sensitivSetzen(checked))
        meldeGrund();
    // a refused switch shows the character's actual state again
    ui->checkSensitiv->setChecked(charakter->sensitiv());
    emit signalUpdateHeader();
}

void TabParanormik::onParaHinzufuegen()
{
    lerne(paraModel, paraCharakterModel);
}

void TabParanormik::onParaEntfernen()
{
    vergiss(paraCharakterModel);
}

void TabParanormik::alleParaAuswahlGeaendert(const QModelIndex& index, const QModelIndex& /*alt*/)
{
    paraModel->setzeAuswahl(zeileVon(index));
    zeigeLernPreis(ui->buttonPlusAktion, paraModel, paraCharakterModel, QStringLiteral("MP"));
}

void TabParanormik::paraAuswahlGeaendert(const QModelIndex& index, const QModelIndex& /*alt*/)
{
    paraCharakterModel->setzeAuswahl(zeileVon(index));
}
