#include "recoverysetupinstall.h"

#include "guidandqustiondialog.h"
#include "passwordrecoverylauncher.h"
#include "recoverysetuplauncher.h"
#include "restorepassworddialog.h"

#include <QApplication>

namespace TarnTool {

QVector<DeviceInfo> runRecoverySetupDialog(QWidget *parent, bool bGuid, bool bQuestions,
                                           bool bEmail, const QVector<DeviceInfo> &vecDeviceInfo,
                                           const QString &strPassword)
{
    if (!bGuid && !bQuestions && !bEmail)
        return vecDeviceInfo;
    GuidAndQustionDialog dialog(parent, bGuid, bQuestions, bEmail);
    dialog.setDeviceList(vecDeviceInfo);
    dialog.setAdminPassword(strPassword);
    dialog.exec();
    return dialog.deviceList();
}

void installRecoverySetupDialog()
{
    RecoverySetupLauncher::setHook([](bool guid, bool questions, bool email,
                                      const QVector<DeviceInfo> &vecDeviceInfo,
                                      const QString &strPassword) {
        // The launcher hands over no widget; the panel's window is the active one.
        return runRecoverySetupDialog(QApplication::activeWindow(), guid, questions, email,
                                      vecDeviceInfo, strPassword);
    });
}

void installRestorePasswordDialog()
{
    PasswordRecoveryLauncher::setRestoreHook([](QWidget *parent, const QString &strSerialNumber) {
        RestorePasswordDialog dialog(parent, strSerialNumber);
        dialog.exec();
    });
}

} // namespace TarnTool
