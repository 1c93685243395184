#ifndef LISTENABGLEICH_H
#define LISTENABGLEICH_H

#include <QList>
#include <QString>
#include <QStringList>

class KomponentenBibliothek;
class SchiffsModel;

// A ship against today's lists: its components from the lists keep the
// values stored with the ship, which may differ from the list entry of the
// same name that the library holds now, or have no entry any more. The
// built-in rooms and fittings are always today's.
class ListenAbgleich
{
public:
    struct Abweichung
    {
        // Row of the ship model.
        int zeile = -1;
        QString name;
        // One text per value that differs ("Preis 60.000 St, in der Liste
        // jetzt 65.000 St"); empty when the name is in no list any more.
        QStringList werte;
        bool nichtInListen() const { return werte.isEmpty(); }
        // "Laser MK2: Preis 60.000 St, in der Liste jetzt 65.000 St"
        QString text() const;
    };

    // The components of `model` whose stored values differ from today's
    // entry of the same name, or that are in no list any more, in row order.
    static QList<Abweichung> vergleiche(const SchiffsModel *model,
                                        const KomponentenBibliothek *bibliothek);
    static QStringList texte(const QList<Abweichung> &abweichungen);
    // Takes today's values for every component that differs (count and row
    // kept; those in no list stay as they are); the number taken. Does not
    // recompute.
    static int stelleUm(SchiffsModel *model, const KomponentenBibliothek *bibliothek);
};

#endif // LISTENABGLEICH_H
