#include "kommrelais.h"

KommRelais::KommRelais() : Komponente(Kategorie::Kommunikationsrelais) {}
int KommRelais::reichweite() const { return ganzzahl(Wert::Eigen1); }
int KommRelais::res() const { return ganzzahl(Wert::Eigen2); }
