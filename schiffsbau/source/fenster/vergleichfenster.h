#ifndef VERGLEICHFENSTER_H
#define VERGLEICHFENSTER_H

#include "schiffsdaten.h"
#include "schiffsvergleich.h"

#include <QDialog>
#include <QString>
#include <QStringList>

namespace Ui {
class VergleichFenster;
}

// The window "Vergleich: <dieses Schiff> – <anderes Schiff>": every ship
// value of both ships with the difference (those that differ marked), the
// components that differ, and "Als Text kopieren" for both tables. It
// closes itself away when closed.
class VergleichFenster : public QDialog
{
    Q_OBJECT

public:
    struct Schiff
    {
        QString name;
        SchiffsDaten daten;
        SchiffsVergleich::Liste komponenten;
    };

    explicit VergleichFenster(QWidget *parent = nullptr);
    ~VergleichFenster() override;

    // Fills the window; the components are only read here, not kept.
    // `nichtGefunden`: rows of the other ship's file that the library does
    // not know, left out of the comparison.
    void zeige(const Schiff &dieses, const Schiff &anderes, const QStringList &nichtGefunden);

private:
    void onKopieren();

    Ui::VergleichFenster *ui;
};

#endif // VERGLEICHFENSTER_H
