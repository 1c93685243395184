#include "sensoren.h"

Sensoren::Sensoren() : Komponente(Kategorie::Sensorphalange) {}
int Sensoren::erfassung() const { return ganzzahl(Wert::Eigen1); }
float Sensoren::reichweite() const { return dezimal(); }
int Sensoren::res() const { return ganzzahl(Wert::Eigen2); }
