#ifndef PROGRAMMSTART_H
#define PROGRAMMSTART_H

#include "startargument.h"

#include <QApplication>

// The end of each program's main(): its main window shown, the document
// that a file manager passed opened in it, and the event loop run.
class Programmstart
{
public:
    // `Fenster` is the program's main window with `oeffneDatei(QString)`;
    // `endung` its documents' ending (".zch").
    template<typename Fenster>
    static int zeigeUndLaufe(QApplication &app, const QString &endung)
    {
        Fenster fenster;
        fenster.show();
        const QString datei = Startargument::datei(QCoreApplication::arguments(), endung);
        if (!datei.isEmpty())
            fenster.oeffneDatei(datei);
        return app.exec();
    }
};

#endif // PROGRAMMSTART_H
