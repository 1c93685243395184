#include "schiffsschritt.h"

#include <QList>
#include <QStringList>

namespace {

// One installed row of a ship file line: "category;count;fields...;".
struct Zeile {
    QString komponente; // the line without its count
    QString name;
    QString anzahl;
};

QList<Zeile> zeilenVon(const QByteArray &text)
{
    QList<Zeile> zeilen;
    const QList<QByteArray> linien = text.split('\n');
    for (qsizetype i = 1; i < linien.size(); ++i) { // the first line is the header
        const QStringList felder = QString::fromLatin1(linien.at(i)).split(QLatin1Char(';'));
        if (felder.size() < 3)
            continue;
        QStringList ohneAnzahl = felder;
        ohneAnzahl.removeAt(1);
        zeilen.append({ ohneAnzahl.join(QLatin1Char(';')), felder.at(2), felder.at(1) });
    }
    return zeilen;
}

} // namespace

SchiffsSchritt::SchiffsSchritt(const Stand &vorher, const Stand &nachher, const QString &text,
                               Hersteller herstellen)
    : ZustandsSchritt(vorher, nachher, std::move(herstellen))
{
    int feld = -1;
    const QString benannt = beschreibung(vorher, nachher, &feld);
    if (text.isEmpty())
        setzeFeld(feld);
    setText(text.isEmpty() ? benannt : text);
}

QString SchiffsSchritt::beschreibung(const Stand &vorher, const Stand &nachher, int *feld)
{
    if (feld)
        *feld = -1;
    const QList<Zeile> a = zeilenVon(vorher.zeilen);
    const QList<Zeile> b = zeilenVon(nachher.zeilen);
    qsizetype i = 0;
    const qsizetype n = qMin(a.size(), b.size());
    while (i < n && a.at(i).komponente == b.at(i).komponente)
        ++i;
    if (b.size() == a.size() + 1 && i == a.size())
        return QStringLiteral("%1x %2 hinzufügen").arg(b.last().anzahl, b.last().name);
    if (b.size() > a.size())
        return QStringLiteral("Komponenten hinzufügen");
    if (b.size() == a.size() - 1)
        return QStringLiteral("%1 entfernen").arg(a.at(i).name);
    if (b.size() < a.size())
        return QStringLiteral("Komponenten entfernen");
    if (i < n)
        return QStringLiteral("%1 verschieben").arg(a.at(i).name);
    for (i = 0; i < n; ++i) {
        if (a.at(i).anzahl != b.at(i).anzahl)
            return QStringLiteral("Anzahl von %1 ändern").arg(b.at(i).name);
    }
    if (vorher.name != nachher.name) {
        if (feld)
            *feld = 1;
        return QStringLiteral("Name ändern");
    }
    if (vorher.beschreibung != nachher.beschreibung) {
        if (feld)
            *feld = 2;
        return QStringLiteral("Beschreibung ändern");
    }
    return QStringLiteral("Änderung");
}
