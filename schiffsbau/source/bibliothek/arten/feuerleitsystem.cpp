#include "feuerleitsystem.h"

Feuerleitsystem::Feuerleitsystem() : Komponente(Kategorie::Feuerleitsysteme) {}
int Feuerleitsystem::handhabung() const { return ganzzahl(Wert::Eigen1); }
