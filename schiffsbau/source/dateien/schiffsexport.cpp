#include "schiffsexport.h"

#include "komponente.h"
#include "platzhalter.h"
#include "schiffsdaten.h"
#include "schiffsmodel.h"
#include "schiffswerte.h"

QString SchiffsExport::text(SchiffsModel *model, const QString &vorlage, const QString &name,
                           const QString &beschreibung)
{
    const SchiffsDaten d = model ? model->berechne() : SchiffsDaten();

    // The n-th lowest placeholder number of the template gets the n-th
    // value, in one pass: a placeholder inside an inserted name or
    // description stays as the user wrote it.
    QString ergebnis = Platzhalter::fuelle(vorlage, SchiffsWerte::exportWerte(d, name, beschreibung));
    ergebnis += QStringLiteral("\n\nKomponenten:\n");
    const int zeilen = model ? model->rowCount() : 0;
    for (int i = 0; i < zeilen; ++i) {
        const Komponente *k = model->komponente(i);
        if (!k)
            continue;
        ergebnis += QString::number(model->anzahl(i)).rightJustified(7, QLatin1Char(' '))
                + QLatin1Char(' ')
                + k->einheit(true).rightJustified(8, QLatin1Char(' '))
                + QStringLiteral(" x ")
                + k->kurzname().rightJustified(11, QLatin1Char(' '))
                + QStringLiteral(" : ")
                + k->name()
                + QStringLiteral(" - ")
                + k->beschreibung()
                + QLatin1Char('\n');
    }
    return ergebnis;
}
