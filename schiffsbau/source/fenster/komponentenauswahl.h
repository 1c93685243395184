#ifndef KOMPONENTENAUSWAHL_H
#define KOMPONENTENAUSWAHL_H

#include <QModelIndex>
#include <QWidget>

class KomponentenBibliothek;
class KomponentenModel;
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

    uint kategorie() const { return m_kategorie; }
    int element() const { return m_element; }

signals:
    void signalAddKomponente(uint kategorie, uint element, int anzahl);
    // Why "Hinzufügen" added nothing, in one line for the status bar.
    void signalMeldung(const QString &text);

public slots:
    void onMoeglichesElement(const QModelIndex &index, const QModelIndex &alt);
    void onElementDoppelKlick(const QModelIndex &index);
    void onClickHinzufuegen();

private:
    Ui::KomponentenAuswahl *ui;
    KomponentenBibliothek *m_pBibliothek; // not owned
    KomponentenModel *m_pModel;
    QSortFilterProxyModel *m_pProxy;
    uint m_kategorie = 0;
    int m_element = 0;
};

#endif // KOMPONENTENAUSWAHL_H
