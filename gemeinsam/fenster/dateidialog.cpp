#include "dateidialog.h"

#include "letzterordner.h"

#include <QAbstractItemView>
#include <QFileDialog>
#include <QFileInfo>

QString DateiDialog::speichern(const QString &titel, const QString &filter, const QString &endung,
                               const QString &vorschlag)
{
    const QFileInfo pfad(vorschlag);
    const bool mitOrdner = vorschlag.contains(QLatin1Char('/')) && pfad.isAbsolute();
    QFileDialog dialog(nullptr, titel, mitOrdner ? pfad.absolutePath() : LetzterOrdner::ordner(),
                       filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(endung);
    const QString basis = mitOrdner ? pfad.completeBaseName() : LetzterOrdner::dateiname(vorschlag);
    if (!basis.isEmpty()) {
        dialog.selectFile(basis + QLatin1Char('.') + endung);
        // The proposal stays in the name field alone: a file of that name
        // selected in the list as well would outweigh another name typed
        // into the field while the field does not have the focus.
        if (auto *liste = dialog.findChild<QAbstractItemView *>(QStringLiteral("listView")))
            liste->clearSelection();
    }
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    const QStringList dateien = dialog.selectedFiles();
    const QString datei = dateien.isEmpty() ? QString() : dateien.constFirst();
    LetzterOrdner::merke(datei);
    return datei;
}

QString DateiDialog::oeffnen(const QString &titel, const QString &filter)
{
    const QString datei = QFileDialog::getOpenFileName(nullptr, titel, LetzterOrdner::ordner(), filter);
    LetzterOrdner::merke(datei);
    return datei;
}
