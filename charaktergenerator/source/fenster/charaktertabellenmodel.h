#ifndef CHARAKTERTABELLENMODEL_H
#define CHARAKTERTABELLENMODEL_H

#include <QAbstractTableModel>

#include <functional>

class Charakter;

// Common frame of the tables of what a character holds (learned actions,
// special areas): three columns "Bezeichnung", the editable value and
// "Wurf"; a selected row; rows announced only once the character took them.
// Every change goes through the character, which may refuse it.
class CharakterTabellenModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    CharakterTabellenModel(Charakter* charakter, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // A refused value is announced with abgelehnt() (the character's reason).
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

    void setzeAuswahl(int zeile);
    int auswahl() const;
    // Announces that the character was reset or loaded: every row may have
    // changed. Forgets the selection.
    void neuLaden();

signals:
    // A value typed into the table was refused: why, in one line.
    void abgelehnt(const QString& grund);

protected:
    // How many rows the character holds.
    virtual int anzahl() const = 0;
    // The title of the value column.
    virtual QString wertTitel() const = 0;
    // The three cells of a row: false when the row has no record.
    virtual bool zeile(int zeile, QString& bezeichnung, int& wert, QString& wurf) const = 0;
    // Hands the new value of a row to the character; false when refused.
    virtual bool wertSetzen(int zeile, int neu) = 0;
    // Called after a value the character took was announced.
    virtual void wertGesetzt() {}
    // The tooltip of a cell of the value or roll column ("" for none).
    virtual QString erklaerung() const { return QString(); }

    // Lets the character take a new record (`nehmen`); the new row is
    // announced only once it exists. Returns what `nehmen` returned.
    bool zeileAnfuegen(const std::function<bool()>& nehmen);
    // Whether a row of the table is selected.
    bool auswahlGueltig() const;

    Charakter* charakter;
    int ausgewaehlt = -1;

private:
    // rows the character already holds but that are not yet announced
    int unangekuendigt = 0;
};

#endif // CHARAKTERTABELLENMODEL_H
