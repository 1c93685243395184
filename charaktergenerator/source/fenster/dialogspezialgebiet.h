#ifndef DIALOGSPEZIALGEBIET_H
#define DIALOGSPEZIALGEBIET_H

#include <QDialog>

class Spezialgebiet;

namespace Ui {
class DialogSpezialgebiet;
}

// Asks for a self-defined bonus special area: name, knowledge area, bonus
// (+1 or +2) and the two attributes it rests on. OK stays disabled while the
// name is empty or blank.
class DialogSpezialgebiet : public QDialog
{
    Q_OBJECT

public:
    explicit DialogSpezialgebiet(QWidget* parent = nullptr);
    ~DialogSpezialgebiet() override;

    // A new record built from the form; the caller owns it.
    Spezialgebiet* spezialgebiet() const;

private slots:
    void onNameGeaendert();

private:
    Ui::DialogSpezialgebiet* ui;
};

#endif // DIALOGSPEZIALGEBIET_H
