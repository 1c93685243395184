#ifndef DATENORDNER_H
#define DATENORDNER_H

#include <QString>
#include <QStringList>

// The folder the ship builder reads its data from: the component lists in
// "listen", the base list, the export template, the style sheet and the
// short guide. Until suche() has run, that is the working directory.
class DatenOrdner
{
public:
    // The folders that may hold the data, in the order searched: the
    // working directory, the user's own data folder, the installed data
    // folder beside the program (programmordner/../share/zorvel2/schiffsbau)
    // and the build tree's data folder (programmordner/data).
    static QStringList suchfolge(const QString &arbeitsordner, const QString &benutzerordner,
                                 const QString &programmordner);
    // The same for this process: the current directory, the writable
    // AppDataLocation and the application's directory.
    static QStringList suchfolge();
    // The first of the folders that holds a folder "listen"; empty when
    // none does.
    static QString finde(const QStringList &ordner);

    // Searches suchfolge() and uses the folder found; when none holds lists,
    // the working directory stays in use. True when one was found.
    static bool suche();
    // Uses `ordner` (empty: the working directory); `durchsucht` are the
    // folders named when it holds no lists.
    static void setze(const QString &ordner, const QStringList &durchsucht);

    // The folder in use; empty while that is the working directory.
    static QString ordner();
    // A file or folder of the data folder in use; a path relative to the
    // working directory while no folder was set.
    static QString pfad(const QString &name);
    // Whether the folder in use holds a folder "listen".
    static bool hatListen();
    // The folders searched for lists (native separators); the working
    // directory while none were set.
    static QStringList durchsucht();
};

#endif // DATENORDNER_H
