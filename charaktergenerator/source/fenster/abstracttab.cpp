#include "abstracttab.h"

#include "aktion.h"
#include "aktionenmodel.h"
#include "charakter.h"
#include "charakteraktionenmodel.h"

#include <QAbstractItemView>
#include <QAction>
#include <QEvent>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QScrollArea>
#include <QTableView>

AbstractTab::AbstractTab(Charakter *charakter, Regelwerk *regelwerk, QWidget *parent)
    : QWidget(parent)
    , charakter(charakter)
    , regelwerk(regelwerk)
{
}

AbstractTab::~AbstractTab() = default;

void AbstractTab::aktualisierenUndMelden()
{
    aktualisieren();
    emit signalUpdateHeader();
}

void AbstractTab::meldeWenn(bool geaendert)
{
    if (geaendert)
        aktualisierenUndMelden();
}

void AbstractTab::setzeEnabled(QWidget *widget, bool enabled)
{
    if (!widget)
        return;
    if (enabled && !widget->isEnabled())
        widget->setEnabled(true);
    else if (!enabled && widget->isEnabled())
        widget->setEnabled(false);
}

void AbstractTab::seiteRollbar(QWidget *seite)
{
    QLayout *rahmen = layout();
    if (!seite || !rahmen || rahmen->indexOf(seite) < 0 || rollSeite)
        return;
    auto *rolle = new QScrollArea(this);
    rolle->setObjectName(QStringLiteral("rolle") + seite->objectName());
    rolle->setFrameShape(QFrame::NoFrame);
    rolle->setWidgetResizable(true);
    // No tab stop of its own: it scrolls to the field that gets the focus.
    rolle->setFocusPolicy(Qt::NoFocus);
    // The page sits in a carrier without a layout: a scroll area would size
    // a page with word-wrapping labels to its preferred height and scroll
    // even where the page fits. The carrier asks for the page's minimum
    // size only and hands its own size on to the page.
    auto *traeger = new QWidget;
    traeger->setObjectName(QStringLiteral("traeger") + seite->objectName());
    // The layout hands back the item that held the page; it is ours to free.
    delete rahmen->replaceWidget(seite, rolle);
    // The carrier joins the window first, and the page moves over without
    // its own style sheet, which it gets back at once: a widget with a style
    // sheet of its own that changes parent has itself and all its children
    // polished again, one level after the other (the larger part of the
    // start-up). Its rules are the same before and after the move.
    rolle->setWidget(traeger);
    const QString blatt = seite->styleSheet();
    if (!blatt.isEmpty())
        seite->setStyleSheet(QString());
    seite->setParent(traeger);
    if (!blatt.isEmpty())
        seite->setStyleSheet(blatt);
    seite->show();
    rollTraeger = traeger;
    rollSeite = seite;
    traeger->setMinimumSize(seite->minimumSizeHint());
    traeger->installEventFilter(this);
    seite->installEventFilter(this);
}

bool AbstractTab::eventFilter(QObject *objekt, QEvent *ereignis)
{
    if (objekt == rollTraeger && ereignis->type() == QEvent::Resize)
        rollSeite->setGeometry(rollTraeger->rect());
    else if (objekt == rollSeite && ereignis->type() == QEvent::LayoutRequest)
        rollTraeger->setMinimumSize(rollSeite->minimumSizeHint());
    return QWidget::eventFilter(objekt, ereignis);
}

void AbstractTab::zeigeLernPreis(QPushButton *knopf, AktionenModel *katalog,
                                 const CharakterAktionenModel *eigene, const QString &punkte)
{
    if (!knopf || !katalog || !eigene)
        return;
    katalog->erlernteGeaendert();
    const Aktion *a = katalog->auswahl();
    if (!a) {
        setzeEnabled(knopf, true);
        knopf->setToolTip(QStringLiteral("Lernt den links gewählten Eintrag (auch mit einem Doppelklick)"));
        return;
    }
    if (charakter->hatAktion(katalog->art(), a->Bezeichnung)) {
        setzeEnabled(knopf, false);
        knopf->setToolTip(QStringLiteral("„%1“ ist bereits erlernt").arg(a->Bezeichnung));
        return;
    }
    setzeEnabled(knopf, true);
    knopf->setToolTip(QStringLiteral("Kostet %1 %2 (übrig: %3 %2)")
                          .arg(eigene->preis(a))
                          .arg(punkte)
                          .arg(charakter->punkte(katalog->art(), CharakterBasis::Rest)));
}

void AbstractTab::lerneBeiDoppelklick(QAbstractItemView *liste, AktionenModel *katalog,
                                      const std::function<void()> &lernen)
{
    connect(liste, &QAbstractItemView::doubleClicked, this, [katalog, lernen](const QModelIndex &index) {
        if (!index.isValid())
            return;
        katalog->setzeAuswahl(index.row());
        lernen();
    });
}

void AbstractTab::entfernenMitTaste(QAbstractItemView *tabelle, QPushButton *knopf)
{
    auto *entfernen = new QAction(knopf->text(), tabelle);
    entfernen->setShortcut(QKeySequence::Delete);
    entfernen->setShortcutContext(Qt::WidgetShortcut);
    tabelle->addAction(entfernen);
    connect(entfernen, &QAction::triggered, knopf, &QPushButton::click);
}

void AbstractTab::lerne(AktionenModel *katalog, CharakterAktionenModel *eigene)
{
    const Aktion *vorlage = katalog->auswahl();
    if (!vorlage)
        return;
    Aktion *kopie = new Aktion(*vorlage);
    if (!eigene->hinzufuegen(kopie))
        delete kopie;
}

QItemSelectionModel *AbstractTab::tabelleAnschliessen(QTableView *tabelle,
                                                      CharakterTabellenModel *model,
                                                      int breiteWert, int breiteWurf)
{
    QItemSelectionModel *alteAuswahl = tabelle->selectionModel();
    model->neuLaden();
    tabelle->setModel(nullptr);
    QItemSelectionModel *leereAuswahl = tabelle->selectionModel();
    tabelle->setModel(model);
    delete alteAuswahl;
    delete leereAuswahl;

    QHeaderView *kopf = tabelle->horizontalHeader();
    kopf->setSectionResizeMode(0, QHeaderView::Stretch);
    kopf->setSectionResizeMode(1, QHeaderView::Fixed);
    kopf->setSectionResizeMode(2, QHeaderView::Fixed);
    kopf->resizeSection(1, breiteWert);
    kopf->resizeSection(2, breiteWurf);
    QHeaderView *zeilen = tabelle->verticalHeader();
    zeilen->setMinimumSectionSize(20);
    zeilen->setSectionResizeMode(QHeaderView::Fixed);
    zeilen->setDefaultSectionSize(20);
    return tabelle->selectionModel();
}

int AbstractTab::zeileVon(const QModelIndex &index)
{
    return index.isValid() ? index.row() : -1;
}

void AbstractTab::zeigeKonto(QLabel *start, QLabel *gekauft, QLabel *gesamt,
                             const std::function<int(int spalte)> &wert)
{
    start->setText(QString("%1 +").arg(wert(CharakterBasis::Start)));
    gekauft->setText(QString("%1").arg(wert(CharakterBasis::Gekauft)));
    gesamt->setText(QString("= %1").arg(wert(CharakterBasis::Gesamt)));
}

void AbstractTab::zeigePunkte(int art, QLabel *start, QLabel *gekauft, QLabel *gesamt)
{
    zeigeKonto(start, gekauft, gesamt,
               [this, art](int spalte) { return charakter->punkte(art, spalte); });
}

void AbstractTab::zeigeEnergie(int art, QLabel *start, QLabel *gekauft, QLabel *gesamt)
{
    zeigeKonto(start, gekauft, gesamt,
               [this, art](int spalte) { return charakter->energie(art, spalte); });
}
