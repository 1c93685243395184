#include "dialogzufall.h"
#include "ui_dialogzufall.h"

#include <QComboBox>

#include "regelwerk.h"

DialogZufall::DialogZufall(const Regelwerk* regelwerk, QWidget* parent)
    : QDialog(parent)
    , ui(new Ui::DialogZufall)
    , regelwerk(regelwerk)
{
    ui->setupUi(this);
    ui->comboSpezies->addItem(QStringLiteral("beliebig"));
    ui->comboSpezies->addItems(regelwerk->basistypNamen());
    connect(ui->comboSpezies, &QComboBox::currentIndexChanged, this,
            &DialogZufall::onSpeziesGewechselt);
    ui->boxStartwert->setValue(int(Zufallscharakter::frischerStartwert()));
}

DialogZufall::~DialogZufall()
{
    delete ui;
}

Zufallscharakter::Einstellungen DialogZufall::einstellungen() const
{
    Zufallscharakter::Einstellungen e;
    // The first entry is "beliebig"; the species follow in table order.
    e.basistyp = ui->comboSpezies->currentIndex() - 1;
    if (e.basistyp < 0)
        e.basistyp = Zufallscharakter::Beliebig;
    e.paranormal = ui->checkParanormal->isEnabled() && ui->checkParanormal->isChecked();
    e.spezialgebiete = ui->checkSpezialgebiete->isChecked();
    e.startwert = quint32(ui->boxStartwert->value());
    return e;
}

void DialogZufall::onSpeziesGewechselt()
{
    // A species that cannot use MP cannot be gifted; "beliebig" draws the
    // gift where the species drawn can have it.
    const int typ = ui->comboSpezies->currentIndex() - 1;
    ui->checkParanormal->setEnabled(typ < 0
                                    || Zufallscharakter::sensitivMoeglich(regelwerk->basistyp(typ)));
}
