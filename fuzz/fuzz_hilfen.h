#ifndef FUZZ_HILFEN_H
#define FUZZ_HILFEN_H

// What every fuzz target needs once before its first input: the
// application object (the readers use Qt's text codecs and locales) and
// the German locale that the programs use.

#include "sprachumgebung.h"

#include <QCoreApplication>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>

namespace fuzz {

inline void starteQt(int* argc, char*** argv)
{
    // The fuzzer's own options stay in argv; Qt ignores what it does not know.
    static QCoreApplication app(*argc, *argv);
    Sprachumgebung::einrichten();
    // Qt's warnings (a malformed XML document, a missing arg() value) are
    // expected for fuzzed input and would only slow the search down.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
}

// A broken promise of a reader: reported as a crash, so that libFuzzer
// saves the input.
[[noreturn]] inline void fehler(const char* was)
{
    std::fprintf(stderr, "fuzz: %s\n", was);
    std::abort();
}

} // namespace fuzz

#endif // FUZZ_HILFEN_H
