#include "tabeigenschaften.h"
#include "ui_tabeigenschaften.h"

#include "basistypus.h"
#include "charakter.h"
#include "regelwerk.h"

#include <QSignalMapper>

TabEigenschaften::TabEigenschaften(Charakter *charakter, Regelwerk *regelwerk, QWidget *parent)
    : AbstractTab(charakter, regelwerk, parent)
    , ui(new Ui::TabEigenschaften)
    , mapperMinus(nullptr)
    , mapperPlus(nullptr)
{
    ui->setupUi(this);
    seiteRollbar(ui->widgetEigenschaften);

    mapperMinus = new QSignalMapper(this);
    mapperPlus = new QSignalMapper(this);

    const QList<QPushButton *> minus = {
        ui->buttonMinMut,   ui->buttonMinIntelligenz, ui->buttonMinWissen,
        ui->buttonMinInstinkt, ui->buttonMinEmotion, ui->buttonMinKraft,
        ui->buttonMinKoerper, ui->buttonMinHand,    ui->buttonMinSinne,
        ui->buttonMinKondition, ui->buttonMinAusstrahlung,
    };
    const QList<QPushButton *> plus = {
        ui->buttonPlusMut,   ui->buttonPlusIntelligenz, ui->buttonPlusWissen,
        ui->buttonPlusInstinkt, ui->buttonPlusEmotion, ui->buttonPlusKraft,
        ui->buttonPlusKoerper, ui->buttonPlusHand,    ui->buttonPlusSinne,
        ui->buttonPlusKondition, ui->buttonPlusAusstrahlung,
    };
    for (int i = 0; i < Regelwerk::AnzahlEigenschaften; ++i) {
        buttonsMinus.insert(i, minus.at(i));
        buttonsPlus.insert(i, plus.at(i));
    }

    for (int i : { Regelwerk::Ausstrahlung, Regelwerk::Emotionen, Regelwerk::Handgeschick,
                   Regelwerk::Instinkt, Regelwerk::Intelligenz, Regelwerk::Koerperbeherrschung,
                   Regelwerk::Kondition, Regelwerk::Kraft, Regelwerk::Mut, Regelwerk::Sinne,
                   Regelwerk::Wissen }) {
        connect(buttonsMinus.value(i), &QPushButton::clicked, mapperMinus,
                qOverload<>(&QSignalMapper::map));
        mapperMinus->setMapping(buttonsMinus.value(i), i);
        connect(buttonsPlus.value(i), &QPushButton::clicked, mapperPlus,
                qOverload<>(&QSignalMapper::map));
        mapperPlus->setMapping(buttonsPlus.value(i), i);
    }
    connect(mapperMinus, &QSignalMapper::mappedInt, this, &TabEigenschaften::onEigenschaftMinus);
    connect(mapperPlus, &QSignalMapper::mappedInt, this, &TabEigenschaften::onEigenschaftPlus);
}

TabEigenschaften::~TabEigenschaften()
{
    delete ui;
}

void TabEigenschaften::onEigenschaftPlus(int eigenschaft)
{
    if (eigenschaft < 0 || eigenschaft >= Regelwerk::AnzahlEigenschaften)
        return;
    meldeWenn(charakter->eigenschaftSteigern(eigenschaft));
}

void TabEigenschaften::onEigenschaftMinus(int eigenschaft)
{
    if (eigenschaft < 0 || eigenschaft >= Regelwerk::AnzahlEigenschaften)
        return;
    meldeWenn(charakter->eigenschaftSenken(eigenschaft));
}

void TabEigenschaften::aktualisieren()
{
    const Basistypus *typ = charakter->basistyp();
    const QString zahl = QStringLiteral("%1");

    QLabel *const start[Regelwerk::AnzahlEigenschaften] = {
        ui->labelStartMut,   ui->labelStartIntelligenz, ui->labelStartWissen,
        ui->labelStartInstinkt, ui->labelStartEmotion, ui->labelStartKraft,
        ui->labelStartKoerper, ui->labelStartHand,    ui->labelStartSinne,
        ui->labelStartKondition, ui->labelStartAusstrahlung,
    };
    QLabel *const punkte[Regelwerk::AnzahlEigenschaften] = {
        ui->labelPunkteMut,   ui->labelPunkteIntelligenz, ui->labelPunkteWissen,
        ui->labelPunkteInstinkt, ui->labelPunkteEmotion, ui->labelPunkteKraft,
        ui->labelPunkteKoerper, ui->labelPunkteHand,    ui->labelPunkteSinne,
        ui->labelPunkteKondition, ui->labelPunkteAusstrahlung,
    };
    QLabel *const wert[Regelwerk::AnzahlEigenschaften] = {
        ui->labelWertMut,   ui->labelWertIntelligenz, ui->labelWertWissen,
        ui->labelWertInstinkt, ui->labelWertEmotion, ui->labelWertKraft,
        ui->labelWertKoerper, ui->labelWertHand,    ui->labelWertSinne,
        ui->labelWertKondition, ui->labelWertAusstrahlung,
    };
    for (int i = 0; i < Regelwerk::AnzahlEigenschaften; ++i) {
        start[i]->setText(zahl.arg(typ->startwerte[i]));
        punkte[i]->setText(zahl.arg(charakter->eigenschaftPunkte(i)));
        wert[i]->setText(zahl.arg(charakter->eigenschaft(i)));
    }

    QLabel *const kenntnis[Regelwerk::AnzahlKenntnisse] = {
        ui->labelKenntnisVita,      ui->labelKenntnisAkademik,   ui->labelKenntnisTechnik,
        ui->labelKenntnisParanormik, ui->labelKenntnisTransport, ui->labelKenntnisHandwerk,
        ui->labelKenntnisBeeinflussen, ui->labelKenntnisKognition, ui->labelKenntnisAthletik,
        ui->labelKenntnisKampf,
    };
    for (int k = 0; k < Regelwerk::AnzahlKenntnisse; ++k)
        kenntnis[k]->setText(zahl.arg(charakter->kenntnis(k)));

    // Factors and movement in the user's number format, shortest form
    // (six significant digits: the factors are single-precision values).
    ui->labelPhysisFaktor->setText(
        QStringLiteral("%L1").arg(double(typ->physisFaktor), 0, 'g', 6));
    ui->labelPsycheFaktor->setText(
        QStringLiteral("%L1").arg(double(typ->psycheFaktor), 0, 'g', 6));
    ui->labelLE->setText(
        zahl.arg(charakter->energie(CharakterBasis::LE, CharakterBasis::Gesamt)));
    ui->labelPE->setText(
        zahl.arg(charakter->energie(CharakterBasis::PE, CharakterBasis::Gesamt)));
    ui->labelInitiative->setText(QStringLiteral("%L1").arg(charakter->initiative()));
    ui->labelStdBewegung->setText(
        QStringLiteral("%L1 m").arg(double(charakter->standardbewegung()), 0, 'g', 6));

    for (int i = 0; i < Regelwerk::AnzahlEigenschaften; ++i) {
        QPushButton *minus = buttonsMinus.value(i);
        const int punkte = charakter->eigenschaftPunkte(i);
        setzeEnabled(minus, punkte != 0);
        if (minus)
            minus->setToolTip(punkte > 0 ? QStringLiteral("Gibt %1 EP zurück")
                                               .arg(regelwerk->steigerungsKosten(punkte - 1))
                                         : QStringLiteral("Keine Steigerung zum Zurücknehmen"));
    }

    // What the next raise of each attribute costs; a raise the EP do not
    // cover says so (the button stays enabled: a click explains).
    const int rest = charakter->verfuegbareEP(true);
    for (int i = 0; i < Regelwerk::AnzahlEigenschaften; ++i) {
        QPushButton *plus = buttonsPlus.value(i);
        if (!plus)
            continue;
        const int preis = regelwerk->steigerungsKosten(charakter->eigenschaftPunkte(i));
        QString tipp = preis < 0 ? QStringLiteral("Keine weitere Steigerung möglich")
                                 : QStringLiteral("Nächste Steigerung: %1 EP").arg(preis);
        if (preis > rest)
            tipp += QStringLiteral("\nZu wenig EP: übrig sind %1 EP.").arg(rest);
        plus->setToolTip(tipp);
    }
}

void TabEigenschaften::neuAufbauen()
{
    aktualisieren();
}
