#include "passwordrecoverylauncher.h"

namespace TarnTool {

namespace {

PasswordRecoveryLauncher::ResetHook &resetHook()
{
    static PasswordRecoveryLauncher::ResetHook hook;
    return hook;
}

PasswordRecoveryLauncher::RestoreHook &restoreHook()
{
    static PasswordRecoveryLauncher::RestoreHook hook;
    return hook;
}

} // namespace

void PasswordRecoveryLauncher::setResetHook(ResetHook hook)
{
    resetHook() = std::move(hook);
}

void PasswordRecoveryLauncher::setRestoreHook(RestoreHook hook)
{
    restoreHook() = std::move(hook);
}

void PasswordRecoveryLauncher::runReset(QWidget *parent, const PasswordResetTarget &target)
{
    if (resetHook())
        resetHook()(parent, target);
}

void PasswordRecoveryLauncher::runRestore(QWidget *parent, const QString &strSerialNumber)
{
    if (restoreHook())
        restoreHook()(parent, strSerialNumber);
}

} // namespace TarnTool
