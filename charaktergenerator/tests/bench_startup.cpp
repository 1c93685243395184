// Start-up time of the character generator compared with an empty Qt main
// window, both measured in the same run on the same machine.
//
//   charaktergenerator_lib_bench_startup [RUNDEN]
//
// The benchmark starts itself as a child process, alternately as an empty
// QMainWindow of the same size and as the character generator's MainWindow.
// Each child reports when its event loop first goes idle with the window
// shown and exposed; the parent measures from starting the process to that
// report (process creation, loading the libraries, creating the application
// and the window with step 1, catalogue and character, style sheets, first
// paint; steps 2 to 6 are built when first opened). Medians are printed, and
// the ratio character generator / empty window.
#include "mainwindow.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QProcess>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <memory>

namespace {

// CPU time of the process so far (from exec on), in milliseconds.
double prozessCpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

int kind(int argc, char *argv[], bool charakter)
{
    QElapsedTimer uhr;
    uhr.start();
    QApplication app(argc, argv);
    std::unique_ptr<QMainWindow> fenster;
    if (charakter) {
        fenster = std::make_unique<MainWindow>();
    } else {
        fenster = std::make_unique<QMainWindow>();
        fenster->setWindowTitle(QStringLiteral("ZORVEL2 - Charaktergenerator (0.9.3)"));
        fenster->resize(1120, 800);
    }
    fenster->show();

    bool gemeldet = false;
    QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, [&] {
        if (gemeldet || !fenster->windowHandle() || !fenster->windowHandle()->isExposed())
            return;
        gemeldet = true;
        std::printf("LEERLAUF %lld %.3f\n", static_cast<long long>(uhr.nsecsElapsed()), prozessCpuMs());
        std::fflush(stdout);
        QMetaObject::invokeMethod(&app, &QCoreApplication::quit, Qt::QueuedConnection);
    });
    return app.exec();
}

double median(QList<double> werte)
{
    std::sort(werte.begin(), werte.end());
    const int n = werte.size();
    if (n == 0)
        return 0.0;
    return n % 2 ? werte.at(n / 2) : (werte.at(n / 2 - 1) + werte.at(n / 2)) / 2.0;
}

// Milliseconds from starting the child to its idle report; < 0 on failure.
// intern: from main() to idle; cpu: CPU time of the child until idle.
double messe(const QString &programm, bool charakter, double *intern, double *cpu)
{
    QProcess prozess;
    prozess.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer uhr;
    uhr.start();
    prozess.start(programm, {QStringLiteral("--kind"), charakter ? QStringLiteral("charakter") : QStringLiteral("leer")});
    double ms = -1.0;
    QByteArray ausgabe;
    while (prozess.waitForReadyRead(30000)) {
        ausgabe += prozess.readAllStandardOutput();
        if (ausgabe.contains('\n')) {
            ms = double(uhr.nsecsElapsed()) / 1e6;
            break;
        }
    }
    prozess.waitForFinished(30000);
    const QList<QByteArray> teile = ausgabe.trimmed().split(' ');
    if (teile.size() == 3 && teile.at(0) == "LEERLAUF") {
        *intern = teile.at(1).toDouble() / 1e6;
        *cpu = teile.at(2).toDouble();
    }
    return ms;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc >= 3 && std::strcmp(argv[1], "--kind") == 0)
        return kind(argc, argv, std::strcmp(argv[2], "charakter") == 0);

    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int runden = qMax(1, args.value(1, QStringLiteral("9")).toInt());
    const QString programm = QCoreApplication::applicationFilePath();

    QList<double> leer, charakter, leerIntern, charakterIntern, leerCpu, charakterCpu;
    // One warm-up run of each, not counted (file cache, font cache).
    double dummy = 0.0, dummyCpu = 0.0;
    messe(programm, false, &dummy, &dummyCpu);
    messe(programm, true, &dummy, &dummyCpu);
    for (int i = 0; i < runden; ++i) {
        double intern = 0.0, cpu = 0.0;
        const double a = messe(programm, false, &intern, &cpu);
        if (a < 0)
            return 1;
        leer << a;
        leerIntern << intern;
        leerCpu << cpu;
        const double b = messe(programm, true, &intern, &cpu);
        if (b < 0)
            return 1;
        charakter << b;
        charakterIntern << intern;
        charakterCpu << cpu;
    }
    const double l = median(leer), s = median(charakter);
    std::printf("%d Runden, Plattform: %s\n", runden,
                qEnvironmentVariableIsSet("QT_QPA_PLATFORM") ? qPrintable(qEnvironmentVariable("QT_QPA_PLATFORM"))
                                                             : "(Standard)");
    std::printf("leeres QMainWindow : Median %7.1f ms bis Leerlauf (davon ab main %6.1f ms)\n", l, median(leerIntern));
    std::printf("Charaktergenerator : Median %7.1f ms bis Leerlauf (davon ab main %6.1f ms)\n", s, median(charakterIntern));
    std::printf("Verhältnis         : %.2f (Grenze 1,50)\n", l > 0 ? s / l : 0.0);
    // CPU time until idle does not depend on how busy the machine is.
    const double lc = median(leerCpu), sc = median(charakterCpu);
    std::printf("CPU-Zeit bis Leerlauf: leer %.1f ms, Charaktergenerator %.1f ms, Verhältnis %.2f\n", lc, sc,
                lc > 0 ? sc / lc : 0.0);
    return 0;
}
