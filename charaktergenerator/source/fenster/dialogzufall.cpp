#include "dialogzufall.h"
#include "ui_dialogzufall.h"

#include "regelwerk.h"

DialogZufall::DialogZufall(const Regelwerk* regelwerk, QWidget* parent)
    : QDialog(parent)
    , ui(new Ui::DialogZufall)
{
    ui->setupUi(this);
    ui->comboSpezies->addItem(QStringLiteral("beliebig"));
    ui->comboSpezies->addItems(regelwerk->basistypNamen());
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
    e.paranormal = ui->checkParanormal->isChecked();
    e.spezialgebiete = ui->checkSpezialgebiete->isChecked();
    e.startwert = quint32(ui->boxStartwert->value());
    return e;
}
