#include "cwidgetsizefactory.h"

#include <QWidget>

namespace MirelGUIToolkit {

bool CWidgetSizeFactory::IsMaximized(const QWidget *window)
{
    return window != nullptr && window->isMaximized();
}

bool CWidgetSizeFactory::IsFullScreen(const QWidget *window)
{
    return window != nullptr && window->isFullScreen();
}

void CWidgetSizeFactory::ShowNormal(QWidget *window, const QSize &size)
{
    if (window == nullptr)
        return;
    window->showNormal();
    if (size.isValid())
        window->resize(size);
}

void CWidgetSizeFactory::ShowMaximized(QWidget *window)
{
    if (window != nullptr)
        window->showMaximized();
}

} // namespace MirelGUIToolkit
