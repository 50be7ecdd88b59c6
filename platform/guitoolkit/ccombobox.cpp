#include "ccombobox.h"

namespace MirelGUIToolkit {

CComboBox::CComboBox(QWidget *parent)
    : QComboBox(parent)
{
}

CComboBox::~CComboBox() = default;

void CComboBox::AddItem(const QString &text, const QString &toolTip, const QVariant &value)
{
    addItem(text, value);
    if (!toolTip.isEmpty())
        setItemData(count() - 1, toolTip, Qt::ToolTipRole);
}

} // namespace MirelGUIToolkit
