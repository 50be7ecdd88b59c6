#include "systemmenu.h"

namespace aptui {

SystemMenu::SystemMenu(QWidget *parent)
    : CMenu(parent)
{
}

SystemMenu::~SystemMenu() = default;

} // namespace aptui
