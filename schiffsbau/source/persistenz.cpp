#include "persistenz.h"

Persistenz::Persistenz(SchiffsModel* model, KomponentenBibliothek* bibliothek,
                       QObject* parent)
    : QObject(parent)
    , m_pModel(model)
    , m_pBibliothek(bibliothek)
    , m_vorlage(QStringLiteral("exportvorlage.zse"))
{
}

Persistenz::~Persistenz() = default;

void Persistenz::speichern(QString name, QString beschreibung)
{
    Q_UNUSED(name);
    Q_UNUSED(beschreibung);
}

bool Persistenz::laden(QString& name, QString& beschreibung, QString datei)
{
    Q_UNUSED(name);
    Q_UNUSED(beschreibung);
    return !datei.isEmpty();
}

void Persistenz::exportieren(QString name, QString beschreibung)
{
    Q_UNUSED(name);
    Q_UNUSED(beschreibung);
}

bool Persistenz::speichereDatei(const QString& datei, const QString& name,
                                const QString& beschreibung)
{
    Q_UNUSED(datei);
    Q_UNUSED(name);
    Q_UNUSED(beschreibung);
    return false;
}

bool Persistenz::exportiereDatei(const QString& datei, const QString& name,
                                 const QString& beschreibung)
{
    Q_UNUSED(datei);
    Q_UNUSED(name);
    Q_UNUSED(beschreibung);
    return false;
}

QByteArray Persistenz::schiffsText(const QString& name, const QString& beschreibung,
                                   QStringList* ersetzt) const
{
    Q_UNUSED(name);
    Q_UNUSED(beschreibung);
    if (ersetzt)
        ersetzt->clear();
    return QByteArray();
}

QString Persistenz::exportText(const QString& vorlage, const QString& name,
                               const QString& beschreibung) const
{
    Q_UNUSED(name);
    Q_UNUSED(beschreibung);
    return vorlage;
}

QString Persistenz::vorlage() const
{
    return m_vorlage;
}

void Persistenz::setzeVorlage(const QString& datei)
{
    m_vorlage = datei;
}

QString Persistenz::version()
{
    return QStringLiteral("2.0");
}

QString Persistenz::frageDatei(const QString& titel, const QString& filter)
{
    Q_UNUSED(titel);
    Q_UNUSED(filter);
    return QString();
}

void Persistenz::meldung(QMessageBox::Icon symbol, const QString& titel,
                         const QString& text)
{
    Q_UNUSED(symbol);
    Q_UNUSED(titel);
    Q_UNUSED(text);
}
