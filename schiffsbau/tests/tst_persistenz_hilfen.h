// Helpers shared by the tests of ship files and the template export.
#ifndef TST_PERSISTENZ_HILFEN_H
#define TST_PERSISTENZ_HILFEN_H

#include "komponente.h"
#include "komponentenbibliothek.h"
#include "persistenz.h"

#include <QDir>
#include <QFile>
#include <QList>
#include <QMessageBox>
#include <QString>
#include <QStringList>

#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>

// Persistenz whose file dialog answers with a prepared name and whose
// message boxes are recorded instead of shown.
class TestPersistenz : public Persistenz
{
public:
    struct Meldung
    {
        QMessageBox::Icon symbol;
        QString titel;
        QString text;
    };

    using Persistenz::Persistenz;

    QString naechsteDatei;
    QStringList fragen; // captions and filters of the dialogs asked
    QList<Meldung> meldungen;
    // The answer to a box that offers a choice beside Ok (recorded among
    // the others): true takes the choice.
    bool waehle = false;

protected:
    QString frageDatei(const QString& titel, const QString& filter) override
    {
        fragen << titel << filter;
        return naechsteDatei;
    }
    void meldung(QMessageBox::Icon symbol, const QString& titel, const QString& text) override
    {
        meldungen.append({symbol, titel, text});
    }
    bool meldungMitWahl(QMessageBox::Icon symbol, const QString& titel, const QString& text,
                        const QString& wahl) override
    {
        meldungen.append({symbol, titel, text + QStringLiteral(" [") + QString(wahl).remove(QLatin1Char('&')) + QLatin1Char(']')});
        return waehle;
    }
};

inline QByteArray leseBytes(const QString& pfad)
{
    QFile f(pfad);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray("<nicht lesbar>");
    return f.readAll();
}

inline bool schreibeBytes(const QString& pfad, const QByteArray& daten)
{
    QFile f(pfad);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(daten) == daten.size();
}

// One list row for category `kat`, built from the columns that a component
// of that kind shows: texts, integers and decimal numbers as the column
// holds them, the unit last. `nr` varies names and values.
inline QStringList listenZeile(const KomponentenBibliothek& bib, int kat, int nr)
{
    Komponente* muster = bib.neu(kat);
    const int spalten = muster->spaltenAnzahl();
    QStringList felder;
    for (int s = 0; s < spalten; ++s) {
        const int typ = muster->spaltenWert(s).typeId();
        if (s == 0)
            felder << QStringLiteral("Kühler Größe %1-%2").arg(kat).arg(nr);
        else if (s == 1)
            felder << QStringLiteral("Müller & Söhne");
        else if (s == 2)
            felder << QStringLiteral("B");
        else if (s == spalten - 1)
            felder << (nr % 2 ? QStringLiteral("Stück") : QStringLiteral("GSTPV"));
        else if (typ == QMetaType::Float && nr == 2)
            felder << (s % 2 ? QStringLiteral("25000000") : QStringLiteral("0.0000125"));
        else if (typ == QMetaType::Float)
            felder << QStringLiteral("%1.5").arg(s + nr);
        else if (typ == QMetaType::QString)
            felder << QStringLiteral("Strahl ß %1").arg(nr);
        else
            felder << QString::number(kat * 10 + s + nr);
    }
    delete muster;
    return felder;
}

// Writes a list file with three rows for every category read from list files
// into `ordner`/listen (Latin-1, as the library reads it); the third row
// has very large and very small decimal numbers.
inline void schreibeListen(const QString& ordner)
{
    QDir(ordner).mkpath(QStringLiteral("listen"));
    KomponentenBibliothek leer;
    for (int kat = 0; kat < KomponentenBibliothek::AnzahlKategorien; ++kat) {
        const QString muster = KomponentenBibliothek::dateiMuster(kat);
        if (muster.isEmpty())
            continue;
        QString text = QStringLiteral("Kopfzeile\n");
        for (int nr = 0; nr < 3; ++nr)
            text += listenZeile(leer, kat, nr).join(QLatin1Char(';')) + QStringLiteral("\n");
        QString name = muster;
        name.replace(QLatin1Char('*'), QStringLiteral("_test"));
        schreibeBytes(ordner + QStringLiteral("/listen/") + name, text.toLatin1());
    }
}

// Runs `arbeit` in a child process whose files may grow to at most
// `grenze` bytes (a full disk, as seen by the program; SIGXFSZ is ignored
// so that the write fails instead of ending the process). The child's
// answer comes back through a pipe.
inline QByteArray imKindMitDateigrenze(rlim_t grenze, const std::function<QByteArray()>& arbeit)
{
    int rohr[2];
    if (pipe(rohr) != 0)
        return QByteArray("<pipe>");
    const pid_t pid = fork();
    if (pid < 0)
        return QByteArray("<fork>");
    if (pid == 0) {
        close(rohr[0]);
        signal(SIGXFSZ, SIG_IGN);
        struct rlimit grenzen;
        getrlimit(RLIMIT_FSIZE, &grenzen);
        grenzen.rlim_cur = grenze;
        setrlimit(RLIMIT_FSIZE, &grenzen);
        const QByteArray antwort = arbeit();
        qint64 weg = 0;
        while (weg < antwort.size()) {
            const ssize_t n = write(rohr[1], antwort.constData() + weg, size_t(antwort.size() - weg));
            if (n <= 0)
                break;
            weg += n;
        }
        close(rohr[1]);
        _exit(0);
    }
    close(rohr[1]);
    QByteArray antwort;
    char puffer[4096];
    ssize_t n;
    while ((n = read(rohr[0], puffer, sizeof puffer)) > 0)
        antwort.append(puffer, int(n));
    close(rohr[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        antwort += "<Kind abgebrochen>";
    return antwort;
}

#endif // TST_PERSISTENZ_HILFEN_H
