#include "fenstertitel.h"

#include <QFileInfo>
#include <QWidget>

void FensterTitel::setze(QWidget *fenster, const QString &datei, const QString &programm)
{
    if (datei.isEmpty())
        fenster->setWindowTitle(programm + QStringLiteral("[*]"));
    else
        fenster->setWindowTitle(QStringLiteral("%1[*] - %2").arg(QFileInfo(datei).fileName(), programm));
}
