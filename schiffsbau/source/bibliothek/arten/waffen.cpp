#include "waffen.h"

Waffen::Waffen() : Komponente(Kategorie::Waffensysteme) {}
QString Waffen::wirkung() const { return text(); }
