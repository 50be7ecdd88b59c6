#ifndef RESETPASSWORDCHECK_H
#define RESETPASSWORDCHECK_H

// The checks a new password passes on every page of the reset dialog before
// anything is sent: both fields filled, equal, free of the account name, the
// meter's verdict, and (GUID page only) plain ASCII text. They stop at the
// first failing rule; the result names the rule, its message, the box size,
// the field to mark and the field that takes the focus. Unlike the
// activation form, the account name is looked for ignoring letter case, and
// before the meter's verdict.

#include "passwordstrengthmeter.h"

#include <QCoreApplication>
#include <QString>

namespace TarnTool {

struct ResetPasswordInput
{
    QString newPassword;
    QString confirmPassword;
    // The page meter's text: empty when the password does not meet the rules.
    QString levelText;
    bool isAdminAccount = true;
    QString userName;
    // Only the GUID page asks for plain ASCII text.
    bool requireAllowedText = false;
};

struct ResetPasswordResult
{
    enum Rule {
        Passed = 0,
        NewPasswordEmpty = 1,
        ConfirmPasswordEmpty = 2,
        PasswordsDiffer = 3,
        ContainsUserName = 4,
        TooWeak = 5,
        NotAllowedText = 6
    };
    enum Field { NoField, NewPasswordField, ConfirmPasswordField };

    Rule rule = Passed;
    QString message;
    bool longMessage = false;
    // Marked on the pages that mark (key and GUID).
    Field markedField = NoField;
    Field focusField = NoField;

    bool passed() const { return rule == Passed; }
};

class ResetPasswordCheck
{
    Q_DECLARE_TR_FUNCTIONS(TarnTool::ResetPasswordCheck)

public:
    static ResetPasswordResult check(const ResetPasswordInput &input);

    // Ignoring letter case: an administrator's password must not contain
    // "admin"; a named account's must not contain a non-empty account name.
    static bool containsUserName(const QString &password, bool isAdminAccount,
                                 const QString &userName);

    // Every character an ASCII letter or digit, one of the 32 printable ASCII
    // punctuation characters, or white space.
    static bool isAllowedPasswordText(const QString &password);

    // The name the meter rates against, and how it shows the level: an
    // administrator needs level 1, a named account level 4.
    static QString meterUserName(bool isAdminAccount, const QString &userName);
    static PasswordStrengthMeter::Mode meterMode(bool isAdminAccount);
    static QString levelText(bool isAdminAccount, const QString &userName, const QString &password);

    static QString ruleText(bool isAdminAccount);
};

} // namespace TarnTool

#endif // RESETPASSWORDCHECK_H
