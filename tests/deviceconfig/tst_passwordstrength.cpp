// The rating of new passwords: length, the user name forwards and backwards,
// and the kinds of characters, counted on the Latin-1 bytes of the texts.

#include "latin1text.h"
#include "passwordstrength.h"

#include <QStandardPaths>
#include <QTest>

using TarnTool::evaluatePasswordStrength;
using TarnTool::passwordCharacterKinds;

class PasswordStrengthTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void rating_data();
    void rating();
    void byteStrings_data();
    void byteStrings();
    void characterKinds_data();
    void characterKinds();
};

void PasswordStrengthTest::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void PasswordStrengthTest::rating_data()
{
    QTest::addColumn<QString>("userName");
    QTest::addColumn<QString>("password");
    QTest::addColumn<int>("level");

    const QString admin = QStringLiteral("admin");
    QTest::newRow("8 chars: upper, lower, digits") << admin << "Abcdef12" << 3;
    QTest::newRow("8 lower-case letters") << admin << "abcdefgh" << 0;
    QTest::newRow("12 lower-case letters") << admin << "abcdefghijkl" << 0;
    QTest::newRow("upper-case only") << admin << "ABCDEFGHIJ" << 0;
    QTest::newRow("digits only") << admin << "1234567890" << 0;
    QTest::newRow("punctuation only") << admin << "!@#$%^&*" << 0;
    QTest::newRow("digits + lower") << admin << "abcd1234" << 1;
    QTest::newRow("digits + upper") << admin << "ABCD1234" << 1;
    QTest::newRow("upper + lower") << admin << "ABCDefgh" << 2;
    QTest::newRow("lower + punctuation") << admin << "abcdefg!" << 2;
    QTest::newRow("upper + punctuation") << admin << "ABCDEFG#" << 2;
    QTest::newRow("digits + punctuation") << admin << "1234567#" << 2;
    QTest::newRow("lower + space") << admin << "abcd efgh" << 2;
    QTest::newRow("upper, lower, punctuation") << admin << "Abcdefg!" << 3;
    QTest::newRow("digits, lower, punctuation") << admin << "abcdef1!" << 3;
    QTest::newRow("all four kinds") << admin << "Abc123!x" << 4;
    QTest::newRow("all four kinds, 16 chars") << admin << "Abc123!xAbc123!x" << 4;
    QTest::newRow("7 chars, all four kinds") << admin << "Ab1!xyz" << 0;
    QTest::newRow("empty") << admin << "" << 0;
    QTest::newRow("contains admin: still rated") << admin << "Xyadmin1" << 3;
    QTest::newRow("contains ADMIN: still rated") << admin << "XyADMIN1" << 3;
    QTest::newRow("lower + one accented letter") << admin << QStringLiteral("abcdefg\u00e9") << 2;
    QTest::newRow("lower + upper-case accented letter") << admin << QStringLiteral("abcdefg\u00c9") << 2;
    QTest::newRow("lower + character outside Latin-1 (?)") << admin << QStringLiteral("abcdefg\u20ac") << 2;
    // Eight UTF-16 units, seven characters: one "?" in the bytes.
    QTest::newRow("7 characters + one outside the basic plane")
            << admin << QStringLiteral("abcdef\U0001F600") << 0;
    QTest::newRow("8 characters, one outside the basic plane")
            << admin << QStringLiteral("abcdefg\U0001F600") << 2;
    QTest::newRow("admin reversed is too short to matter") << admin << "nimda" << 0;

    const QString longName = QStringLiteral("Operator1");
    QTest::newRow("equal to the user name") << longName << "Operator1" << 0;
    QTest::newRow("equal to the user name reversed") << longName << "1rotarepO" << 0;
    QTest::newRow("user name in other case: rated") << longName << "operator1" << 1;
    QTest::newRow("user name plus one character: rated") << longName << "Operator12" << 3;
    QTest::newRow("empty user name") << QString() << "Abcdef12" << 3;
}

void PasswordStrengthTest::rating()
{
    QFETCH(QString, userName);
    QFETCH(QString, password);
    QFETCH(int, level);

    QCOMPARE(evaluatePasswordStrength(toLatin1Bytes(userName), toLatin1Bytes(password)), level);
}

void PasswordStrengthTest::byteStrings_data()
{
    QTest::addColumn<QByteArray>("userName");
    QTest::addColumn<QByteArray>("password");
    QTest::addColumn<int>("level");

    // Bytes above 0x7F are never letters, whatever the locale.
    QTest::newRow("Latin-1 upper-case letters") << QByteArray("admin") << QByteArray("\xc0\xc1\xc2\xc3" "abcd") << 2;
    QTest::newRow("embedded zero byte counts as other") << QByteArray("admin") << QByteArray("abcd\0efg", 8) << 2;
    QTest::newRow("reversed user name, byte for byte") << QByteArray("Pass\xe9Word9")
                                                       << QByteArray("9droW\xe9ssaP") << 0;
}

void PasswordStrengthTest::byteStrings()
{
    QFETCH(QByteArray, userName);
    QFETCH(QByteArray, password);
    QFETCH(int, level);

    QCOMPARE(evaluatePasswordStrength(userName, password), level);
}

void PasswordStrengthTest::characterKinds_data()
{
    QTest::addColumn<QByteArray>("password");
    QTest::addColumn<int>("kinds");

    QTest::newRow("empty") << QByteArray() << 0;
    QTest::newRow("digits") << QByteArray("12345678") << 1;
    QTest::newRow("digits + letter") << QByteArray("1234567a") << 2;
    QTest::newRow("short: still counted") << QByteArray("aB") << 2;
    QTest::newRow("upper, lower, digits") << QByteArray("aB3") << 3;
    QTest::newRow("all four") << QByteArray("aB3\xe9") << 4;
}

void PasswordStrengthTest::characterKinds()
{
    QFETCH(QByteArray, password);
    QFETCH(int, kinds);

    QCOMPARE(passwordCharacterKinds(password), kinds);
}

QTEST_GUILESS_MAIN(PasswordStrengthTest)
#include "tst_passwordstrength.moc"
