#include "bogendruck.h"

#include <QMessageBox>
#include <QPageLayout>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextDocument>

bool BogenDruck::drucken(const QString &dialogTitel, const QString &dokumentName,
                         const QString &programm, const QString &fehlerText,
                         const std::function<void(QTextDocument *)> &fuelle)
{
    QPrinter drucker(QPrinter::HighResolution);
    drucker.setPageSize(QPageSize(QPageSize::A4));
    drucker.setPageOrientation(QPageLayout::Portrait);
    drucker.setDocName(dokumentName);
    drucker.setCreator(programm);

    QPrintDialog dialog(&drucker, nullptr);
    dialog.setWindowTitle(dialogTitel);
    if (dialog.exec() != QDialog::Accepted)
        return false;

    QTextDocument dokument;
    fuelle(&dokument);
    dokument.print(&drucker);
    if (drucker.printerState() == QPrinter::Error) {
        QMessageBox::critical(nullptr, QStringLiteral("Drucken fehlgeschlagen"), fehlerText);
        return false;
    }
    return true;
}
