#ifndef SCHIFFSBOGEN_H
#define SCHIFFSBOGEN_H

#include <QByteArray>
#include <QString>

class QTextDocument;
class SchiffsDaten;
class SchiffsModel;

// The laid-out data sheet of a ship: name and description, the values of
// the data panel in its groups and the list of installed components, as one
// document with tables under headings, numbers in German format, paginated
// on A4 portrait. A negative energy balance, over-used computer slots and an
// over-used volume are marked. Building it only reads the model and the
// data; it is printed (by the window, BogenDruck) or written as PDF.
class SchiffsBogen
{
public:
    // The sheet as HTML.
    static QString html(const SchiffsModel *model, const SchiffsDaten &d, const QString &name,
                        const QString &beschreibung);
    // Fills `dokument` with the sheet (font and HTML).
    static void fuelle(QTextDocument *dokument, const SchiffsModel *model, const SchiffsDaten &d,
                       const QString &name, const QString &beschreibung);
    // The sheet as PDF bytes, A4 portrait, built in memory; empty when the
    // PDF could not be produced.
    static QByteArray pdf(const SchiffsModel *model, const SchiffsDaten &d, const QString &name,
                          const QString &beschreibung);
    // The name of the printed document (the ship's, or
    // "Schiffsdatenblatt") and the program named as its creator.
    static QString dokumentName(const QString &name);
    static QString programm();
    // A ship's name as windows and summaries show it: trimmed, or
    // "Schiff ohne Namen" when it is empty.
    static QString anzeigeName(const QString &name);

    // Title of the print dialog.
    static QString druckTitel();
};

#endif // SCHIFFSBOGEN_H
