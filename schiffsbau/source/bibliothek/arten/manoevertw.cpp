#include "manoevertw.h"

ManoeverTW::ManoeverTW() : Komponente(Kategorie::Manoevertriebwerke) {}
int ManoeverTW::teilsteuerung() const { return ganzzahl(Wert::Eigen1); }
int ManoeverTW::res() const { return ganzzahl(Wert::Eigen2); }
