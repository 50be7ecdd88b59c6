#include "chboxlayout.h"

#include "cwidgetitem.h"

namespace MirelGUIToolkit {

CHBoxLayout::CHBoxLayout(QWidget *parent)
    : QHBoxLayout(parent)
{
}

CHBoxLayout::~CHBoxLayout() = default;

void CHBoxLayout::SetLayoutContentsMargins(int left, int top, int right, int bottom)
{
    setContentsMargins(left, top, right, bottom);
}

void CHBoxLayout::SetLayoutSpacing(int spacing)
{
    setSpacing(spacing);
}

void CHBoxLayout::AddWidget(QWidget *widget, int stretch, Qt::Alignment alignment)
{
    addWidget(widget, stretch, alignment);
}

void CHBoxLayout::AddItem(QLayoutItem *item)
{
    if (item == nullptr)
        return;
    // QLayout::addItem leaves a widget item's widget where it is; a widget
    // managed by this layout must be a child of the layout's widget.
    if (QWidget *widget = item->widget())
        addChildWidget(widget);
    addItem(item);
    if (const auto *widgetItem = dynamic_cast<const CWidgetItem *>(item))
        setStretch(count() - 1, widgetItem->Stretch());
}

} // namespace MirelGUIToolkit
