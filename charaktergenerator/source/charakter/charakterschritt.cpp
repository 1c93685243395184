#include "charakterschritt.h"

#include <QList>
#include <QMap>
#include <QXmlStreamReader>

#include <iterator>

namespace {

// The values of a character document: single values by "Element/Attribute",
// the learned actions and the special areas as lists of their attributes.
struct Dokument {
    QMap<QString, QString> werte;
    QList<QMap<QString, QString>> aktionen;
    QList<QMap<QString, QString>> gebiete;
};

Dokument zerlege(const QByteArray &xml)
{
    Dokument d;
    QXmlStreamReader r(xml);
    while (!r.atEnd() && !r.hasError()) {
        if (r.readNext() != QXmlStreamReader::StartElement)
            continue;
        QMap<QString, QString> attribute;
        for (const QXmlStreamAttribute &a : r.attributes())
            attribute.insert(a.name().toString(), a.value().toString());
        const QString element = r.name().toString();
        if (element == QLatin1String("Aktion")) {
            d.aktionen.append(attribute);
        } else if (element == QLatin1String("Spezialgebiet")) {
            d.gebiete.append(attribute);
        } else {
            for (auto it = attribute.cbegin(); it != attribute.cend(); ++it)
                d.werte.insert(element + QLatin1Char('/') + it.key(), it.value());
        }
    }
    return d;
}

// A list that grew, shrank or had one value of an entry changed.
QString listenSchritt(const QList<QMap<QString, QString>> &vorher,
                      const QList<QMap<QString, QString>> &nachher, const char *dazu,
                      const char *weg, const QString &wert, const char *geaendert)
{
    const QString name = QStringLiteral("Bezeichnung");
    const qsizetype n = qMin(vorher.size(), nachher.size());
    qsizetype i = 0;
    while (i < n && vorher.at(i).value(name) == nachher.at(i).value(name))
        ++i;
    if (nachher.size() > vorher.size())
        return QString::fromUtf8(dazu).arg(nachher.at(i).value(name));
    if (nachher.size() < vorher.size())
        return QString::fromUtf8(weg).arg(vorher.at(i).value(name));
    for (i = 0; i < n; ++i) {
        if (vorher.at(i).value(wert) != nachher.at(i).value(wert))
            return QString::fromUtf8(geaendert).arg(nachher.at(i).value(name));
    }
    return QString();
}

struct Benennung {
    const char *schluessel;
    const char *name;
};

// The attributes, by their names in the file.
const Benennung eigenschaften[] = {
    { "Eigenschaften/Mut", "Mut" },
    { "Eigenschaften/Intelligenz", "Intelligenz" },
    { "Eigenschaften/Wissen", "Wissen" },
    { "Eigenschaften/Instinkt", "Instinkt" },
    { "Eigenschaften/Sinne", "Sinne" },
    { "Eigenschaften/Emotionen", "Emotionen" },
    { "Eigenschaften/Kraft", "Kraft" },
    { "Eigenschaften/Koerperbhg", "Körperbeherrschung" },
    { "Eigenschaften/Handgeschick", "Handgeschick" },
    { "Eigenschaften/Kondition", "Kondition" },
    { "Eigenschaften/Ausstrahlung", "Ausstrahlung" },
};

// Points and energies that are bought, and the starting goods.
const Benennung kaeufe[] = {
    { "Punkte/GekaufteSP", "SP" },   { "Punkte/GekaufteTP", "TP" },
    { "Punkte/GekaufteMP", "MP" },   { "Energie/PNE", "PNE" },
    { "Energie/DE", "DE" },          { "Energie/AE", "AE" },
};
const Benennung gueter[] = {
    { "Startdinge/Kapital", "Startkapital" }, { "Startdinge/Schulden", "Schulden" },
    { "Startdinge/Cassias", "Cassias" },      { "Startdinge/Ceptomyzin", "Ceptomyzin" },
    { "Startdinge/Bonuspunkte", "Bonuspunkte" }, { "Startdinge/Prestige", "Prestige" },
};

// The personal fields of step 1; their edits may be merged.
const Benennung felder[] = {
    { "Basisdaten/Name", "Name" },
    { "Basisdaten/Reich", "Reich" },
    { "Basisdaten/Heimatplanet", "Heimatplanet" },
    { "Basisdaten/Tag", "Geburtsdatum" },
    { "Basisdaten/Monat", "Geburtsdatum" },
    { "Basisdaten/Jahr", "Geburtsdatum" },
    { "Aussehen/Groesse", "Größe" },
    { "Aussehen/Gewicht", "Gewicht" },
    { "Aussehen/Haarfarbe", "Haarfarbe" },
    { "Aussehen/Hautfarbe", "Hautfarbe" },
    { "Aussehen/Augenfarbe", "Augenfarbe" },
    { "Aussehen/Sonstiges", "Aussehen" },
    { "Geschichte/Kindheit", "Kindheit" },
    { "Geschichte/Erziehung", "Erziehung" },
    { "Geschichte/Beruf", "Beruf" },
    { "Geschichte/Werdegang", "Werdegang" },
    { "Charakter/Grundcharakter", "Grundcharakter" },
    { "Charakter/Charakterzuege", "Charakterzüge" },
    { "Charakter/Umfeld", "Umfeld" },
    { "Charakter/Hobbies", "Hobbies" },
    { "Charakter/Titel", "Titel" },
    { "Charakter/Beziehungen", "Beziehungen" },
};

} // namespace

CharakterSchritt::CharakterSchritt(const QByteArray &vorher, const QByteArray &nachher,
                                   Hersteller herstellen)
    : ZustandsSchritt(vorher, nachher, std::move(herstellen))
{
    int feld = -1;
    setText(beschreibung(vorher, nachher, &feld));
    setzeFeld(feld);
}

QString CharakterSchritt::beschreibung(const QByteArray &vorher, const QByteArray &nachher,
                                       int *feld)
{
    if (feld)
        *feld = -1;
    const Dokument a = zerlege(vorher);
    const Dokument b = zerlege(nachher);
    const auto anders = [&](const char *schluessel) {
        const QString s = QString::fromLatin1(schluessel);
        return a.werte.value(s) != b.werte.value(s);
    };
    const auto mehr = [&](const char *schluessel) {
        const QString s = QString::fromLatin1(schluessel);
        return b.werte.value(s).toLongLong() > a.werte.value(s).toLongLong();
    };
    const auto ja = [&](const char *schluessel) {
        return b.werte.value(QString::fromLatin1(schluessel)) == QLatin1String("Ja");
    };

    if (anders("Spezialgebiete/BenutztSpezis"))
        return ja("Spezialgebiete/BenutztSpezis") ? QStringLiteral("Spezialgebiete verwenden")
                                                  : QStringLiteral("Spezialgebiete nicht verwenden");
    if (anders("Basisdaten/BasistypusIndex"))
        return QStringLiteral("Basistypus wählen");
    if (anders("Basisdaten/generieren"))
        return ja("Basisdaten/generieren") ? QStringLiteral("Generierung fortsetzen")
                                           : QStringLiteral("Generierung abschließen");
    if (anders("Basisdaten/Sensitiv"))
        return ja("Basisdaten/Sensitiv") ? QStringLiteral("Sensitiv werden")
                                         : QStringLiteral("Nicht mehr sensitiv");

    QString schritt = listenSchritt(a.aktionen, b.aktionen, "%1 lernen", "%1 entfernen",
                                    QStringLiteral("Befaehigung"), "Befähigung von %1 ändern");
    if (schritt.isEmpty())
        schritt = listenSchritt(a.gebiete, b.gebiete, "Spezialgebiet %1 hinzufügen",
                                "Spezialgebiet %1 entfernen", QStringLiteral("Wert"),
                                "Punkte von %1 ändern");
    if (!schritt.isEmpty())
        return schritt;

    for (const Benennung &e : eigenschaften) {
        if (anders(e.schluessel))
            return QString::fromUtf8(mehr(e.schluessel) ? "%1 steigern" : "%1 senken")
                .arg(QString::fromUtf8(e.name));
    }
    for (const Benennung &k : kaeufe) {
        if (anders(k.schluessel))
            return QString::fromUtf8(mehr(k.schluessel) ? "%1 kaufen" : "%1 verkaufen")
                .arg(QString::fromUtf8(k.name));
    }
    for (const Benennung &g : gueter) {
        if (anders(g.schluessel))
            return QString::fromUtf8(mehr(g.schluessel) ? "%1 erhöhen" : "%1 verringern")
                .arg(QString::fromUtf8(g.name));
    }
    for (int i = 0; i < int(std::size(felder)); ++i) {
        if (anders(felder[i].schluessel)) {
            if (feld)
                *feld = QString::fromUtf8(felder[i].name) == QStringLiteral("Geburtsdatum") ? 3 : i;
            return QStringLiteral("%1 ändern").arg(QString::fromUtf8(felder[i].name));
        }
    }
    return QStringLiteral("Änderung");
}
