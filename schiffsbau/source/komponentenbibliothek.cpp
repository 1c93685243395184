#include "komponentenbibliothek.h"

#include "antrieb.h"
#include "csvtabelle.h"
#include "datenordner.h"
#include "diverse.h"
#include "energiespeicher.h"
#include "feldprojektor.h"
#include "feldspulensystem.h"
#include "feuerleitsystem.h"
#include "gravitationsgen.h"
#include "hauptcomputer.h"
#include "kommrelais.h"
#include "komponente.h"
#include "manoevertw.h"
#include "panzerung.h"
#include "reaktor.h"
#include "rumpfmaterial.h"
#include "scanner.h"
#include "schildgenerator.h"
#include "schleppstrahlproj.h"
#include "sensoren.h"
#include "signalinterferant.h"
#include "trtransmitter.h"
#include "waffen.h"
#include "weitereraeume.h"
#include "weiteresysteme.h"

#include <QDir>

namespace {

const char *const vorlagen[KomponentenBibliothek::AnzahlKategorien] = {
    "*Standard-Räume (%1)",
    " Weitere Räume (%1)",
    " Basis-Lebenssysteme (%1)",
    "*Sonstige Basiskomponenten (%1)",
    "*Rumpf (%1)",
    " Panzerungen (%1)",
    " Gravitations-Generatoren (%1)",
    "*Reaktoren (%1)",
    " Energiespeicher (%1)",
    "*Manoevertriebwerke (%1)",
    " Feldprojektoren (%1)",
    " Feldspulensysteme (%1)",
    " Sprung-Antriebe (%1)",
    "*Hauptcomputer (%1)",
    "*Sensorphalange (%1)",
    " Feuerleitsysteme (%1)",
    " Scanner (%1)",
    " Kommunikationsrelais (%1)",
    " TR-Transmitter (%1)",
    " Schildgeneratoren (%1)",
    " Signalinterferanten (%1)",
    " Schleppstrahlprojektoren (%1)",
    " Waffensysteme (%1)",
    " Türme, Störer, Weitere, ... (%1)",
};

const char *const muster[KomponentenBibliothek::AnzahlKategorien] = {
    nullptr,
    "weitere_raeume*.csv",
    nullptr,
    nullptr,
    "rumpfmaterial*.csv",
    "panzerungen*.csv",
    "gravitationsgen*.csv",
    "reaktoren*.csv",
    "energiespeicher*.csv",
    "manoevertriebwerke*.csv",
    "feldprojektoren*.csv",
    "feldspulensysteme*.csv",
    "antriebe*.csv",
    "hauptcomputer*.csv",
    "sensorenphalange*.csv",
    "feuerleitsysteme*.csv",
    "scanner*.csv",
    "kommunikationsrelais*.csv",
    "trtransmitter*.csv",
    "schildgeneratoren*.csv",
    "signalinterferanten*.csv",
    "schleppstrahlprojektoren*.csv",
    "waffen*.csv",
    "weitere_systeme*.csv",
};

// Order in which the list kinds are loaded.
const int ladeReihenfolge[] = {4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16,
                               17, 18, 19, 20, 21, 23, 1, 22};

bool gueltigeKategorie(int kat)
{
    return kat >= 0 && kat < KomponentenBibliothek::AnzahlKategorien;
}

template<typename Art>
Komponente *kopiere(const Komponente *k)
{
    const Art *art = dynamic_cast<const Art *>(k);
    return art ? new Art(*art) : nullptr;
}

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
    for (int kat : ladeReihenfolge)
        ladeListen(kat, tabelle, texte);

    for (int typNummer : Diverse::erzeugungsReihenfolge()) {
        Diverse *d = new Diverse;
        d->setzeTyp(typNummer);
        d->leseZeile(QStringList());
        const int kat = d->typ();
        if (gueltigeKategorie(kat))
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
        kategorien.append(QString::fromUtf8(vorlagen[i]).arg(komponenten.at(i).size()));
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
    if (!gueltigeKategorie(kat))
        return 0;
    return int(komponenten.at(kat).size());
}

Komponente *KomponentenBibliothek::element(int kat, int idx) const
{
    if (!gueltigeKategorie(kat) || idx < 0 || idx >= komponenten.at(kat).size())
        return nullptr;
    return komponenten.at(kat).at(idx);
}

Komponente *KomponentenBibliothek::kopie(int kat, const Komponente *k) const
{
    if (!k)
        return nullptr;
    switch (kat) {
    case 0: case 2: case 3: return kopiere<Diverse>(k);
    case 1: return kopiere<WeitereRaeume>(k);
    case 4: return kopiere<Rumpfmaterial>(k);
    case 5: return kopiere<Panzerung>(k);
    case 6: return kopiere<GravitationsGen>(k);
    case 7: return kopiere<Reaktor>(k);
    case 8: return kopiere<EnergieSpeicher>(k);
    case 9: return kopiere<ManoeverTW>(k);
    case 10: return kopiere<FeldProjektor>(k);
    case 11: return kopiere<Feldspulensystem>(k);
    case 12: return kopiere<Antrieb>(k);
    case 13: return kopiere<Hauptcomputer>(k);
    case 14: return kopiere<Sensoren>(k);
    case 15: return kopiere<Feuerleitsystem>(k);
    case 16: return kopiere<Scanner>(k);
    case 17: return kopiere<KommRelais>(k);
    case 18: return kopiere<TrTransmitter>(k);
    case 19: return kopiere<Schildgenerator>(k);
    case 20: return kopiere<Signalinterferant>(k);
    case 21: return kopiere<SchleppstrahlProj>(k);
    case 22: return kopiere<Waffen>(k);
    case 23: return kopiere<WeitereSysteme>(k);
    default: return nullptr;
    }
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
    switch (kat) {
    case 0: case 2: case 3: return new Diverse;
    case 1: return new WeitereRaeume;
    case 4: return new Rumpfmaterial;
    case 5: return new Panzerung;
    case 6: return new GravitationsGen;
    case 7: return new Reaktor;
    case 8: return new EnergieSpeicher;
    case 9: return new ManoeverTW;
    case 10: return new FeldProjektor;
    case 11: return new Feldspulensystem;
    case 12: return new Antrieb;
    case 13: return new Hauptcomputer;
    case 14: return new Sensoren;
    case 15: return new Feuerleitsystem;
    case 16: return new Scanner;
    case 17: return new KommRelais;
    case 18: return new TrTransmitter;
    case 19: return new Schildgenerator;
    case 20: return new Signalinterferant;
    case 21: return new SchleppstrahlProj;
    case 22: return new Waffen;
    case 23: return new WeitereSysteme;
    default: return nullptr;
    }
}

Komponente *KomponentenBibliothek::suche(int kat, const QString &name) const
{
    if (!gueltigeKategorie(kat))
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
    if (!gueltigeKategorie(kat) || !muster[kat])
        return QString();
    return QString::fromLatin1(muster[kat]);
}
