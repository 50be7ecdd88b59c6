#ifndef CWIDGETSIZEFACTORY_H
#define CWIDGETSIZEFACTORY_H

// Size-state queries and changes of a top-level window, shared by the title
// bars of frameless windows (which have no window-manager buttons of their
// own). Every operation accepts a null window and then does nothing.

#include <QSize>

class QWidget;

namespace MirelGUIToolkit {

class CWidgetSizeFactory
{
public:
    static bool IsMaximized(const QWidget *window);
    static bool IsFullScreen(const QWidget *window);
    // Restores the window; a valid size is applied after the restore.
    static void ShowNormal(QWidget *window, const QSize &size = QSize());
    static void ShowMaximized(QWidget *window);

protected:
    CWidgetSizeFactory() = default;
    ~CWidgetSizeFactory() = default;
};

} // namespace MirelGUIToolkit

#endif // CWIDGETSIZEFACTORY_H
