#include "cmenu.h"

namespace MirelGUIToolkit {

CMenu::CMenu(QWidget *parent)
    : QMenu(parent)
{
}

CMenu::CMenu(const QString &title, QWidget *parent)
    : QMenu(title, parent)
{
}

CMenu::~CMenu() = default;

} // namespace MirelGUIToolkit
