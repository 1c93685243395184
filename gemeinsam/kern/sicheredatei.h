#ifndef SICHEREDATEI_H
#define SICHEREDATEI_H

#include <QByteArray>
#include <QString>

// Writes a whole document into a file so that the file is either the old
// one or the complete new one: the bytes go into a temporary file beside it,
// which replaces the target only once every byte reached the disk. The
// result says what went wrong, in the terms that a program's message needs.
class SichereDatei
{
public:
    enum class Fehler {
        Keiner,
        IstOrdner,       // the name belongs to a folder
        OrdnerFehlt,     // the folder of the file does not exist
        NichtGeoeffnet,  // the temporary file could not be created
        Unvollstaendig,  // not every byte was written (a full disk)
        NichtUebernommen // the temporary file could not replace the target
    };

    struct Ergebnis {
        Fehler fehler = Fehler::Keiner;
        // The system's description, where it gave one.
        QString systemText;
        qint64 geschrieben = 0;
        qint64 erwartet = 0;
        bool ok() const { return fehler == Fehler::Keiner; }
    };

    // `textModus`: line ends as the platform writes them.
    static Ergebnis schreibe(const QString &datei, const QByteArray &daten, bool textModus = false);
};

#endif // SICHEREDATEI_H
