#include "wiederherstellungsfrage.h"

#include "rettungsfund.h"

#include <QDir>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>

std::unique_ptr<Rettungsfund> WiederherstellungsFrage::stelleBeimStart()
{
    std::unique_ptr<Rettungsfund> fund = Rettungsfund::suche();
    if (!fund)
        return nullptr;
    QMessageBox box(QMessageBox::Question, QStringLiteral("Wiederherstellung"), text(*fund));
    QPushButton *wiederherstellen =
        box.addButton(QStringLiteral("Wiederherstellen"), QMessageBox::AcceptRole);
    QPushButton *verwerfen = box.addButton(QStringLiteral("Verwerfen"), QMessageBox::DestructiveRole);
    box.setDefaultButton(wiederherstellen);
    box.exec();
    // Only the user's word deletes the copy; the box has no other way out
    // than its two buttons (an accepted box counts as its default).
    if (box.clickedButton() != verwerfen)
        return fund;
    fund->verwirf();
    return nullptr;
}

QString WiederherstellungsFrage::text(const Rettungsfund &fund)
{
    const QLocale deutsch;
    const QString titel = fund.kopf().titel;
    const QString dokument =
        fund.kopf().datei.isEmpty()
            ? QStringLiteral("„%1“ (nie gespeichert)").arg(titel)
            : QStringLiteral("„%1“ aus der Datei %2").arg(titel, QDir::toNativeSeparators(fund.kopf().datei));
    QString text = QStringLiteral("Das Programm wurde nicht regulär beendet. Von %1 gibt es eine "
                                  "Wiederherstellungskopie mit ungesicherten Änderungen, Stand %2 Uhr.")
                       .arg(dokument, deutsch.toString(fund.kopf().zeit.toLocalTime(),
                                                       QStringLiteral("dd.MM.yyyy, HH:mm:ss")));
    if (fund.weitere() == 1)
        text += QStringLiteral("\n\nEine weitere Kopie wartet; sie wird beim nächsten Start angeboten.");
    else if (fund.weitere() > 1)
        text += QStringLiteral("\n\n%1 weitere Kopien warten; sie werden bei den nächsten Starts "
                               "nacheinander angeboten.")
                    .arg(fund.weitere());
    return text;
}
