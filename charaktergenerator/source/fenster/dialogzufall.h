#ifndef DIALOGZUFALL_H
#define DIALOGZUFALL_H

#include <QDialog>

#include "zufallscharakter.h"

class Regelwerk;

namespace Ui {
class DialogZufall;
}

// Asks what random character to draw: the species (or "beliebig"), whether
// it is paranormally gifted, whether the special-area module is on, and the
// start value that makes the draw repeatable. A new dialog proposes a fresh
// start value.
class DialogZufall : public QDialog
{
    Q_OBJECT

public:
    explicit DialogZufall(const Regelwerk* regelwerk, QWidget* parent = nullptr);
    ~DialogZufall() override;

    Zufallscharakter::Einstellungen einstellungen() const;

private:
    Ui::DialogZufall* ui;
};

#endif // DIALOGZUFALL_H
