#include "energiespeicher.h"

EnergieSpeicher::EnergieSpeicher() : Komponente(Kategorie::Energiespeicher) {}
int EnergieSpeicher::be() const { return ganzzahl(Wert::Eigen1); }
