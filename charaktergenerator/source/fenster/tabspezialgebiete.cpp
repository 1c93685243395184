#include "tabspezialgebiete.h"
#include "ui_tabspezialgebiete.h"

#include <QItemSelectionModel>

#include "charakter.h"
#include "charakterspezialgebietmodel.h"
#include "dialogspezialgebiet.h"
#include "spezialgebiet.h"
#include "spezialgebietemodel.h"

TabSpezialgebiete::TabSpezialgebiete(Charakter* charakter, Regelwerk* regelwerk, QWidget* parent)
    : AbstractTab(charakter, regelwerk, parent)
    , ui(new Ui::TabSpezialgebiete)
{
    ui->setupUi(this);
    seiteRollbar(ui->widgetSpezialisierung);
    spezialgebieteModel = new SpezialgebieteModel(regelwerk, this);
    charakterModel = new CharakterSpezialgebietModel(charakter, regelwerk, this);
    ui->listSpezis->setModel(spezialgebieteModel);

    connect(ui->checkSpezis, &QCheckBox::clicked, this, &TabSpezialgebiete::onSpeziAnAus);
    connect(ui->listKentnisse, &QListWidget::currentRowChanged,
            this, &TabSpezialgebiete::onKenntnisGewechselt);
    connect(ui->buttonHinzufuegen, &QPushButton::clicked,
            this, &TabSpezialgebiete::onSpeziHinzufuegen);
    connect(ui->buttonBonusspezi, &QPushButton::clicked,
            this, &TabSpezialgebiete::onBonusSpeziHinzufuegen);
    connect(ui->buttonEntfernen, &QPushButton::clicked,
            this, &TabSpezialgebiete::onSpeziEntfernen);
    connect(ui->listSpezis->selectionModel(), &QItemSelectionModel::currentRowChanged,
            this, &TabSpezialgebiete::alleSpeziAuswahlGeaendert);
    connect(charakterModel, &CharakterSpezialgebietModel::updateDaten,
            this, &AbstractTab::signalUpdateHeader);

    neuAufbauen();
}

TabSpezialgebiete::~TabSpezialgebiete()
{
    delete ui;
}

void TabSpezialgebiete::setzeModulAktiv(bool an)
{
    ui->listKentnisse->setEnabled(an);
    ui->listSpezis->setEnabled(an);
    ui->tableEigeneSpezis->setEnabled(an);
    ui->buttonEntfernen->setEnabled(an);
    ui->buttonHinzufuegen->setEnabled(an);
    ui->buttonBonusspezi->setEnabled(an);
}

void TabSpezialgebiete::aktualisieren()
{
    ui->checkSpezis->setChecked(charakter->benutztSpezis());
    setzeModulAktiv(ui->checkSpezis->isChecked());
    if (ui->checkSpezis->isChecked())
        updateButtons();
}

void TabSpezialgebiete::zeigeNeuGeladen()
{
    charakterModel->neuLaden();
    aktualisieren();
}

void TabSpezialgebiete::neuAufbauen()
{
    aktualisieren();
    connect(tabelleAnschliessen(ui->tableEigeneSpezis, charakterModel, 100, 60),
            &QItemSelectionModel::currentRowChanged, this, &TabSpezialgebiete::speziAuswahlGeaendert);
}

void TabSpezialgebiete::onSpeziAnAus()
{
    const bool an = ui->checkSpezis->isChecked();
    charakter->setzeBenutztSpezis(an);
    setzeModulAktiv(an);
    if (an) {
        charakterModel->fuegeBasistypGebieteHinzu();
        updateButtons();
    } else {
        charakterModel->entferneAlle();
    }
    emit signalUpdateHeader();
}

void TabSpezialgebiete::onBasistypGewechselt()
{
    charakterModel->entferneBasistypGebiete();
    charakterModel->fuegeBasistypGebieteHinzu();
}

void TabSpezialgebiete::onKenntnisGewechselt(int kenntnis)
{
    if (kenntnis < 0 || kenntnis > 10)
        return;
    spezialgebieteModel->setzeKenntnis(kenntnis);
}

void TabSpezialgebiete::alleSpeziAuswahlGeaendert(const QModelIndex& index, const QModelIndex& /*alt*/)
{
    spezialgebieteModel->setzeAuswahl(zeileVon(index));
    updateButtons();
}

void TabSpezialgebiete::speziAuswahlGeaendert(const QModelIndex& index, const QModelIndex& /*alt*/)
{
    charakterModel->setzeAuswahl(zeileVon(index));
}

void TabSpezialgebiete::onSpeziHinzufuegen()
{
    const Spezialgebiet* vorlage = spezialgebieteModel->auswahl();
    if (vorlage) {
        Spezialgebiet* kopie = new Spezialgebiet(*vorlage);
        if (charakterModel->hinzufuegen(kopie)) {
            updateButtons();
        } else {
            delete kopie;
            meldeGrund();
        }
    } else {
        emit signalMeldung(QStringLiteral("Hinzufügen: bitte links ein Spezialgebiet wählen."));
    }
    emit signalUpdateHeader();
}

void TabSpezialgebiete::onBonusSpeziHinzufuegen()
{
    DialogSpezialgebiet dialog(this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    Spezialgebiet* neu = dialog.spezialgebiet();
    if (!charakterModel->hinzufuegen(neu)) {
        delete neu;   // refused (not enough EP): nothing keeps it
        meldeGrund();
    }
    emit signalUpdateHeader();
    updateButtons();
}

void TabSpezialgebiete::onSpeziEntfernen()
{
    if (!charakterModel->entfernen())
        emit signalMeldung(QStringLiteral("Entfernen: bitte rechts ein gewähltes Spezialgebiet wählen."));
    updateButtons();
    emit signalUpdateHeader();
}

void TabSpezialgebiete::updateButtons()
{
    // The buttons belong to the module; while it is off they stay disabled.
    if (!ui->checkSpezis->isChecked())
        return;
    const int n = charakterModel->anzahlGewaehlte();
    const Spezialgebiet* gewaehlt = spezialgebieteModel->auswahl();
    const QString voll = QStringLiteral("Höchstens %1 Spezialgebiete neben denen des Basistypus.")
                             .arg(MaxGewaehlte);
    const bool frei = n < MaxGewaehlte;
    const QString preis = epPreis(1);
    if (gewaehlt && charakterModel->enthaelt(gewaehlt)) {
        setzeEnabled(ui->buttonHinzufuegen, false);
        ui->buttonHinzufuegen->setToolTip(
            QStringLiteral("%1\nSpezialgebiet %2 ist schon gewählt.").arg(preis, gewaehlt->Bezeichnung));
    } else {
        setzeEnabled(ui->buttonHinzufuegen, frei);
        ui->buttonHinzufuegen->setToolTip(frei ? preis : preis + QLatin1Char('\n') + voll);
    }
    setzeEnabled(ui->buttonBonusspezi, frei);
    ui->buttonBonusspezi->setToolTip(frei ? preis : preis + QLatin1Char('\n') + voll);
}
