#ifndef HILFEFENSTER_H
#define HILFEFENSTER_H

#include <QWidget>

namespace Ui {
class HilfeFenster;
}

// The short guide, a window of its own beside the main window (not modal).
// The guide's text is compiled into the program. Escape closes the window;
// closing only hides it, so it can be shown again as it was.
class HilfeFenster : public QWidget
{
    Q_OBJECT

public:
    explicit HilfeFenster(QWidget *parent = nullptr);
    ~HilfeFenster() override;

    // Shows the window, or brings it to the front when it is open.
    void zeige();

private:
    Ui::HilfeFenster *ui;
};

#endif // HILFEFENSTER_H
