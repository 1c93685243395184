#include "statusmeldung.h"

#include <QDir>
#include <QMainWindow>
#include <QStatusBar>

void StatusMeldung::datei(QMainWindow *fenster, const QString &was, const QString &datei)
{
    zeige(fenster, QStringLiteral("%1: %2").arg(was, QDir::toNativeSeparators(datei)));
}

void StatusMeldung::zeige(QMainWindow *fenster, const QString &text)
{
    fenster->statusBar()->showMessage(text, dauer);
}
