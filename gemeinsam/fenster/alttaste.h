#ifndef ALTTASTE_H
#define ALTTASTE_H

#include <QObject>

// Alt with a letter is meant for a mnemonic. When no mnemonic answers it,
// the key goes nowhere: a focused combo box would otherwise jump to the
// entry of that letter, and a text field would type it.
class AltTaste : public QObject
{
public:
    // Guards every window of the application (once, however often called).
    static void schuetze();

protected:
    bool eventFilter(QObject *objekt, QEvent *ereignis) override;

private:
    using QObject::QObject;
};

#endif // ALTTASTE_H
