#ifndef PASSWORDRECOVERYDIALOGS_H
#define PASSWORDRECOVERYDIALOGS_H

// Connects "Forget Password" of the configuration panel to the recovery
// dialogs. The panel's library cannot name them (this library builds on
// it), so the program installs them into the panel's launcher at start-up.

namespace TarnTool {

class PasswordRecoveryDialogs
{
public:
    // The reset dialog for devices with the newer reset ability, the restore
    // dialog of the default password for the others.
    static void install();
};

} // namespace TarnTool

#endif // PASSWORDRECOVERYDIALOGS_H
