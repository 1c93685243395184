#ifndef SCHIFFSZUSAMMENFASSUNG_H
#define SCHIFFSZUSAMMENFASSUNG_H

#include <QLocale>
#include <QString>

class SchiffsDaten;
class SchiffsModel;

// A short plain-text summary of a ship for a chat or a wiki: name, price,
// size, the budgets as their bars show them (an overdrawn one marked), the
// field speed at the three loads and the installed components with their
// counts. Made from the one table of ship values, SchiffsWerte.
class SchiffsZusammenfassung
{
public:
    static QString text(const SchiffsModel *model, const SchiffsDaten &d, const QString &name,
                        const QLocale &locale = QLocale());
};

#endif // SCHIFFSZUSAMMENFASSUNG_H
