// The checks of the activation form, in their order: each rule stops the
// check with its message, its box size and the field it marks; the channel
// password takes part only while its field is shown.

#include "activationformcheck.h"
#include "latin1text.h"
#include "passwordstrength.h"
#include "passwordstrengthmeter.h"

#include <QStandardPaths>
#include <QTest>

using TarnTool::ActivationFormCheck;
using TarnTool::ActivationFormInput;
using TarnTool::ActivationFormResult;
using TarnTool::PasswordStrengthMeter;

namespace {

const QString Empty = QStringLiteral("The password can not be empty.");
const QString Mismatch = QStringLiteral("The password you typed do not match.");
const QString RuleText = QStringLiteral(
        "Valid password range [8-16]. You can use a combination of numbers,lowercase, uppercase "
        "and special character for your password with at least two kinds of them contained.");
const QString UserName = QStringLiteral("The password can not contain userName.");
const QString NoDevice = QStringLiteral("Please select a device.");

// The meter's text for a typed password, as the panel's meter shows it.
QString levelTextOf(const QString &password)
{
    const int level = TarnTool::evaluatePasswordStrength(toLatin1Bytes(ActivationFormCheck::userName()),
                                                         toLatin1Bytes(password));
    return PasswordStrengthMeter::display(level, PasswordStrengthMeter::Mode::Standard).text;
}

} // namespace

class ActivationFormCheckTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void userNameIsAdmin();
    void rules_data();
    void rules();
    void emptyLevelTextFailsWhateverThePassword();
};

void ActivationFormCheckTest::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void ActivationFormCheckTest::userNameIsAdmin()
{
    QCOMPARE(ActivationFormCheck::userName(), QStringLiteral("admin"));
}

void ActivationFormCheckTest::rules_data()
{
    QTest::addColumn<int>("selected");
    QTest::addColumn<QString>("newPassword");
    QTest::addColumn<QString>("confirmPassword");
    QTest::addColumn<bool>("channelVisible");
    QTest::addColumn<QString>("channelPassword");
    QTest::addColumn<int>("rule");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("longMessage");
    QTest::addColumn<int>("field");

    using R = ActivationFormResult;
    const QString good = QStringLiteral("Abcdef12");
    const QString channel = QStringLiteral("Chan1234");

    QTest::newRow("all good, channel hidden") << 1 << good << good << false << QString()
                                              << int(R::Passed) << QString() << false << int(R::NoField);
    QTest::newRow("all good, channel shown") << 3 << good << good << true << channel
                                             << int(R::Passed) << QString() << false << int(R::NoField);

    QTest::newRow("1: no device") << 0 << good << good << false << QString()
                                  << int(R::NoSelection) << NoDevice << false << int(R::NoField);
    QTest::newRow("1 before 2: no device, no password") << 0 << QString() << QString() << true << QString()
                                                        << int(R::NoSelection) << NoDevice << false << int(R::NoField);
    QTest::newRow("2: new password empty") << 1 << QString() << good << false << QString()
                                           << int(R::NewPasswordEmpty) << Empty << false << int(R::NewPasswordField);
    QTest::newRow("2 before 3: both empty") << 1 << QString() << QString() << false << QString()
                                            << int(R::NewPasswordEmpty) << Empty << false << int(R::NewPasswordField);
    QTest::newRow("3: confirmation empty") << 1 << good << QString() << false << QString()
                                           << int(R::ConfirmPasswordEmpty) << Empty << false << int(R::ConfirmPasswordField);
    QTest::newRow("4: channel shown and empty") << 1 << good << good << true << QString()
                                                << int(R::ChannelPasswordEmpty) << Empty << false << int(R::ChannelPasswordField);
    QTest::newRow("4 before 5: channel empty, passwords differ") << 1 << good << "Abcdef13" << true << QString()
                                                                 << int(R::ChannelPasswordEmpty) << Empty << false << int(R::ChannelPasswordField);
    QTest::newRow("5: passwords differ") << 1 << good << "Abcdef13" << false << QString()
                                         << int(R::PasswordsDiffer) << Mismatch << false << int(R::NoField);
    QTest::newRow("5: differ only in letter case") << 1 << good << "abcdef12" << false << QString()
                                                   << int(R::PasswordsDiffer) << Mismatch << false << int(R::NoField);
    QTest::newRow("5 before 6: weak and different") << 1 << "abcdefgh" << "abcdefgi" << false << QString()
                                                    << int(R::PasswordsDiffer) << Mismatch << false << int(R::NoField);
    QTest::newRow("6: lower-case only") << 1 << "abcdefgh" << "abcdefgh" << false << QString()
                                        << int(R::NewPasswordWeak) << RuleText << true << int(R::NewPasswordField);
    QTest::newRow("6: seven characters, four kinds") << 1 << "Ab1!xyz" << "Ab1!xyz" << false << QString()
                                                     << int(R::NewPasswordWeak) << RuleText << true << int(R::NewPasswordField);
    QTest::newRow("6 before 7: weak and containing admin") << 1 << "xxadminx" << "xxadminx" << false << QString()
                                                           << int(R::NewPasswordWeak) << RuleText << true << int(R::NewPasswordField);
    QTest::newRow("7: contains admin") << 1 << "Xyadmin1" << "Xyadmin1" << false << QString()
                                       << int(R::NewPasswordHasUserName) << UserName << false << int(R::NewPasswordField);
    QTest::newRow("7: ADMIN in upper case passes") << 1 << "XyADMIN1" << "XyADMIN1" << false << QString()
                                                   << int(R::Passed) << QString() << false << int(R::NoField);
    QTest::newRow("7: Admin passes") << 1 << "XyAdmin1" << "XyAdmin1" << false << QString()
                                     << int(R::Passed) << QString() << false << int(R::NoField);
    QTest::newRow("8: channel contains admin") << 1 << good << good << true << "Chadmin12"
                                               << int(R::ChannelPasswordHasUserName) << UserName << false << int(R::ChannelPasswordField);
    QTest::newRow("8: channel ADMIN passes") << 1 << good << good << true << "ChADMIN12"
                                             << int(R::Passed) << QString() << false << int(R::NoField);
    QTest::newRow("8 before 9: short channel with admin") << 1 << good << good << true << "admin"
                                                          << int(R::ChannelPasswordHasUserName) << UserName << false << int(R::ChannelPasswordField);
    QTest::newRow("9: channel of seven characters") << 1 << good << good << true << "Chan123"
                                                    << int(R::ChannelPasswordShort) << RuleText << true << int(R::ChannelPasswordField);
    QTest::newRow("9: seven characters, one outside the basic plane") << 1 << good << good << true
                                                                      << QStringLiteral("Chan12\U0001F600")
                                                                      << int(R::ChannelPasswordShort) << RuleText << true << int(R::ChannelPasswordField);
    QTest::newRow("10: channel of eight digits") << 1 << good << good << true << "12345678"
                                                 << int(R::ChannelPasswordOneKind) << RuleText << true << int(R::ChannelPasswordField);
    QTest::newRow("10: channel of lower-case letters") << 1 << good << good << true << "channelpass"
                                                       << int(R::ChannelPasswordOneKind) << RuleText << true << int(R::ChannelPasswordField);
    QTest::newRow("10: seven digits and a letter pass") << 1 << good << good << true << "1234567a"
                                                        << int(R::Passed) << QString() << false << int(R::NoField);
    QTest::newRow("10: accented letter is a second kind") << 1 << good << good << true << QStringLiteral("channel\u00e9")
                                                          << int(R::Passed) << QString() << false << int(R::NoField);
    // The channel password is not rated, not confirmed, and may equal the new one.
    QTest::newRow("channel equal to the new password") << 1 << good << good << true << good
                                                       << int(R::Passed) << QString() << false << int(R::NoField);
    // A hidden field is not part of the form, whatever it still holds.
    QTest::newRow("hidden channel with an old short text") << 1 << good << good << false << "12"
                                                           << int(R::Passed) << QString() << false << int(R::NoField);
    QTest::newRow("hidden channel with an old admin text") << 1 << good << good << false << "admin123"
                                                           << int(R::Passed) << QString() << false << int(R::NoField);
}

void ActivationFormCheckTest::rules()
{
    QFETCH(int, selected);
    QFETCH(QString, newPassword);
    QFETCH(QString, confirmPassword);
    QFETCH(bool, channelVisible);
    QFETCH(QString, channelPassword);
    QFETCH(int, rule);
    QFETCH(QString, message);
    QFETCH(bool, longMessage);
    QFETCH(int, field);

    ActivationFormInput input;
    input.selectedDevices = selected;
    input.newPassword = newPassword;
    input.confirmPassword = confirmPassword;
    input.channelPasswordVisible = channelVisible;
    input.channelPassword = channelPassword;
    input.levelText = levelTextOf(newPassword);

    const ActivationFormResult result = ActivationFormCheck::check(input);
    QCOMPARE(int(result.rule), rule);
    QCOMPARE(result.passed(), rule == ActivationFormResult::Passed);
    QCOMPARE(result.message, message);
    QCOMPARE(result.longMessage, longMessage);
    QCOMPARE(int(result.field), field);
}

void ActivationFormCheckTest::emptyLevelTextFailsWhateverThePassword()
{
    // The meter's text is the verdict: a strict meter that stayed empty for
    // a three-kind password stops the check at the rule text.
    ActivationFormInput input;
    input.selectedDevices = 1;
    input.newPassword = input.confirmPassword = QStringLiteral("Abcdef12");
    input.levelText = PasswordStrengthMeter::display(3, PasswordStrengthMeter::Mode::Strict).text;
    const ActivationFormResult result = ActivationFormCheck::check(input);
    QCOMPARE(int(result.rule), int(ActivationFormResult::NewPasswordWeak));
    QCOMPARE(result.message, RuleText);
    QVERIFY(result.longMessage);
}

QTEST_GUILESS_MAIN(ActivationFormCheckTest)
#include "tst_activationformcheck.moc"
