#ifndef WINDOWTITLE_H
#define WINDOWTITLE_H

// The title bar of the frameless main window: logo, title, system-menu button
// and the minimise, maximise/restore and close buttons, which act on the
// window directly. The maximise button is named "m_btnMaximize" while the
// window is normal and "m_btnResore" while it is maximised, so that the style
// sheet shows the matching icon.

#include "cfancytitle.h"

#include <QPointer>

class QLabel;
class QToolButton;

namespace aptui {

class SystemMenu;

class WindowTitle : public MirelGUIToolkit::CFancyTitle
{
    Q_OBJECT

public:
    explicit WindowTitle(QWidget *parent = nullptr);
    ~WindowTitle() override;

    // Shows the program logo from the skin.
    void setLogo();
    void setTitle(const QString &title);
    QString title() const;

signals:
    void signalCloseApp();
    void signalSystemMenu();

protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    void minimizeWindow();
    void maxOrRestoreWindow();
    void closeWindow();
    void displaySyetemMenu();

private:
    // Names the maximise button after the window's state and re-polishes it.
    void updateMaximizeButton(bool maximized);
    void watchWindow();

    QLabel *m_labelTitle;
    QLabel *m_btnIcon;
    QToolButton *m_btnMinimize;
    QToolButton *m_btnMaximize;
    QToolButton *m_btnClose;
    SystemMenu *m_systemMenu;
    QToolButton *m_btnSystemMenu;
    // The window whose state changes keep the maximise button's name right
    // also when the window system maximises or restores it.
    QPointer<QWidget> m_watchedWindow;
};

} // namespace aptui

#endif // WINDOWTITLE_H
