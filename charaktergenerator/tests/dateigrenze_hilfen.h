// Runs a piece of a test as on a full disk.
#ifndef DATEIGRENZE_HILFEN_H
#define DATEIGRENZE_HILFEN_H

#include <QByteArray>

#include <csignal>
#include <functional>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

// Runs `arbeit` in a child process whose files may grow to at most `grenze`
// bytes (SIGXFSZ is ignored, so that a write beyond fails instead of ending
// the process). What the child puts into its argument comes back in
// `antwort`; the result is the child's result, or -1 when it did not end
// normally.
inline int imKindMitDateigrenze(rlim_t grenze, const std::function<int(QByteArray &antwort)> &arbeit,
                                QByteArray *antwort)
{
    int rohr[2];
    if (::pipe(rohr) != 0)
        return -1;
    const pid_t kind = ::fork();
    if (kind < 0)
        return -1;
    if (kind == 0) {
        ::close(rohr[0]);
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit grenzen {};
        ::getrlimit(RLIMIT_FSIZE, &grenzen);
        grenzen.rlim_cur = grenze;
        ::setrlimit(RLIMIT_FSIZE, &grenzen);
        QByteArray text;
        const int ergebnis = arbeit(text);
        qsizetype weg = 0;
        while (weg < text.size()) {
            const ssize_t n = ::write(rohr[1], text.constData() + weg, size_t(text.size() - weg));
            if (n <= 0)
                break;
            weg += n;
        }
        ::close(rohr[1]);
        ::_exit(ergebnis);
    }
    ::close(rohr[1]);
    char puffer[512];
    ssize_t n = 0;
    while ((n = ::read(rohr[0], puffer, sizeof puffer)) > 0) {
        if (antwort)
            antwort->append(puffer, n);
    }
    ::close(rohr[0]);
    int status = 0;
    if (::waitpid(kind, &status, 0) != kind || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}

#endif // DATEIGRENZE_HILFEN_H
