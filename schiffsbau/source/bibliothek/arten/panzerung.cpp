#include "panzerung.h"

Panzerung::Panzerung() : Komponente(Kategorie::Panzerungen) {}
int Panzerung::teilschutz() const { return ganzzahl(Wert::Eigen1); }
