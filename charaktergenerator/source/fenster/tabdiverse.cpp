#include "tabdiverse.h"
#include "ui_tabdiverse.h"

#include "basistypus.h"
#include "charakter.h"

#include <QListWidget>

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
    connect(ui->buttonBereinigen, &QPushButton::clicked, this, &TabDiverse::onBereinigen);
    connect(ui->listPruefung, &QListWidget::itemActivated, this, [this](QListWidgetItem *eintrag) {
        emit signalZuSchritt(eintrag->data(Qt::UserRole).toInt());
    });
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

    zeigeKnoepfe();
    zeigePruefung();
}

void TabDiverse::zeigeKnoepfe()
{
    const Basistypus* art = charakter->basistyp();
    const QString nichtFuer = QStringLiteral("\n%1: nicht für %2.");
    struct Zeile {
        QPushButton* minus;
        QPushButton* plus;
        const char* name;   // what the reason names
        int ep;             // EP of one step
        bool vorhanden;     // something to give back
        bool erlaubt;       // the species may buy it
    };
    const Zeile zeilen[] = {
        { ui->buttonMinDE, ui->buttonPlusDE, "DE kaufen", 1,
          charakter->gekaufteEnergie(CharakterBasis::DE) != 0, charakter->darfEnergieKaufen(CharakterBasis::DE) },
        { ui->buttonMinAE, ui->buttonPlusAE, "AE kaufen", 5,
          charakter->gekaufteEnergie(CharakterBasis::AE) != 0, charakter->darfEnergieKaufen(CharakterBasis::AE) },
        { ui->buttonMinCassias, ui->buttonPlusCassias, "Start-Cassias erhöhen", 1, charakter->cassias() != 0,
          art->cassiasMoeglich },
        { ui->buttonMinCepto, ui->buttonPlusCepto, "Start-Ceptomyzin erhöhen", 1, charakter->ceptomyzin() != 0,
          art->ceptomyzinMoeglich },
        { ui->buttonMinStartgeld, ui->buttonPlusStartgeld, "", 1, charakter->kapital() != 0, true },
        { ui->buttonMinSchulden, ui->buttonPlusSchulden, "", 1, charakter->schulden() != 0, true },
        { ui->buttonMinPrestige, ui->buttonPlusPrestige, "", 1, charakter->prestige() != 0, true },
        { ui->buttonMinBonus, ui->buttonPlusBonus, "", 1, charakter->bonuspunkte() != 0, true },
    };
    for (const Zeile& z : zeilen) {
        setzeEnabled(z.minus, z.vorhanden);
        z.minus->setToolTip(z.vorhanden ? QStringLiteral("Gibt %1 EP zurück").arg(z.ep)
                                        : QStringLiteral("Nichts zum Zurückgeben"));
        setzeEnabled(z.plus, z.erlaubt);
        QString tipp = epPreis(z.ep);
        if (!z.erlaubt)
            tipp += nichtFuer.arg(QString::fromUtf8(z.name), charakter->speziesName());
        z.plus->setToolTip(tipp);
    }
}

void TabDiverse::zeigePruefung()
{
    const QList<Charakter::Befund> befunde = charakter->pruefung();
    ui->listPruefung->clear();
    bool bereinigbar = false;
    for (const Charakter::Befund& b : befunde) {
        auto* eintrag = new QListWidgetItem(pruefungsZeile(b), ui->listPruefung);
        eintrag->setData(Qt::UserRole, b.schritt);
        if (b.verstoss)
            eintrag->setForeground(Qt::red);
        bereinigbar = bereinigbar || (b.verstoss && b.punkt != Charakter::Groesse);
    }
    setzeEnabled(ui->buttonBereinigen, bereinigbar);
    ui->buttonBereinigen->setToolTip(
        bereinigbar ? QStringLiteral("Entfernt, was der Basistypus nicht kaufen kann, mit Erstattung, "
                                     "und was mit fehlenden Punkten gekauft wurde (zuletzt Gekauftes zuerst).")
                    : QStringLiteral("Nichts zu bereinigen"));
}

void TabDiverse::onBereinigen()
{
    emit signalSchrittName(QStringLiteral("Bereinigen"));
    const bool bereinigt = charakter->bereinigen();
    emit signalSchrittName(QString());
    if (bereinigt)
        emit signalBereinigt();
    meldeWenn(bereinigt);
}

void TabDiverse::neuAufbauen()
{
    aktualisieren();
}

void TabDiverse::schritt(bool angenommen)
{
    meldeWenn(angenommen);
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
