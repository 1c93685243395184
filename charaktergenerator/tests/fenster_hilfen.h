// Helpers shared by the tests that drive the character generator's window.
#ifndef FENSTER_HILFEN_H
#define FENSTER_HILFEN_H

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <QTimer>

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

// Answers every modal dialog that shows up while it lives: a file dialog
// with the given file name (or a cancel when the name is empty), its
// caption, folder and suggested name noted; the question about unsaved
// changes with `frage` (counted in `fragen`); the file dialog's question
// whether to replace a file with yes; any other message box with its
// default button, its text collected.
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

    QStringList meldungen;
    int dateidialoge = 0;
    int fragen = 0;
    QString beschriftung;
    QString ordner;
    QString vorschlag;

private:
    void beantworte()
    {
        QWidget *w = QApplication::activeModalWidget();
        if (auto *dialog = qobject_cast<QFileDialog *>(w)) {
            ++dateidialoge;
            beschriftung = dialog->windowTitle();
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
                QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
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
            box->accept();
        }
    }

    QString datei;
    QMessageBox::StandardButton frage;
    QTimer timer;
};

#endif // FENSTER_HILFEN_H
