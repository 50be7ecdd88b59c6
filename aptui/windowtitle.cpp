#include "windowtitle.h"

#include "chboxlayout.h"
#include "cwidgetitem.h"
#include "independentwindow.h"
#include "systemmenu.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QSpacerItem>
#include <QStyle>
#include <QToolButton>

namespace aptui {

namespace {

const char *const maximizeName = "m_btnMaximize";
const char *const restoreName = "m_btnResore";

QToolButton *makeButton(const char *name, QWidget *parent)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setFocusPolicy(Qt::ClickFocus);
    button->setFixedSize(24, 24);
    return button;
}

} // namespace

WindowTitle::WindowTitle(QWidget *parent)
    : CFancyTitle(parent)
    , m_labelTitle(new QLabel(this))
    , m_btnIcon(new QLabel(this))
    , m_btnMinimize(makeButton("m_btnMinimize", this))
    , m_btnMaximize(makeButton(maximizeName, this))
    , m_btnClose(makeButton("m_btnClose", this))
    , m_systemMenu(new SystemMenu(this))
    , m_btnSystemMenu(makeButton("m_btnSystemMenu", this))
{
    setFixedHeight(35);
    m_labelTitle->setObjectName(QStringLiteral("m_labelTitle"));
    m_btnIcon->setObjectName(QStringLiteral("m_btnIcon"));
    m_btnIcon->setFocusPolicy(Qt::NoFocus);
    m_btnIcon->setFixedSize(24, 24);
    m_btnClose->setShortcut(QKeySequence(Qt::ALT | Qt::Key_F4));
    m_systemMenu->setObjectName(QStringLiteral("m_systemMenu"));

    auto *layout = new MirelGUIToolkit::CHBoxLayout(this);
    layout->SetLayoutContentsMargins(4, 0, 4, 0);
    layout->SetLayoutSpacing(10);
    layout->AddWidget(m_btnIcon);
    layout->AddItem(new MirelGUIToolkit::CWidgetItem(m_labelTitle, 1));
    layout->AddItem(new QSpacerItem(5, 1, QSizePolicy::Fixed, QSizePolicy::Fixed));

    auto *buttonStrip = new QWidget(this);
    buttonStrip->setObjectName(QStringLiteral("m_buttonStrip"));
    auto *stripLayout = new QHBoxLayout(buttonStrip);
    stripLayout->setContentsMargins(0, 0, 0, 0);
    stripLayout->setSpacing(0);
    stripLayout->addStretch();
    stripLayout->addWidget(m_btnSystemMenu);
    stripLayout->addItem(new QSpacerItem(12, 1, QSizePolicy::Fixed, QSizePolicy::Fixed));
    stripLayout->addWidget(m_btnMinimize);
    stripLayout->addWidget(m_btnMaximize);
    stripLayout->addWidget(m_btnClose);
    layout->AddWidget(buttonStrip);

    // This title answers double-clicks itself (mouseDoubleClickEvent).
    SetOpenDoubleClickEnable(false);

    connect(m_btnClose, &QToolButton::clicked, this, &WindowTitle::closeWindow);
    connect(m_btnMinimize, &QToolButton::clicked, this, &WindowTitle::minimizeWindow);
    // Queued: the window changes size only after the click has been handled,
    // not while the button under the pointer is still in its press handling.
    connect(m_btnMaximize, &QToolButton::clicked, this, &WindowTitle::maxOrRestoreWindow,
            Qt::QueuedConnection);
    connect(m_btnSystemMenu, &QToolButton::clicked, this, &WindowTitle::displaySyetemMenu);
}

WindowTitle::~WindowTitle()
{
    if (!m_watchedWindow.isNull())
        m_watchedWindow->removeEventFilter(this);
}

void WindowTitle::setLogo()
{
    m_btnIcon->setScaledContents(true);
    m_btnIcon->setPixmap(QPixmap(QStringLiteral(":/CommonSkin/TARNTool/Images/TARNTool/TitleBar/logo.png")));
}

void WindowTitle::setTitle(const QString &title)
{
    m_labelTitle->setText(title);
}

QString WindowTitle::title() const
{
    return m_labelTitle->text();
}

void WindowTitle::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        CFancyTitle::mouseDoubleClickEvent(event);
        return;
    }
    event->accept();
    if (GetIndependentWindow(this) == nullptr)
        return;
    maxOrRestoreWindow();
    emit SignalWndSizeStatusChanged();
}

void WindowTitle::showEvent(QShowEvent *event)
{
    watchWindow();
    CFancyTitle::showEvent(event);
}

bool WindowTitle::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_watchedWindow && event->type() == QEvent::WindowStateChange)
        updateMaximizeButton(IsMaximized(m_watchedWindow));
    return CFancyTitle::eventFilter(watched, event);
}

void WindowTitle::minimizeWindow()
{
    if (QWidget *window = GetIndependentWindow(this))
        window->showMinimized();
}

void WindowTitle::maxOrRestoreWindow()
{
    QWidget *window = GetIndependentWindow(this);
    if (window == nullptr)
        return;
    if (IsMaximized(window)) {
        ShowNormal(window, QSize());
        updateMaximizeButton(false);
    } else {
        ShowMaximized(window);
        updateMaximizeButton(true);
    }
}

void WindowTitle::closeWindow()
{
    if (QWidget *window = GetIndependentWindow(this))
        window->close();
    emit signalCloseApp();
}

void WindowTitle::displaySyetemMenu()
{
    emit signalSystemMenu();
}

void WindowTitle::updateMaximizeButton(bool maximized)
{
    const QLatin1String name(maximized ? restoreName : maximizeName);
    if (m_btnMaximize->objectName() == name)
        return;
    m_btnMaximize->setObjectName(name);
    m_btnMaximize->style()->unpolish(m_btnMaximize);
    m_btnMaximize->style()->polish(m_btnMaximize);
    m_btnMaximize->update();
}

void WindowTitle::watchWindow()
{
    QWidget *window = GetIndependentWindow(this);
    if (window == m_watchedWindow || window == this)
        return;
    if (!m_watchedWindow.isNull())
        m_watchedWindow->removeEventFilter(this);
    m_watchedWindow = window;
    if (window != nullptr) {
        window->installEventFilter(this);
        updateMaximizeButton(IsMaximized(window));
    }
}

} // namespace aptui
