#ifndef PASSWORDRECOVERYLAUNCHER_H
#define PASSWORDRECOVERYLAUNCHER_H

// Where "Forget Password" hands over to the recovery subsystem: the reset
// dialog for devices that announce the newer reset ability, the restore
// dialog of the default password for older ones. The dialogs belong to the
// recovery library, which builds on this one (it shares the password rules),
// so the panel reaches them through replaceable hooks that the program fills
// in at start-up; tests fill them with their own. Each hook runs its dialog
// modally and returns when it has closed.

#include <QString>

#include <functional>

class QWidget;

namespace TarnTool {

// What the reset dialog is opened with, taken from the device's record.
struct PasswordResetTarget
{
    QString strSerialNumber;
    bool qrAndManualKey = false;      // recoveryFlags bit 0
    bool channelReset = false;        // abilityFlags bit 7
    bool guid = false;                // recoveryFlags bit 2
    bool questions = false;           // recoveryFlags bit 3
    bool recoveryBit1 = false;        // recoveryFlags bit 1
    bool reservedEmail = false;       // extraAbilityFlags bit 1
    int emailTipMode = 0;
    int userKind = 0;
    QString userName;
};

class PasswordRecoveryLauncher
{
public:
    using ResetHook = std::function<void(QWidget *parent, const PasswordResetTarget &target)>;
    using RestoreHook = std::function<void(QWidget *parent, const QString &strSerialNumber)>;

    // An empty hook restores the default, which opens nothing.
    static void setResetHook(ResetHook hook);
    static void setRestoreHook(RestoreHook hook);

    static void runReset(QWidget *parent, const PasswordResetTarget &target);
    static void runRestore(QWidget *parent, const QString &strSerialNumber);
};

} // namespace TarnTool

#endif // PASSWORDRECOVERYLAUNCHER_H
