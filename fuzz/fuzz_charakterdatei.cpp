// The character file reader: whatever it reads (the whole document or the
// readable part of a damaged one), the sheet can be made of it, and it
// saves, loads and saves again to the same document.

#include "fuzz_hilfen.h"

#include "charakter.h"
#include "charaktertext.h"
#include "charakterxml.h"
#include "regelwerk.h"

#include <QBuffer>
#include <QByteArray>

#include <cstddef>
#include <cstdint>

namespace {

Regelwerk* regelwerk = nullptr;
Charakter* gelesen = nullptr;
Charakter* wieder = nullptr;

bool lies(const QByteArray& dokument, Charakter* c)
{
    QBuffer puffer;
    puffer.setData(dokument);
    puffer.open(QIODevice::ReadOnly);
    c->zuruecksetzen();
    return CharakterXml::lesen(&puffer, c);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    fuzz::starteQt(argc, argv);
    regelwerk = new Regelwerk;
    gelesen = new Charakter(regelwerk);
    wieder = new Charakter(regelwerk);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse)
{
    const QByteArray dokument(reinterpret_cast<const char*>(daten), qsizetype(groesse));
    // The window looks a document through first and reads only what it
    // finds readable (or the readable part of a damaged one).
    const CharakterXml::Befund befund = CharakterXml::pruefe(dokument);
    const bool lesbar = befund.art == CharakterXml::Befund::Lesbar
                        || (befund.art == CharakterXml::Befund::Beschaedigt && befund.lesbarerTeil);
    if (!lesbar)
        return 0;
    // Also the readable part of a damaged document is a character that
    // the user may save.
    lies(dokument, gelesen);
    CharakterText::bogen(gelesen);

    const QByteArray erstes = CharakterXml::schreiben(gelesen);
    if (erstes.isEmpty())
        fuzz::fehler("an accepted character could not be written");
    if (!lies(erstes, wieder))
        fuzz::fehler("a written character could not be read");
    const QByteArray zweites = CharakterXml::schreiben(wieder);
    if (zweites != erstes) {
        std::fprintf(stderr, "first save:\n%s\nsecond save:\n%s\n", erstes.constData(),
                     zweites.constData());
        fuzz::fehler("save, load and save again gave another document");
    }
    return 0;
}
