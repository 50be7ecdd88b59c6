#ifndef MENU_H
#define MENU_H

// The program's pop-up menu: frameless, with a translucent background so that
// the style sheet draws its rounded panel, and without the window system's
// drop shadow.

#include <QMenu>

namespace aptui {

class Menu : public QMenu
{
    Q_OBJECT

public:
    explicit Menu(QWidget *parent = nullptr);
    ~Menu() override;

    // Whether the shadow removal, done once per run for all menus when the
    // first menu gets its native window, has happened.
    static bool systemShadowRemoved();

protected:
    bool event(QEvent *event) override;
};

} // namespace aptui

#endif // MENU_H
