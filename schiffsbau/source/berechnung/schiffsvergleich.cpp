#include "schiffsvergleich.h"

#include "komponente.h"
#include "schiffsmodel.h"
#include "schiffswerte.h"

#include <algorithm>

SchiffsVergleich::Liste SchiffsVergleich::liste(const SchiffsModel *model)
{
    Liste liste;
    for (int i = 0; model && i < model->rowCount(); ++i)
        liste.append({model->komponente(i), model->anzahl(i)});
    return liste;
}

QList<SchiffsVergleich::Wert> SchiffsVergleich::werte(const SchiffsDaten &dieses, const SchiffsDaten &anderes,
                                                      const QLocale &locale, bool nurVerschiedene)
{
    QList<Wert> werte;
    for (int i = 0; i < SchiffsWerte::anzahl(); ++i) {
        const SchiffsWerte::Eintrag &e = SchiffsWerte::eintrag(i);
        Wert w;
        w.eintrag = i;
        w.unterschied = SchiffsWerte::unterschied(e, dieses, anderes, locale);
        if (nurVerschiedene && w.unterschied.isEmpty())
            continue;
        w.dieses = SchiffsWerte::zeilenText(e, dieses, locale);
        w.anderes = SchiffsWerte::zeilenText(e, anderes, locale);
        w.ueberzogenDieses = SchiffsWerte::ueberzogen(e, dieses);
        w.ueberzogenAnderes = SchiffsWerte::ueberzogen(e, anderes);
        werte.append(w);
    }
    return werte;
}

QList<SchiffsVergleich::Bauteil> SchiffsVergleich::bauteile(const Liste &dieses, const Liste &anderes)
{
    QList<Bauteil> alle;
    const auto zaehle = [&alle](const Liste &liste, qint64 Bauteil::*anzahl) {
        for (const auto &[k, n] : liste) {
            if (!k)
                continue;
            const int kategorie = k->typ();
            const QString name = k->name();
            auto b = std::find_if(alle.begin(), alle.end(), [&](const Bauteil &x) {
                return x.kategorie == kategorie && x.name == name;
            });
            if (b == alle.end())
                b = alle.insert(alle.end(), Bauteil{kategorie, k->kurzname(), name, 0, 0});
            (*b).*anzahl += n;
        }
    };
    zaehle(dieses, &Bauteil::dieses);
    zaehle(anderes, &Bauteil::anderes);
    alle.removeIf([](const Bauteil &b) { return b.dieses == b.anderes; });
    return alle;
}

QString SchiffsVergleich::unterschied(const Bauteil &b, const QLocale &locale)
{
    if (b.anderes == 0)
        return QStringLiteral("nur in diesem Schiff");
    if (b.dieses == 0)
        return QStringLiteral("nur im anderen Schiff");
    const qint64 differenz = b.anderes - b.dieses;
    return differenz > 0 ? QLatin1Char('+') + locale.toString(differenz) : locale.toString(differenz);
}
