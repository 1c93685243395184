#include "sicheredatei.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

SichereDatei::Ergebnis SichereDatei::schreibe(const QString &datei, const QByteArray &daten,
                                              bool textModus)
{
    Ergebnis ergebnis;
    ergebnis.erwartet = daten.size();
    QSaveFile ziel(datei);
    QIODevice::OpenMode modus = QIODevice::WriteOnly | QIODevice::Unbuffered;
    if (textModus)
        modus |= QIODevice::Text;
    if (!ziel.open(modus)) {
        const QFileInfo info(datei);
        if (info.isDir())
            ergebnis.fehler = Fehler::IstOrdner;
        else if (!info.absoluteDir().exists())
            ergebnis.fehler = Fehler::OrdnerFehlt;
        else
            ergebnis.fehler = Fehler::NichtGeoeffnet;
        ergebnis.systemText = ziel.errorString();
        return ergebnis;
    }
    // Unbuffered, so that a short write (a full disk) shows in the result
    // of write() itself; QSaveFile would otherwise commit a cut-off file.
    ergebnis.geschrieben = qMax<qint64>(ziel.write(daten), 0);
    if (ergebnis.geschrieben != daten.size() || !ziel.flush()
        || ziel.error() != QFileDevice::NoError) {
        ergebnis.fehler = Fehler::Unvollstaendig;
        if (ziel.error() != QFileDevice::NoError)
            ergebnis.systemText = ziel.errorString();
        ziel.cancelWriting(); // the temporary file goes, the old file stays
        return ergebnis;
    }
    if (!ziel.commit()) {
        ergebnis.fehler = Fehler::NichtUebernommen;
        ergebnis.systemText = ziel.errorString();
    }
    return ergebnis;
}
