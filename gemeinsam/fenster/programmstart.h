#ifndef PROGRAMMSTART_H
#define PROGRAMMSTART_H

#include "befehlszeile.h"
#include "rettungsfund.h"
#include "rettungskopie.h"
#include "sprachumgebung.h"
#include "startargument.h"
#include "wiederherstellungsfrage.h"

#include <QApplication>

#include <functional>
#include <memory>

// Each program's main(): the command line, its main window shown, the
// document that a file manager passed opened in it, and the event loop run.
class Programmstart
{
public:
    // The whole of main(). The command line is read before the application
    // object exists, so that a run without window (which ends there) can
    // choose its platform itself. Then the program `programm` starts with a
    // German interface (the standard dialogs, the numbers and the calendar
    // too, whatever the system's language); `vorbereiten`, when given, runs
    // once the application object exists, before the window is built.
    template<typename Fenster>
    static int hauptprogramm(int argc, char **argv, Befehlszeile befehle,
                             const std::function<int(const Befehlszeile &)> &ausfuehren,
                             const QString &programm, const QString &endung,
                             const std::function<void()> &vorbereiten = {})
    {
        if (befehle.ohneFenster(argc, argv, ausfuehren))
            return befehle.rueckgabe();
        QApplication app(argc, argv);
        Sprachumgebung::einrichtenAlsProgramm(programm);
        if (vorbereiten)
            vorbereiten();
        return zeigeUndLaufe<Fenster>(app, endung);
    }

    // `Fenster` is the program's main window with `oeffneDatei(QString)`,
    // `stelleWiederHer(QByteArray, QString)` (false when it took the copy
    // only in part) and `rettungskopie()`;
    // `endung` its documents' ending (".zch").
    template<typename Fenster>
    static int zeigeUndLaufe(QApplication &app, const QString &endung)
    {
        Rettungskopie::setzeOrdner(Rettungskopie::standardOrdner());
        const std::unique_ptr<Fenster> fenster =
            starte<Fenster>(Startargument::datei(QCoreApplication::arguments(), endung));
        return app.exec();
    }

    // The main window as the program starts it, in this order: the question
    // about a recovery copy left by an ended instance, before anything else;
    // the window (with what it reports while it is built); the copy brought
    // back into it, when the user chose so; the window shown; then `datei`
    // opened, when given (after the question about unsaved changes, if a
    // copy was brought back). A copy the window took only in part (a ship's
    // component missing from today's lists) stays where it is and is
    // offered again at the next start, so that nothing of it is lost.
    template<typename Fenster>
    static std::unique_ptr<Fenster> starte(const QString &datei)
    {
        const std::unique_ptr<Rettungsfund> fund = WiederherstellungsFrage::stelleBeimStart();
        auto fenster = std::make_unique<Fenster>();
        if (fund && fenster->stelleWiederHer(fund->dokument(), fund->kopf().datei))
            fenster->rettungskopie()->uebernimm(fund->pfad());
        fenster->show();
        if (!datei.isEmpty())
            fenster->oeffneDatei(datei);
        return fenster;
    }
};

#endif // PROGRAMMSTART_H
