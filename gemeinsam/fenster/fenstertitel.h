#ifndef FENSTERTITEL_H
#define FENSTERTITEL_H

#include <QString>

class QWidget;

// A main window's title: the program alone for a document without a file,
// else "<file name> - <program>". Either way it carries the placeholder of
// the changed mark, so that a new document shows its changes too.
class FensterTitel
{
public:
    static void setze(QWidget *fenster, const QString &datei, const QString &programm);
};

#endif // FENSTERTITEL_H
