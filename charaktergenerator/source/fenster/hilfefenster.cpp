#include "hilfefenster.h"
#include "ui_hilfefenster.h"

#include <QKeySequence>
#include <QShortcut>
#include <QUrl>

HilfeFenster::HilfeFenster(QWidget *parent)
    : QWidget(parent, Qt::Window)
    , ui(new Ui::HilfeFenster)
{
    // The guide lives in a static library; this links its resource in.
    Q_INIT_RESOURCE(kurzanleitung);
    ui->setupUi(this);
    ui->textKurzanleitung->setSource(QUrl(QStringLiteral("qrc:/hilfe/kurzanleitung.html")));
    new QShortcut(QKeySequence(Qt::Key_Escape), this, this, &QWidget::close);
}

HilfeFenster::~HilfeFenster()
{
    delete ui;
}

void HilfeFenster::zeige()
{
    show();
    raise();
    activateWindow();
}
