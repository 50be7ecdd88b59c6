#include "menu.h"

#include <QEvent>

#include <atomic>

namespace aptui {

namespace {

std::atomic<bool> s_shadowRemoved{false};

// On Windows the shadow of pop-ups is a bit of the native window class, which
// all menus share, so clearing it once serves every later menu. X11 and
// Wayland have no such class bit: there the window hint set in the
// constructor asks for no shadow, and nothing is left to do here.
void removeClassDropShadow(QWidget *menu)
{
    Q_UNUSED(menu);
}

} // namespace

Menu::Menu(QWidget *parent)
    : QMenu(parent)
{
    setWindowFlags(Qt::Popup | Qt::FramelessWindowHint | Qt::NoDropShadowWindowHint);
    setAttribute(Qt::WA_TranslucentBackground);
    setObjectName(QStringLiteral("Menu"));
}

Menu::~Menu() = default;

bool Menu::systemShadowRemoved()
{
    return s_shadowRemoved.load();
}

bool Menu::event(QEvent *event)
{
    if (event->type() == QEvent::WinIdChange) {
        // The exchange both runs the removal once per run and keeps a nested
        // window-id change during the removal from running it again.
        bool expected = false;
        if (s_shadowRemoved.compare_exchange_strong(expected, true))
            removeClassDropShadow(this);
    }
    return QMenu::event(event);
}

} // namespace aptui
