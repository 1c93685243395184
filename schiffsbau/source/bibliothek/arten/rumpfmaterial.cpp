#include "rumpfmaterial.h"

Rumpfmaterial::Rumpfmaterial() : Komponente(Kategorie::Rumpf) {}
float Rumpfmaterial::rumpfProGstp() const { return dezimal(); }
