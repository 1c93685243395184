// The ship file reader, with the delivered library. Whatever it accepts
// (also the readable beginning of a refused file) is loaded into a ship as
// the window loads it and computed; that ship saves, loads and saves
// again to the same file.

#include "fuzz_hilfen.h"

#include "datenordner.h"
#include "komponentenbibliothek.h"
#include "schiffsdatei.h"
#include "schiffsmodel.h"

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

namespace {

KomponentenBibliothek* bibliothek = nullptr;
SchiffsModel* gelesen = nullptr;
SchiffsModel* wieder = nullptr;

// Loads the file into the ship (emptied first) as the window does.
SchiffsDatei::Inhalt lade(const QByteArray& datei, SchiffsModel* model)
{
    SchiffsDatei::Inhalt inhalt = SchiffsDatei(bibliothek).liesDaten(datei, QStringLiteral("fuzz.zss"));
    model->leeren();
    for (SchiffsDatei::Eintrag& e : inhalt.komponenten)
        model->addKomponente(e.komponente.release(), e.anzahl);
    model->berechne();
    return inhalt;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    fuzz::starteQt(argc, argv);
    DatenOrdner::setze(QStringLiteral(ZORVEL_DATA_DIR), QStringList());
    bibliothek = new KomponentenBibliothek;
    bibliothek->lade();
    bibliothek->erzeugeKategorien();
    gelesen = new SchiffsModel;
    wieder = new SchiffsModel;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse)
{
    const QByteArray datei(reinterpret_cast<const char*>(daten), qsizetype(groesse));
    const SchiffsDatei::Inhalt inhalt = lade(datei, gelesen);
    const bool angenommen = inhalt.befund == SchiffsDatei::Befund::Gelesen || inhalt.teilLesbar;
    if (!angenommen)
        return 0;

    const QByteArray erste = SchiffsDatei::text(gelesen, inhalt.name, inhalt.beschreibung);
    const SchiffsDatei::Inhalt zweites = lade(erste, wieder);
    if (zweites.befund != SchiffsDatei::Befund::Gelesen || !zweites.nichtGefunden.isEmpty()
        || !zweites.angepasst.isEmpty() || wieder->rowCount() != gelesen->rowCount()) {
        std::fprintf(stderr, "saved:\n%s\nreason: %s\n", erste.constData(), qPrintable(zweites.grund));
        fuzz::fehler("a saved ship does not load as a whole");
    }
    const QByteArray zweite = SchiffsDatei::text(wieder, zweites.name, zweites.beschreibung);
    if (zweite != erste) {
        std::fprintf(stderr, "first save:\n%s\nsecond save:\n%s\n", erste.constData(), zweite.constData());
        fuzz::fehler("save, load and save again gave another file");
    }
    return 0;
}
