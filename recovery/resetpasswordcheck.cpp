#include "resetpasswordcheck.h"

#include "latin1text.h"
#include "passwordstrength.h"

namespace TarnTool {

namespace {

ResetPasswordResult failure(ResetPasswordResult::Rule rule, const QString &message,
                            ResetPasswordResult::Field marked, ResetPasswordResult::Field focus,
                            bool longMessage = false)
{
    ResetPasswordResult result;
    result.rule = rule;
    result.message = message;
    result.markedField = marked;
    result.focusField = focus;
    result.longMessage = longMessage;
    return result;
}

} // namespace

ResetPasswordResult ResetPasswordCheck::check(const ResetPasswordInput &input)
{
    using R = ResetPasswordResult;
    if (input.newPassword.isEmpty())
        return failure(R::NewPasswordEmpty, tr("The password can not be empty."),
                       R::NewPasswordField, R::NewPasswordField);
    if (input.confirmPassword.isEmpty())
        return failure(R::ConfirmPasswordEmpty, tr("The password can not be empty."),
                       R::ConfirmPasswordField, R::ConfirmPasswordField);
    if (input.newPassword != input.confirmPassword)
        return failure(R::PasswordsDiffer, tr("The password you typed do not match."), R::NoField,
                       R::NoField);
    if (containsUserName(input.newPassword, input.isAdminAccount, input.userName))
        return failure(R::ContainsUserName, tr("The password can not contain userName."),
                       R::NewPasswordField, R::NewPasswordField);
    if (input.levelText.isEmpty())
        return failure(R::TooWeak, ruleText(input.isAdminAccount), R::NewPasswordField, R::NoField,
                       true);
    if (input.requireAllowedText && !isAllowedPasswordText(input.newPassword))
        return failure(R::NotAllowedText,
                       tr("8 to 16 digits. The combination should contain at least two of the "
                          "following types: numbers, upper case letters, lower case letters, "
                          "special characters (!\"#$%&'()*+,-./:;<=>?@[]^_`{|}~ and space."),
                       R::NewPasswordField, R::NewPasswordField);
    return R();
}

bool ResetPasswordCheck::containsUserName(const QString &password, bool isAdminAccount,
                                          const QString &userName)
{
    const QString lowered = password.toLower();
    if (isAdminAccount)
        return lowered.contains(QStringLiteral("admin"));
    return !userName.isEmpty() && lowered.contains(userName.toLower());
}

bool ResetPasswordCheck::isAllowedPasswordText(const QString &password)
{
    for (const QChar c : password) {
        const char16_t u = c.unicode();
        const bool asciiGraphic = u >= 0x21 && u <= 0x7E;  // letters, digits, punctuation
        if (!asciiGraphic && !c.isSpace())
            return false;
    }
    return true;
}

QString ResetPasswordCheck::meterUserName(bool isAdminAccount, const QString &userName)
{
    return isAdminAccount ? QStringLiteral("admin") : userName;
}

PasswordStrengthMeter::Mode ResetPasswordCheck::meterMode(bool isAdminAccount)
{
    return isAdminAccount ? PasswordStrengthMeter::Mode::Standard
                          : PasswordStrengthMeter::Mode::Strict;
}

QString ResetPasswordCheck::levelText(bool isAdminAccount, const QString &userName,
                                      const QString &password)
{
    const int level = evaluatePasswordStrength(toLatin1Bytes(meterUserName(isAdminAccount, userName)),
                                               toLatin1Bytes(password));
    return PasswordStrengthMeter::display(level, meterMode(isAdminAccount)).text;
}

QString ResetPasswordCheck::ruleText(bool isAdminAccount)
{
    if (isAdminAccount)
        return tr("Valid password range [8-16]. You can use a combination of numbers, lowercase, "
                  "uppercase and special character for your password with at least two kinds of "
                  "them contained.");
    return tr("Valid password range [8-16]. You can use a combination of numbers, lowercase, "
              "uppercase and special character for your password with at least three kinds of "
              "them contained.");
}

} // namespace TarnTool
