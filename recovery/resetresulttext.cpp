#include "resetresulttext.h"

namespace TarnTool {

QString ResetResultText::succeedText()
{
    return tr("Reset password Succeed.");
}

QString ResetResultText::failureText(int errorCode, quint8 attemptsLeft, quint8 lockMinutes)
{
    switch (errorCode) {
    case ErrorDeviceDeny:
        return tr("Reset password failed,device deny.");
    case ErrorTimeOut:
        return tr("Reset password failed,time out.");
    case ErrorLocked:
        if (lockMinutes != 0)
            return tr("Reset password failed,device locked,lock time:%1minutes").arg(lockMinutes);
        return tr("Reset password failed,device locked.");
    case ErrorInvalidGuid:
        return tr("Reset password failed,invalid guid, retry times:%1").arg(attemptsLeft);
    case ErrorAnswer:
        return tr("Reset password failed,answer error,retry times:%1").arg(attemptsLeft);
    case ErrorVerificationCode:
        return tr("Reset password failed,invalid verification code, retry times:%1").arg(attemptsLeft);
    default:
        return tr("Reset password failed,error id:%1").arg(errorCode);
    }
}

} // namespace TarnTool
