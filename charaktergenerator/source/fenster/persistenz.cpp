#include "persistenz.h"

#include "charakter.h"
#include "charakterbogen.h"
#include "charaktertext.h"
#include "charakterxml.h"
#include "dateidialog.h"
#include "sicheredatei.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QStringEncoder>

namespace {

bool g_antwortGesetzt = false;
QString g_naechsteDatei;
bool g_wahlGesetzt = false;
bool g_naechsteWahl = false;

} // namespace

Persistenz::Persistenz(QObject* parent)
    : QObject(parent)
{
}

Persistenz::~Persistenz() = default;

void Persistenz::setzeNaechsteDatei(const QString& datei)
{
    g_antwortGesetzt = true;
    g_naechsteDatei = datei;
}

void Persistenz::setzeNaechsteWahl(bool lesbarenTeil)
{
    g_wahlGesetzt = true;
    g_naechsteWahl = lesbarenTeil;
}

QString Persistenz::frageZieldatei(const QString& titel, const QString& filter, const QString& endung,
                                   const QString& name, const QString& bisher)
{
    if (g_antwortGesetzt) {
        g_antwortGesetzt = false;
        return g_naechsteDatei;
    }
    // The document's own file in its folder; else a name made from the
    // character's in the folder last used.
    return DateiDialog::speichern(titel, filter, endung, bisher.isEmpty() ? name : bisher);
}

void Persistenz::zeigeSchreibfehler(const QString& titel, const QString& text,
                                    const QString& datei, const QString& grund)
{
    QMessageBox::critical(nullptr, titel,
                          text.arg(QDir::toNativeSeparators(datei), grund));
}

bool Persistenz::schreibeSicher(const QString& datei, const QByteArray& daten, QString* fehler)
{
    const SichereDatei::Ergebnis ergebnis = SichereDatei::schreibe(datei, daten);
    if (ergebnis.ok())
        return true;
    if (!fehler)
        return false;
    switch (ergebnis.fehler) {
    case SichereDatei::Fehler::IstOrdner:
        *fehler = tr("Unter diesem Namen gibt es bereits einen Ordner.");
        break;
    case SichereDatei::Fehler::OrdnerFehlt:
        *fehler = tr("Der Ordner „%1“ existiert nicht.")
                      .arg(QDir::toNativeSeparators(QFileInfo(datei).absolutePath()));
        break;
    case SichereDatei::Fehler::Unvollstaendig:
        // A short write on a full disk sets no error: count the bytes.
        if (ergebnis.systemText.isEmpty()) {
            *fehler = tr("Es wurden nur %1 von %2 Bytes geschrieben; der Datenträger ist "
                         "vermutlich voll.").arg(ergebnis.geschrieben).arg(ergebnis.erwartet);
            break;
        }
        Q_FALLTHROUGH();
    default:
        *fehler = ergebnis.systemText;
    }
    return false;
}

bool Persistenz::schreibeOderMelde(const QString& datei, const QByteArray& daten,
                                   const QString& ohneDaten, const QString& titel,
                                   const QString& text)
{
    QString grund;
    bool geschrieben = false;
    if (daten.isEmpty() && !ohneDaten.isEmpty())
        grund = ohneDaten;
    else
        geschrieben = schreibeSicher(datei, daten, &grund);
    if (!geschrieben)
        zeigeSchreibfehler(titel, text, datei, grund);
    return geschrieben;
}

bool Persistenz::speichernUnter(Charakter* c, const QString& bisher)
{
    if (!c)
        return false;
    const QString datei = frageZieldatei(tr("In welche Datei soll gespeichert werden?"),
                                         tr("ZORVEL-Charakter (*.zch)"), QStringLiteral("zch"),
                                         c->text(CharakterBasis::Name), bisher);
    return !datei.isEmpty() && speichern(c, datei);
}

bool Persistenz::speichern(Charakter* c, const QString& datei)
{
    if (!c)
        return false;
    if (datei.isEmpty())
        return speichernUnter(c, QString());

    if (!schreibeOderMelde(datei, CharakterXml::schreiben(c),
                           tr("Das XML-Dokument konnte nicht erzeugt werden."),
                           tr("Speichern fehlgeschlagen"),
                           tr("Der Charakter konnte nicht in die Datei „%1“ gespeichert werden.\n\n%2")))
        return false;
    m_letzteDatei = datei;
    return true;
}

bool Persistenz::laden(QString datei, Charakter* c)
{
    if (datei.isEmpty() || !c)
        return false;

    QFile quelle(datei);
    if (!quelle.open(QIODevice::ReadOnly | QIODevice::Text)) {
        const QFileInfo info(datei);
        QString grund = quelle.errorString();
        if (info.isDir())
            grund = tr("Das ist ein Ordner, keine Datei.");
        else if (!info.exists())
            grund = tr("Die Datei existiert nicht.");
        QMessageBox::warning(nullptr, tr("Laden fehlgeschlagen"),
                             tr("Die Datei „%1“ konnte nicht geöffnet werden.\n\n%2")
                                 .arg(QDir::toNativeSeparators(datei), grund));
        return false;
    }

    const QByteArray dokument = quelle.readAll();
    quelle.close();
    // Looked through first: a file that cannot be read as a whole leaves
    // the character on screen as it is, unless the user asks for its
    // readable beginning.
    m_nurLesbarerTeil = false;
    m_werteAngepasst = false;
    if (!darfLaden(datei, dokument))
        return false;

    emit signalLadenBeginnt();
    c->zuruecksetzen();
    QStringList angepasst;
    CharakterXml::lesen(dokument, c, &angepasst);
    m_werteAngepasst = !angepasst.isEmpty();
    if (m_werteAngepasst)
        QMessageBox::warning(nullptr, tr("Werte angepasst"),
                             tr("In der Datei „%1“ stehen Werte, die die Regeln nicht zulassen. "
                                "Sie wurden auf die nächsten erlaubten Werte gesetzt:\n\n%2")
                                 .arg(QDir::toNativeSeparators(datei), angepasst.join(u'\n')));
    return true;
}

bool Persistenz::darfLaden(const QString& datei, const QByteArray& dokument)
{
    const CharakterXml::Befund befund = CharakterXml::pruefe(dokument);
    const QString name = QDir::toNativeSeparators(datei);
    QString text;
    switch (befund.art) {
    case CharakterXml::Befund::Lesbar:
        return true;
    case CharakterXml::Befund::Leer:
        text = tr("Die Datei „%1“ ist leer.").arg(name);
        break;
    case CharakterXml::Befund::KeinCharakter:
        text = tr("Die Datei „%1“ ist keine ZORVEL-Charakterdatei.").arg(name);
        if (!befund.wurzel.isEmpty())
            text += QLatin1Char(' ')
                    + tr("Sie enthält „%1“ statt eines Charakters.").arg(befund.wurzel);
        break;
    case CharakterXml::Befund::Beschaedigt:
        text = tr("Die Datei „%1“ ist beschädigt (Zeile %2, Spalte %3): %4")
                   .arg(name, QString::number(befund.zeile), QString::number(befund.spalte),
                        befund.abgebrochen
                            ? tr("Sie endet mitten im Charakter, vermutlich wurde sie nicht "
                                 "vollständig gespeichert.")
                            : tr("An dieser Stelle ist sie nicht lesbar (%1).").arg(befund.fehler));
        break;
    }
    text += QStringLiteral("\n\n") + tr("Der aktuelle Charakter wurde beibehalten.");
    if (befund.art != CharakterXml::Befund::Beschaedigt || !befund.lesbarerTeil) {
        QMessageBox::critical(nullptr, tr("Lesefehler"), text);
        return false;
    }

    text += QLatin1Char(' ')
            + tr("„Lesbaren Teil laden“ lädt, was vor dieser Stelle steht, als neuen, noch nicht "
                 "gespeicherten Charakter.");
    if (g_wahlGesetzt) {
        g_wahlGesetzt = false;
        m_nurLesbarerTeil = g_naechsteWahl;
        return m_nurLesbarerTeil;
    }
    QMessageBox box(QMessageBox::Critical, tr("Lesefehler"), text, QMessageBox::Ok);
    QPushButton* lesbarerTeil = box.addButton(tr("&Lesbaren Teil laden"), QMessageBox::AcceptRole);
    box.setDefaultButton(QMessageBox::Ok);
    box.setEscapeButton(QMessageBox::Ok);
    box.exec();
    m_nurLesbarerTeil = box.clickedButton() == lesbarerTeil;
    return m_nurLesbarerTeil;
}

bool Persistenz::nurLesbarerTeil() const
{
    return m_nurLesbarerTeil;
}

bool Persistenz::werteAngepasst() const
{
    return m_werteAngepasst;
}

QString Persistenz::letzteDatei() const
{
    return m_letzteDatei;
}

QString Persistenz::letzterExport() const
{
    return m_letzterExport;
}

bool Persistenz::exportieren(Charakter* c)
{
    const QString datei = frageExportziel(c, tr("Text (*.txt)"), QStringLiteral("txt"));
    if (datei.isEmpty())
        return false;

    QString bogen = CharakterText::bogen(c);
#ifdef Q_OS_WIN
    bogen.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
#endif
    QStringEncoder kodierer(QStringConverter::System);
    if (!schreibeExport(datei, kodierer.encode(bogen), QString()))
        return false;
    m_letzterExport = datei;
    return true;
}

bool Persistenz::pdfExportieren(Charakter* c)
{
    const QString datei = frageExportziel(c, tr("PDF (*.pdf)"), QStringLiteral("pdf"));
    if (datei.isEmpty()
        || !schreibeExport(datei, CharakterBogen::pdf(c),
                           tr("Das PDF-Dokument konnte nicht erzeugt werden.")))
        return false;
    m_letzterExport = datei;
    return true;
}

QString Persistenz::frageExportziel(Charakter* c, const QString& filter, const QString& endung)
{
    if (!c)
        return QString();
    return frageZieldatei(tr("In welche Datei soll exportiert werden?"), filter, endung,
                          c->text(CharakterBasis::Name));
}

bool Persistenz::schreibeExport(const QString& datei, const QByteArray& daten,
                                const QString& ohneDaten)
{
    return schreibeOderMelde(datei, daten, ohneDaten, tr("Exportieren fehlgeschlagen"),
                             tr("Der Charakterbogen konnte nicht in die Datei „%1“ geschrieben werden.\n\n%2"));
}
