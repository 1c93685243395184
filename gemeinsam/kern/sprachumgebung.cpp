#include "sprachumgebung.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

void Sprachumgebung::einrichten()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    auto *qtDeutsch = new QTranslator(QCoreApplication::instance());
    if (qtDeutsch->load(QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qtDeutsch);
    else
        delete qtDeutsch;
}

void Sprachumgebung::einrichtenAlsProgramm(const QString &programm)
{
    einrichten();
    QCoreApplication::setOrganizationName(QStringLiteral("zorvel2"));
    QCoreApplication::setApplicationName(programm);
    QGuiApplication::setDesktopFileName(QStringLiteral("de.zorvel2.") + programm);
}
