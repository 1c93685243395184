#include "antrieb.h"

Antrieb::Antrieb() : Komponente(Kategorie::SprungAntriebe) {}
int Antrieb::sprungTonnage() const { return ganzzahl(Wert::Eigen1); }
