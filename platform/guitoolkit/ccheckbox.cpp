#include "ccheckbox.h"

namespace MirelGUIToolkit {

CCheckBox::CCheckBox(QWidget *parent)
    : QCheckBox(parent)
{
}

CCheckBox::CCheckBox(const QString &text, QWidget *parent)
    : QCheckBox(text, parent)
{
}

CCheckBox::~CCheckBox() = default;

} // namespace MirelGUIToolkit
