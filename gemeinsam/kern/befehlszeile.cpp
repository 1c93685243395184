#include "befehlszeile.h"

#include "bogenpdf.h"
#include "sicheredatei.h"
#include "sprachumgebung.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QDir>
#include <QGuiApplication>

#include <cstdio>

namespace {

// The toolkit's own options, left to the application object: those with a
// value and the switches (given with one dash or two).
const char *const qtMitWert[] = {
    "platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
    "qwindowicon", "qwindowtitle", "qwindowscreen", "style", "stylesheet", "session",
    "display", "geometry", "qmljsdebugger", "dialogs", "fontengine", "darkmode",
};
const char *const qtSchalter[] = {"reverse", "widgetcount", "nograb", "dograb", "testability"};

const int zeilenbreite = 79;
const int textEinzug = 28;

// `text` broken into lines of at most `breite` characters at blanks.
QStringList umbrochen(const QString &text, int breite)
{
    QStringList zeilen;
    QString zeile;
    const QStringList woerter = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (const QString &wort : woerter) {
        if (!zeile.isEmpty() && zeile.size() + 1 + wort.size() > breite) {
            zeilen << zeile;
            zeile.clear();
        }
        zeile += (zeile.isEmpty() ? QString() : QStringLiteral(" ")) + wort;
    }
    if (!zeile.isEmpty())
        zeilen << zeile;
    return zeilen;
}

// Text for a troff source: backslashes and minus signs kept, no line taken
// for a request.
QString troff(const QString &text)
{
    QString t = text;
    t.replace(QLatin1Char('\\'), QStringLiteral("\\e"));
    t.replace(QLatin1Char('-'), QStringLiteral("\\-"));
    if (t.startsWith(QLatin1Char('.')) || t.startsWith(QLatin1Char('\'')))
        t.prepend(QStringLiteral("\\&"));
    return t;
}

// One line on a terminal. Control characters other than line breaks and
// tabs (from a damaged file quoted in a message) are shown as "?": an
// escape sequence in a file must not reach the terminal.
void schreibeZeile(FILE *ziel, QString zeile)
{
    for (QChar &zeichen : zeile) {
        if (zeichen.category() == QChar::Other_Control && zeichen != QLatin1Char('\n')
            && zeichen != QLatin1Char('\t'))
            zeichen = QLatin1Char('?');
    }
    const QByteArray bytes = (zeile + QLatin1Char('\n')).toLocal8Bit();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), ziel);
    std::fflush(ziel);
}

// Without a window, the toolkit's diagnostics (about the platform, the
// runtime folder, fonts) are no concern of the user's: only what the
// program says itself is printed.
void stumm(QtMsgType typ, const QMessageLogContext &, const QString &text)
{
    if (typ == QtFatalMsg)
        schreibeZeile(stderr, text);
}

} // namespace

Befehlszeile::Befehlszeile(const QString &programm, const QString &version, const QString &zweck)
    : m_programm(programm), m_version(version), m_zweck(zweck)
{
    m_optionen << Option{{QStringLiteral("h"), QStringLiteral("?"), QStringLiteral("help")}, QString(),
                         QStringLiteral("Zeigt diese Hilfe und beendet das Programm.")}
               << Option{{QStringLiteral("v"), QStringLiteral("version")}, QString(),
                         QStringLiteral("Zeigt die Version und beendet das Programm.")};
}

void Befehlszeile::option(const Option &option)
{
    m_optionen << option;
}

void Befehlszeile::ausgabeOptionen(const QString &pdfText, const QString &textText)
{
    option({{PdfOption}, QStringLiteral("AUSGABE.pdf"), pdfText});
    option({{TextOption}, QStringLiteral("AUSGABE.txt"), textText});
}

void Befehlszeile::aufruf(const QString &argumente)
{
    m_aufrufe << argumente;
}

void Befehlszeile::setzeBeschreibung(const QString &text)
{
    m_beschreibung = text;
}

void Befehlszeile::rueckgabewert(int wert, const QString &bedeutung)
{
    m_rueckgabe.append({wert, bedeutung});
}

QString Befehlszeile::programm() const
{
    return m_programm;
}

void Befehlszeile::richteEin(QCommandLineParser &parser) const
{
    // "-platform" is one option, never six letters.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const Option &o : m_optionen) {
        parser.addOption(o.wert.isEmpty() ? QCommandLineOption(o.namen)
                                          : QCommandLineOption(o.namen, o.text, o.wert));
    }
    for (const char *name : qtMitWert) {
        QCommandLineOption o(QString::fromLatin1(name), QString(), QStringLiteral("wert"));
        o.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(o);
    }
    for (const char *name : qtSchalter) {
        QCommandLineOption o(QString::fromLatin1(name));
        o.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(o);
    }
}

Befehlszeile::Start Befehlszeile::lies(const QStringList &argumente)
{
    QCommandLineParser parser;
    richteEin(parser);
    m_werte.clear();
    m_dateien.clear();
    m_rueckgabewert = 0;
    const bool gelesen = parser.parse(argumente);

    // Unknown options with one dash may be the toolkit's (it ignores what
    // it does not know either); with two dashes they are errors.
    const QStringList unbekannt = parser.unknownOptionNames();
    for (const QString &a : argumente.mid(1)) {
        if (a == QLatin1String("--"))
            break;
        if (!a.startsWith(QLatin1String("--")))
            continue;
        const QString name = a.mid(2).section(QLatin1Char('='), 0, 0);
        if (unbekannt.contains(name)) {
            m_rueckgabewert = aufrufFehler(QStringLiteral("Unbekannte Option „--%1“.").arg(name));
            return Start::Beenden;
        }
    }
    if (!gelesen && unbekannt.isEmpty()) {
        // The other errors: a value missing after an option, or one given
        // to a switch ("--help=ja"). The parser's own text is English.
        const QString text = parser.errorText();
        const QString option = text.section(QLatin1Char('\''), 1, 1);
        m_rueckgabewert = aufrufFehler(text.startsWith(QLatin1String("Missing value"))
                                           ? QStringLiteral("Nach „%1“ fehlt ein Wert.").arg(option)
                                           : QStringLiteral("„%1“ nimmt keinen Wert.").arg(option));
        return Start::Beenden;
    }

    bool eigene = false;
    for (const Option &o : m_optionen) {
        if (!parser.isSet(o.namen.first()))
            continue;
        eigene = true;
        const QStringList werte = o.wert.isEmpty() ? QStringList(QString()) : parser.values(o.namen.first());
        for (const QString &name : o.namen)
            m_werte.insert(name, werte);
    }
    m_dateien = parser.positionalArguments();
    if (gesetzt(QStringLiteral("help"))) {
        ausgabe(hilfe());
        return Start::Beenden;
    }
    if (gesetzt(QStringLiteral("version"))) {
        ausgabe(QStringLiteral("%1 %2").arg(m_programm, m_version));
        return Start::Beenden;
    }
    if (!eigene)
        return Start::Fenster;

    // Fonts for the PDFs and no display needed; the toolkit's notes silenced.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(stumm);
    return Start::OhneFenster;
}

int Befehlszeile::rueckgabe() const
{
    return m_rueckgabewert;
}

bool Befehlszeile::ohneFenster(int &argc, char **argv,
                               const std::function<int(const Befehlszeile &)> &ausfuehren)
{
    switch (lies(argumente(argc, argv))) {
    case Start::Fenster:
        return false;
    case Start::OhneFenster: {
        QGuiApplication app(argc, argv);
        Sprachumgebung::einrichtenAlsProgramm(m_programm);
        m_rueckgabewert = ausfuehren(*this);
        return true;
    }
    case Start::Beenden:
        break;
    }
    return true;
}

bool Befehlszeile::gesetzt(const QString &name) const
{
    return m_werte.contains(name);
}

QString Befehlszeile::wert(const QString &name) const
{
    const QStringList werte = m_werte.value(name);
    return werte.isEmpty() ? QString() : werte.last();
}

QStringList Befehlszeile::dateien() const
{
    return m_dateien;
}

QString Befehlszeile::namen(const Option &option)
{
    QStringList teile;
    for (const QString &name : option.namen)
        teile << (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
    QString text = teile.join(QStringLiteral(", "));
    if (!option.wert.isEmpty())
        text += QLatin1Char(' ') + option.wert;
    return text;
}

QString Befehlszeile::kurzhilfe() const
{
    QStringList zeilen;
    for (int i = 0; i < m_aufrufe.size(); ++i) {
        const QString kopf = i == 0 ? QStringLiteral("Aufruf: ") : QStringLiteral("        ");
        zeilen << kopf + m_programm + QLatin1Char(' ') + m_aufrufe.at(i);
    }
    zeilen << QStringLiteral("Mehr mit „%1 --help“.").arg(m_programm);
    return zeilen.join(QLatin1Char('\n'));
}

QString Befehlszeile::hilfe() const
{
    QStringList zeilen = kurzhilfe().split(QLatin1Char('\n'));
    zeilen.removeLast();
    zeilen << QString() << QStringLiteral("%1 %2").arg(m_programm, m_zweck);
    const QStringList absaetze = m_beschreibung.split(QStringLiteral("\n\n"), Qt::SkipEmptyParts);
    for (const QString &absatz : absaetze)
        zeilen << QString() << umbrochen(absatz, zeilenbreite);
    zeilen << QString() << QStringLiteral("Optionen:");
    for (const Option &o : m_optionen) {
        QString kopf = QStringLiteral("  ") + namen(o);
        const QStringList text = umbrochen(o.text, zeilenbreite - textEinzug);
        if (kopf.size() + 2 > textEinzug) {
            zeilen << kopf;
            kopf.clear();
        }
        for (const QString &zeile : text) {
            zeilen << kopf.leftJustified(textEinzug) + zeile;
            kopf.clear();
        }
    }
    if (!m_rueckgabe.isEmpty()) {
        zeilen << QString() << QStringLiteral("Rückgabewert:");
        for (const auto &r : m_rueckgabe) {
            const QStringList text = umbrochen(r.second, zeilenbreite - 6);
            for (int i = 0; i < text.size(); ++i)
                zeilen << (i == 0 ? QStringLiteral("  %1   ").arg(r.first) : QStringLiteral("      ")) + text.at(i);
        }
    }
    return zeilen.join(QLatin1Char('\n'));
}

QString Befehlszeile::manSeite(const QString &datum) const
{
    QStringList t;
    t << QStringLiteral(".TH %1 1 \"%2\" \"%3 %4\" \"ZORVEL2\"")
             .arg(m_programm.toUpper(), datum, m_programm, m_version)
      << QStringLiteral(".SH NAME")
      << QStringLiteral("%1 \\- %2").arg(m_programm, troff(m_zweck))
      << QStringLiteral(".SH ÜBERSICHT");
    for (int i = 0; i < m_aufrufe.size(); ++i) {
        if (i > 0)
            t << QStringLiteral(".br");
        t << QStringLiteral(".B %1").arg(m_programm) << troff(m_aufrufe.at(i));
    }
    t << QStringLiteral(".SH BESCHREIBUNG");
    const QStringList absaetze = m_beschreibung.split(QStringLiteral("\n\n"), Qt::SkipEmptyParts);
    for (int i = 0; i < absaetze.size(); ++i) {
        if (i > 0)
            t << QStringLiteral(".PP");
        t << troff(absaetze.at(i).simplified());
    }
    t << QStringLiteral(".SH OPTIONEN");
    for (const Option &o : m_optionen) {
        QStringList teile;
        for (const QString &name : o.namen)
            teile << (name.size() == 1 ? QStringLiteral("\\fB\\-") : QStringLiteral("\\fB\\-\\-")) + name + QStringLiteral("\\fR");
        QString kopf = teile.join(QStringLiteral(", "));
        if (!o.wert.isEmpty())
            kopf += QStringLiteral(" \\fI%1\\fR").arg(troff(o.wert));
        t << QStringLiteral(".TP") << kopf << troff(o.text);
    }
    if (!m_rueckgabe.isEmpty()) {
        t << QStringLiteral(".SH RÜCKGABEWERT");
        for (const auto &r : m_rueckgabe)
            t << QStringLiteral(".TP") << QStringLiteral("\\fB%1\\fR").arg(r.first) << troff(r.second);
    }
    return t.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

QStringList Befehlszeile::argumente(int argc, char **argv)
{
    QStringList liste;
    for (int i = 0; i < argc; ++i)
        liste << QString::fromLocal8Bit(argv[i]);
    return liste;
}

void Befehlszeile::ausgabe(const QString &zeile)
{
    schreibeZeile(stdout, zeile);
}

void Befehlszeile::meldung(const QString &zeile) const
{
    schreibeZeile(stderr, m_programm + QStringLiteral(": ") + zeile);
}

int Befehlszeile::aufrufFehler(const QString &text) const
{
    meldung(text);
    schreibeZeile(stderr, kurzhilfe());
    return 2;
}

bool Befehlszeile::schreibe(const QString &datei, const QByteArray &daten, bool textModus) const
{
    const SichereDatei::Ergebnis ergebnis = SichereDatei::schreibe(datei, daten, textModus);
    if (ergebnis.ok())
        return true;
    QString grund = ergebnis.systemText;
    switch (ergebnis.fehler) {
    case SichereDatei::Fehler::IstOrdner:
        grund = QStringLiteral("Das ist ein Ordner.");
        break;
    case SichereDatei::Fehler::OrdnerFehlt:
        grund = QStringLiteral("Der Ordner existiert nicht.");
        break;
    case SichereDatei::Fehler::Unvollstaendig:
        grund = QStringLiteral("Es konnten nicht alle Daten geschrieben werden (ist der Datenträger voll?).");
        break;
    default:
        break;
    }
    meldung(QStringLiteral("Die Datei %1 konnte nicht geschrieben werden. %2")
                .arg(QDir::toNativeSeparators(datei), grund)
                .trimmed());
    return false;
}

bool Befehlszeile::schreibePdf(const QString &datei, BogenPdf &pdf) const
{
    const QByteArray daten = pdf.daten();
    if (daten.isEmpty()) {
        meldung(QStringLiteral("Das PDF-Dokument konnte nicht erzeugt werden."));
        return false;
    }
    return schreibe(datei, daten, false);
}
