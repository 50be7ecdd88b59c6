#include "cradiobutton.h"

namespace MirelGUIToolkit {

CRadioButton::CRadioButton(QWidget *parent)
    : QRadioButton(parent)
{
}

CRadioButton::CRadioButton(const QString &text, QWidget *parent)
    : QRadioButton(text, parent)
{
}

CRadioButton::~CRadioButton() = default;

} // namespace MirelGUIToolkit
