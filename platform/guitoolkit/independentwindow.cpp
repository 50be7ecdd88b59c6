#include "independentwindow.h"

#include <QLatin1String>
#include <QWidget>

QWidget *GetIndependentWindow(QWidget *widget, const char *name)
{
    if (widget == nullptr)
        return nullptr;
    if (name == nullptr || *name == '\0')
        return widget->window();
    for (QWidget *candidate = widget; candidate != nullptr; candidate = candidate->parentWidget()) {
        if (candidate->isWindow() && candidate->objectName() == QLatin1String(name))
            return candidate;
    }
    return nullptr;
}
