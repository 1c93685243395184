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

// Answers every modal dialog that appears while it lives: the question
// about unsaved changes with "Verwerfen" (counted), other message boxes are
// recorded (title and text) and accepted, any other dialog is rejected.
class DialogWaechter : public QObject
{
public:
    QStringList titel;
    QStringList texte;
    bool alleOhneEltern = true;
    int fragen = 0;

    DialogWaechter()
    {
        m_timer.setInterval(10);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { pruefe(); });
        m_timer.start();
    }

private:
    void pruefe()
    {
        QWidget *w = QApplication::activeModalWidget();
        if (!w)
            return;
        if (auto *box = qobject_cast<QMessageBox *>(w)) {
            // The question about unsaved changes: they are thrown away.
            if (QAbstractButton *verwerfen = box->button(QMessageBox::Discard)) {
                ++fragen;
                verwerfen->click();
                return;
            }
            alleOhneEltern = alleOhneEltern && box->parentWidget() == nullptr;
            titel << box->windowTitle();
            texte << box->text();
            box->accept();
        } else if (auto *dialog = qobject_cast<QDialog *>(w)) {
            dialog->reject();
        }
    }

    QTimer m_timer;
};

// Answers every file dialog that opens while it lives with `datei`, written
// into the dialog's name field (a name set any other way is lost while that
// field has the focus), and records the caption, the file the dialog
// suggested and whether the dialog has a parent. The question about unsaved
// changes gets `frage`; other boxes are accepted (with their button
// `knopf` when they have one) and their texts recorded. Polls, so a dialog
// that becomes active late is answered too.
class DateiAntwort : public QObject
{
public:
    explicit DateiAntwort(const QString &datei,
                          QMessageBox::StandardButton frage = QMessageBox::Discard)
        : datei(datei)
        , frage(frage)
    {
        m_timer.setInterval(10);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { pruefe(); });
        m_timer.start();
    }

    QString titel;
    QString vorschlag; // folder and name the dialog suggested
    bool ohneEltern = false;
    int dialoge = 0;
    int fragen = 0;
    QStringList meldungen;
    QString knopf;

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
            meldungen << box->text();
            for (QAbstractButton *b : box->buttons()) {
                if (!knopf.isEmpty() && b->text().remove(QLatin1Char('&')) == knopf) {
                    b->click();
                    return;
                }
            }
            box->accept();
            return;
        }
        auto *dialog = qobject_cast<QFileDialog *>(w);
        if (!dialog)
            return;
        ++dialoge;
        titel = dialog->windowTitle();
        ohneEltern = dialog->parentWidget() == nullptr;
        auto *feld = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        if (!feld) {
            dialog->reject(); // the test fails instead of hanging
            return;
        }
        vorschlag = QDir(dialog->directory()).filePath(feld->text());
        feld->setText(datei);
        static_cast<QDialog *>(dialog)->accept();
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
