#include "recoverysetuplauncher.h"

namespace TarnTool {

namespace {

RecoverySetupLauncher::Hook &currentHook()
{
    static RecoverySetupLauncher::Hook hook;
    return hook;
}

} // namespace

void RecoverySetupLauncher::setHook(Hook hook)
{
    currentHook() = std::move(hook);
}

QVector<DeviceInfo> RecoverySetupLauncher::run(bool guid, bool questions, bool email,
                                               const QVector<DeviceInfo> &vecDeviceInfo,
                                               const QString &strPassword)
{
    const Hook &hook = currentHook();
    if (hook)
        return hook(guid, questions, email, vecDeviceInfo, strPassword);
    return vecDeviceInfo;
}

} // namespace TarnTool
