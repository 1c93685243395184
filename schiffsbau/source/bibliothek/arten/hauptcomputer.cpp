#include "hauptcomputer.h"

Hauptcomputer::Hauptcomputer() : Komponente(Kategorie::Hauptcomputer) {}
int Hauptcomputer::systemSlots() const { return ganzzahl(Wert::Eigen1); }
