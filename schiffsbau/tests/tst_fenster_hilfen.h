// Helpers shared by the GUI tests of the ship builder's windows.
#ifndef TST_FENSTER_HILFEN_H
#define TST_FENSTER_HILFEN_H

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <functional>

// The widget or action `name` below `fenster`; a missing one ends the run,
// since every later step of the test would act on nothing.
template <typename T>
T *kindVon(const QObject *fenster, const char *name)
{
    T *k = fenster->findChild<T *>(QLatin1String(name));
    if (!k)
        qFatal("missing widget %s", name);
    return k;
}

// Answers every modal dialog that shows up while it lives, looking every
// 10 ms, so that a dialog that becomes active late is answered too:
// - the question about unsaved changes with `frage` (counted in `fragen`);
// - any other message box with its button `knopf` when it has one, else
//   with its default; its title and text are recorded;
// - a file dialog with `datei`, written into its name field (a name set any
//   other way is lost while that field has the focus), or cancelled when
//   `datei` is empty; its caption, filters and suggested file are recorded;
//   `nachDatei`, when set, runs right after it is accepted, before the
//   program touches the file;
// - any other dialog (the print dialog, ...) is cancelled, its title and
//   class noted.
class DialogWaechter : public QObject
{
public:
    explicit DialogWaechter(const QString &datei = QString(),
                            QMessageBox::StandardButton frage = QMessageBox::Discard)
        : datei(datei)
        , frage(frage)
    {
        m_timer.setInterval(10);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { pruefe(); });
        m_timer.start();
    }

    // Message boxes.
    QStringList titel;
    QStringList texte;
    bool alleOhneEltern = true;
    int fragen = 0;
    QString knopf;
    // File dialogs.
    int dialoge = 0;
    QStringList dateiTitel;
    QStringList filter;
    QString vorschlag; // folder and name the last one suggested
    bool ohneEltern = false;
    std::function<void()> nachDatei;
    // Other dialogs.
    QStringList andereDialoge;
    QStringList andereKlassen;

private:
    void pruefe()
    {
        QWidget *w = QApplication::activeModalWidget();
        if (auto *box = qobject_cast<QMessageBox *>(w)) {
            if (box->button(QMessageBox::Discard)) {
                ++fragen;
                box->button(frage)->click();
                return;
            }
            alleOhneEltern = alleOhneEltern && box->parentWidget() == nullptr;
            titel << box->windowTitle();
            texte << box->text();
            for (QAbstractButton *b : box->buttons()) {
                if (!knopf.isEmpty() && b->text().remove(QLatin1Char('&')) == knopf) {
                    b->click();
                    return;
                }
            }
            box->accept();
        } else if (auto *dialog = qobject_cast<QFileDialog *>(w)) {
            ++dialoge;
            dateiTitel << dialog->windowTitle();
            filter << dialog->nameFilters();
            ohneEltern = dialog->parentWidget() == nullptr;
            auto *feld = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
            if (datei.isEmpty() || !feld) {
                dialog->reject(); // without a name the test fails instead of hanging
                return;
            }
            vorschlag = QDir(dialog->directory()).filePath(feld->text());
            feld->setText(datei);
            static_cast<QDialog *>(dialog)->accept();
            if (nachDatei)
                nachDatei();
        } else if (auto *anderer = qobject_cast<QDialog *>(w)) {
            andereDialoge << anderer->windowTitle();
            andereKlassen << QString::fromLatin1(anderer->metaObject()->className());
            anderer->reject();
        }
    }

    QString datei;
    QMessageBox::StandardButton frage;
    QTimer m_timer;
};

// A list file for the reactors (category 7): header line and three rows,
// Latin-1 as the lists are delivered.
inline bool schreibeReaktorliste(const QString &ordner)
{
    if (!QDir(ordner).mkpath(QStringLiteral("listen")))
        return false;
    QFile f(ordner + QStringLiteral("/listen/reaktoren_test.csv"));
    if (!f.open(QIODevice::WriteOnly))
        return false;
    const QString text = QStringLiteral(
        "Bezeichnung;Hersteller;Leg.;TL;St;t;RE;Res;Einheit\n"
        "Fusionsreaktor A;Kern AG;L;12;50000;2.5;40;100;GSTPV\n"
        "Blitzreaktor;Zet;L;10;20000;1.5;20;80;GSTPV\n"
        "Mikroreaktor;Atom & Co;I;14;90000;0.5;60;200;GSTPV\n");
    const QByteArray bytes = text.toLatin1();
    return f.write(bytes) == bytes.size();
}

// Index of the reactor category and its rows in load order.
enum { KatReaktoren = 7 };

#endif // TST_FENSTER_HILFEN_H
