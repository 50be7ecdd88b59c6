#include "emailsecuritytipdialog.h"

#include "desktopservices.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

namespace TarnTool {

EmailSecurityTipDialog::EmailSecurityTipDialog(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("Email_SecurityTip_Dialog"));
    setFixedSize(568, 300);
    buildForm();
    connect(nextBtn, &QPushButton::clicked, this, &EmailSecurityTipDialog::onNextBtnClicked);
    connect(closeBtn, &QPushButton::clicked, this, &EmailSecurityTipDialog::onCloseBtnClicked);
    urlLabel->installEventFilter(this);
}

EmailSecurityTipDialog::~EmailSecurityTipDialog() = default;

void EmailSecurityTipDialog::buildForm()
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(30, 30, 30, 20);
    layout->setSpacing(14);

    auto *tipRow = new QHBoxLayout;
    tipRow->setSpacing(16);
    iconLabel = new QLabel(this);
    iconLabel->setObjectName(QStringLiteral("iconLabel"));
    iconLabel->setPixmap(QPixmap(QStringLiteral(":/CommonSkin/TARNTool/Images/TARNTool/TipDialog/warn.png")));
    iconLabel->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    tipRow->addWidget(iconLabel, 0, Qt::AlignTop);

    tipLabel = new QLabel(this);
    tipLabel->setObjectName(QStringLiteral("tipLabel"));
    tipLabel->setWordWrap(true);
    tipLabel->setText(tr("To reset the password by Reserved Email, you should provide your email "
                         "address and the requesting information to Ostrel. Please click on the "
                         "link and read our <Privacy Policy> carefully , you will be deemed to have "
                         "been fully accepted it by clicking Next. If you have any questions, please "
                         "close this page and choose other types."));
    // The text names the policy in angle brackets; it is not markup.
    tipLabel->setTextFormat(Qt::PlainText);
    tipRow->addWidget(tipLabel, 1);
    layout->addLayout(tipRow);

    auto *linkRow = new QHBoxLayout;
    label = new QLabel(tr("Privacy policy"), this);
    label->setObjectName(QStringLiteral("label"));
    linkRow->addWidget(label);
    urlLabel = new QLabel(tr("https://www.ostrel.com/en/privacy-policy/"), this);
    urlLabel->setObjectName(QStringLiteral("urlLabel"));
    urlLabel->setWordWrap(false);
    urlLabel->setTextFormat(Qt::PlainText);
    urlLabel->setStyleSheet(QStringLiteral(
        "QLabel#urlLabel { color: #059af8; border: none; border-bottom: 1px solid #059af8; }"));
    urlLabel->setCursor(Qt::PointingHandCursor);
    linkRow->addWidget(urlLabel);
    linkRow->addStretch(1);
    layout->addLayout(linkRow);
    layout->addStretch(1);

    auto *buttonRow = new QHBoxLayout;
    buttonRow->addStretch(1);
    nextBtn = new QPushButton(tr("NEXT"), this);
    nextBtn->setObjectName(QStringLiteral("nextBtn"));
    nextBtn->setMinimumSize(90, 30);
    buttonRow->addWidget(nextBtn);
    closeBtn = new QPushButton(tr("CLOSE"), this);
    closeBtn->setObjectName(QStringLiteral("closeBtn"));
    closeBtn->setMinimumSize(90, 30);
    buttonRow->addWidget(closeBtn);
    layout->addLayout(buttonRow);
}

bool EmailSecurityTipDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == urlLabel && event->type() == QEvent::MouseButtonPress)
        aptui::openUrl(QUrl(urlLabel->text().trimmed()));
    return QDialog::eventFilter(watched, event);
}

void EmailSecurityTipDialog::onNextBtnClicked()
{
    accept();
}

void EmailSecurityTipDialog::onCloseBtnClicked()
{
    reject();
}

} // namespace TarnTool
