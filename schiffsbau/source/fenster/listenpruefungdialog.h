#ifndef LISTENPRUEFUNGDIALOG_H
#define LISTENPRUEFUNGDIALOG_H

#include <QDialog>
#include <QList>
#include <QString>

#include "listenbefund.h"

namespace Ui {
class ListenPruefungDialog;
}

// Shows what the list checker finds in one data folder: a table of file,
// line and text with the number of findings, or one line saying that
// there are none. The findings can be copied as text.
class ListenPruefungDialog : public QDialog
{
    Q_OBJECT

public:
    // Checks `datenordner` right away.
    explicit ListenPruefungDialog(const QString &datenordner, QWidget *parent = nullptr);
    ~ListenPruefungDialog() override;

    const QList<ListenBefund> &befunde() const { return m_befunde; }
    // A heading line with folder and count, then one line per finding
    // ("listen/waffen.csv, Zeile 3: ...").
    QString befundText() const;

public slots:
    void onPruefen();
    void onKopieren();

private:
    QString anzeigeName(const QString &datei) const;
    QString zusammenfassung() const;

    Ui::ListenPruefungDialog *ui;
    QString m_ordner;
    QList<ListenBefund> m_befunde;
};

#endif // LISTENPRUEFUNGDIALOG_H
