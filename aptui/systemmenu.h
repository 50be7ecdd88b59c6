#ifndef SYSTEMMENU_H
#define SYSTEMMENU_H

// The system menu object of the main window's title bar. The main window
// shows a menu of its own when the title reports the system-menu button;
// this one stays empty and is never shown.

#include "cmenu.h"

namespace aptui {

class SystemMenu : public MirelGUIToolkit::CMenu
{
    Q_OBJECT

public:
    explicit SystemMenu(QWidget *parent = nullptr);
    ~SystemMenu() override;
};

} // namespace aptui

#endif // SYSTEMMENU_H
