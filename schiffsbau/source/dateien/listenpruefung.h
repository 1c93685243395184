#ifndef LISTENPRUEFUNG_H
#define LISTENPRUEFUNG_H

#include <QDir>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include "komponentenbibliothek.h"
#include "listenbefund.h"

class CsvTabelle;
class Komponente;

// Checks the data files that game masters edit by hand: the component
// lists in "listen", the export template "exportvorlage.zse" and the base
// list "basisliste.zsb" of one data folder. The files are read as the
// program reads them and never changed; every problem becomes one finding
// with file and line.
class ListenPruefung
{
public:
    // All findings for the data folder, ordered by file and line; empty
    // when everything reads as the game master meant it.
    static QList<ListenBefund> pruefe(const QString &datenordner);

private:
    struct Fundort
    {
        QString datei;
        int zeile = 0;
    };

    // The columns of a kind, as a fresh component of it shows them.
    struct Art
    {
        int kat = 0;
        int spalten = 0;
        QStringList titel;
        QList<int> typen; // meta type ids of the column values
        int volumenSpalte = -1;
    };

    explicit ListenPruefung(const QString &ordner);
    QList<ListenBefund> fuehreAus();

    void befund(const QString &datei, int zeile, const QString &text);
    Art artVon(int kat) const;
    void pruefeListen();
    void pruefeListe(const QString &pfad, const Art &art, CsvTabelle &tabelle);
    void pruefeKodierung(const QString &pfad, const CsvTabelle &tabelle);
    void pruefeKopfzeile(const QString &pfad, const QStringList &felder, const Art &art);
    bool pruefeZeile(const QString &pfad, int zeile, const QStringList &felder, const Art &art);
    void pruefeZahl(const QString &pfad, int zeile, const QStringList &felder, int spalte,
                    const Art &art, const Komponente &k);
    void pruefeVorlage();
    void pruefeBasisliste();
    QString hinweis(int kat, const QString &name) const;

    QDir m_ordner;
    // Only for neu() and ausFeldern(): nothing is loaded into it.
    KomponentenBibliothek m_bibliothek;
    QList<ListenBefund> m_befunde;
    // Per category the names the library holds after loading, with the
    // place of their first occurrence.
    QList<QHash<QString, Fundort>> m_namen;
};

#endif // LISTENPRUEFUNG_H
