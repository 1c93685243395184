#include "schleppstrahlproj.h"

SchleppstrahlProj::SchleppstrahlProj() : Komponente(Kategorie::Schleppstrahlprojektoren) {}
int SchleppstrahlProj::handhabung() const { return ganzzahl(Wert::Eigen1); }
int SchleppstrahlProj::last() const { return ganzzahl(Wert::Eigen2); }
int SchleppstrahlProj::res() const { return ganzzahl(Wert::Eigen3); }
