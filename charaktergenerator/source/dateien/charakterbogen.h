#ifndef CHARAKTERBOGEN_H
#define CHARAKTERBOGEN_H

#include <QByteArray>
#include <QString>

class Charakter;
class QTextDocument;

// The laid-out character sheet for the gaming table: one document with
// tables under headings (title block with the point budgets, attributes,
// knowledge areas and derived values, special areas, languages, technical
// actions, paranormal abilities, starting goods and the personal texts),
// numbers in German format, paginated on A4 portrait. It is printed or
// written as PDF; building it only reads the character. Printing, which
// asks the user, is the window's (BogenDruck).
class CharakterBogen
{
public:
    // The sheet as HTML.
    static QString html(const Charakter* c);
    // Fills `dokument` with the sheet (font and HTML).
    static void fuelle(QTextDocument* dokument, const Charakter* c);
    // The sheet as PDF bytes, A4 portrait, built in memory; empty when the
    // PDF could not be produced.
    static QByteArray pdf(const Charakter* c);
    // The name of the printed document (the character's, or
    // "Charakterbogen") and the program named as its creator.
    static QString dokumentName(const Charakter* c);
    static QString programm();

    // Title of the print dialog.
    static QString druckTitel();
};

#endif // CHARAKTERBOGEN_H
