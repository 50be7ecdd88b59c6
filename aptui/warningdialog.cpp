#include "warningdialog.h"

#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QSpacerItem>
#include <QTimer>
#include <QVBoxLayout>

namespace TarnTool {

namespace {

constexpr int closeDelayMs = 2000;
constexpr int iconSize = 32;

} // namespace

WarningDialog::WarningDialog(QWidget *parent, MessageKind kind, const QString &text)
    : QDialog(parent)
    , m_parentWidget(parent)
{
    buildForm();
    connect(m_btnClose, &QPushButton::clicked, this, &WarningDialog::onBtnClose);
    resize(310, 120);

    // A window of its own even when it has a parent: with the frameless flag
    // alone a parented dialog would become a child widget, clipped by the
    // parent and placed in its coordinates instead of on the screen.
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);

    const QString icon = iconPath(kind);
    if (!icon.isEmpty()) {
        m_labelWarnPicture->setPixmap(QPixmap::fromImage(
            QImage(icon).scaled(iconSize, iconSize, Qt::IgnoreAspectRatio, Qt::FastTransformation)));
    }
    m_labelWarnText->setText(text);

    // Only the styled panel is drawn; the corners around it stay see-through.
    setAttribute(Qt::WA_TranslucentBackground);

    // Counted from construction, so a box whose modal run starts late still
    // closes on time.
    m_closeTimer = new QTimer(this);
    m_closeTimer->setObjectName(QStringLiteral("m_closeTimer"));
    m_closeTimer->setSingleShot(true);
    m_closeTimer->setInterval(closeDelayMs);
    connect(m_closeTimer, &QTimer::timeout, this, &WarningDialog::onCloseTimeout);
    m_closeTimer->start();
}

WarningDialog::~WarningDialog() = default;

QString WarningDialog::iconPath(MessageKind kind)
{
    switch (kind) {
    case MessageKind::Ok:
        return QStringLiteral(":/CommonSkin/TARNTool/Images/TARNTool/TipDialog/icon_alert_ok_large.png");
    case MessageKind::Info:
        return QStringLiteral(":/CommonSkin/TARNTool/Images/TARNTool/TipDialog/icon_alert_info_large.png");
    case MessageKind::Error:
        return QStringLiteral(":/CommonSkin/TARNTool/Images/TARNTool/TipDialog/icon_alert_error_large.png");
    }
    return QString();
}

void WarningDialog::onBtnClose()
{
    close();
    emit signalWarnClose();
}

void WarningDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (m_expired)
        QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
}

void WarningDialog::onCloseTimeout()
{
    if (!isVisible())
        m_expired = true;
    close();
}

void WarningDialog::buildForm()
{
    setObjectName(QStringLiteral("WarningDialog"));
    resize(310, 138);
    setMinimumSize(310, 120);
    setMaximumSize(310, 180);

    auto *verticalLayout = new QVBoxLayout(this);
    verticalLayout->setObjectName(QStringLiteral("verticalLayout"));
    verticalLayout->setSpacing(0);
    verticalLayout->setContentsMargins(0, 0, 0, 0);

    m_borderWidget = new QWidget(this);
    m_borderWidget->setObjectName(QStringLiteral("m_borderWidget"));
    verticalLayout->addWidget(m_borderWidget);

    auto *verticalLayout2 = new QVBoxLayout(m_borderWidget);
    verticalLayout2->setObjectName(QStringLiteral("verticalLayout_2"));
    verticalLayout2->setSpacing(0);
    verticalLayout2->setContentsMargins(0, 0, 0, 10);

    auto *horizontalLayout3 = new QHBoxLayout();
    horizontalLayout3->setObjectName(QStringLiteral("horizontalLayout_3"));
    horizontalLayout3->addItem(new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));
    m_btnClose = new QPushButton(m_borderWidget);
    m_btnClose->setObjectName(QStringLiteral("m_btnClose"));
    m_btnClose->setFixedSize(32, 32);
    horizontalLayout3->addWidget(m_btnClose);
    verticalLayout2->addLayout(horizontalLayout3);

    auto *horizontalLayout4 = new QHBoxLayout();
    horizontalLayout4->setObjectName(QStringLiteral("horizontalLayout_4"));
    horizontalLayout4->setSpacing(16);
    // -1: the default top margin of a nested layout.
    horizontalLayout4->setContentsMargins(20, -1, 20, 0);
    m_labelWarnPicture = new QLabel(m_borderWidget);
    m_labelWarnPicture->setObjectName(QStringLiteral("m_labelWarnPicture"));
    m_labelWarnPicture->setFixedSize(iconSize, iconSize);
    horizontalLayout4->addWidget(m_labelWarnPicture);
    auto *horizontalLayout = new QHBoxLayout();
    horizontalLayout->setObjectName(QStringLiteral("horizontalLayout"));
    m_labelWarnText = new QLabel(m_borderWidget);
    m_labelWarnText->setObjectName(QStringLiteral("m_labelWarnText"));
    m_labelWarnText->setMinimumHeight(60);
    m_labelWarnText->setWordWrap(true);
    horizontalLayout->addWidget(m_labelWarnText);
    horizontalLayout4->addLayout(horizontalLayout);
    verticalLayout2->addLayout(horizontalLayout4);

    verticalLayout2->addItem(new QSpacerItem(20, 30, QSizePolicy::Minimum, QSizePolicy::Expanding));
}

} // namespace TarnTool
