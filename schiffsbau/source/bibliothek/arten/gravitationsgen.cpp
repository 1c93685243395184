#include "gravitationsgen.h"

GravitationsGen::GravitationsGen() : Komponente(Kategorie::GravitationsGeneratoren) {}
int GravitationsGen::gravGstp() const { return ganzzahl(Wert::Eigen1); }
