#include "dialogspezialgebiet.h"
#include "ui_dialogspezialgebiet.h"

#include <QPushButton>

#include "regelwerk.h"
#include "spezialgebiet.h"

DialogSpezialgebiet::DialogSpezialgebiet(QWidget* parent)
    : QDialog(parent)
    , ui(new Ui::DialogSpezialgebiet)
{
    ui->setupUi(this);
    connect(ui->inputName, &QLineEdit::textChanged, this, &DialogSpezialgebiet::onNameGeaendert);
    onNameGeaendert();
}

DialogSpezialgebiet::~DialogSpezialgebiet()
{
    delete ui;
}

void DialogSpezialgebiet::onNameGeaendert()
{
    QPushButton* ok = ui->buttonBox->button(QDialogButtonBox::Ok);
    if (ok)
        ok->setEnabled(!ui->inputName->text().trimmed().isEmpty());
}

Spezialgebiet* DialogSpezialgebiet::spezialgebiet() const
{
    return new Spezialgebiet(ui->inputName->text().trimmed(), Regelwerk::KeineSpezialisierung,
                             ui->inputKenntnis->currentIndex(),
                             ui->inputBonusZwei->isChecked() ? 2 : 1, 0,
                             ui->inputEigenschaftEins->currentIndex(),
                             ui->inputEigenschaftZwei->currentIndex(), false);
}
