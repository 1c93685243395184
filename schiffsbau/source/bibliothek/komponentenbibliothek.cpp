#include "komponentenbibliothek.h"

#include "csvtabelle.h"
#include "datenordner.h"
#include "diverse.h"
#include "kategorien.h"
#include "komponente.h"

#include <QDir>

namespace {

using K = Kategorie;

// Order in which the list kinds are loaded.
const Kategorie ladeReihenfolge[] = {
    K::Rumpf, K::Panzerungen, K::GravitationsGeneratoren, K::Reaktoren, K::Energiespeicher,
    K::Manoevertriebwerke, K::Feldprojektoren, K::Feldspulensysteme, K::SprungAntriebe,
    K::Hauptcomputer, K::Sensorphalange, K::Feuerleitsysteme, K::Scanner,
    K::Kommunikationsrelais, K::TrTransmitter, K::Schildgeneratoren, K::Signalinterferanten,
    K::Schleppstrahlprojektoren, K::WeitereSysteme, K::WeitereRaeume, K::Waffensysteme,
};

} // namespace

KomponentenBibliothek::KomponentenBibliothek()
{
    for (int i = 0; i < AnzahlKategorien; ++i)
        komponenten.append(QList<Komponente *>());
}

KomponentenBibliothek::~KomponentenBibliothek()
{
    for (QList<Komponente *> &liste : komponenten) {
        qDeleteAll(liste);
        liste.clear();
    }
    komponenten.clear();
}

void KomponentenBibliothek::lade()
{
    CsvTabelle tabelle;
    QStringList texte;
    for (Kategorie kat : ladeReihenfolge)
        ladeListen(int(kat), tabelle, texte);

    for (int typNummer : Diverse::erzeugungsReihenfolge()) {
        Diverse *d = new Diverse;
        d->setzeTyp(typNummer);
        d->leseZeile(QStringList());
        const int kat = d->typ();
        if (Kategorien::gueltig(kat))
            komponenten[kat].append(d);
        else
            delete d;
    }
}

void KomponentenBibliothek::ladeListen(int kat, CsvTabelle &tabelle, QStringList &texte)
{
    const QDir ordner(DatenOrdner::pfad(QStringLiteral("listen")));
    if (!ordner.exists())
        return;
    const QStringList dateien = ordner.entryList(QStringList(dateiMuster(kat)),
                                                 QDir::Files, QDir::Unsorted);
    for (const QString &datei : dateien) {
        if (!tabelle.lese(ordner.filePath(datei), QLatin1Char(';')))
            continue;
        const int n = tabelle.zeilen();
        for (int z = 1; z < n; ++z) {
            Komponente *k = neu(kat);
            if (k->leseZeile(tabelle.zeile(z))) {
                k->teileTexte(texte);
                komponenten[kat].append(k);
            } else {
                delete k;
            }
        }
    }
}

void KomponentenBibliothek::erzeugeKategorien()
{
    kategorien.clear();
    for (int i = 0; i < AnzahlKategorien; ++i)
        kategorien.append(Kategorien::bezeichnung(i).arg(komponenten.at(i).size()));
}

int KomponentenBibliothek::anzahlKategorien() const
{
    return int(kategorien.size());
}

QString KomponentenBibliothek::kategorieText(int kat) const
{
    if (kat < 0 || kat >= kategorien.size())
        return QString();
    return kategorien.at(kat);
}

int KomponentenBibliothek::anzahlElemente(int kat) const
{
    if (!Kategorien::gueltig(kat))
        return 0;
    return int(komponenten.at(kat).size());
}

Komponente *KomponentenBibliothek::element(int kat, int idx) const
{
    if (!Kategorien::gueltig(kat) || idx < 0 || idx >= komponenten.at(kat).size())
        return nullptr;
    return komponenten.at(kat).at(idx);
}

Komponente *KomponentenBibliothek::kopie(int kat, const Komponente *k) const
{
    return Kategorien::kopie(kat, k);
}

Komponente *KomponentenBibliothek::kopie(int kat, int idx) const
{
    return kopie(kat, element(kat, idx));
}

Komponente *KomponentenBibliothek::kopie(int kat, const QString &name) const
{
    return kopie(kat, suche(kat, name));
}

Komponente *KomponentenBibliothek::neu(int kat) const
{
    return Kategorien::neu(kat);
}

Komponente *KomponentenBibliothek::suche(int kat, const QString &name) const
{
    if (!Kategorien::gueltig(kat))
        return nullptr;
    for (Komponente *k : komponenten.at(kat)) {
        if (k->name() == name)
            return k;
    }
    return nullptr;
}

Komponente *KomponentenBibliothek::ausFeldern(int kat, const QStringList &felder) const
{
    Komponente *k = neu(kat);
    if (!k)
        return nullptr;
    if (!k->leseZeile(felder)) {
        delete k;
        return nullptr;
    }
    return k;
}

QString KomponentenBibliothek::dateiMuster(int kat)
{
    return Kategorien::dateiMuster(kat);
}
