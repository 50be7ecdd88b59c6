#include "activationformcheck.h"

#include "latin1text.h"
#include "passwordstrength.h"

namespace TarnTool {

namespace {

ActivationFormResult failure(ActivationFormResult::Rule rule, const QString &message,
                             ActivationFormResult::Field field, bool longMessage = false)
{
    ActivationFormResult result;
    result.rule = rule;
    result.message = message;
    result.field = field;
    result.longMessage = longMessage;
    return result;
}

} // namespace

QString ActivationFormCheck::userName()
{
    return QStringLiteral("admin");
}

ActivationFormResult ActivationFormCheck::check(const ActivationFormInput &input)
{
    using R = ActivationFormResult;
    const QString empty = tr("The password can not be empty.");
    const QString ruleText = tr("Valid password range [8-16]. You can use a combination of "
                                "numbers,lowercase, uppercase and special character for your "
                                "password with at least two kinds of them contained.");
    const QString containsUserName = tr("The password can not contain userName.");
    // A hidden channel field may still hold an earlier text; the user can
    // neither see nor correct it, so it takes no part in the checks.
    const QString channelPassword = input.channelPasswordVisible ? input.channelPassword : QString();

    if (input.selectedDevices <= 0)
        return failure(R::NoSelection, tr("Please select a device."), R::NoField);
    if (input.newPassword.isEmpty())
        return failure(R::NewPasswordEmpty, empty, R::NewPasswordField);
    if (input.confirmPassword.isEmpty())
        return failure(R::ConfirmPasswordEmpty, empty, R::ConfirmPasswordField);
    if (input.channelPasswordVisible && channelPassword.isEmpty())
        return failure(R::ChannelPasswordEmpty, empty, R::ChannelPasswordField);
    if (input.newPassword != input.confirmPassword)
        return failure(R::PasswordsDiffer, tr("The password you typed do not match."), R::NoField);
    if (input.levelText.isEmpty())
        return failure(R::NewPasswordWeak, ruleText, R::NewPasswordField, true);
    if (input.newPassword.contains(userName(), Qt::CaseSensitive))
        return failure(R::NewPasswordHasUserName, containsUserName, R::NewPasswordField);
    if (input.channelPasswordVisible && channelPassword.contains(userName(), Qt::CaseSensitive))
        return failure(R::ChannelPasswordHasUserName, containsUserName, R::ChannelPasswordField);
    if (!channelPassword.isEmpty()) {
        // Counted as the rating counts: one byte per character, outside
        // Latin-1 a "?".
        const QByteArray bytes = toLatin1Bytes(channelPassword);
        if (bytes.size() < MinimumPasswordLength)
            return failure(R::ChannelPasswordShort, ruleText, R::ChannelPasswordField, true);
        if (passwordCharacterKinds(bytes) < 2)
            return failure(R::ChannelPasswordOneKind, ruleText, R::ChannelPasswordField, true);
    }
    return R();
}

} // namespace TarnTool
