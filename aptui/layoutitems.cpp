#include "layoutitems.h"

#include <QLayout>
#include <QWidget>

namespace aptui {

void deleteLayoutItems(QLayout *layout, const QWidget *keep)
{
    if (layout == nullptr)
        return;
    while (QLayoutItem *item = layout->takeAt(0)) {
        if (QLayout *nested = item->layout())
            deleteLayoutItems(nested, keep);
        if (QWidget *widget = item->widget(); widget != nullptr && widget != keep)
            delete widget;
        // A nested layout is its own item.
        delete item;
    }
}

} // namespace aptui
