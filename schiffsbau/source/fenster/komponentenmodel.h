#ifndef KOMPONENTENMODEL_H
#define KOMPONENTENMODEL_H

#include <QAbstractTableModel>

class KomponentenBibliothek;

// The components of one library category as a table. The columns are those
// of the category's first component (all components of a category share
// their kind and so their column layout).
class KomponentenModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit KomponentenModel(KomponentenBibliothek *bibliothek, QObject *parent = nullptr);

    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;

    uint kategorie() const { return m_kategorie; }

public slots:
    void slotSetKategorie(uint kategorie);

private:
    int anzahlElemente(uint kategorie) const;
    int anzahlSpalten(uint kategorie) const;

    KomponentenBibliothek *m_pBibliothek; // not owned
    uint m_kategorie = 0;
    // While the category is being switched the model is announced empty
    // (first without rows, then also without columns), so that every
    // announced removal and insertion matches what the model reports.
    bool m_ohneZeilen = false;
    bool m_ohneSpalten = false;
};

#endif // KOMPONENTENMODEL_H
