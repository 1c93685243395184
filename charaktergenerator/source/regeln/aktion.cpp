#include "aktion.h"

Aktion::Aktion(const QString& bezeichnung, int kenntnis, int spezialisierung, int befaehigung,
               int kosten)
    : Bezeichnung(bezeichnung)
    , Kenntnis(kenntnis)
    , Spezialisierung(spezialisierung)
    , Befaehigung(befaehigung)
    , Kosten(kosten)
{
}
