#include "basetitle.h"

#include "layoutitems.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QSpacerItem>
#include <QToolButton>

namespace aptui {

namespace {

void showButton(QWidget *button, bool showIt)
{
    button->setVisible(showIt);
    button->setEnabled(showIt);
}

} // namespace

BaseTitle::BaseTitle(bool showApp, bool showOption, bool showMin, bool showMax, bool showClose,
                     QWidget *parent)
    : CFancyTitle(parent)
{
    setObjectName(QStringLiteral("BaseTitle"));
    resize(428, 32);
    setMinimumHeight(32);

    m_horizontalLayout3 = new QHBoxLayout(this);
    m_horizontalLayout3->setObjectName(QStringLiteral("horizontalLayout_3"));
    m_horizontalLayout3->setSpacing(3);
    m_horizontalLayout3->setContentsMargins(12, 3, 3, 3);

    m_btnApp = makeButton("btnApp", &BaseTitle::signalAppButtonClicked);
    m_horizontalLayout3->addWidget(m_btnApp);

    m_labelTitle = new QLabel(this);
    m_labelTitle->setObjectName(QStringLiteral("labelTitle"));
    m_horizontalLayout3->addWidget(m_labelTitle);

    m_horizontalLayout3->addItem(new QSpacerItem(243, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));

    m_hlayoutCustomButtons = new QHBoxLayout();
    m_hlayoutCustomButtons->setObjectName(QStringLiteral("m_hlayoutCustomButtons"));
    m_hlayoutCustomButtons->setSpacing(6);
    m_horizontalLayout3->addLayout(m_hlayoutCustomButtons);

    m_horizontalLayout = new QHBoxLayout();
    m_horizontalLayout->setObjectName(QStringLiteral("horizontalLayout"));
    m_horizontalLayout->setSpacing(3);
    m_horizontalLayout->setContentsMargins(0, 0, 0, 0);
    m_btnOption = makeButton("btnOption", &BaseTitle::signalOptionButtonClicked);
    m_btnMin = makeButton("btnMin", &BaseTitle::signalMinButtonClicked);
    m_btnMax = makeButton("btnMax", &BaseTitle::signalMaxButtonClicked);
    m_btnClose = makeButton("btnClose", &BaseTitle::signalCloseButtonClicked);
    m_horizontalLayout->addWidget(m_btnOption);
    m_horizontalLayout->addWidget(m_btnMin);
    m_horizontalLayout->addWidget(m_btnMax);
    m_horizontalLayout->addWidget(m_btnClose);
    m_horizontalLayout3->addLayout(m_horizontalLayout);

    showButton(m_btnApp, showApp);
    showButton(m_btnOption, showOption);
    showButton(m_btnMin, showMin);
    showButton(m_btnMax, showMax);
    showButton(m_btnClose, showClose);
}

BaseTitle::~BaseTitle()
{
    deleteLayoutItems(m_hlayoutCustomButtons);
}

QString BaseTitle::title() const
{
    return m_labelTitle->text();
}

QToolButton *BaseTitle::makeButton(const char *name, void (BaseTitle::*clickedSignal)())
{
    auto *button = new QToolButton(this);
    button->setObjectName(QLatin1String(name));
    button->setMinimumSize(24, 24);
    connect(button, &QToolButton::clicked, this, clickedSignal);
    return button;
}

void BaseTitle::setAppButtonShow(bool showIt)
{
    showButton(m_btnApp, showIt);
}

void BaseTitle::setOptionButtonShow(bool showIt)
{
    showButton(m_btnOption, showIt);
}

void BaseTitle::setMinButtonShow(bool showIt)
{
    showButton(m_btnMin, showIt);
}

void BaseTitle::setMaxButtonShow(bool showIt)
{
    showButton(m_btnMax, showIt);
}

void BaseTitle::setCloseButtonShow(bool showIt)
{
    showButton(m_btnClose, showIt);
}

void BaseTitle::addCustomButton(QAbstractButton *btn)
{
    if (btn != nullptr)
        m_hlayoutCustomButtons->addWidget(btn);
}

void BaseTitle::setTitle(const QString &title)
{
    m_labelTitle->setText(title);
}

void BaseTitle::setTitleIcon(const QIcon &icon)
{
    m_btnApp->setIcon(icon);
}

} // namespace aptui
