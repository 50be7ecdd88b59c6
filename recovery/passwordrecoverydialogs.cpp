#include "passwordrecoverydialogs.h"

#include "passwordrecoverylauncher.h"
#include "recoverysetupinstall.h"
#include "resetpassworddialog.h"

namespace TarnTool {

void PasswordRecoveryDialogs::install()
{
    PasswordRecoveryLauncher::setResetHook([](QWidget *parent, const PasswordResetTarget &target) {
        ResetPasswordDialog dialog(parent, target.strSerialNumber, target.qrAndManualKey,
                                   target.channelReset, target.guid, target.questions,
                                   target.recoveryBit1, target.reservedEmail, target.emailTipMode,
                                   target.userKind, target.userName);
        dialog.exec();
    });
    installRestorePasswordDialog();
}

} // namespace TarnTool
