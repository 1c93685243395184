#ifndef PROGRAMMSTART_H
#define PROGRAMMSTART_H

#include "rettungsfund.h"
#include "rettungskopie.h"
#include "startargument.h"
#include "wiederherstellungsfrage.h"

#include <QApplication>

#include <memory>

// The end of each program's main(): its main window shown, the document
// that a file manager passed opened in it, and the event loop run.
class Programmstart
{
public:
    // `Fenster` is the program's main window with `oeffneDatei(QString)`,
    // `stelleWiederHer(QByteArray, QString)` and `rettungskopie()`;
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
    // copy was brought back).
    template<typename Fenster>
    static std::unique_ptr<Fenster> starte(const QString &datei)
    {
        const std::unique_ptr<Rettungsfund> fund = WiederherstellungsFrage::stelleBeimStart();
        auto fenster = std::make_unique<Fenster>();
        if (fund) {
            fenster->stelleWiederHer(fund->dokument(), fund->kopf().datei);
            fenster->rettungskopie()->uebernimm(fund->pfad());
        }
        fenster->show();
        if (!datei.isEmpty())
            fenster->oeffneDatei(datei);
        return fenster;
    }
};

#endif // PROGRAMMSTART_H
