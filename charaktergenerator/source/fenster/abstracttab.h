#ifndef ABSTRACTTAB_H
#define ABSTRACTTAB_H

#include <QWidget>

#include <functional>

#include "charakter.h"

class AktionenModel;
class CharakterAktionenModel;
class CharakterTabellenModel;
class QAbstractItemView;
class QItemSelectionModel;
class QLabel;
class QModelIndex;
class QPushButton;
class QTableView;
class Regelwerk;

// Common base of the six steps of the character generator. Holds the
// character being edited and the rules catalogue (both not owned).
class AbstractTab : public QWidget
{
    Q_OBJECT

public:
    AbstractTab(Charakter *charakter, Regelwerk *regelwerk, QWidget *parent = nullptr);
    ~AbstractTab() override;

    // Fills every widget of the tab from the character.
    virtual void aktualisieren() = 0;
    // Brings the tab into its start state for a newly reset or loaded character.
    virtual void neuAufbauen() = 0;
    // Redraws the tab, then tells the header to redraw.
    virtual void aktualisierenUndMelden();
    // aktualisierenUndMelden() when the character took a change; otherwise
    // the character's reason for refusing goes to the status bar.
    void meldeWenn(bool geaendert);
    // Shows the reason of the character's last refusal (signalMeldung).
    void meldeGrund();
    // Enables or disables the widget, touching it only when its state differs.
    virtual void setzeEnabled(QWidget *widget, bool enabled);

    // The title of step `index` (0..5) as its tab shows it ("1) Basis").
    static QString schrittTitel(int index);
    // One entry of the character's check: the step's title, then the text.
    static QString pruefungsZeile(const Charakter::Befund &befund);

signals:
    void signalUpdateHeader();
    // One line for the window's status bar: why a change was refused.
    void signalMeldung(const QString &text);
    // The change that follows is one step of the history with this name.
    void signalSchrittName(const QString &name);

protected:
    // Puts the tab's page widget into a scroll area that fills the tab, so
    // that the whole page can be reached on a small screen; where there is
    // room it looks as before.
    void seiteRollbar(QWidget *seite);
    bool eventFilter(QObject *objekt, QEvent *ereignis) override;
    // Redraws the marks of the learned actions in the catalogue list, and
    // its learn button: disabled for an action the character has learned
    // already; its tooltip names the price in `punkte` ("SP") and what
    // remains of them.
    void zeigeLernPreis(QPushButton *knopf, AktionenModel *katalog,
                        const CharakterAktionenModel *eigene, const QString &punkte);
    // A double click on an entry of the catalogue list selects and learns it
    // (`lernen` is the tab's learn slot).
    void lerneBeiDoppelklick(QAbstractItemView *liste, AktionenModel *katalog,
                             const std::function<void()> &lernen);
    // Teaches the character a copy of the action selected in the catalogue
    // list; a refused copy is dropped and the reason shown.
    void lerne(AktionenModel *katalog, CharakterAktionenModel *eigene);
    // Forgets the action selected in the table of learned ones (or says
    // why nothing happened); redraws on success.
    void vergiss(CharakterAktionenModel *eigene);
    // Attaches the table of the character's own entries anew, so that the
    // view forgets rows and selection of the old character, and lays out its
    // columns (name stretched, value and roll of fixed widths). Returns the
    // view's new selection model.
    QItemSelectionModel *tabelleAnschliessen(QTableView *tabelle, CharakterTabellenModel *model,
                                             int breiteWert, int breiteWurf);
    // The row of a list's new current index, -1 for none.
    static int zeileVon(const QModelIndex &index);
    // One account of the character in three labels: the start value
    // ("%1 +"), what was bought ("%1") and the total ("= %1"), of the point
    // kind `art` (CharakterBasis::Punktart) or of the energy `art`
    // (CharakterBasis::Energieart).
    void zeigePunkte(int art, QLabel *start, QLabel *gekauft, QLabel *gesamt);
    void zeigeEnergie(int art, QLabel *start, QLabel *gekauft, QLabel *gesamt);
    // The "-" and "+" of a point kind (CharakterBasis::Punktart): "-"
    // enabled while points are bought, "+" while the species may buy them;
    // their tooltips name the price, and a disabled one why.
    void zeigePunktKnoepfe(int art, QPushButton *minus, QPushButton *plus);
    // The price tooltip "Kostet n EP (übrig: m EP)" of a "+" that buys for EP.
    QString epPreis(int preis) const;

    Charakter *charakter;
    Regelwerk *regelwerk;

private:
    static void zeigeKonto(QLabel *start, QLabel *gekauft, QLabel *gesamt,
                           const std::function<int(int spalte)> &wert);

    // The page in its scroll area and the carrier between them (or null).
    QWidget *rollSeite = nullptr;
    QWidget *rollTraeger = nullptr;
};

#endif // ABSTRACTTAB_H
