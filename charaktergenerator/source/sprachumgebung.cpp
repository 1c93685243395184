#include "sprachumgebung.h"

#include <QCoreApplication>
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
