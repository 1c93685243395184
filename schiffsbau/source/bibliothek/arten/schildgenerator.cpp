#include "schildgenerator.h"

Schildgenerator::Schildgenerator() : Komponente(Kategorie::Schildgeneratoren) {}
int Schildgenerator::schildenergie() const { return ganzzahl(Wert::Eigen1); }
int Schildgenerator::res() const { return ganzzahl(Wert::Eigen2); }
