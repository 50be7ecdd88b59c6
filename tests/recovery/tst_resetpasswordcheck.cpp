// The new-password checks of the reset dialog, in their order, for the
// administrator and for a named account; the account-name test that ignores
// letter case; the plain-text rule of the GUID page; and the meter verdict
// the checks rely on.

#include "resetpasswordcheck.h"

#include <QStandardPaths>
#include <QTest>

using TarnTool::ResetPasswordCheck;
using TarnTool::ResetPasswordInput;
using TarnTool::ResetPasswordResult;

namespace {

const QString Empty = QStringLiteral("The password can not be empty.");
const QString Mismatch = QStringLiteral("The password you typed do not match.");
const QString UserName = QStringLiteral("The password can not contain userName.");
const QString TwoKinds = QStringLiteral(
    "Valid password range [8-16]. You can use a combination of numbers, lowercase, uppercase and "
    "special character for your password with at least two kinds of them contained.");
const QString ThreeKinds = QStringLiteral(
    "Valid password range [8-16]. You can use a combination of numbers, lowercase, uppercase and "
    "special character for your password with at least three kinds of them contained.");
const QString AllowedText = QStringLiteral(
    "8 to 16 digits. The combination should contain at least two of the following types: numbers, "
    "upper case letters, lower case letters, special characters (!\"#$%&'()*+,-./:;<=>?@[]^_`{|}~ "
    "and space.");

} // namespace

class TstResetPasswordCheck : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void rules_data();
    void rules();
    void containsUserName_data();
    void containsUserName();
    void isAllowedPasswordText_data();
    void isAllowedPasswordText();
};

void TstResetPasswordCheck::rules_data()
{
    QTest::addColumn<bool>("admin");
    QTest::addColumn<QString>("userName");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("confirm");
    QTest::addColumn<bool>("guidPage");
    QTest::addColumn<int>("rule");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("longBox");
    QTest::addColumn<int>("marked");
    QTest::addColumn<int>("focus");

    using R = ResetPasswordResult;
    QTest::newRow("empty new password") << true << "" << "" << "Abcd1234" << false << int(R::NewPasswordEmpty)
                                        << Empty << false << int(R::NewPasswordField) << int(R::NewPasswordField);
    QTest::newRow("empty confirmation") << true << "" << "Abcd1234" << "" << false
                                        << int(R::ConfirmPasswordEmpty) << Empty << false
                                        << int(R::ConfirmPasswordField) << int(R::ConfirmPasswordField);
    QTest::newRow("different letter case does not match")
        << true << "" << "Abcd1234" << "abcd1234" << false << int(R::PasswordsDiffer) << Mismatch << false
        << int(R::NoField) << int(R::NoField);
    QTest::newRow("admin in mixed case, before the meter")
        << true << "" << "xAdMiN12" << "xAdMiN12" << false << int(R::ContainsUserName) << UserName << false
        << int(R::NewPasswordField) << int(R::NewPasswordField);
    QTest::newRow("named account's name in other case")
        << false << "Operator" << "oPERATOR#9x" << "oPERATOR#9x" << false << int(R::ContainsUserName)
        << UserName << false << int(R::NewPasswordField) << int(R::NewPasswordField);
    QTest::newRow("named account may contain admin")
        << false << "op" << "Admin#12345x" << "Admin#12345x" << false << int(R::Passed) << QString() << false
        << int(R::NoField) << int(R::NoField);
    QTest::newRow("administrator: digits and lower case pass")
        << true << "" << "abcd1234" << "abcd1234" << false << int(R::Passed) << QString() << false
        << int(R::NoField) << int(R::NoField);
    QTest::newRow("named account: digits and lower case fail with three kinds")
        << false << "op" << "abcd1234" << "abcd1234" << false << int(R::TooWeak) << ThreeKinds << true
        << int(R::NewPasswordField) << int(R::NoField);
    QTest::newRow("named account: all four kinds pass")
        << false << "op" << "Abcd#1234" << "Abcd#1234" << false << int(R::Passed) << QString() << false
        << int(R::NoField) << int(R::NoField);
    QTest::newRow("administrator: too short") << true << "" << "Ab1#" << "Ab1#" << false << int(R::TooWeak)
                                              << TwoKinds << true << int(R::NewPasswordField) << int(R::NoField);
    QTest::newRow("administrator: one kind only")
        << true << "" << "abcdefghij" << "abcdefghij" << false << int(R::TooWeak) << TwoKinds << true
        << int(R::NewPasswordField) << int(R::NoField);
    QTest::newRow("GUID page: accented letter fails the text rule")
        << true << "" << QStringLiteral("Abcd1234\u00e9") << QStringLiteral("Abcd1234\u00e9") << true
        << int(R::NotAllowedText) << AllowedText << false << int(R::NewPasswordField)
        << int(R::NewPasswordField);
    QTest::newRow("other pages: accented letter is fine")
        << true << "" << QStringLiteral("Abcd1234\u00e9") << QStringLiteral("Abcd1234\u00e9") << false
        << int(R::Passed) << QString() << false << int(R::NoField) << int(R::NoField);
    QTest::newRow("GUID page: punctuation and space are fine")
        << true << "" << "Ab 1~{}|\"'x" << "Ab 1~{}|\"'x" << true << int(R::Passed) << QString() << false
        << int(R::NoField) << int(R::NoField);
}

void TstResetPasswordCheck::rules()
{
    QFETCH(bool, admin);
    QFETCH(QString, userName);
    QFETCH(QString, password);
    QFETCH(QString, confirm);
    QFETCH(bool, guidPage);
    QFETCH(int, rule);
    QFETCH(QString, message);
    QFETCH(bool, longBox);
    QFETCH(int, marked);
    QFETCH(int, focus);

    ResetPasswordInput input;
    input.newPassword = password;
    input.confirmPassword = confirm;
    input.isAdminAccount = admin;
    input.userName = userName;
    input.requireAllowedText = guidPage;
    // The meter's verdict, as the page's meter shows it for the password.
    input.levelText = ResetPasswordCheck::levelText(admin, userName, password);
    const ResetPasswordResult result = ResetPasswordCheck::check(input);
    QCOMPARE(int(result.rule), rule);
    QCOMPARE(result.message, message);
    QCOMPARE(result.longMessage, longBox);
    QCOMPARE(int(result.markedField), marked);
    QCOMPARE(int(result.focusField), focus);
    QCOMPARE(result.passed(), rule == int(ResetPasswordResult::Passed));
}

void TstResetPasswordCheck::containsUserName_data()
{
    QTest::addColumn<QString>("password");
    QTest::addColumn<bool>("admin");
    QTest::addColumn<QString>("userName");
    QTest::addColumn<bool>("expected");

    QTest::newRow("admin lower case") << "myadmin1" << true << "" << true;
    QTest::newRow("admin upper case") << "MYADMIN1" << true << "" << true;
    QTest::newRow("admin mixed") << "xxAdMin" << true << "ignored" << true;
    QTest::newRow("admin not contained") << "adm1n-in" << true << "" << false;
    QTest::newRow("admin account ignores the name") << "operator1" << true << "operator" << false;
    QTest::newRow("named account contains the name") << "xOpErAtOr1" << false << "Operator" << true;
    QTest::newRow("named account without the name") << "x0perator" << false << "operator" << false;
    QTest::newRow("named account with empty name") << "anything" << false << "" << false;
    QTest::newRow("named account, admin is fine") << "myadmin1" << false << "guest" << false;
}

void TstResetPasswordCheck::containsUserName()
{
    QFETCH(QString, password);
    QFETCH(bool, admin);
    QFETCH(QString, userName);
    QFETCH(bool, expected);
    QCOMPARE(ResetPasswordCheck::containsUserName(password, admin, userName), expected);
}

void TstResetPasswordCheck::isAllowedPasswordText_data()
{
    QTest::addColumn<QString>("password");
    QTest::addColumn<bool>("expected");

    QTest::newRow("letters and digits") << "Abc123xyz" << true;
    QTest::newRow("all 32 punctuation characters") << "!\"#$%&'()*+,-./:;<=>?@[\\]^_`{|}~" << true;
    QTest::newRow("space and tab") << "ab cd\tef" << true;
    QTest::newRow("empty") << "" << true;
    QTest::newRow("accented letter") << QStringLiteral("caf\u00e9") << false;
    QTest::newRow("CJK") << QStringLiteral("\u5bc6\u7801abc1") << false;
    QTest::newRow("control character") << QStringLiteral("abc\u0001") << false;
    QTest::newRow("DEL") << QStringLiteral("abc\u007f") << false;
    QTest::newRow("full-width digit") << QStringLiteral("abc\uff11") << false;
}

void TstResetPasswordCheck::isAllowedPasswordText()
{
    QFETCH(QString, password);
    QFETCH(bool, expected);
    QCOMPARE(ResetPasswordCheck::isAllowedPasswordText(password), expected);
}

QTEST_GUILESS_MAIN(TstResetPasswordCheck)
#include "tst_resetpasswordcheck.moc"
