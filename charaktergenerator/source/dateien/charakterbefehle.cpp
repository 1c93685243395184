#include "charakterbefehle.h"

#include "bogenpdf.h"
#include "charakter.h"
#include "charakterbogen.h"
#include "charaktertext.h"
#include "charakterxml.h"
#include "regelwerk.h"
#include "zufallscharakter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringEncoder>
#include <QTextDocument>

#include <functional>

namespace {

const QString zufallOption = QStringLiteral("zufall");
const QString speziesOption = QStringLiteral("spezies");
const QString startwertOption = QStringLiteral("startwert");
const QString sensitivOption = QStringLiteral("sensitiv");
const QString spezialgebieteOption = QStringLiteral("spezialgebiete");
const QString anzahlOption = QStringLiteral("anzahl");
// The most files one call draws.
constexpr int MaxAnzahl = 100000;

// File number k of `ausgabe`: "AUSGABE-k.zch".
QString nummerierteDatei(const QString &ausgabe, int k)
{
    const int punkt = ausgabe.lastIndexOf(QLatin1Char('.'));
    const int ordner = qMax(ausgabe.lastIndexOf(QLatin1Char('/')), ausgabe.lastIndexOf(QDir::separator()));
    const QString nummer = QStringLiteral("-%1").arg(k);
    if (punkt <= ordner + 1)
        return ausgabe + nummer;
    return ausgabe.left(punkt) + nummer + ausgabe.mid(punkt);
}

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

// Reads every file of `dateien` into one character and hands it on;
// unreadable ones are reported and skipped. False when one was.
bool liesAlle(const Befehlszeile &befehle, const QStringList &dateien,
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
        QStringList angepasst;
        CharakterXml::lesen(dokument, &charakter, &angepasst);
        if (!angepasst.isEmpty()) {
            befehle.meldung(QStringLiteral("In der Datei %1 wurden Werte auf das Erlaubte gesetzt: %2")
                                .arg(anzeige, angepasst.join(QStringLiteral("; "))));
        }
        weiter(&charakter);
    }
    return alle;
}

// --zufall: draws one character, or --anzahl of them, into files and
// prints each file's start value.
int zufall(const Befehlszeile &befehle)
{
    if (befehle.gesetzt(Befehlszeile::PdfOption) || befehle.gesetzt(Befehlszeile::TextOption))
        return befehle.aufrufFehler(QStringLiteral("--zufall lässt sich nicht mit --pdf oder --text verbinden."));
    if (!befehle.dateien().isEmpty())
        return befehle.aufrufFehler(QStringLiteral("--zufall liest keine Charakterdateien."));
    const QString ausgabe = befehle.wert(zufallOption);

    Regelwerk regelwerk;
    Zufallscharakter::Einstellungen einstellungen;
    einstellungen.paranormal = befehle.gesetzt(sensitivOption);
    einstellungen.spezialgebiete = befehle.gesetzt(spezialgebieteOption);
    if (befehle.gesetzt(speziesOption)) {
        const QString name = befehle.wert(speziesOption).trimmed();
        const QStringList namen = regelwerk.basistypNamen();
        einstellungen.basistyp = -1;
        for (int i = 0; i < namen.size(); ++i)
            if (namen.at(i).compare(name, Qt::CaseInsensitive) == 0)
                einstellungen.basistyp = i;
        if (einstellungen.basistyp < 0 && name.compare(QStringLiteral("beliebig"), Qt::CaseInsensitive) != 0)
            return befehle.aufrufFehler(QStringLiteral("Unbekannter Basistypus „%1“. Bekannt sind: beliebig, %2.")
                                            .arg(name, namen.join(QStringLiteral(", "))));
    }

    int anzahl = 1;
    if (befehle.gesetzt(anzahlOption)) {
        bool ok = false;
        anzahl = befehle.wert(anzahlOption).toInt(&ok);
        if (!ok || anzahl < 1 || anzahl > MaxAnzahl)
            return befehle.aufrufFehler(QStringLiteral("--anzahl braucht eine Zahl von 1 bis %1.").arg(MaxAnzahl));
    }
    quint64 startwert = Zufallscharakter::frischerStartwert();
    if (befehle.gesetzt(startwertOption)) {
        bool ok = false;
        startwert = befehle.wert(startwertOption).trimmed().toUInt(&ok);
        if (!ok)
            return befehle.aufrufFehler(QStringLiteral("--startwert braucht eine Zahl von 0 bis 4294967295."));
    }
    if (startwert + quint64(anzahl) - 1 > 0xffffffffu)
        return befehle.aufrufFehler(QStringLiteral("Startwert und Anzahl reichen über 4294967295 hinaus."));

    Charakter charakter(&regelwerk);
    bool alle = true;
    for (int k = 1; k <= anzahl; ++k) {
        einstellungen.startwert = quint32(startwert + quint64(k) - 1);
        Zufallscharakter::erzeuge(&charakter, einstellungen);
        const QString datei = befehle.gesetzt(anzahlOption) ? nummerierteDatei(ausgabe, k) : ausgabe;
        if (befehle.schreibe(datei, CharakterXml::schreiben(&charakter), false))
            Befehlszeile::ausgabe(QStringLiteral("%1: Startwert %2")
                                      .arg(QDir::toNativeSeparators(datei))
                                      .arg(einstellungen.startwert));
        else
            alle = false;
    }
    return alle ? 0 : 1;
}

} // namespace

Befehlszeile CharakterBefehle::befehlszeile()
{
    Befehlszeile b(QStringLiteral("charaktergenerator"), QLatin1String(ZORVEL_CHARAKTERGENERATOR_VERSION),
                   QStringLiteral("erstellt Spielercharaktere für das Rollenspiel ZORVEL"));
    b.aufruf(QStringLiteral("[DATEI.zch]"));
    b.aufruf(QStringLiteral("--pdf AUSGABE.pdf HELD.zch [HELD2.zch ...]"));
    b.aufruf(QStringLiteral("--text AUSGABE.txt HELD.zch [HELD2.zch ...]"));
    b.aufruf(QStringLiteral("--zufall AUSGABE.zch [--spezies NAME] [--startwert N] [--sensitiv] "
                            "[--spezialgebiete] [--anzahl K]"));
    b.setzeBeschreibung(QStringLiteral(
        "Der Charaktergenerator führt in sechs Schritten durch die Erschaffung eines Charakters "
        "nach den Regeln von ZORVEL2. Ohne Optionen öffnet er sein Fenster; eine "
        "Charakterdatei (*.zch) als Argument wird darin geöffnet.\n\n"
        "Mit --pdf oder --text öffnet er kein Fenster und braucht keine grafische Oberfläche: "
        "er schreibt die Bögen der genannten Charakterdateien und beendet sich. Mit --zufall "
        "würfelt er einen vollständigen Charakter nach den Regeln aus und speichert ihn; "
        "derselbe Startwert mit denselben Einstellungen ergibt dieselbe Datei. Meldungen "
        "stehen auf der Standardfehlerausgabe. Eine Datei, die sich nicht lesen lässt, wird "
        "gemeldet und übersprungen. Die Ausgabedatei wird erst ersetzt, wenn sie vollständig "
        "geschrieben ist."));
    b.ausgabeOptionen(QStringLiteral("Schreibt die Charakterbögen der Dateien in der angegebenen "
                                     "Reihenfolge in eine PDF-Datei; jeder beginnt auf einer neuen Seite."),
                      QStringLiteral("Schreibt die Charakterbögen als Text, mehrere durch einen "
                                     "Seitenvorschub getrennt."));
    b.option({{zufallOption}, QStringLiteral("AUSGABE.zch"),
              QStringLiteral("Würfelt einen Charakter nach den Regeln aus und speichert ihn; "
                             "der Startwert steht auf der Standardausgabe.")});
    b.option({{speziesOption}, QStringLiteral("NAME"),
              QStringLiteral("Der Basistypus des Zufallscharakters, etwa „Terranerin“; ohne "
                             "diese Option oder mit „beliebig“ wird auch er gewürfelt.")});
    b.option({{startwertOption}, QStringLiteral("N"),
              QStringLiteral("Der Startwert (0 bis 4294967295); ohne diese Option ein neuer.")});
    b.option({{sensitivOption}, QString(),
              QStringLiteral("Der Zufallscharakter ist paranormal begabt, sofern sein Basistypus "
                             "MP nutzen kann.")});
    b.option({{spezialgebieteOption}, QString(),
              QStringLiteral("Der Zufallscharakter verwendet das Modul Spezialgebiete.")});
    b.option({{anzahlOption}, QStringLiteral("K"),
              QStringLiteral("Würfelt K Charaktere in die Dateien AUSGABE-1.zch bis AUSGABE-K.zch, "
                             "Datei k mit dem Startwert N + k - 1.")});
    b.rueckgabewert(0, QStringLiteral("Alles wurde geschrieben."));
    b.rueckgabewert(1, QStringLiteral("Eine Datei ließ sich nicht lesen oder nicht schreiben."));
    b.rueckgabewert(2, QStringLiteral("Der Aufruf ist fehlerhaft, etwa eine unbekannte Option."));
    return b;
}

int CharakterBefehle::fuehreAus(const Befehlszeile &befehle)
{
    if (befehle.gesetzt(zufallOption))
        return zufall(befehle);
    for (const QString &o : { speziesOption, startwertOption, sensitivOption, spezialgebieteOption, anzahlOption })
        if (befehle.gesetzt(o))
            return befehle.aufrufFehler(QStringLiteral("„--%1“ gilt nur mit --zufall.").arg(o));
    const bool pdf = befehle.gesetzt(Befehlszeile::PdfOption);
    const bool text = befehle.gesetzt(Befehlszeile::TextOption);
    const QStringList dateien = befehle.dateien();
    if (!pdf && !text)
        return befehle.aufrufFehler(QStringLiteral("Es fehlt --pdf oder --text."));
    if (dateien.isEmpty())
        return befehle.aufrufFehler(QStringLiteral("Es fehlt die Charakterdatei."));

    BogenPdf bogen(QFileInfo(befehle.wert(Befehlszeile::PdfOption)).completeBaseName(), CharakterBogen::programm());
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
        geschrieben = befehle.schreibePdf(befehle.wert(Befehlszeile::PdfOption), bogen);
    if (text) {
        // As the window's export writes it: the system's 8-bit encoding.
        QStringEncoder kodierer(QStringConverter::System);
        const QByteArray daten = kodierer.encode(bogenText);
        geschrieben = befehle.schreibe(befehle.wert(Befehlszeile::TextOption), daten, true) && geschrieben;
    }
    return alleGelesen && geschrieben ? 0 : 1;
}
