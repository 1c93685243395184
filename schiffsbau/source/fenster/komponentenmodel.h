#ifndef KOMPONENTENMODEL_H
#define KOMPONENTENMODEL_H

#include <QAbstractTableModel>
#include <QList>
#include <QPair>

class Komponente;
class KomponentenBibliothek;

// The components of one library category as a table. The columns are those
// of the category's first component (all components of a category share
// their kind and so their column layout).
class KomponentenModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    // The component's name in every column, for the search.
    static constexpr int NameRolle = Qt::UserRole + 1;

    explicit KomponentenModel(KomponentenBibliothek *bibliothek, QObject *parent = nullptr);

    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;

    uint kategorie() const { return m_kategorie; }

    // All categories at once: a first column "Kategorie", the name and the
    // values every kind has (price, weight, GSTPV, REV, BEV per unit, unit,
    // description). Off: the current category with its own columns.
    void setAlleKategorien(bool alle);
    // Category and element index in the library of `zeile`; false when
    // there is no such row.
    bool eintrag(int zeile, int *kategorie, int *element) const;

public slots:
    void slotSetKategorie(uint kategorie);

private:
    int anzahlElemente(uint kategorie) const;
    int anzahlSpalten(uint kategorie) const;

    const Komponente *komponente(int zeile) const;
    QVariant alleWert(int zeile, int spalte) const;

    KomponentenBibliothek *m_pBibliothek; // not owned
    bool m_alle = false;
    // In all categories: category and element index of every row.
    QList<QPair<int, int>> m_alleZeilen;
    uint m_kategorie = 0;
    // While the category is being switched the model is announced empty
    // (first without rows, then also without columns), so that every
    // announced removal and insertion matches what the model reports.
    bool m_ohneZeilen = false;
    bool m_ohneSpalten = false;
};

#endif // KOMPONENTENMODEL_H
