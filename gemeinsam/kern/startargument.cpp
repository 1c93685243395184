#include "startargument.h"

#include <QFileInfo>
#include <QUrl>

QString Startargument::datei(const QStringList &argumente, const QString &endung)
{
    for (int i = 1; i < argumente.size(); ++i) {
        // A file manager may pass a "file:" URL instead of a path.
        const QUrl url(argumente.at(i));
        const QString a = url.isLocalFile() ? url.toLocalFile() : argumente.at(i);
        if (a.endsWith(endung, Qt::CaseInsensitive) && !a.startsWith(QLatin1Char('-')))
            return QFileInfo(a).absoluteFilePath();
    }
    return QString();
}
