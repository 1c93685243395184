#include "weiteresysteme.h"

#include "kategorie.h"
#include "waffen.h"

WeitereSysteme::WeitereSysteme()
    : Komponente(Waffen::zeilen)
{
    m_slotBedarf = 0; // until its unit is read
}

int WeitereSysteme::typ() const { return int(Kategorie::WeitereSysteme); }
QString WeitereSysteme::kurzname() const { return QStringLiteral("Weitere"); }
QString WeitereSysteme::wirkung() const { return text(); }
