#ifndef ACTIVATIONFORMCHECK_H
#define ACTIVATIONFORMCHECK_H

// The checks the activation form passes before anything is sent to a device:
// a selection, the new password and its confirmation, the meter's verdict,
// the user name, and the optional channel password. The checks stop at the
// first failing rule; the result names the rule, its message and the field
// to mark, and the page shows it (showMessage or showLongMessage, kind Error).

#include <QCoreApplication>
#include <QString>

namespace TarnTool {

struct ActivationFormInput
{
    int selectedDevices = 0;
    QString newPassword;
    QString confirmPassword;
    // Taken into account only while its field is visible.
    QString channelPassword;
    bool channelPasswordVisible = false;
    // The strength meter's text: empty when the password does not meet the rules.
    QString levelText;
};

struct ActivationFormResult
{
    enum Rule {
        Passed = 0,
        NoSelection = 1,
        NewPasswordEmpty = 2,
        ConfirmPasswordEmpty = 3,
        ChannelPasswordEmpty = 4,
        PasswordsDiffer = 5,
        NewPasswordWeak = 6,
        NewPasswordHasUserName = 7,
        ChannelPasswordHasUserName = 8,
        ChannelPasswordShort = 9,
        ChannelPasswordOneKind = 10
    };

    // The field switched to its error state, with its hint label.
    enum Field {
        NoField,
        NewPasswordField,          // m_lineEditNewPassword / m_labelHintNewPassword
        ConfirmPasswordField,      // m_lineEditConfirmPassword / m_labelHintConfirmPassword
        ChannelPasswordField       // channelPasswordEdit / m_labelHintChannelPassword
    };

    Rule rule = Passed;
    QString message;
    bool longMessage = false;  // the taller box, for the rule text
    Field field = NoField;

    bool passed() const { return rule == Passed; }
};

class ActivationFormCheck
{
    Q_DECLARE_TR_FUNCTIONS(TarnTool::ActivationFormCheck)

public:
    // The user name every panel password is checked against.
    static QString userName();

    static ActivationFormResult check(const ActivationFormInput &input);
};

} // namespace TarnTool

#endif // ACTIVATIONFORMCHECK_H
