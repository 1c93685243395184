#include "listenpruefungdialog.h"

#include "ui_listenpruefungdialog.h"

#include "listenpruefung.h"

#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QHeaderView>
#include <QTableWidgetItem>

namespace {
// Up to this many findings the rows grow to show their whole text.
const int zeilenMitUmbruch = 500;
} // namespace

ListenPruefungDialog::ListenPruefungDialog(const QString &datenordner, QWidget *parent)
    : QDialog(parent),
      ui(new Ui::ListenPruefungDialog),
      m_ordner(datenordner)
{
    ui->setupUi(this);
    QHeaderView *kopf = ui->tableBefunde->horizontalHeader();
    kopf->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    kopf->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    kopf->setSectionResizeMode(2, QHeaderView::Stretch);
    ui->tableBefunde->verticalHeader()->hide();

    bool ok = connect(ui->pbKopieren, &QPushButton::clicked, this, &ListenPruefungDialog::onKopieren);
    Q_ASSERT_X(ok, "ListenPruefungDialog", "connect pbKopieren clicked -> onKopieren");
    ok = connect(ui->pbErneut, &QPushButton::clicked, this, &ListenPruefungDialog::onPruefen);
    Q_ASSERT_X(ok, "ListenPruefungDialog", "connect pbErneut clicked -> onPruefen");
    ok = connect(ui->pbSchliessen, &QPushButton::clicked, this, &QDialog::accept);
    Q_ASSERT_X(ok, "ListenPruefungDialog", "connect pbSchliessen clicked -> accept");
    Q_UNUSED(ok)

    onPruefen();
}

ListenPruefungDialog::~ListenPruefungDialog()
{
    delete ui;
}

QString ListenPruefungDialog::anzeigeName(const QString &datei) const
{
    return QDir::toNativeSeparators(QDir(m_ordner).relativeFilePath(datei));
}

QString ListenPruefungDialog::zusammenfassung() const
{
    const QString ordner = QDir::toNativeSeparators(QDir(m_ordner).absolutePath());
    if (m_befunde.isEmpty())
        return QStringLiteral("Keine Befunde: Listen, Exportvorlage und Basisliste in %1 sind in Ordnung.").arg(ordner);
    const QString anzahl = m_befunde.size() == 1 ? QStringLiteral("1 Befund")
                                                 : QStringLiteral("%L1 Befunde").arg(m_befunde.size());
    return QStringLiteral("%1 in %2:").arg(anzahl, ordner);
}

void ListenPruefungDialog::onPruefen()
{
    m_befunde = ListenPruefung::pruefe(m_ordner);
    ui->labelErgebnis->setText(zusammenfassung());

    const bool leer = m_befunde.isEmpty();
    ui->tableBefunde->setVisible(!leer);
    ui->pbKopieren->setVisible(!leer);
    // Without findings the dialog is one line high.
    if (leer)
        resize(width(), minimumSizeHint().height());
    else if (height() < 300)
        resize(width(), 420);

    QTableWidget *tabelle = ui->tableBefunde;
    tabelle->clearContents();
    tabelle->setRowCount(int(m_befunde.size()));
    tabelle->setWordWrap(m_befunde.size() <= zeilenMitUmbruch);
    for (int i = 0; i < m_befunde.size(); ++i) {
        const ListenBefund &b = m_befunde.at(i);
        auto *datei = new QTableWidgetItem(anzeigeName(b.datei));
        datei->setToolTip(QDir::toNativeSeparators(b.datei));
        auto *zeile = new QTableWidgetItem(b.zeile > 0 ? QString::number(b.zeile) : QString());
        zeile->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        auto *text = new QTableWidgetItem(b.text);
        text->setToolTip(b.text);
        tabelle->setItem(i, 0, datei);
        tabelle->setItem(i, 1, zeile);
        tabelle->setItem(i, 2, text);
    }
    tabelle->verticalHeader()->setSectionResizeMode(m_befunde.size() <= zeilenMitUmbruch
                                                         ? QHeaderView::ResizeToContents
                                                         : QHeaderView::Interactive);
}

QString ListenPruefungDialog::befundText() const
{
    QString text = zusammenfassung() + QLatin1Char('\n');
    for (const ListenBefund &b : m_befunde) {
        text += anzeigeName(b.datei);
        if (b.zeile > 0)
            text += QStringLiteral(", Zeile ") + QString::number(b.zeile);
        text += QStringLiteral(": ") + b.text + QLatin1Char('\n');
    }
    return text;
}

void ListenPruefungDialog::onKopieren()
{
    QGuiApplication::clipboard()->setText(befundText());
}
