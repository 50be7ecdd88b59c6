#ifndef RESTOREPASSWORDDIALOG_H
#define RESTOREPASSWORDDIALOG_H

// Restores the default password of an older device that lacks the newer
// reset ability, with a security code that the manufacturer issued for this
// device. The code is passed on exactly as typed; a successful restore
// closes the dialog, a failed one leaves the code for another attempt.

#include "basedialog.h"

#include <QString>

class QEvent;
class QLabel;
class QObject;

namespace aptui {
class MultiStateLineEdit;
} // namespace aptui

namespace TarnTool {

class RestorePasswordDialog : public aptui::BaseDialog
{
    Q_OBJECT

public:
    static constexpr int SecurityCodeMaxLength = 32;

    RestorePasswordDialog(QWidget *parent, const QString &strSerialNumber);
    ~RestorePasswordDialog() override;

    QString deviceKey() const { return m_deviceKey; }

    bool eventFilter(QObject *watched, QEvent *event) override;

public slots:
    void onRestorePassword();

private:
    void buildForm();

    QString m_deviceKey;

    QLabel *m_labelRestorePassword = nullptr;
    QLabel *m_labelSecurityCode = nullptr;
    aptui::MultiStateLineEdit *m_lineEditSecurityCode = nullptr;
    QLabel *m_labelHintSecurityCode = nullptr;
};

} // namespace TarnTool

#endif // RESTOREPASSWORDDIALOG_H
