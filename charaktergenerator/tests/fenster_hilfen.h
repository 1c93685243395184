// Helpers shared by the tests that drive the character generator's window.
#ifndef FENSTER_HILFEN_H
#define FENSTER_HILFEN_H

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <functional>

// The widget or action `name` below `fenster`; a missing one ends the run,
// since every later step of the test would act on nothing.
template<typename T>
T *kindVon(const QObject *fenster, const char *name)
{
    T *k = fenster->findChild<T *>(QLatin1String(name));
    if (!k)
        qFatal("widget %s not found", name);
    return k;
}

// What a message box showed.
struct Meldung {
    QMessageBox::Icon symbol = QMessageBox::NoIcon;
    QString titel;
    QString text;
};

// Answers every modal dialog that shows up while it lives:
// - a file dialog with the given file name, written into its name field (or
//   a cancel when the name is empty); `nachDatei`, when set, runs right after
//   the dialog is accepted, before the program touches the file;
// - the question about unsaved changes with `frage` (counted in `fragen`);
// - the file dialog's question whether to replace a file with yes;
// - any other message box with its default button;
// - any other dialog (the print dialog, noted in `druckdialog`) is cancelled.
class DialogBeantworter : public QObject
{
public:
    explicit DialogBeantworter(const QString &datei,
                               QMessageBox::StandardButton frage = QMessageBox::Discard)
        : datei(datei)
        , frage(frage)
    {
        timer.setInterval(20);
        QObject::connect(&timer, &QTimer::timeout, [this] { beantworte(); });
        timer.start();
    }

    QString datei; // the answer to the next file dialog

    // The other message boxes: their texts, and all they showed.
    QStringList meldungen;
    QList<Meldung> boxen;
    int fragen = 0;
    // File dialogs: how many, and the last one's caption, filters, folder
    // and suggested name.
    int dateidialoge = 0;
    QString beschriftung;
    QStringList filter;
    QString ordner;
    QString vorschlag;
    std::function<void()> nachDatei;
    // The captions of the other boxes and of every dialog, in order.
    QStringList titel;
    bool druckdialog = false;

private:
    void beantworte()
    {
        QWidget *w = QApplication::activeModalWidget();
        if (auto *dialog = qobject_cast<QFileDialog *>(w)) {
            ++dateidialoge;
            beschriftung = dialog->windowTitle();
            titel << beschriftung;
            filter = dialog->nameFilters();
            ordner = dialog->directory().absolutePath();
            // The name goes into the dialog's name field (a dialog without
            // one is cancelled, so that the test fails, not hangs).
            auto *feld = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
            if (feld)
                vorschlag = feld->text();
            if (datei.isEmpty() || !feld) {
                dialog->reject();
            } else {
                feld->setText(datei);
                QMetaObject::invokeMethod(
                    dialog,
                    [this, dialog] {
                        static_cast<QDialog *>(dialog)->accept();
                        if (nachDatei)
                            nachDatei();
                    },
                    Qt::QueuedConnection);
            }
        } else if (auto *box = qobject_cast<QMessageBox *>(w)) {
            if (box->button(QMessageBox::Discard)) {
                ++fragen;
                box->button(frage)->click();
                return;
            }
            // The file dialog asks whether to replace the named file: it is
            // meant (a "no" would leave the dialog open for ever).
            if (qobject_cast<QFileDialog *>(box->parentWidget()) && box->button(QMessageBox::Yes)) {
                box->button(QMessageBox::Yes)->click();
                return;
            }
            meldungen << box->text();
            boxen.append({ box->icon(), box->windowTitle(), box->text() });
            titel << box->windowTitle();
            box->accept();
        } else if (auto *anderer = qobject_cast<QDialog *>(w)) {
            druckdialog = druckdialog || anderer->inherits("QPrintDialog");
            titel << anderer->windowTitle();
            anderer->reject();
        }
    }

    QMessageBox::StandardButton frage;
    QTimer timer;
};

#endif // FENSTER_HILFEN_H
