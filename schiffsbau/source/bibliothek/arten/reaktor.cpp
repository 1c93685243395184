#include "reaktor.h"

Reaktor::Reaktor() : Komponente(Kategorie::Reaktoren) {}
int Reaktor::re() const { return ganzzahl(Wert::Eigen1); }
int Reaktor::res() const { return ganzzahl(Wert::Eigen2); }
