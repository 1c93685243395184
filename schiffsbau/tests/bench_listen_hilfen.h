// The generated component lists of the library and list-checker benchmarks.
#ifndef BENCH_LISTEN_HILFEN_H
#define BENCH_LISTEN_HILFEN_H

#include "komponentenbibliothek.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QList>
#include <QPair>
#include <QString>

// Writes `zeilenGesamt` rows, spread over every list kind, into the folder
// "listen" of `ordner` (Latin-1, one header line per file, with umlauts and
// both kinds of unit). False when a file could not be written.
inline bool schreibeGenerierteListen(const QString &ordner, int zeilenGesamt)
{
    // Column count of each list kind (category index -> fields).
    static const QList<QPair<int, int>> arten{
        {1, 11}, {4, 8}, {5, 8}, {6, 10}, {7, 9}, {8, 9}, {9, 11}, {10, 10}, {11, 10}, {12, 9}, {13, 10},
        {14, 11}, {15, 10}, {16, 12}, {17, 10}, {18, 10}, {19, 9}, {20, 11}, {21, 12}, {22, 11}, {23, 11}};
    QDir d(ordner);
    if (!d.mkpath(QStringLiteral("listen")))
        return false;
    const int proArt = zeilenGesamt / int(arten.size());
    int geschrieben = 0;
    for (int a = 0; a < arten.size(); ++a) {
        const int kat = arten.at(a).first;
        const int spalten = arten.at(a).second;
        const int zeilen = (a == arten.size() - 1) ? zeilenGesamt - geschrieben : proArt;
        QByteArray inhalt = "Bezeichnung;Hersteller;Leg.;TL;St /n;t /n\n";
        for (int z = 0; z < zeilen; ++z) {
            inhalt += "Komponente " + QByteArray::number(z) + " \xe4\xf6\xfc;Hersteller;B;"
                      + QByteArray::number(8 + z % 9) + ";" + QByteArray::number(1000 + z) + ";0.5";
            for (int s = 6; s < spalten - 2; ++s)
                inhalt += ";" + QByteArray::number(s * 7 + z % 13);
            inhalt += (kat == 22 || kat == 23 || kat == 1) ? ";Schaden 2W10" : ";12";
            inhalt += (z % 2) ? ";GSTPV\n" : ";St\xfc" "ck\n";
        }
        QFile datei(d.filePath(QStringLiteral("listen/")
                               + KomponentenBibliothek::dateiMuster(kat).replace(QLatin1String("*"), QLatin1String("_bench"))));
        if (!datei.open(QIODevice::WriteOnly) || datei.write(inhalt) != inhalt.size())
            return false;
        geschrieben += zeilen;
    }
    return true;
}

#endif // BENCH_LISTEN_HILFEN_H
