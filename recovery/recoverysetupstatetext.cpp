#include "recoverysetupstatetext.h"

namespace TarnTool {

QString RecoverySetupStateText::notSupported()
{
    return tr("Not Suport");
}

QString RecoverySetupStateText::exportCompleted()
{
    return tr("Export completed");
}

QString RecoverySetupStateText::exportFailed()
{
    return tr("Export Failed");
}

QString RecoverySetupStateText::emailSucceeded()
{
    return tr("successed.");
}

QString RecoverySetupStateText::emailFailed(int errorCode)
{
    return tr("failed.") + QString::number(errorCode);
}

} // namespace TarnTool
