#include "persistenz.h"

Persistenz::Persistenz(QObject* parent)
    : QObject(parent)
{
}

Persistenz::~Persistenz() = default;

bool Persistenz::speichern(Charakter* c)
{
    Q_UNUSED(c);
    return false;
}

bool Persistenz::laden(QString datei, Charakter* c)
{
    Q_UNUSED(datei);
    Q_UNUSED(c);
    return false;
}

bool Persistenz::exportieren(Charakter* c)
{
    Q_UNUSED(c);
    return false;
}
