#ifndef DATEIDIALOG_H
#define DATEIDIALOG_H

#include <QString>

// The dialogs that ask for a document to open, and where a document or
// an export goes: without parent,
// with the caption and filter given, the ending added when the user typed
// none. It proposes `vorschlag`: a path with a folder is proposed as it is
// (the open document's file), a bare name as a file of that name in the
// folder last used (LetzterOrdner), made fit for a file name. The folder of
// the answer is remembered for the next dialog.
class DateiDialog
{
public:
    // The chosen file; empty when the dialog was cancelled.
    static QString speichern(const QString &titel, const QString &filter, const QString &endung,
                             const QString &vorschlag);
    // The dialog that asks for a document to open, in the folder last used;
    // empty when cancelled.
    static QString oeffnen(const QString &titel, const QString &filter);
};

#endif // DATEIDIALOG_H
