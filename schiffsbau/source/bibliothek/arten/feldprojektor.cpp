#include "feldprojektor.h"

FeldProjektor::FeldProjektor() : Komponente(Kategorie::Feldprojektoren) {}
int FeldProjektor::teilsteuerung() const { return ganzzahl(Wert::Eigen1); }
int FeldProjektor::res() const { return ganzzahl(Wert::Eigen2); }
