#ifndef STARTARGUMENT_H
#define STARTARGUMENT_H

#include <QString>
#include <QStringList>

// The one optional argument of a program: a document to open at start-up
// (as a file manager passes it). The toolkit has already taken its own
// options out of the arguments; of the rest, the first that names a file
// with the program's ending counts and anything else is ignored.
class Startargument
{
public:
    // The absolute path of that file; empty when there is none.
    // `argumente` as QCoreApplication::arguments(), the program first;
    // `endung` the document's ending with its dot (".zch").
    static QString datei(const QStringList &argumente, const QString &endung);
};

#endif // STARTARGUMENT_H
