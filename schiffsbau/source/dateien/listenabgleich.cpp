#include "listenabgleich.h"

#include "bogenhtml.h"
#include "kategorien.h"
#include "komponente.h"
#include "komponentenbibliothek.h"
#include "schiffsmodel.h"

#include <QVariant>

#include <memory>
#include <utility>
#include <vector>

namespace {

// A column's value as the message shows it: numbers in German format, texts
// quoted.
QString alsText(const QVariant &wert)
{
    switch (wert.typeId()) {
    case QMetaType::Float:
    case QMetaType::Double:
        return BogenHtml::dezimal(wert.toDouble());
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        return BogenHtml::zahl(wert.toLongLong());
    default:
        return QStringLiteral("„%1“").arg(wert.toString().trimmed());
    }
}

// "Preis 60.000 St, in der Liste jetzt 65.000 St": the price and the
// weight are named, the kinds' own columns go by their titles.
QString wertText(const QString &titel, const QVariant &gespeichert, const QVariant &heute)
{
    QString name = titel;
    name.remove(QStringLiteral(" /n"));
    QString einheit;
    if (name == QLatin1String("St") || name == QLatin1String("t")) {
        einheit = QLatin1Char(' ') + name;
        name = name == QLatin1String("St") ? QStringLiteral("Preis") : QStringLiteral("Gewicht");
    }
    return QStringLiteral("%1 %2%3, in der Liste jetzt %4%3")
        .arg(name, alsText(gespeichert), einheit, alsText(heute));
}

} // namespace

QString ListenAbgleich::Abweichung::text() const
{
    return QStringLiteral("%1: %2").arg(name, nichtInListen() ? QStringLiteral("nicht mehr in den Listen")
                                                              : werte.join(QStringLiteral("; ")));
}

QList<ListenAbgleich::Abweichung> ListenAbgleich::vergleiche(const SchiffsModel *model,
                                                            const KomponentenBibliothek *bibliothek)
{
    QList<Abweichung> abweichungen;
    if (!model || !bibliothek)
        return abweichungen;
    for (int i = 0; i < model->rowCount(); ++i) {
        const Komponente *k = model->komponente(i);
        if (!k || Kategorien::eingebaut(k->typ()))
            continue;
        Abweichung a;
        a.zeile = i;
        a.name = k->name();
        const Komponente *heute = bibliothek->suche(k->typ(), k->name());
        if (heute) {
            // Compared as a ship file stores them, so that a decimal read
            // back from a file equals the list's.
            for (int s = 0; s < k->spaltenAnzahl(); ++s) {
                const QVariant alt = k->spaltenWert(s);
                const QVariant neu = heute->spaltenWert(s);
                if (Komponente::spaltenText(alt) != Komponente::spaltenText(neu))
                    a.werte << wertText(k->spaltenTitel(s), alt, neu);
            }
            if (a.werte.isEmpty())
                continue;
        }
        abweichungen << a;
    }
    return abweichungen;
}

QStringList ListenAbgleich::texte(const QList<Abweichung> &abweichungen)
{
    QStringList zeilen;
    for (const Abweichung &a : abweichungen)
        zeilen << a.text();
    return zeilen;
}

int ListenAbgleich::stelleUm(SchiffsModel *model, const KomponentenBibliothek *bibliothek)
{
    const QList<Abweichung> abweichungen = vergleiche(model, bibliothek);
    QList<int> umzustellen;
    for (const Abweichung &a : abweichungen) {
        if (!a.nichtInListen())
            umzustellen << a.zeile;
    }
    if (umzustellen.isEmpty())
        return 0;
    // The model replaces no row in place: all rows are built again in
    // their order, today's entry where one differs.
    std::vector<std::pair<std::unique_ptr<Komponente>, int>> zeilen;
    for (int i = 0; i < model->rowCount(); ++i) {
        const Komponente *k = model->komponente(i);
        Komponente *neu = umzustellen.contains(i) ? bibliothek->kopie(k->typ(), k->name())
                                                  : bibliothek->kopie(k->typ(), k);
        zeilen.emplace_back(std::unique_ptr<Komponente>(neu), model->anzahl(i));
    }
    model->leeren();
    for (auto &z : zeilen)
        model->addKomponente(z.first.release(), z.second);
    return int(umzustellen.size());
}
