#ifndef BOGENDRUCK_H
#define BOGENDRUCK_H

#include <QString>

#include <functional>

class QTextDocument;

// Prints a sheet: asks with the print dialog (without parent, titled
// `dialogTitel`), then lays the document out on A4 portrait for the chosen
// printer. A printer that fails is reported in a critical box with
// `fehlerText`.
class BogenDruck
{
public:
    // `fuelle` builds the sheet into the document once the user has agreed.
    // False when the dialog was cancelled or printing failed.
    static bool drucken(const QString &dialogTitel, const QString &dokumentName,
                        const QString &programm, const QString &fehlerText,
                        const std::function<void(QTextDocument *)> &fuelle);
};

#endif // BOGENDRUCK_H
