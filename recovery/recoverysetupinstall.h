#ifndef RECOVERYSETUPINSTALL_H
#define RECOVERYSETUPINSTALL_H

// Connects the activation of the configuration panel to the recovery set-up
// dialog. The panel's library cannot name the dialog (this library builds
// on it), so the program installs the dialog into the panel's launcher once
// at start-up.

#include "deviceinfo.h"

#include <QString>
#include <QVector>

class QWidget;

namespace TarnTool {

// Runs the set-up dialog modally for the devices and returns them with the
// GUID and e-mail states it wrote; with no task offered it returns them
// unchanged without showing anything.
QVector<DeviceInfo> runRecoverySetupDialog(QWidget *parent, bool bGuid, bool bQuestions,
                                           bool bEmail, const QVector<DeviceInfo> &vecDeviceInfo,
                                           const QString &strPassword);

// Makes runRecoverySetupDialog, over the active window, what the panel runs
// after an activation.
void installRecoverySetupDialog();

// Makes the restore dialog of the default password, for devices without the
// newer reset ability, what "Forget Password" opens.
void installRestorePasswordDialog();

} // namespace TarnTool

#endif // RECOVERYSETUPINSTALL_H
