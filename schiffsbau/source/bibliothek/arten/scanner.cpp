#include "scanner.h"

Scanner::Scanner() : Komponente(Kategorie::Scanner) {}
int Scanner::erfassung() const { return ganzzahl(Wert::Eigen1); }
int Scanner::reichweite() const { return ganzzahl(Wert::Eigen2); }
int Scanner::res() const { return ganzzahl(Wert::Eigen3); }
