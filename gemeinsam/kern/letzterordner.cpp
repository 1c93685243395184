#include "letzterordner.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace {
const char *const schluessel = "letzterOrdner";
}

QString LetzterOrdner::ordner()
{
    const QString gemerkt = QSettings().value(QLatin1String(schluessel)).toString();
    if (!gemerkt.isEmpty() && QFileInfo(gemerkt).isDir())
        return gemerkt;
    return QDir::homePath();
}

void LetzterOrdner::merke(const QString &datei)
{
    if (datei.isEmpty())
        return;
    QSettings().setValue(QLatin1String(schluessel), QFileInfo(datei).absolutePath());
}

QString LetzterOrdner::dateiname(const QString &name)
{
    QString ergebnis;
    ergebnis.reserve(name.size());
    for (const QChar z : name) {
        if (z.category() == QChar::Other_Control || QStringLiteral("/\\:*?\"<>|").contains(z))
            ergebnis += QLatin1Char('_');
        else
            ergebnis += z;
    }
    ergebnis = ergebnis.trimmed();
    // "." and ".." name folders, and a leading dot hides the file.
    while (ergebnis.startsWith(QLatin1Char('.')))
        ergebnis.remove(0, 1);
    return ergebnis.trimmed();
}
