#ifndef RESETRESULTTEXT_H
#define RESETRESULTTEXT_H

// What the reset dialog says after a reset request: success, or the
// failure for the library's error code, with the attempts left or the lock
// time that the device put into the failure record where the code has them.

#include <QCoreApplication>
#include <QString>

namespace TarnTool {

class ResetResultText
{
    Q_DECLARE_TR_FUNCTIONS(TarnTool::ResetResultText)

public:
    // Library error codes the texts tell apart.
    enum ErrorCode {
        ErrorDeviceDeny = 2009,
        ErrorTimeOut = 2011,
        ErrorLocked = 2018,
        ErrorInvalidGuid = 2026,
        ErrorAnswer = 2027,
        ErrorVerificationCode = 2033
    };

    static QString succeedText();

    // attemptsLeft and lockMinutes are bytes 0 and 1 of the failure record.
    static QString failureText(int errorCode, quint8 attemptsLeft, quint8 lockMinutes);
};

} // namespace TarnTool

#endif // RESETRESULTTEXT_H
