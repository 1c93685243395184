#include "persistenz.h"

#include "charakter.h"
#include "charakterbogen.h"
#include "charaktertext.h"
#include "charakterxml.h"
#include "dateidialog.h"
#include "sicheredatei.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QStringEncoder>

namespace {

bool g_antwortGesetzt = false;
QString g_naechsteDatei;

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

QString Persistenz::frageZieldatei(const QString& titel, const QString& filter, const QString& endung,
                                   const QString& name)
{
    if (g_antwortGesetzt) {
        g_antwortGesetzt = false;
        return g_naechsteDatei;
    }
    return DateiDialog::speichern(titel, filter, endung, name);
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

bool Persistenz::speichern(Charakter* c)
{
    if (!c)
        return false;
    const QString datei = frageZieldatei(tr("In welche Datei soll gespeichert werden?"),
                                         tr("ZORVEL-Charakter (*.zch)"), QStringLiteral("zch"),
                                         c->text(0));
    if (datei.isEmpty())
        return false;

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
    // Something that is no character document at all leaves the character
    // on screen as it is.
    const QString keinCharakter = CharakterXml::pruefeDokument(dokument);
    if (!keinCharakter.isEmpty()) {
        m_vollstaendigGeladen = false;
        QMessageBox::critical(nullptr, tr("Lesefehler"), keinCharakter);
        return false;
    }

    emit signalLadenBeginnt();
    c->zuruecksetzen();
    QBuffer puffer;
    puffer.setData(dokument);
    puffer.open(QIODevice::ReadOnly);
    QString fehler;
    m_vollstaendigGeladen = CharakterXml::lesen(&puffer, c, &fehler);
    if (!m_vollstaendigGeladen)
        QMessageBox::critical(nullptr, tr("Lesefehler"), fehler);
    return true;
}

bool Persistenz::vollstaendigGeladen() const
{
    return m_vollstaendigGeladen;
}

QString Persistenz::letzteDatei() const
{
    return m_letzteDatei;
}

bool Persistenz::exportieren(Charakter* c)
{
    if (!c)
        return false;
    const QString datei = frageZieldatei(tr("In welche Datei soll exportiert werden?"),
                                         tr("Text (*.txt)"), QStringLiteral("txt"), c->text(0));
    if (datei.isEmpty())
        return false;

    QString bogen = CharakterText::bogen(c);
#ifdef Q_OS_WIN
    bogen.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
#endif
    QStringEncoder kodierer(QStringConverter::System);
    const QByteArray daten = kodierer.encode(bogen);

    return schreibeOderMelde(datei, daten, QString(), tr("Exportieren fehlgeschlagen"),
                             tr("Der Charakterbogen konnte nicht in die Datei „%1“ geschrieben werden.\n\n%2"));
}

bool Persistenz::pdfExportieren(Charakter* c)
{
    if (!c)
        return false;
    const QString datei = frageZieldatei(tr("In welche Datei soll exportiert werden?"),
                                         tr("PDF (*.pdf)"), QStringLiteral("pdf"), c->text(0));
    if (datei.isEmpty())
        return false;

    return schreibeOderMelde(datei, CharakterBogen::pdf(c),
                             tr("Das PDF-Dokument konnte nicht erzeugt werden."),
                             tr("Exportieren fehlgeschlagen"),
                             tr("Der Charakterbogen konnte nicht in die Datei „%1“ geschrieben werden.\n\n%2"));
}
