#ifndef SCHIFFSMODEL_H
#define SCHIFFSMODEL_H

#include <QAbstractTableModel>
#include <QList>

#include "schiffsdaten.h"

class Komponente;

// The components built into the ship, each with a count, shown as the
// table "Eingebaute Komponenten". The model owns its components. Every
// change made through the table recomputes the ship data and announces
// them with neueDaten().
class SchiffsModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Spalte {
        SpalteNr = 0,
        SpalteTyp = 1,
        SpalteName = 2,
        SpalteDaten = 3,
        SpalteAnzahl = 4,
        SpalteEinheit = 5,
        SpaltenAnzahl = 6
    };

    // Range of a count typed into the table ("Anzahl"); 0 removes the row.
    static constexpr int minAnzahl = 0;
    static constexpr int maxAnzahl = 1000000;

    explicit SchiffsModel(QObject *parent = nullptr);
    ~SchiffsModel() override;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value,
                 int role = Qt::EditRole) override;

    // Takes ownership of k and appends it with the count (held to minAnzahl
    // .. maxAnzahl) as a new last row (announced to views). Does not
    // recompute. A null component is ignored.
    void addKomponente(Komponente *k, int anzahl);
    // Component of row i (owned by the model); nullptr beyond the list.
    Komponente *komponente(int i) const;
    // Count of row i; 0 beyond the list.
    int anzahl(int i) const;
    // Deletes the component of row i and removes the row (announced to
    // views). Does not recompute. A row beyond the list is ignored.
    void entferne(int i);
    // Removes and deletes all rows (announced to views). Does not recompute.
    void leeren();
    // First row holding a component of kind `typ` named `name`; -1 when
    // there is none.
    int zeileVon(int typ, const QString &name) const;
    // The row that keeps `k` from being added: the installed copy of a
    // "max 1x" component; -1 when `k` may be added.
    int sperrendeZeile(const Komponente *k) const;
    // Computes the ship data from all rows, emits neueDaten() with them and
    // returns them.
    SchiffsDaten berechne();
    // The ship data as they would be after adding `anzahl` units of `k` as
    // the main window adds them (a "max 1x" component already installed is
    // not added again). Computed on a copy of the rows: the model and its
    // views learn nothing of it, and `k` stays the caller's.
    SchiffsDaten berechneMit(Komponente *k, int anzahl) const;
    // Size class of a ship of gstp hull units.
    static int objektgroesse(qint64 gstp);

signals:
    void neueDaten(SchiffsDaten daten);

private:
    bool istZeile(int i) const;

    QList<Komponente *> m_komponenten;
    QList<int> m_anzahl;
};

#endif // SCHIFFSMODEL_H
