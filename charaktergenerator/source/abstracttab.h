#ifndef ABSTRACTTAB_H
#define ABSTRACTTAB_H

#include <QWidget>

class Charakter;
class Regelwerk;

// Common base of the six steps of the character generator. Holds the
// character being edited and the rules catalogue (both not owned).
class AbstractTab : public QWidget
{
    Q_OBJECT

public:
    AbstractTab(Charakter *charakter, Regelwerk *regelwerk, QWidget *parent = nullptr);
    ~AbstractTab() override;

    // Fills every widget of the tab from the character.
    virtual void aktualisieren() = 0;
    // Brings the tab into its start state for a newly reset or loaded character.
    virtual void neuAufbauen() = 0;
    // Redraws the tab, then tells the header to redraw.
    virtual void aktualisierenUndMelden();
    // Enables or disables the widget, touching it only when its state differs.
    virtual void setzeEnabled(QWidget *widget, bool enabled);

signals:
    void signalUpdateHeader();

protected:
    Charakter *charakter;
    Regelwerk *regelwerk;
};

#endif // ABSTRACTTAB_H
