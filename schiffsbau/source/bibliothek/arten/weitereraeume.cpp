#include "weitereraeume.h"

WeitereRaeume::WeitereRaeume() : Komponente(Kategorie::WeitereRaeume) {}
QString WeitereRaeume::wirkung() const { return text(); }
