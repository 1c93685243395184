// The template filler of the export. An input is an export template
// (UTF-8). It is filled with the values of the delivered base list's ship,
// as the export fills it, and with values of every kind, which must give
// what a chain of QString::arg() calls gives wherever such a chain cannot
// meet a marker of its own making.

#include "fuzz_hilfen.h"

#include "datenordner.h"
#include "komponentenbibliothek.h"
#include "platzhalter.h"
#include "schiffsdaten.h"
#include "schiffsdatei.h"
#include "schiffsmodel.h"
#include "schiffswerte.h"

#include <QByteArray>
#include <QList>
#include <QRegularExpression>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <functional>

namespace {

SchiffsDaten daten;

const QString name = QStringLiteral("Kormoran");
const QString beschreibung = QStringLiteral("Frachter der Klasse B");

// One value of each kind and sign, as Platzhalter fills it and as
// QString::arg() fills it.
struct Vergleichswert {
    Platzhalter::Wert wert;
    std::function<QString(const QString&)> arg;
};
QList<Vergleichswert> vergleichswerte;

void vergleichswerteAnlegen()
{
    const auto text = [](const QString& t) {
        vergleichswerte.append({Platzhalter::Wert::text(t), [t](const QString& s) { return s.arg(t); }});
    };
    const auto ganz = [](qint64 z) {
        vergleichswerte.append({Platzhalter::Wert::ganz(z), [z](const QString& s) { return s.arg(z); }});
    };
    const auto zahl = [](double z, char format, int stellen) {
        vergleichswerte.append({Platzhalter::Wert::zahl(z, format, stellen),
                                [=](const QString& s) { return s.arg(z, 0, format, stellen); }});
    };
    for (int runde = 0; runde < 10; ++runde) {
        text(QStringLiteral("Kormoran"));
        ganz(0);
        ganz(1234567);
        ganz(-987);
        ganz(std::numeric_limits<qint64>::min());
        zahl(1500000.25, 'g', 6);
        zahl(-0.125, 'f', 2);
        zahl(42.5, 'f', 0);
        zahl(1e-7, 'g', 6);
        text(QString());
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    fuzz::starteQt(argc, argv);
    DatenOrdner::setze(QStringLiteral(ZORVEL_DATA_DIR), QStringList());
    KomponentenBibliothek bibliothek;
    bibliothek.lade();
    SchiffsDatei::Inhalt inhalt = SchiffsDatei(&bibliothek).lies(DatenOrdner::pfad(QStringLiteral("basisliste.zsb")));
    SchiffsModel model;
    for (SchiffsDatei::Eintrag& e : inhalt.komponenten)
        model.addKomponente(e.komponente.release(), e.anzahl);
    daten = model.berechne();
    vergleichswerteAnlegen();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t groesse)
{
    const QString vorlage = QString::fromUtf8(reinterpret_cast<const char*>(bytes), qsizetype(groesse));
    Platzhalter::fuelle(vorlage, SchiffsWerte::exportWerte(daten, name, beschreibung));
    // Markers inside the name and the description stay as written.
    Platzhalter::fuelle(vorlage, SchiffsWerte::exportWerte(daten, QStringLiteral("%2%L50"),
                                                           QStringLiteral("%%1%L")));

    // A chain of arg() calls can make markers of its own: a value that
    // follows "%" or "%L", or a value that begins with a digit and follows
    // a marker of one digit (still there when a lower one is filled: "%4%2").
    // Only templates where none can arise are compared.
    static const QRegularExpression eigeneMarke(QStringLiteral("%L?%|%L?\\d%"));
    if (vorlage.contains(eigeneMarke))
        return 0;
    // arg() leaves a text without markers as it is: the chain ends there.
    QList<Platzhalter::Wert> werte;
    QString kette = vorlage;
    for (const Vergleichswert& v : std::as_const(vergleichswerte)) {
        QString weiter = v.arg(kette);
        if (weiter == kette)
            break;
        werte.append(v.wert);
        kette = std::move(weiter);
    }
    const QString gefuellt = Platzhalter::fuelle(vorlage, werte);
    if (gefuellt != kette) {
        std::fprintf(stderr, "template: %s\nfilled:   %s\narg():    %s\n", qPrintable(vorlage),
                     qPrintable(gefuellt), qPrintable(kette));
        fuzz::fehler("the template is filled otherwise than QString::arg() fills it");
    }
    return 0;
}
