#include "aenderungsfrage.h"

#include <QMessageBox>
#include <QPushButton>

AenderungsFrage::Antwort AenderungsFrage::stelle(const QString &programm)
{
    QMessageBox box(QMessageBox::Warning, programm,
                    QStringLiteral("Sollen die Änderungen gespeichert werden?"),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
    box.button(QMessageBox::Save)->setText(QStringLiteral("&Speichern"));
    box.button(QMessageBox::Discard)->setText(QStringLiteral("&Verwerfen"));
    box.button(QMessageBox::Cancel)->setText(QStringLiteral("&Abbrechen"));
    box.setDefaultButton(QMessageBox::Save);
    switch (box.exec()) {
    case QMessageBox::Save:
        return Speichern;
    case QMessageBox::Discard:
        return Verwerfen;
    default:
        return Abbrechen;
    }
}

bool AenderungsFrage::behandelt(const QWidget *fenster, const QString &programm,
                                const std::function<bool()> &speichern)
{
    if (!fenster->isWindowModified())
        return true;
    switch (stelle(programm)) {
    case Speichern:
        return speichern();
    case Verwerfen:
        return true;
    default:
        return false;
    }
}
