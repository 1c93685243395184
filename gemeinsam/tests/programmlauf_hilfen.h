// Helpers for tests that start a built program as a process, as a script
// on a machine without a display would.
#ifndef PROGRAMMLAUF_HILFEN_H
#define PROGRAMMLAUF_HILFEN_H

#include <QByteArray>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

#include <sys/resource.h>

struct Programmlauf
{
    // The exit status; -1 when the program crashed or did not end in time.
    int status = -1;
    QString ausgabe;
    QString fehler;
};

// The program `name`, built beside the test.
inline QString programmPfad(const QString &name)
{
    return QCoreApplication::applicationDirPath() + QLatin1Char('/') + name;
}

// Runs the program in `ordner` without any display variable set and waits
// at most 60 s for it.
inline Programmlauf starteProgramm(const QString &name, const QStringList &argumente,
                                   const QString &ordner)
{
    QProcess prozess;
    QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
    for (const char *variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        umgebung.remove(QString::fromLatin1(variable));
    prozess.setProcessEnvironment(umgebung);
    prozess.setWorkingDirectory(ordner);
    prozess.start(programmPfad(name), argumente);
    Programmlauf lauf;
    if (!prozess.waitForFinished(60000)) {
        prozess.kill();
        prozess.waitForFinished(5000);
        lauf.fehler = QStringLiteral("<nicht beendet>");
        return lauf;
    }
    if (prozess.exitStatus() == QProcess::NormalExit)
        lauf.status = prozess.exitCode();
    lauf.ausgabe = QString::fromUtf8(prozess.readAllStandardOutput());
    lauf.fehler += QString::fromUtf8(prozess.readAllStandardError());
    return lauf;
}

// Pages of a PDF file; -1 when it is none.
inline int pdfSeiten(const QString &pfad)
{
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray pdf = datei.readAll();
    if (!pdf.startsWith("%PDF"))
        return -1;
    return int(QString::fromLatin1(pdf).count(QRegularExpression(QStringLiteral("/Type\\s*/Page\\b"))));
}

// User and system time of the ended child processes, in milliseconds.
inline qint64 prozessorzeitDerKinder()
{
    rusage nutzung{};
    getrusage(RUSAGE_CHILDREN, &nutzung);
    return qint64(nutzung.ru_utime.tv_sec + nutzung.ru_stime.tv_sec) * 1000
           + qint64(nutzung.ru_utime.tv_usec + nutzung.ru_stime.tv_usec) / 1000;
}

// A run of a benchmark: the program's exit status, the pages of the PDF
// `pdf` it wrote, wall and processor time.
struct GemessenerLauf
{
    int status = -1;
    int seiten = -1;
    qint64 ms = 0;
    qint64 prozessorMs = 0;
};

inline GemessenerLauf starteGemessen(const QString &name, const QStringList &argumente,
                                     const QString &ordner, const QString &pdf)
{
    GemessenerLauf messung;
    QElapsedTimer uhr;
    uhr.start();
    const qint64 vorher = prozessorzeitDerKinder();
    messung.status = starteProgramm(name, argumente, ordner).status;
    messung.ms = uhr.elapsed();
    messung.prozessorMs = prozessorzeitDerKinder() - vorher;
    messung.seiten = pdfSeiten(ordner + QLatin1Char('/') + pdf);
    return messung;
}

#endif // PROGRAMMLAUF_HILFEN_H
