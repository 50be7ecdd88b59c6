#include "cfancytitle.h"

#include "independentwindow.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWindow>

namespace MirelGUIToolkit {

CFancyTitle::CFancyTitle(QWidget *parent)
    : QFrame(parent)
{
}

CFancyTitle::~CFancyTitle() = default;

void CFancyTitle::SetOpenDoubleClickEnable(bool enable)
{
    m_doubleClickEnabled = enable;
}

bool CFancyTitle::IsOpenDoubleClickEnable() const
{
    return m_doubleClickEnabled;
}

void CFancyTitle::mousePressEvent(QMouseEvent *event)
{
    m_drag = Drag::None;
    QWidget *window = GetIndependentWindow(this);
    if (event->button() != Qt::LeftButton || window == nullptr) {
        QFrame::mousePressEvent(event);
        return;
    }
    m_drag = Drag::Pending;
    m_pressGlobalPos = event->globalPosition().toPoint();
    m_windowStartPos = window->pos();
    event->accept();
}

void CFancyTitle::mouseMoveEvent(QMouseEvent *event)
{
    QWidget *window = GetIndependentWindow(this);
    if (m_drag == Drag::None || window == nullptr || !(event->buttons() & Qt::LeftButton)) {
        m_drag = Drag::None;
        QFrame::mouseMoveEvent(event);
        return;
    }
    event->accept();
    const QPoint delta = event->globalPosition().toPoint() - m_pressGlobalPos;
    if (m_drag == Drag::Pending) {
        if (delta.manhattanLength() < QApplication::startDragDistance())
            return;
        // A maximised or full-screen window keeps its place.
        if (IsMaximized(window) || IsFullScreen(window)) {
            m_drag = Drag::None;
            return;
        }
        QWindow *handle = window->windowHandle();
        m_drag = handle != nullptr && handle->startSystemMove() ? Drag::BySystem : Drag::ByPointer;
    }
    if (m_drag == Drag::ByPointer)
        window->move(m_windowStartPos + delta);
}

void CFancyTitle::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && m_drag != Drag::None) {
        m_drag = Drag::None;
        event->accept();
        return;
    }
    QFrame::mouseReleaseEvent(event);
}

void CFancyTitle::mouseDoubleClickEvent(QMouseEvent *event)
{
    m_drag = Drag::None;
    QWidget *window = GetIndependentWindow(this);
    if (!m_doubleClickEnabled || event->button() != Qt::LeftButton || window == nullptr) {
        QFrame::mouseDoubleClickEvent(event);
        return;
    }
    if (IsMaximized(window))
        ShowNormal(window);
    else
        ShowMaximized(window);
    event->accept();
    emit SignalWndSizeStatusChanged();
}

} // namespace MirelGUIToolkit
