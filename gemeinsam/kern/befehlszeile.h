#ifndef BEFEHLSZEILE_H
#define BEFEHLSZEILE_H

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

#include <functional>

class BogenPdf;
class QCommandLineParser;

// The command line of a program: its own options (German help, a manual
// page from the same table), read before the application object exists,
// so that a run without a window can choose its platform. The toolkit's
// options ("-platform", "-style", ...) are left to the toolkit; anything
// else that the program does not know and that begins with "--" is an
// error. Without options of its own the program opens its window, and the
// file arguments are the window's.
class Befehlszeile
{
public:
    struct Option
    {
        // "pdf", or several names for one option ("h", "help").
        QStringList namen;
        // The value's name in the help ("AUSGABE.pdf"); empty for a switch.
        QString wert;
        // What it does, one German sentence or two.
        QString text;
    };

    enum class Start {
        Fenster,     // no option of the program's own: the window as always
        OhneFenster, // a run without window; the platform is chosen
        Beenden,     // help, version or an error is printed; end with rueckgabe()
    };

    // `zweck` is the one-line summary ("erstellt Charaktere für ...").
    Befehlszeile(const QString &programm, const QString &version, const QString &zweck);

    // The names of the two outputs that both programs have, as gesetzt()
    // and wert() take them.
    static constexpr QLatin1String PdfOption{"pdf"};
    static constexpr QLatin1String TextOption{"text"};

    // The program's options, in the order of the help; "--help" and
    // "--version" are there already.
    void option(const Option &option);
    // The sheets of the files given as one PDF ("--pdf AUSGABE.pdf") and as
    // one text ("--text AUSGABE.txt"), each with its help; they come first.
    void ausgabeOptionen(const QString &pdfText, const QString &textText);
    // One line of the usage ("[DATEI.zch]", "--pdf AUSGABE.pdf HELD.zch ...").
    void aufruf(const QString &argumente);
    // The longer description (paragraphs separated by blank lines) and the
    // meaning of the exit statuses, for the help and the manual page.
    void setzeBeschreibung(const QString &text);
    void rueckgabewert(int wert, const QString &bedeutung);

    // Reads `argumente` (the program first). For a run without window the
    // platform "offscreen" is set (it has fonts for PDFs) and the toolkit's
    // diagnostics are silenced.
    Start lies(const QStringList &argumente);
    int rueckgabe() const;
    // What main() does first: reads the command line and, for a run
    // without window, creates the application object (German, named
    // after the program) and runs `ausfuehren`. True when the program ends
    // now with rueckgabe(); false when it opens its window.
    bool ohneFenster(int &argc, char **argv, const std::function<int(const Befehlszeile &)> &ausfuehren);

    bool gesetzt(const QString &name) const;
    QString wert(const QString &name) const;
    // The arguments that are no options, in the order given.
    QStringList dateien() const;

    QString programm() const;
    QString hilfe() const;
    // The usage lines and where to find more; for errors.
    QString kurzhilfe() const;
    // The manual page (troff, UTF-8), section 1, dated `datum`.
    QString manSeite(const QString &datum) const;

    // The arguments of main() as text.
    static QStringList argumente(int argc, char **argv);
    // One line on standard output.
    static void ausgabe(const QString &zeile);
    // One line on standard error, after the program's name.
    void meldung(const QString &zeile) const;
    // An error of the call: the message and the short usage; status 2.
    int aufrufFehler(const QString &text) const;
    // Writes `daten` into `datei` through the safe save, so that a failure
    // leaves an old file untouched; on failure a message names the file and
    // the reason. True when written.
    bool schreibe(const QString &datei, const QByteArray &daten, bool textModus) const;
    // Ends `pdf` and writes it so; a PDF that could not be made is reported.
    bool schreibePdf(const QString &datei, BogenPdf &pdf) const;

private:
    void richteEin(QCommandLineParser &parser) const;
    // The option as the help names it ("-h, --help", "--pdf AUSGABE.pdf").
    static QString namen(const Option &option);

    QString m_programm;
    QString m_version;
    QString m_zweck;
    QString m_beschreibung;
    QList<QPair<int, QString>> m_rueckgabe;
    QStringList m_aufrufe;
    QList<Option> m_optionen;
    // What lies() found: the values of each option set, under every name
    // of the option, and the file arguments.
    QHash<QString, QStringList> m_werte;
    QStringList m_dateien;
    int m_rueckgabewert = 0;
};

#endif // BEFEHLSZEILE_H
