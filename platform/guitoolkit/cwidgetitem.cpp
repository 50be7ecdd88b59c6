#include "cwidgetitem.h"

namespace MirelGUIToolkit {

CWidgetItem::CWidgetItem(QWidget *widget, int stretch)
    : QWidgetItem(widget)
    , m_stretch(stretch)
{
}

int CWidgetItem::Stretch() const
{
    return m_stretch;
}

} // namespace MirelGUIToolkit
