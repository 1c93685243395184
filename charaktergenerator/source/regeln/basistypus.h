#ifndef BASISTYPUS_H
#define BASISTYPUS_H

#include <QList>
#include <QString>

#include "regelwerk.h"

class Spezialgebiet;

// One species (a male and a female form of one people are two records).
// Owned by the catalogue; the character stores only the index.
class Basistypus
{
public:
    static constexpr int AnzahlEigenschaften = Regelwerk::AnzahlEigenschaften;

    QString name;                 // shown in the species combo box
    QString geschlecht;           // sex word of the row
    int groessenWuerfel = 0;      // number of six-sided dice for a proposed height
    int grundgroesse = 0;         // base of the proposed height, in cm
    int gewichtsAbzug = 0;        // normal weight = height - this value, in kg
    int hautschutz = 0;           // skin protection
    int asp = 0;
    int msp = 0;
    int ksp = 0;
    QString merkmale;             // species traits, one line of rules notes
    int startEP = 0;
    int startMP = 0;
    int startSP = 0;
    int startTP = 0;
    float physisFaktor = 1.0f;    // divisor of the LE formula
    float psycheFaktor = 1.0f;    // divisor of the PE formula
    QList<Spezialgebiet*> bonusSpezialgebiete;  // not owned: the catalogue's bonus areas
    int startDE = 0;
    int startAE = 0;
    bool mpKaufbar = false;
    bool ceptomyzinMoeglich = false;
    bool cassiasMoeglich = false;
    int startwerte[AnzahlEigenschaften] = {};   // attribute start values by attribute index
};

#endif // BASISTYPUS_H
