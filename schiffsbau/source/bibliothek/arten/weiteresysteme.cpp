#include "weiteresysteme.h"

WeitereSysteme::WeitereSysteme() : Komponente(Kategorie::WeitereSysteme) {}
QString WeitereSysteme::wirkung() const { return text(); }
