#ifndef SCHIFFSEXPORT_H
#define SCHIFFSEXPORT_H

#include <QString>

class SchiffsModel;

// The text export of a ship: the template with its placeholders filled from
// the ship's values, followed by the list of the installed components.
class SchiffsExport
{
public:
    // Recomputes the ship (the model announces the new data) and returns
    // `vorlage` filled: the n-th lowest placeholder number gets the n-th
    // value, "%L" placeholders in German number format.
    static QString text(SchiffsModel *model, const QString &vorlage, const QString &name,
                        const QString &beschreibung);
};

#endif // SCHIFFSEXPORT_H
