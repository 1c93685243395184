#include "feldspulensystem.h"

Feldspulensystem::Feldspulensystem() : Komponente(Kategorie::Feldspulensysteme) {}
float Feldspulensystem::geschwindigkeit() const { return dezimal(); }
int Feldspulensystem::res() const { return ganzzahl(Wert::Eigen1); }
