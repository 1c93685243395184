// The benchmark of the recovery copy, the same for both programs.
#ifndef RETTUNGSMESSUNG_H
#define RETTUNGSMESSUNG_H

#include "rettungskopie.h"

#include <QElapsedTimer>
#include <QtGlobal>

#include <ctime>
#include <functional>

// Writes the copy `runden` times, each after `aendere(runde)` changed the
// document, and prints what the window's thread spent on it (wall and
// processor time; the processor time leaves out the load of other
// programs) and how long the copy's thread took until the disk had it.
// True when the window's processor time stays under 5 ms.
inline bool messeRettungskopie(Rettungskopie *kopie, int runden, const std::function<void(int)> &aendere)
{
    const auto prozessorzeit = [] {
        timespec t{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
        return qint64(t.tv_sec) * 1000000000 + t.tv_nsec;
    };
    qint64 summe = 0;
    qint64 hoechstens = 0;
    qint64 prozessor = 0;
    qint64 platte = 0;
    for (int i = 0; i < runden; ++i) {
        aendere(i);
        QElapsedTimer uhr;
        const qint64 vorher = prozessorzeit();
        uhr.start();
        if (!kopie->schreibeJetzt())
            return false;
        const qint64 ns = uhr.nsecsElapsed();
        prozessor += prozessorzeit() - vorher;
        summe += ns;
        hoechstens = qMax(hoechstens, ns);
        if (!kopie->warte())
            return false;
        platte += uhr.nsecsElapsed() - ns;
    }
    qInfo("writing the recovery copy: %.2f ms, at most %.2f ms, processor time %.2f ms (limit 5 ms); "
          "then %.2f ms in its thread until the disk has it",
          double(summe) / 1e6 / runden, double(hoechstens) / 1e6, double(prozessor) / 1e6 / runden,
          double(platte) / 1e6 / runden);
    return double(prozessor) / 1e6 / runden < 5.0;
}

#endif // RETTUNGSMESSUNG_H
