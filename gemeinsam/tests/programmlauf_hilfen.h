// Helpers for tests that start a built program as a process, as a script
// on a machine without a display would.
#ifndef PROGRAMMLAUF_HILFEN_H
#define PROGRAMMLAUF_HILFEN_H

#include <QByteArray>
#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

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

#endif // PROGRAMMLAUF_HILFEN_H
