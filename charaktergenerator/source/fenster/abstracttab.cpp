#include "abstracttab.h"

#include "aktion.h"
#include "aktionenmodel.h"
#include "charakter.h"
#include "charakteraktionenmodel.h"
#include "charaktertabellenmodel.h"

#include <QAbstractItemView>
#include <QEvent>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QScrollArea>
#include <QTableView>

#include <iterator>

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
    else
        meldeGrund();
}

void AbstractTab::meldeGrund()
{
    const QString grund = charakter->letzterGrundText();
    if (!grund.isEmpty())
        emit signalMeldung(grund);
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

QString AbstractTab::schrittTitel(int index)
{
    static const char *const titel[] = { "1) Basis", "2) Eigenschaften", "3) Spezialgebiete",
                                         "4) Aktionen", "5) Paranormik", "6) Diverse" };
    return index >= 0 && index < int(std::size(titel)) ? QString::fromUtf8(titel[index]) : QString();
}

QString AbstractTab::pruefungsZeile(const Charakter::Befund &befund)
{
    return QStringLiteral("%1: %2").arg(schrittTitel(befund.schritt), befund.text);
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

void AbstractTab::lerne(AktionenModel *katalog, CharakterAktionenModel *eigene)
{
    const Aktion *vorlage = katalog->auswahl();
    if (!vorlage) {
        emit signalMeldung(QStringLiteral("Lernen: bitte links einen Eintrag wählen."));
        return;
    }
    Aktion *kopie = new Aktion(*vorlage);
    if (!eigene->hinzufuegen(kopie)) {
        delete kopie;
        meldeGrund();
    }
}

void AbstractTab::vergiss(CharakterAktionenModel *eigene)
{
    if (eigene->auswahl() < 0 || eigene->auswahl() >= eigene->rowCount()) {
        emit signalMeldung(QStringLiteral("Entfernen: bitte rechts einen erlernten Eintrag wählen."));
        return;
    }
    meldeWenn(eigene->entfernen());
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

    // A value the character refuses is announced with its reason.
    connect(model, &CharakterTabellenModel::abgelehnt, this, &AbstractTab::signalMeldung,
            Qt::UniqueConnection);
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

QString AbstractTab::epPreis(int preis) const
{
    if (!charakter->generieren())
        return QStringLiteral("Kostet %1 EP (nach der Generierung vom Spielleiter vergebene EP)").arg(preis);
    return QStringLiteral("Kostet %1 EP (übrig: %2 EP)").arg(preis).arg(charakter->verfuegbareEP(true));
}

void AbstractTab::zeigePunktKnoepfe(int art, QPushButton *minus, QPushButton *plus)
{
    const QString name = art == CharakterBasis::SP ? QStringLiteral("SP")
                         : art == CharakterBasis::TP ? QStringLiteral("TP") : QStringLiteral("MP");
    const int menge = art == CharakterBasis::SP ? 2 : 1;
    const bool gekauft = charakter->punkte(art, CharakterBasis::Gekauft) != 0;
    setzeEnabled(minus, gekauft);
    minus->setToolTip(gekauft ? QStringLiteral("%1 %2 zurückgeben, 1 EP zurück").arg(menge).arg(name)
                              : QStringLiteral("Keine gekauften %1").arg(name));
    const bool darf = art != CharakterBasis::MP || charakter->darfMPKaufen();
    setzeEnabled(plus, darf);
    QString tipp = QStringLiteral("%1 %2 für 1 EP; %3").arg(menge).arg(name, epPreis(1));
    if (!darf)
        tipp += QStringLiteral("\n%1 kaufen: nicht für %2.").arg(name, charakter->speziesName());
    plus->setToolTip(tipp);
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
