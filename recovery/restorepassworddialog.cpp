#include "restorepassworddialog.h"

#include "messagebox.h"
#include "multistatelineedit.h"
#include "tarnhandler.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace TarnTool {

RestorePasswordDialog::RestorePasswordDialog(QWidget *parent, const QString &strSerialNumber)
    : aptui::BaseDialog(true, false, false, false, true, true, true, parent),
      m_deviceKey(strSerialNumber)
{
    setTitle(tr("Reset Default Password"));
    // Confirm sends the code; only a successful restore closes the dialog.
    setEnableConfirm(false);
    buildForm();
    resize(500, 280);

    m_lineEditSecurityCode->installEventFilter(this);
    connect(this, &aptui::BaseDialog::signalConfirmButtonClicked, this,
            &RestorePasswordDialog::onRestorePassword, Qt::DirectConnection);
    m_lineEditSecurityCode->setFocus();
}

RestorePasswordDialog::~RestorePasswordDialog() = default;

void RestorePasswordDialog::buildForm()
{
    auto *form = new QWidget(this);
    form->setObjectName(QStringLiteral("ResrotePasswordDialog"));
    auto *layout = new QVBoxLayout(form);
    layout->setSpacing(20);
    layout->setContentsMargins(10, 60, 10, 60);

    m_labelRestorePassword = new QLabel(tr("Reset Default Password"), form);
    m_labelRestorePassword->setObjectName(QStringLiteral("m_labelRestorePassword"));
    layout->addWidget(m_labelRestorePassword);

    auto *row = new QHBoxLayout;
    row->setSpacing(6);
    m_labelSecurityCode = new QLabel(tr("Security Code:"), form);
    m_labelSecurityCode->setObjectName(QStringLiteral("m_labelSecurityCode"));
    row->addWidget(m_labelSecurityCode);
    m_lineEditSecurityCode = new aptui::MultiStateLineEdit(form);
    m_lineEditSecurityCode->setObjectName(QStringLiteral("m_lineEditSecurityCode"));
    m_lineEditSecurityCode->setMinimumHeight(28);
    m_lineEditSecurityCode->setMaxLength(SecurityCodeMaxLength);
    m_lineEditSecurityCode->setContextMenuPolicy(Qt::NoContextMenu);
    row->addWidget(m_lineEditSecurityCode, 1);
    m_labelHintSecurityCode = new QLabel(form);
    m_labelHintSecurityCode->setObjectName(QStringLiteral("m_labelHintSecurityCode"));
    m_labelHintSecurityCode->setFixedSize(24, 24);
    row->addWidget(m_labelHintSecurityCode);
    layout->addLayout(row);
    layout->addStretch(1);

    setContentWidget(form);
    setFocusProxy(m_lineEditSecurityCode);
}

void RestorePasswordDialog::onRestorePassword()
{
    // Sent exactly as typed: a code of spaces is a code.
    const QString code = m_lineEditSecurityCode->text();
    if (code.isEmpty()) {
        showMessage(messagePosition(this), MessageKind::Error, tr("Please input security code."),
                    this, m_lineEditSecurityCode, m_labelHintSecurityCode);
        return;
    }
    if (TARN::TarnHandler::Instance()->resetDefaultPasswd(m_deviceKey, code)) {
        showMessage(messagePosition(this), MessageKind::Ok, tr("Restore password succeed."), this);
        accept();
        return;
    }
    showMessage(messagePosition(this), MessageKind::Error, tr("Restore password failed."), this);
}

bool RestorePasswordDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_lineEditSecurityCode && event->type() == QEvent::MouseButtonPress) {
        m_labelHintSecurityCode->clear();
        m_lineEditSecurityCode->setLineEditState(aptui::MultiStateLineEdit::NORMAL);
    }
    return aptui::BaseDialog::eventFilter(watched, event);
}

} // namespace TarnTool
