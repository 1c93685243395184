#include "charakterbefehle.h"

#include "bogenpdf.h"
#include "charakter.h"
#include "charakterbogen.h"
#include "charaktertext.h"
#include "charakterxml.h"
#include "regelwerk.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringEncoder>

namespace {

const QString pdfOption = QStringLiteral("pdf");
const QString textOption = QStringLiteral("text");

// Why a character document cannot be read, for the message.
QString grund(const CharakterXml::Befund &befund)
{
    switch (befund.art) {
    case CharakterXml::Befund::Leer:
        return QStringLiteral("Sie ist leer.");
    case CharakterXml::Befund::KeinCharakter:
        return QStringLiteral("Sie ist keine ZORVEL-Charakterdatei.");
    case CharakterXml::Befund::Beschaedigt:
        return QStringLiteral("Sie ist beschädigt (Zeile %1, Spalte %2).")
            .arg(befund.zeile)
            .arg(befund.spalte);
    case CharakterXml::Befund::Lesbar:
        break;
    }
    return QString();
}

} // namespace

Befehlszeile CharakterBefehle::befehlszeile()
{
    Befehlszeile b(QStringLiteral("charaktergenerator"), QStringLiteral("0.9.3"),
                   QStringLiteral("erstellt Spielercharaktere für das Rollenspiel ZORVEL"));
    b.aufruf(QStringLiteral("[DATEI.zch]"));
    b.aufruf(QStringLiteral("--pdf AUSGABE.pdf HELD.zch [HELD2.zch ...]"));
    b.aufruf(QStringLiteral("--text AUSGABE.txt HELD.zch [HELD2.zch ...]"));
    b.setzeBeschreibung(QStringLiteral(
        "Der Charaktergenerator führt in sechs Schritten durch die Erschaffung eines Charakters "
        "nach den Regeln von ZORVEL2. Ohne Optionen öffnet er sein Fenster; eine "
        "Charakterdatei (*.zch) als Argument wird darin geöffnet.\n\n"
        "Mit --pdf oder --text öffnet er kein Fenster und braucht keine grafische Oberfläche: "
        "er schreibt die Bögen der genannten Charakterdateien und beendet sich. Meldungen "
        "stehen auf der Standardfehlerausgabe. Eine Datei, die sich nicht lesen lässt, wird "
        "gemeldet und übersprungen. Die Ausgabedatei wird erst ersetzt, wenn sie vollständig "
        "geschrieben ist."));
    b.option({{pdfOption}, QStringLiteral("AUSGABE.pdf"),
              QStringLiteral("Schreibt die Charakterbögen der Dateien in der angegebenen "
                             "Reihenfolge in eine PDF-Datei; jeder beginnt auf einer neuen Seite.")});
    b.option({{textOption}, QStringLiteral("AUSGABE.txt"),
              QStringLiteral("Schreibt die Charakterbögen als Text, mehrere durch einen "
                             "Seitenvorschub getrennt.")});
    b.rueckgabewert(0, QStringLiteral("Alles wurde geschrieben."));
    b.rueckgabewert(1, QStringLiteral("Eine Datei ließ sich nicht lesen oder nicht schreiben."));
    b.rueckgabewert(2, QStringLiteral("Der Aufruf ist fehlerhaft, etwa eine unbekannte Option."));
    return b;
}

bool CharakterBefehle::liesAlle(const Befehlszeile &befehle, const QStringList &dateien,
                                const std::function<void(Charakter *)> &weiter)
{
    Regelwerk regelwerk;
    Charakter charakter(&regelwerk);
    bool alle = true;
    for (const QString &datei : dateien) {
        const QString anzeige = QDir::toNativeSeparators(datei);
        QFile quelle(datei);
        if (QFileInfo(datei).isDir() || !quelle.open(QIODevice::ReadOnly)) {
            befehle.meldung(QStringLiteral("Die Datei %1 lässt sich nicht lesen: %2 Sie wird übersprungen.")
                                .arg(anzeige, QFileInfo(datei).isDir()
                                                  ? QStringLiteral("Das ist ein Ordner.")
                                                  : quelle.errorString() + QLatin1Char('.')));
            alle = false;
            continue;
        }
        const QByteArray dokument = quelle.readAll();
        const CharakterXml::Befund befund = CharakterXml::pruefe(dokument);
        if (befund.art != CharakterXml::Befund::Lesbar) {
            befehle.meldung(QStringLiteral("Die Datei %1 lässt sich nicht lesen: %2 Sie wird übersprungen.")
                                .arg(anzeige, grund(befund)));
            alle = false;
            continue;
        }
        charakter.zuruecksetzen();
        QBuffer puffer;
        puffer.setData(dokument);
        puffer.open(QIODevice::ReadOnly);
        QStringList angepasst;
        CharakterXml::lesen(&puffer, &charakter, &angepasst);
        if (!angepasst.isEmpty()) {
            befehle.meldung(QStringLiteral("In der Datei %1 wurden Werte auf das Erlaubte gesetzt: %2")
                                .arg(anzeige, angepasst.join(QStringLiteral("; "))));
        }
        weiter(&charakter);
    }
    return alle;
}

int CharakterBefehle::fuehreAus(const Befehlszeile &befehle)
{
    const bool pdf = befehle.gesetzt(pdfOption);
    const bool text = befehle.gesetzt(textOption);
    const QStringList dateien = befehle.dateien();
    if (!pdf && !text)
        return befehle.aufrufFehler(QStringLiteral("Es fehlt --pdf oder --text."));
    if (dateien.isEmpty())
        return befehle.aufrufFehler(QStringLiteral("Es fehlt die Charakterdatei."));

    BogenPdf bogen(QFileInfo(befehle.wert(pdfOption)).completeBaseName(), CharakterBogen::programm());
    QString bogenText;
    const bool alleGelesen = liesAlle(befehle, dateien, [&](Charakter *c) {
        if (pdf) {
            QTextDocument dokument;
            CharakterBogen::fuelle(&dokument, c);
            bogen.fuegeAn(dokument);
        }
        if (text) {
            if (!bogenText.isEmpty())
                bogenText += QLatin1Char('\f');
            bogenText += CharakterText::bogen(c);
        }
    });
    if (bogen.boegen() == 0 && bogenText.isEmpty()) {
        befehle.meldung(QStringLiteral("Keine der Dateien ließ sich lesen; es wurde nichts geschrieben."));
        return 1;
    }

    bool geschrieben = true;
    if (pdf)
        geschrieben = befehle.schreibePdf(befehle.wert(pdfOption), bogen);
    if (text) {
        // As the window's export writes it: the system's 8-bit encoding.
        QStringEncoder kodierer(QStringConverter::System);
        const QByteArray daten = kodierer.encode(bogenText);
        geschrieben = befehle.schreibe(befehle.wert(textOption), daten, true) && geschrieben;
    }
    return alleGelesen && geschrieben ? 0 : 1;
}
