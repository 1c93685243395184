#ifndef KOMPONENTENAUSWAHL_H
#define KOMPONENTENAUSWAHL_H

#include <QModelIndex>
#include <QWidget>

class Komponente;
class KomponentenBibliothek;
class KomponentenModel;
class SchiffsDaten;
class QSortFilterProxyModel;

namespace Ui {
class KomponentenAuswahl;
}

// The chooser window "Komponenten": the components of one library category
// in a sortable table, a count box and "Hinzufügen". It reports the choice
// as (category, element index in the library, count).
class KomponentenAuswahl : public QWidget
{
    Q_OBJECT

public:
    explicit KomponentenAuswahl(KomponentenBibliothek *bibliothek, QWidget *parent = nullptr);
    ~KomponentenAuswahl() override;

    void setKategorie(uint kategorie);
    // Shows the window active with the focus in the table, its current row
    // selected (the first when there is none): the keyboard goes on there.
    void zeigeTabelle();

    uint kategorie() const { return m_kategorie; }
    int element() const { return m_element; }

    // The component of the row selected now, which "Hinzufügen" adds
    // (nullptr while none is), and the count in the box.
    Komponente *gewaehlteKomponente() const;
    int anzahl() const;
    // The preview: every ship value that adding the selected component
    // would change, from `jetzt` to `danach`.
    void zeigeWirkung(const SchiffsDaten &jetzt, const SchiffsDaten &danach);
    // No component selected: no preview.
    void keineWirkung();

signals:
    void signalAddKomponente(uint kategorie, uint element, int anzahl);
    // Why "Hinzufügen" added nothing, in one line for the status bar.
    void signalMeldung(const QString &text);
    // Escape: the user wants back to the categories (the window stays open).
    void signalZurueck();
    // The selected component or its count changed (also to none).
    void auswahlGeaendert();

public slots:
    void onMoeglichesElement(const QModelIndex &index, const QModelIndex &alt);
    void onElementDoppelKlick(const QModelIndex &index);
    void onClickHinzufuegen();

private:
    // No row counts as chosen: count 0, no unit, no preview.
    void keineAuswahl();
    // After a new search text: a selected row that is no longer shown is
    // no longer chosen.
    void onSuche(const QString &text);
    void onAlleKategorien(bool alle);
    void richteSpaltenEin();

    Ui::KomponentenAuswahl *ui;
    KomponentenBibliothek *m_pBibliothek; // not owned
    KomponentenModel *m_pModel;
    QSortFilterProxyModel *m_pProxy;
    uint m_kategorie = 0;
    int m_element = 0;
    // The category of the chosen row (differs from m_kategorie while all
    // categories are shown); m_gewaehlt while a row is chosen.
    uint m_elementKategorie = 0;
    bool m_gewaehlt = false;
};

#endif // KOMPONENTENAUSWAHL_H
