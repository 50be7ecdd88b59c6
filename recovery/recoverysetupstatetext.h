#ifndef RECOVERYSETUPSTATETEXT_H
#define RECOVERYSETUPSTATETEXT_H

// The per-device outcome texts that the recovery set-up writes into each
// device's GUID and e-mail states for the batch result page. They are
// translated texts, stored and compared as such.

#include <QCoreApplication>
#include <QString>

namespace TarnTool {

class RecoverySetupStateText
{
    Q_DECLARE_TR_FUNCTIONS(TarnTool::RecoverySetupStateText)

public:
    // GUID state of a device that cannot export its GUID.
    static QString notSupported();
    static QString exportCompleted();
    static QString exportFailed();

    static QString emailSucceeded();
    // "failed." directly followed by the library's error code in decimal.
    static QString emailFailed(int errorCode);
};

} // namespace TarnTool

#endif // RECOVERYSETUPSTATETEXT_H
