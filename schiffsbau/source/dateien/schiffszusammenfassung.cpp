#include "schiffszusammenfassung.h"

#include "komponente.h"
#include "schiffsdaten.h"
#include "schiffsbogen.h"
#include "schiffsmodel.h"
#include "schiffswerte.h"

#include <QStringList>

namespace {

// The entry shown in the panel's widget `anzeige`.
const SchiffsWerte::Eintrag *eintragVon(const char *anzeige)
{
    for (int i = 0; i < SchiffsWerte::anzahl(); ++i) {
        const SchiffsWerte::Eintrag &e = SchiffsWerte::eintrag(i);
        if (e.anzeige[0] && qstrcmp(e.anzeige[0], anzeige) == 0)
            return &e;
    }
    return nullptr;
}

} // namespace

QString SchiffsZusammenfassung::text(const SchiffsModel *model, const SchiffsDaten &d, const QString &name,
                                     const QLocale &locale)
{
    QStringList zeilen;
    zeilen << SchiffsBogen::anzeigeName(name);
    const SchiffsWerte::Eintrag *preis = eintragVon("labelPreis");
    const SchiffsWerte::Eintrag *feld = eintragVon("labelFeldgeschw0");
    const SchiffsWerte::Eintrag *gstp = eintragVon("labelGSTP");
    const SchiffsWerte::Eintrag *klasse = eintragVon("labelObjektgroesse");
    if (preis)
        zeilen << QStringLiteral("Preis: %1 St").arg(SchiffsWerte::text(*preis, d, locale));
    if (gstp && klasse)
        zeilen << QStringLiteral("Größe: %1 GSTP, Objektgröße %2")
                      .arg(SchiffsWerte::text(*gstp, 1, d, locale), SchiffsWerte::text(*klasse, d, locale));
    for (int i = 0; i < SchiffsWerte::anzahl(); ++i) {
        const SchiffsWerte::Eintrag &e = SchiffsWerte::eintrag(i);
        if (!SchiffsWerte::hatBalken(e))
            continue;
        QString zeile = QStringLiteral("%1: %2").arg(QString::fromUtf8(e.budget.titel),
                                                     SchiffsWerte::balkenText(e, d, locale));
        if (SchiffsWerte::ueberzogen(e, d))
            zeile += QStringLiteral(" (%1)").arg(QString::fromUtf8(e.budget.marke));
        zeilen << zeile;
    }
    if (feld)
        zeilen << QStringLiteral("Feldgeschwindigkeit leer / halb / voll: %1 km/s")
                      .arg(SchiffsWerte::text(*feld, d, locale));
    zeilen << QStringLiteral("Komponenten:");
    for (int i = 0; model && i < model->rowCount(); ++i) {
        const Komponente *k = model->komponente(i);
        zeilen << QStringLiteral("- %1x %2").arg(locale.toString(model->anzahl(i)), k->name());
    }
    return zeilen.join(QLatin1Char('\n')) + QLatin1Char('\n');
}
