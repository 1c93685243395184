// The component-list reader. An input is a list file as the library finds
// it: its first line the file's name ("reaktoren_militaer.csv"), the rest
// the file's bytes. Every list kind whose name pattern matches reads the
// rows (the first one is the header), as the library loads them; what is
// read must show in the chooser, give back the fields it was read from,
// and read back unchanged from the fields a ship file stores.

#include "fuzz_hilfen.h"

#include "csvtabelle.h"
#include "kategorien.h"
#include "komponente.h"
#include "schiffsdatei.h"

#include <QByteArray>
#include <QList>
#include <QRegularExpression>
#include <QStringList>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <memory>

namespace {

struct Art {
    int kategorie;
    QRegularExpression muster;
};
QList<Art> arten;

bool gleicheZahl(float a, float b)
{
    return a == b || (std::isnan(a) && std::isnan(b));
}

// The fast number readers promise what the toolkit reads.
void pruefeZahlen(const QString& feld)
{
    bool ok = false;
    const int ganz = QStringView(feld).trimmed().toInt(&ok, 10);
    if (Komponente::leseGanzzahl(feld) != (ok ? ganz : 0))
        fuzz::fehler("leseGanzzahl reads otherwise than the toolkit");
    const float dezimal = QStringView(feld).trimmed().toFloat(&ok);
    if (!gleicheZahl(Komponente::leseDezimal(feld), (ok && std::isfinite(dezimal)) ? dezimal : 0.0f))
        fuzz::fehler("leseDezimal reads otherwise than the toolkit");
}

// What the chooser shows of a component.
void zeige(const Komponente& k)
{
    for (int s = 0; s <= k.spaltenAnzahl(); ++s) {
        k.spaltenWert(s);
        k.spaltenTitel(s);
    }
    k.beschreibung();
    k.einheit(true);
    k.kurzname();
}

// The fields a ship file stores for the component, and a component read
// from them, show the same columns, and the same description unless a
// field had to be changed to fit the file (a line break inside a text).
void pruefeSchiffsfelder(int kategorie, const Komponente& k)
{
    QStringList felder;
    bool geaendert = false;
    for (int s = 0; s < k.spaltenAnzahl(); ++s) {
        const QString text = Komponente::spaltenText(k.spaltenWert(s));
        felder << SchiffsDatei::alsFeld(text);
        geaendert = geaendert || felder.last() != text;
    }
    const std::unique_ptr<Komponente> wieder(Kategorien::neu(kategorie));
    if (!wieder->leseZeile(felder))
        fuzz::fehler("the stored fields of a component are refused");
    for (int s = 0; s < felder.size(); ++s) {
        if (Komponente::spaltenText(wieder->spaltenWert(s)) != felder.at(s)) {
            std::fprintf(stderr, "column %d: stored \"%s\", read back \"%s\"\n", s,
                         qPrintable(felder.at(s)),
                         qPrintable(Komponente::spaltenText(wieder->spaltenWert(s))));
            fuzz::fehler("a stored component reads back otherwise");
        }
    }
    if (!geaendert && wieder->beschreibung() != k.beschreibung())
        fuzz::fehler("a stored component reads back with another description");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    fuzz::starteQt(argc, argv);
    for (int kat = 0; kat < Kategorien::Anzahl; ++kat) {
        const QString muster = Kategorien::dateiMuster(kat);
        if (!muster.isEmpty()) {
            arten.append({kat, QRegularExpression(QRegularExpression::wildcardToRegularExpression(muster),
                                                  QRegularExpression::CaseInsensitiveOption)});
        }
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse)
{
    const QByteArray eingabe(reinterpret_cast<const char*>(daten), qsizetype(groesse));
    const qsizetype zeilenende = eingabe.indexOf('\n');
    if (zeilenende < 0)
        return 0;
    const QString name = QString::fromLatin1(eingabe.left(zeilenende));

    CsvTabelle tabelle;
    tabelle.leseDaten(eingabe.mid(zeilenende + 1), QLatin1Char(';'));
    QStringList texte;
    for (const Art& art : std::as_const(arten)) {
        if (!art.muster.match(name).hasMatch())
            continue;
        for (int z = 1; z < tabelle.zeilen(); ++z) {
            const QStringList felder = tabelle.zeile(z);
            const std::unique_ptr<Komponente> k(Kategorien::neu(art.kategorie));
            const bool gelesen = k->leseZeile(felder);
            if (k->rohdaten() != felder)
                fuzz::fehler("rohdaten() differs from the fields read");
            for (const QString& feld : felder)
                pruefeZahlen(feld);
            if (!gelesen)
                continue;
            k->teileTexte(texte);
            zeige(*k);
            pruefeSchiffsfelder(art.kategorie, *k);
        }
    }
    return 0;
}
