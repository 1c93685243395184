#ifndef MENUETASTE_H
#define MENUETASTE_H

class QMainWindow;

// F10 opens the first menu of a main window's menu bar, as the desktops'
// guidelines ask, so that the menus are reached without the mouse.
class MenueTaste
{
public:
    static void setze(QMainWindow *fenster);
};

#endif // MENUETASTE_H
