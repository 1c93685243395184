#include "schiffsbefehle.h"

#include "bogenpdf.h"
#include "datenordner.h"
#include "komponentenbibliothek.h"
#include "listenabgleich.h"
#include "listenpruefung.h"
#include "schiffsbogen.h"
#include "schiffsdatei.h"
#include "schiffsexport.h"
#include "schiffsmodel.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextDocument>

namespace {

const QString datenOption = QStringLiteral("daten");
const QString pruefenOption = QStringLiteral("pruefen");
const QString schiffOption = QStringLiteral("pruefen-schiff");

QString anzahlBefunde(qsizetype n)
{
    if (n == 0)
        return QStringLiteral("keine Befunde");
    return n == 1 ? QStringLiteral("1 Befund") : QStringLiteral("%1 Befunde").arg(n);
}

// The list check of `ordner`: one line per finding and a count.
int pruefeListen(const Befehlszeile &befehle, const QString &ordner)
{
    if (!QFileInfo(QDir(ordner).filePath(QStringLiteral("listen"))).isDir()) {
        befehle.meldung(QStringLiteral("Der Ordner %1 enthält keine Listen (keinen Ordner „listen“).")
                            .arg(QDir::toNativeSeparators(ordner)));
        return 2;
    }
    const QList<ListenBefund> befunde = ListenPruefung::pruefe(ordner);
    for (const ListenBefund &b : befunde) {
        const QString datei = QDir::toNativeSeparators(b.datei);
        Befehlszeile::ausgabe(b.zeile > 0 ? QStringLiteral("%1:%2: %3").arg(datei).arg(b.zeile).arg(b.text)
                                          : QStringLiteral("%1: %2").arg(datei, b.text));
    }
    Befehlszeile::ausgabe(anzahlBefunde(befunde.size()));
    return befunde.isEmpty() ? 0 : 1;
}

// Sheets, text export and comparison with today's lists of the ship files
// given.
int bearbeiteSchiffe(const Befehlszeile &befehle)
{
    const bool pdf = befehle.gesetzt(Befehlszeile::PdfOption);
    const bool text = befehle.gesetzt(Befehlszeile::TextOption);
    const bool abgleich = befehle.gesetzt(schiffOption);

    QString vorlage;
    if (text) {
        const QString pfad = DatenOrdner::pfad(QStringLiteral("exportvorlage.zse"));
        QFile datei(pfad);
        if (!datei.open(QIODevice::ReadOnly | QIODevice::Text)) {
            befehle.meldung(QStringLiteral("Die Exportvorlage %1 lässt sich nicht lesen: %2")
                                .arg(QDir::toNativeSeparators(pfad), datei.errorString()));
            return 1;
        }
        vorlage = QString::fromUtf8(datei.readAll());
    }

    KomponentenBibliothek bibliothek;
    bibliothek.lade();
    if (!DatenOrdner::hatListen()) {
        befehle.meldung(QStringLiteral("Es wurden keine Komponentenlisten gefunden. Gesucht wurde in: %1")
                            .arg(DatenOrdner::durchsucht().join(QStringLiteral(", "))));
    }

    BogenPdf bogen(QFileInfo(befehle.wert(Befehlszeile::PdfOption)).completeBaseName(), SchiffsBogen::programm());
    QString exportText;
    bool alleGelesen = true;
    bool abweichend = false;
    const SchiffsDatei leser(&bibliothek);
    for (const QString &datei : befehle.dateien()) {
        const QString anzeige = QDir::toNativeSeparators(datei);
        SchiffsDatei::Inhalt inhalt = leser.lies(datei);
        if (inhalt.befund != SchiffsDatei::Befund::Gelesen) {
            befehle.meldung(inhalt.grund + QStringLiteral(" Sie wird übersprungen."));
            alleGelesen = false;
            continue;
        }
        if (!inhalt.nichtGefunden.isEmpty()) {
            befehle.meldung(QStringLiteral("In der Datei %1 wurden Komponenten nicht gefunden: %2")
                                .arg(anzeige, inhalt.nichtGefunden.join(QStringLiteral(", "))));
            // A component that no list knows is one the ship no longer has
            // as built: the comparison with the lists must not pass.
            abweichend = abweichend || abgleich;
        }
        if (!inhalt.angepasst.isEmpty()) {
            befehle.meldung(QStringLiteral("In der Datei %1 wurden Werte auf das Erlaubte gesetzt: %2")
                                .arg(anzeige, inhalt.angepasst.join(QStringLiteral("; "))));
        }
        SchiffsModel model;
        for (SchiffsDatei::Eintrag &e : inhalt.komponenten)
            model.addKomponente(e.komponente.release(), e.anzahl);
        if (pdf) {
            const SchiffsDaten d = model.berechne();
            QTextDocument dokument;
            SchiffsBogen::fuelle(&dokument, &model, d, inhalt.name, inhalt.beschreibung);
            bogen.fuegeAn(dokument);
        }
        if (text) {
            if (!exportText.isEmpty())
                exportText += QLatin1Char('\f');
            exportText += SchiffsExport::text(&model, vorlage, inhalt.name, inhalt.beschreibung);
        }
        if (abgleich) {
            const QStringList zeilen = ListenAbgleich::texte(ListenAbgleich::vergleiche(&model, &bibliothek));
            for (const QString &zeile : zeilen)
                Befehlszeile::ausgabe(QStringLiteral("%1: %2").arg(anzeige, zeile));
            abweichend = abweichend || !zeilen.isEmpty();
        }
    }

    bool geschrieben = true;
    if (pdf && bogen.boegen() > 0)
        geschrieben = befehle.schreibePdf(befehle.wert(Befehlszeile::PdfOption), bogen);
    if (text && !exportText.isEmpty())
        geschrieben =
            befehle.schreibe(befehle.wert(Befehlszeile::TextOption), exportText.toUtf8(), true) && geschrieben;
    if ((pdf || text) && bogen.boegen() == 0 && exportText.isEmpty())
        befehle.meldung(QStringLiteral("Keine der Dateien ließ sich lesen; es wurde nichts geschrieben."));
    return alleGelesen && geschrieben && !abweichend ? 0 : 1;
}

} // namespace

Befehlszeile SchiffsBefehle::befehlszeile()
{
    Befehlszeile b(QStringLiteral("schiffsbau"), QLatin1String(ZORVEL_SCHIFFSBAU_VERSION),
                   QStringLiteral("entwirft Raumschiffe für das Rollenspiel ZORVEL"));
    b.aufruf(QStringLiteral("[DATEI.zss]"));
    // The three tasks on ship files take the same arguments.
    for (const char *aufgabe : {"--pdf AUSGABE.pdf", "--text AUSGABE.txt", "--pruefen-schiff"})
        b.aufruf(QStringLiteral("[--daten ORDNER] %1 SCHIFF.zss [SCHIFF2.zss ...]").arg(QLatin1String(aufgabe)));
    b.aufruf(QStringLiteral("--pruefen [ORDNER]"));
    b.setzeBeschreibung(QStringLiteral(
        "Der Schiffsbau-Assistent baut Raumschiffe aus einer Bibliothek von Komponenten, die er "
        "beim Start aus den Listen seines Datenordners liest. Ohne Optionen öffnet er sein "
        "Fenster; eine Schiffsdatei (*.zss) als Argument wird darin geöffnet.\n\n"
        "Mit --pdf, --text, --pruefen-schiff oder --pruefen öffnet er kein Fenster und braucht "
        "keine grafische Oberfläche. Meldungen stehen auf der Standardfehlerausgabe. Eine Datei, "
        "die sich nicht lesen lässt, wird gemeldet und übersprungen. Eine Ausgabedatei wird erst "
        "ersetzt, wenn sie vollständig geschrieben ist.\n\n"
        "Der Datenordner ist der erste dieser Ordner, der einen Ordner „listen“ enthält: der "
        "aktuelle Ordner, ~/.local/share/zorvel2/schiffsbau und der installierte Datenordner "
        "(/usr/share/zorvel2/schiffsbau)."));
    b.ausgabeOptionen(QStringLiteral("Schreibt die Datenblätter der Schiffsdateien in der angegebenen "
                                     "Reihenfolge in eine PDF-Datei; jedes beginnt auf einer neuen Seite."),
                      QStringLiteral("Schreibt den Textexport der Schiffe nach der Exportvorlage des "
                                     "Datenordners, mehrere durch einen Seitenvorschub getrennt."));
    b.option({{datenOption}, QStringLiteral("ORDNER"),
              QStringLiteral("Liest Listen und Exportvorlage aus diesem Datenordner statt aus dem "
                             "gefundenen.")});
    b.option({{schiffOption}, QString(),
              QStringLiteral("Nennt für jedes Schiff die Komponenten, deren gespeicherte Werte "
                             "von den heutigen Listen abweichen oder die in keiner Liste mehr "
                             "stehen, eine Zeile je Komponente.")});
    b.option({{pruefenOption}, QString(),
              QStringLiteral("Prüft die Listen des Datenordners (ohne ORDNER der, den das "
                             "Programm verwendet) und gibt jeden Befund als „datei:zeile: text“ "
                             "aus, zuletzt die Zahl der Befunde.")});
    b.rueckgabewert(0, QStringLiteral("Alles wurde geschrieben; keine Befunde, keine Abweichungen."));
    b.rueckgabewert(1, QStringLiteral("Eine Datei ließ sich nicht lesen oder nicht schreiben, die "
                                      "Listen haben Befunde oder ein Schiff weicht von den Listen ab."));
    b.rueckgabewert(2, QStringLiteral("Der Aufruf ist fehlerhaft, etwa eine unbekannte Option, oder "
                                      "der Ordner enthält keine Listen."));
    return b;
}

int SchiffsBefehle::fuehreAus(const Befehlszeile &befehle)
{
    if (befehle.gesetzt(datenOption)) {
        const QString ordner = befehle.wert(datenOption);
        if (!QFileInfo(ordner).isDir()) {
            return befehle.aufrufFehler(QStringLiteral("Der Datenordner %1 existiert nicht.")
                                            .arg(QDir::toNativeSeparators(ordner)));
        }
        DatenOrdner::setze(ordner, {QDir::toNativeSeparators(ordner)});
    } else {
        DatenOrdner::suche();
    }

    // A task on ship files: sheets, text or the comparison with the lists.
    const bool schiffsAufgabe = befehle.gesetzt(Befehlszeile::PdfOption) || befehle.gesetzt(Befehlszeile::TextOption)
                                || befehle.gesetzt(schiffOption);
    if (befehle.gesetzt(pruefenOption)) {
        const QStringList ordner = befehle.dateien();
        if (ordner.size() > 1)
            return befehle.aufrufFehler(QStringLiteral("--pruefen prüft nur einen Ordner."));
        if (schiffsAufgabe)
            return befehle.aufrufFehler(QStringLiteral("--pruefen lässt sich nicht mit anderen Aufgaben verbinden."));
        const QString daten = DatenOrdner::ordner().isEmpty() ? QStringLiteral(".") : DatenOrdner::ordner();
        return pruefeListen(befehle, ordner.isEmpty() ? daten : ordner.first());
    }
    if (!schiffsAufgabe)
        return befehle.aufrufFehler(QStringLiteral("Es fehlt --pdf, --text, --pruefen-schiff oder --pruefen."));
    if (befehle.dateien().isEmpty())
        return befehle.aufrufFehler(QStringLiteral("Es fehlt die Schiffsdatei."));
    return bearbeiteSchiffe(befehle);
}
