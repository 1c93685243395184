#include "signalinterferant.h"

Signalinterferant::Signalinterferant() : Komponente(Kategorie::Signalinterferanten) {}
int Signalinterferant::teilscanschutz() const { return ganzzahl(Wert::Eigen1); }
int Signalinterferant::res() const { return ganzzahl(Wert::Eigen2); }
