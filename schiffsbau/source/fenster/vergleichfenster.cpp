#include "vergleichfenster.h"
#include "ui_vergleichfenster.h"

#include "schiffsbogen.h"
#include "vergleichstabelle.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLocale>
#include <QPushButton>

VergleichFenster::VergleichFenster(QWidget *parent)
    : QDialog(parent),
      ui(new Ui::VergleichFenster)
{
    ui->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    VergleichsTabelle::richteEin(ui->tableVergleich);
    VergleichsTabelle::richteEin(ui->tableKomponentenVergleich);
    ui->lHinweis->hide();
    connect(ui->buttonKopieren, &QPushButton::clicked, this, &VergleichFenster::onKopieren);
    connect(ui->buttonSchliessen, &QPushButton::clicked, this, &QDialog::close);
}

VergleichFenster::~VergleichFenster()
{
    delete ui;
}

void VergleichFenster::zeige(const Schiff &dieses, const Schiff &anderes, const QStringList &nichtGefunden)
{
    const QString links = SchiffsBogen::anzeigeName(dieses.name);
    const QString rechts = SchiffsBogen::anzeigeName(anderes.name);
    setWindowTitle(QStringLiteral("Vergleich: %1 – %2").arg(links, rechts));
    const QStringList kopf = {QStringLiteral("Wert"), links, rechts, QStringLiteral("Unterschied")};
    ui->tableVergleich->setHorizontalHeaderLabels(kopf);
    const QLocale locale;
    VergleichsTabelle::fuelle(ui->tableVergleich, SchiffsVergleich::werte(dieses.daten, anderes.daten, locale),
                              true);

    ui->tableKomponentenVergleich->setHorizontalHeaderLabels(
        {QStringLiteral("Typ"), QStringLiteral("Komponente"), links, rechts, QStringLiteral("Unterschied")});
    QList<QStringList> zeilen;
    for (const SchiffsVergleich::Bauteil &b : SchiffsVergleich::bauteile(dieses.komponenten, anderes.komponenten)) {
        const auto anzahl = [&locale](qint64 n) { return n ? locale.toString(n) : QStringLiteral("–"); };
        zeilen.append({b.typ, b.name, anzahl(b.dieses), anzahl(b.anderes), SchiffsVergleich::unterschied(b, locale)});
    }
    if (zeilen.isEmpty())
        VergleichsTabelle::hinweis(ui->tableKomponentenVergleich, QStringLiteral("keine Unterschiede"));
    else
        VergleichsTabelle::setzeZeilen(ui->tableKomponentenVergleich, zeilen, 2);
    ui->tableKomponentenVergleich->resizeColumnsToContents();

    ui->lHinweis->setVisible(!nichtGefunden.isEmpty());
    ui->lHinweis->setText(QStringLiteral("Nicht in der Bibliothek gefunden und daher nicht verglichen: %1")
                              .arg(nichtGefunden.join(QStringLiteral(", "))));
}

void VergleichFenster::onKopieren()
{
    QGuiApplication::clipboard()->setText(windowTitle() + QStringLiteral("\n\n")
                                          + VergleichsTabelle::alsText(ui->tableVergleich) + QLatin1Char('\n')
                                          + VergleichsTabelle::alsText(ui->tableKomponentenVergleich));
}
