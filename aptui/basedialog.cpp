#include "basedialog.h"

#include "basetitle.h"
#include "cwidgetsizefactory.h"
#include "layoutitems.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpacerItem>
#include <QVBoxLayout>

namespace aptui {

using MirelGUIToolkit::CWidgetSizeFactory;

BaseDialog::BaseDialog(bool showApp, bool showOption, bool showMin, bool showMax, bool showClose,
                       bool showConfirm, bool showCancel, QWidget *parent)
    : QDialog(parent)
{
    buildForm();

    m_title = new BaseTitle(showApp, showOption, showMin, showMax, showClose, this);
    m_titleLayout->addWidget(m_title);

    m_btnConfirm->setVisible(showConfirm);
    m_btnConfirm->setEnabled(showConfirm);
    m_btnCancel->setVisible(showCancel);
    m_btnCancel->setEnabled(showCancel);

    connect(m_title, &BaseTitle::signalAppButtonClicked, this, &BaseDialog::signalAppButtonClicked);
    connect(m_title, &BaseTitle::signalOptionButtonClicked, this, &BaseDialog::signalOptionButtonClicked);
    connect(m_title, &BaseTitle::signalMinButtonClicked, this, &BaseDialog::signalMinButtonClicked);
    connect(m_title, &BaseTitle::signalMaxButtonClicked, this, &BaseDialog::signalMaxButtonClicked);
    connect(m_title, &BaseTitle::signalCloseButtonClicked, this, &BaseDialog::signalCloseButtonClicked);
    connect(m_btnConfirm, &QPushButton::clicked, this, &BaseDialog::onConfirmBtnClicked);
    connect(m_btnCancel, &QPushButton::clicked, this, &BaseDialog::onCancelBtnClicked);
    connectDefaultActions(true, true, true);

    // Qt::Dialog too: without a window type a dialog given a parent would be
    // drawn inside that parent instead of in a window of its own.
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
}

BaseDialog::~BaseDialog()
{
    deleteLayoutItems(m_borderLayout);
    deleteLayoutItems(m_layoutMyBtns);
    delete m_title;
}

void BaseDialog::buildForm()
{
    setObjectName(QStringLiteral("BaseDialog"));
    resize(400, 475);
    setWindowTitle(tr("BaseDialog"));

    m_verticalLayout3 = new QVBoxLayout(this);
    m_verticalLayout3->setObjectName(QStringLiteral("verticalLayout_3"));
    m_verticalLayout3->setSpacing(0);
    m_verticalLayout3->setContentsMargins(0, 0, 0, 0);

    m_titleLayout = new QHBoxLayout();
    m_titleLayout->setObjectName(QStringLiteral("titleLayout"));
    m_titleLayout->setSpacing(6);
    m_verticalLayout3->addLayout(m_titleLayout);

    m_mainBorder = new QWidget(this);
    m_mainBorder->setObjectName(QStringLiteral("mainBorder"));
    m_verticalLayout2 = new QVBoxLayout(m_mainBorder);
    m_verticalLayout2->setObjectName(QStringLiteral("verticalLayout_2"));
    m_verticalLayout2->setSpacing(0);
    m_verticalLayout2->setContentsMargins(0, 0, 0, 0);
    m_borderLayout = new QVBoxLayout();
    m_borderLayout->setObjectName(QStringLiteral("BorderLayout"));
    m_borderLayout->setSpacing(0);
    // -1: the default margin of a nested layout.
    m_borderLayout->setContentsMargins(0, -1, 0, -1);
    m_labelNULL = new QLabel(m_mainBorder);
    m_labelNULL->setObjectName(QStringLiteral("m_labelNULL"));
    m_labelNULL->setText(tr("null content"));
    m_labelNULL->setAlignment(Qt::AlignCenter);
    m_labelNULL->setWordWrap(true);
    m_borderLayout->addWidget(m_labelNULL);
    m_verticalLayout2->addLayout(m_borderLayout);
    m_verticalLayout3->addWidget(m_mainBorder, 1);

    m_bottom = new QWidget(this);
    m_bottom->setObjectName(QStringLiteral("m_BaseDialogBottom"));
    m_bottom->setMinimumHeight(50);
    m_horizontalLayout = new QHBoxLayout(m_bottom);
    m_horizontalLayout->setObjectName(QStringLiteral("horizontalLayout"));
    m_horizontalLayout->setSpacing(6);
    m_horizontalLayout->setContentsMargins(11, 11, 11, 11);
    m_horizontalLayout->addItem(new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));
    m_layoutMyBtns = new QHBoxLayout();
    m_layoutMyBtns->setObjectName(QStringLiteral("layoutMyBtns"));
    m_layoutMyBtns->setSpacing(6);
    m_horizontalLayout->addLayout(m_layoutMyBtns);
    m_btnLayout = new QHBoxLayout();
    m_btnLayout->setObjectName(QStringLiteral("btnLayout"));
    m_btnLayout->setSpacing(6);
    m_btnConfirm = new QPushButton(m_bottom);
    m_btnConfirm->setObjectName(QStringLiteral("btnConfirm"));
    m_btnConfirm->setMinimumSize(72, 30);
    m_btnConfirm->setText(tr("Confirm"));
    m_btnLayout->addWidget(m_btnConfirm);
    m_btnCancel = new QPushButton(m_bottom);
    m_btnCancel->setObjectName(QStringLiteral("btnCancel"));
    m_btnCancel->setMinimumSize(72, 30);
    m_btnCancel->setText(tr("Cancel"));
    m_btnLayout->addWidget(m_btnCancel);
    m_horizontalLayout->addLayout(m_btnLayout);
    m_verticalLayout3->addWidget(m_bottom);
}

void BaseDialog::connectDefaultActions(bool enableMin, bool enableMax, bool enableClose)
{
    const auto update = [this](QMetaObject::Connection &connection, bool enable, auto signal,
                               auto slot) {
        if (!enable) {
            disconnect(connection);
            connection = QMetaObject::Connection();
        } else if (!connection) {
            connection = connect(m_title, signal, this, slot);
        }
    };
    update(m_minConnection, enableMin, &BaseTitle::signalMinButtonClicked, &QWidget::showMinimized);
    update(m_maxConnection, enableMax, &BaseTitle::signalMaxButtonClicked, &BaseDialog::restoreWindow);
    update(m_closeConnection, enableClose, &BaseTitle::signalCloseButtonClicked, &QWidget::close);
}

void BaseDialog::setEnableDefaultConnections(bool enableMin, bool enableMax, bool enableClose,
                                             bool enableConfirm, bool enableCancel)
{
    connectDefaultActions(enableMin, enableMax, enableClose);
    m_enableMin = enableMin;
    m_enableMax = enableMax;
    m_enableClose = enableClose;
    m_enableConfirm = enableConfirm;
    m_enableCancel = enableCancel;
}

void BaseDialog::setTitle(const QString &title)
{
    m_title->setTitle(title);
    setWindowTitle(title);
}

void BaseDialog::setDefaultText(const QString &text, int fontSize, bool blod)
{
    if (m_labelNULL.isNull())
        return;
    const QString format = blod
        ? QStringLiteral("<html><head/><body><p align=\"center\"><span style=\" font-size:%2pt; "
                         "font-weight:600;\">%1</span></p></body></html>")
        : QStringLiteral("<html><head/><body><p align=\"center\"><span style=\" "
                         "font-size:%2pt;\">%1</span></p></body></html>");
    m_labelNULL->setTextFormat(Qt::RichText);
    // Both arguments at once, so that a "%2" inside the text stays as it is.
    m_labelNULL->setText(format.arg(text, QString::number(fontSize)));
}

void BaseDialog::setDefaultText(const QString &text, int fontSize)
{
    setDefaultText(text, fontSize, false);
}

void BaseDialog::setDefaultText(const QString &text)
{
    if (m_labelNULL.isNull())
        return;
    m_labelNULL->setTextFormat(Qt::PlainText);
    m_labelNULL->setText(text);
}

void BaseDialog::setConfirmButtonText(const QString &text)
{
    m_btnConfirm->setText(text);
}

void BaseDialog::setCancelButtonText(const QString &text)
{
    m_btnCancel->setText(text);
}

void BaseDialog::setBottomBarHeight(int height)
{
    m_bottom->setFixedHeight(height);
    fitContentArea();
}

void BaseDialog::setBottomVisible(bool value)
{
    m_bottom->setVisible(value);
    fitContentArea();
}

void BaseDialog::onConfirmBtnClicked()
{
    if (m_enableConfirm)
        accept();
    emit signalConfirmButtonClicked();
}

void BaseDialog::onCancelBtnClicked()
{
    if (m_enableCancel)
        close();
    emit signalCancelButtonClicked();
}

void BaseDialog::restoreWindow()
{
    if (CWidgetSizeFactory::IsMaximized(this))
        CWidgetSizeFactory::ShowNormal(this);
    else
        CWidgetSizeFactory::ShowMaximized(this);
}

void BaseDialog::setContentWidget(QWidget *form)
{
    deleteLayoutItems(m_borderLayout, form);
    // Normally already gone with its layout item.
    delete m_labelNULL.data();
    if (form != nullptr)
        m_borderLayout->addWidget(form);
}

void BaseDialog::setDialogFixedSize(int width, int height)
{
    m_fixedDialogSize = QSize(width, height);
    setFixedSize(width, height);
    fitContentArea();
}

void BaseDialog::setDialogFixedSize(const QSize &size)
{
    setDialogFixedSize(size.width(), size.height());
}

void BaseDialog::fitContentArea()
{
    if (!m_fixedDialogSize.isValid())
        return;
    // Before the dialog is first shown the bars still have their initial
    // geometry; laying the form out first gives them their real heights.
    // The content area is freed first: fixed by an earlier fit, it would leave
    // the bars stretched, and their stretched height would be measured.
    m_mainBorder->setMinimumSize(0, 0);
    m_mainBorder->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    m_verticalLayout3->invalidate();
    m_verticalLayout3->activate();
    const int titleHeight = m_title->isHidden() ? 0 : m_title->height();
    const int bottomHeight = m_bottom->isHidden() ? 0 : m_bottom->height();
    m_mainBorder->setFixedSize(m_fixedDialogSize.width(),
                               qMax(0, m_fixedDialogSize.height() - titleHeight - bottomHeight));
}

void BaseDialog::setEnableConfirm(bool enable)
{
    m_enableConfirm = enable;
}

QPushButton *BaseDialog::confirmButton() const
{
    return m_btnConfirm;
}

QPushButton *BaseDialog::cancelButton() const
{
    return m_btnCancel;
}

BaseTitle *BaseDialog::titleBar() const
{
    return m_title;
}

QHBoxLayout *BaseDialog::customButtonLayout() const
{
    return m_layoutMyBtns;
}

} // namespace aptui
