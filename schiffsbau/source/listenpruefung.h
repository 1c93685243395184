#ifndef LISTENPRUEFUNG_H
#define LISTENPRUEFUNG_H

#include <QList>
#include <QString>

#include "listenbefund.h"

// Checks the data files that game masters edit by hand: the component
// lists in "listen", the export template "exportvorlage.zse" and the base
// list "basisliste.zsb" of one data folder. The files are read as the
// program reads them and never changed; every problem becomes one finding
// with file and line.
class ListenPruefung
{
public:
    // All findings for the data folder, ordered by file and line; empty
    // when everything reads as the game master meant it.
    static QList<ListenBefund> pruefe(const QString &datenordner);
};

#endif // LISTENPRUEFUNG_H
