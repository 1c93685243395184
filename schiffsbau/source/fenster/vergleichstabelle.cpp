#include "vergleichstabelle.h"

#include "schiffswerte.h"

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QHeaderView>
#include <QTableWidget>

namespace {

const QColor warnfarbe(0xc6, 0x28, 0x28);
const QColor markiert(0xff, 0xf3, 0xc4);

} // namespace

void VergleichsTabelle::setzeZeilen(QTableWidget *tabelle, const QList<QStringList> &zeilen, int textSpalten)
{
    tabelle->clearSpans();
    tabelle->setRowCount(int(zeilen.size()));
    for (int z = 0; z < zeilen.size(); ++z) {
        for (int s = 0; s < tabelle->columnCount(); ++s) {
            auto *zelle = new QTableWidgetItem(zeilen.at(z).value(s));
            if (s >= textSpalten)
                zelle->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            tabelle->setItem(z, s, zelle);
        }
    }
}

void VergleichsTabelle::fuelle(QTableWidget *tabelle, const QList<SchiffsVergleich::Wert> &werte, bool markieren)
{
    QList<QStringList> zeilen;
    for (const SchiffsVergleich::Wert &w : werte) {
        const SchiffsWerte::Eintrag &e = SchiffsWerte::eintrag(w.eintrag);
        zeilen.append({QString::fromUtf8(e.bezeichnung), w.dieses, w.anderes, w.unterschied});
    }
    setzeZeilen(tabelle, zeilen);
    for (int z = 0; z < werte.size(); ++z) {
        const SchiffsVergleich::Wert &w = werte.at(z);
        if (w.ueberzogenDieses)
            tabelle->item(z, 1)->setForeground(warnfarbe);
        if (w.ueberzogenAnderes)
            tabelle->item(z, 2)->setForeground(warnfarbe);
        if (!markieren || w.unterschied.isEmpty())
            continue;
        for (int s = 0; s < tabelle->columnCount(); ++s) {
            QTableWidgetItem *zelle = tabelle->item(z, s);
            QFont fett = zelle->font();
            fett.setBold(true);
            zelle->setFont(fett);
            zelle->setBackground(markiert);
        }
    }
    tabelle->resizeColumnsToContents();
}

void VergleichsTabelle::hinweis(QTableWidget *tabelle, const QString &text)
{
    tabelle->clearSpans();
    tabelle->setRowCount(1);
    tabelle->setItem(0, 0, new QTableWidgetItem(text));
    for (int s = 1; s < tabelle->columnCount(); ++s)
        tabelle->setItem(0, s, new QTableWidgetItem());
    if (tabelle->columnCount() > 1)
        tabelle->setSpan(0, 0, 1, tabelle->columnCount());
}

QString VergleichsTabelle::alsText(const QTableWidget *tabelle)
{
    QStringList zeilen;
    QStringList kopf;
    for (int s = 0; s < tabelle->columnCount(); ++s) {
        const QTableWidgetItem *k = tabelle->horizontalHeaderItem(s);
        kopf << (k ? k->text() : QString());
    }
    zeilen << kopf.join(QLatin1Char('\t'));
    for (int z = 0; z < tabelle->rowCount(); ++z) {
        QStringList felder;
        for (int s = 0; s < tabelle->columnCount(); ++s) {
            const QTableWidgetItem *zelle = tabelle->item(z, s);
            felder << (zelle ? zelle->text() : QString());
        }
        zeilen << felder.join(QLatin1Char('\t'));
    }
    return zeilen.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

void VergleichsTabelle::richteEin(QTableWidget *tabelle)
{
    tabelle->verticalHeader()->hide();
    tabelle->verticalHeader()->setMinimumSectionSize(18);
    tabelle->verticalHeader()->setDefaultSectionSize(18);
    tabelle->horizontalHeader()->setStretchLastSection(true);
    tabelle->setWordWrap(false);
}
