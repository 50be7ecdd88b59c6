#ifndef CFANCYTITLE_H
#define CFANCYTITLE_H

// Base of the title bars of frameless windows: dragging it with the left
// button moves its top-level window, and (unless switched off) a double-click
// maximises or restores that window.
//
// The move is handed to the window system where it offers one (the window
// then also snaps and tiles as the desktop does it); where it does not (no
// window manager, the offscreen platform) the window follows the pointer.
// The hand-over waits for the pointer to travel the drag distance, so that a
// plain click or double-click never starts a move that would swallow it.

#include "cwidgetsizefactory.h"

#include <QFrame>
#include <QPoint>

namespace MirelGUIToolkit {

class CFancyTitle : public QFrame, public CWidgetSizeFactory
{
    Q_OBJECT

public:
    explicit CFancyTitle(QWidget *parent = nullptr);
    ~CFancyTitle() override;

    // On by default; a title with its own double-click handling turns it off.
    void SetOpenDoubleClickEnable(bool enable);
    bool IsOpenDoubleClickEnable() const;

signals:
    // The window was maximised or restored from the title.
    void SignalWndSizeStatusChanged();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    enum class Drag { None, Pending, BySystem, ByPointer };

    bool m_doubleClickEnabled = true;
    Drag m_drag = Drag::None;
    QPoint m_pressGlobalPos;
    QPoint m_windowStartPos;
};

} // namespace MirelGUIToolkit

#endif // CFANCYTITLE_H
