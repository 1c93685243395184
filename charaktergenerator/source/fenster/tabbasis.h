#ifndef TABBASIS_H
#define TABBASIS_H

#include "abstracttab.h"

#include <QDate>

class QTextEdit;

namespace Ui {
class TabBasis;
}

// Step 1: species and personal data of the character.
class TabBasis : public AbstractTab
{
    Q_OBJECT

public:
    TabBasis(Charakter *charakter, Regelwerk *regelwerk, QWidget *parent = nullptr);
    ~TabBasis() override;

    void aktualisieren() override;
    void neuAufbauen() override;

signals:
    void basistypChanged();
    // A personal field (text, date, size, weight) was edited by the user.
    void datenGeaendert();

public slots:
    void onBasistypusAusgewaehlt(int index);
    void onButtonGroesseZufall();
    void onButtonGewichtNormal();
    void onNeuGeburtsdatum(QDate datum);
    void onNeuGewicht(int gewicht);
    void onNeuGroesse(int groesse);

    void onNeuName();
    void onNeuReich();
    void onNeuHeimatplanet();
    void onNeuHaarfarbe();
    void onNeuHautfarbe();
    void onNeuAugenfarbe();
    void onNeuAussehenSonstiges();
    void onNeuKindheit();
    void onNeuErziehung();
    void onNeuBeruf();
    void onNeuWerdegang();
    void onNeuGrundcharakter();
    void onNeuCharakterzuege();
    void onNeuUmfeld();
    void onNeuHobbies();
    void onNeuTitel();
    void onNeuBeziehungen();

private:
    // The widgets whose change signals store their value in the character.
    QList<QObject *> datenfelder() const;
    static void zeigeText(QTextEdit *feld, const QString &text);

    Ui::TabBasis *ui;
};

#endif // TABBASIS_H
