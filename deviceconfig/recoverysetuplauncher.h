#ifndef RECOVERYSETUPLAUNCHER_H
#define RECOVERYSETUPLAUNCHER_H

// Where activation hands over to the password-recovery set-up (GUID export,
// security questions, reserved e-mail) of the freshly activated devices. The
// set-up dialog belongs to the recovery subsystem; until one is installed,
// and in tests, a replaceable hook stands in for it. The hook gets which
// methods to offer, the devices and their new password, and returns the
// devices with the export and e-mail results it wrote into them.

#include "deviceinfo.h"

#include <QString>
#include <QVector>

#include <functional>

namespace TarnTool {

class RecoverySetupLauncher
{
public:
    using Hook = std::function<QVector<DeviceInfo>(bool guid, bool questions, bool email,
                                                   const QVector<DeviceInfo> &vecDeviceInfo,
                                                   const QString &strPassword)>;

    // An empty hook restores the default, which offers nothing and returns
    // the devices unchanged.
    static void setHook(Hook hook);

    // Runs the set-up modally and returns the devices to show afterwards.
    static QVector<DeviceInfo> run(bool guid, bool questions, bool email,
                                   const QVector<DeviceInfo> &vecDeviceInfo,
                                   const QString &strPassword);
};

} // namespace TarnTool

#endif // RECOVERYSETUPLAUNCHER_H
