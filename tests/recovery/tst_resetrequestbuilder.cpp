// The reset request as each method fills it, byte by byte at the offsets the
// device reads, and the refusals of input that does not fit its field or a
// question ID outside the table: nothing is written past a field, and the
// dialog gets a message instead of a request.

#include "resetrequestbuilder.h"

#include <QStandardPaths>
#include <QTest>

#include <cstring>

using TarnTool::ResetRequestBuilder;
using Problem = ResetRequestBuilder::Problem;

Q_DECLARE_METATYPE(ResetRequestBuilder::Problem)

namespace {

QByteArray bytesOf(const TarnResetRequest &request)
{
    return QByteArray(reinterpret_cast<const char *>(&request), sizeof(request));
}

// Byte ranges [offset, offset + size) that a request may have non-zero.
bool zeroOutside(const QByteArray &bytes, const QVector<QPair<int, int>> &allowed)
{
    for (int i = 0; i < bytes.size(); ++i) {
        if (bytes.at(i) == 0)
            continue;
        bool inside = false;
        for (const auto &[offset, size] : allowed)
            inside = inside || (i >= offset && i < offset + size);
        if (!inside) {
            qWarning("unexpected byte at offset %d", i);
            return false;
        }
    }
    return true;
}

quint32 wordAt(const QByteArray &bytes, int offset)
{
    quint32 value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | quint8(bytes.at(offset + i));
    return value;
}

} // namespace

class TstResetRequestBuilder : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void typedKey();
    void keyFile();
    void guidFile();
    void questions();
    void email();
    void refusals_data();
    void refusals();
    void fullFieldsHaveNoTerminator();
    void firstProblemIsKept();
};

void TstResetRequestBuilder::typedKey()
{
    ResetRequestBuilder builder(ResetRequestBuilder::KeyText);
    builder.setNewPassword(QStringLiteral("Abcd1234"));
    builder.setKeyText(QStringLiteral("KEY-0001"));
    builder.setSynchronize(true);
    QVERIFY(builder.isValid());
    const QByteArray bytes = bytesOf(builder.request());
    QCOMPARE(bytes.size(), 14256);
    QCOMPARE(wordAt(bytes, 0), 14256u);
    QCOMPARE(int(bytes.at(4)), 3);
    QCOMPARE(int(bytes.at(5)), 1);
    QCOMPARE(bytes.mid(8, 9), QByteArray("Abcd1234\0", 9));
    QCOMPARE(bytes.mid(24, 9), QByteArray("KEY-0001\0", 9));
    QVERIFY(zeroOutside(bytes, {{0, 6}, {8, 16}, {24, 256}}));
}

void TstResetRequestBuilder::keyFile()
{
    ResetRequestBuilder builder(ResetRequestBuilder::KeyFile);
    builder.setNewPassword(QStringLiteral("Abcd1234"));
    builder.setKeyFilePath(QStringLiteral("/home/u/.config/TARN/copy.xml"));
    builder.setSynchronize(false);
    QVERIFY(builder.isValid());
    const QByteArray bytes = bytesOf(builder.request());
    QCOMPARE(int(bytes.at(4)), 2);
    QCOMPARE(int(bytes.at(5)), 0);
    QCOMPARE(bytes.mid(280, 30), QByteArray("/home/u/.config/TARN/copy.xml\0", 30));
    // The typed-key field stays zero.
    QVERIFY(zeroOutside(bytes, {{0, 5}, {8, 16}, {280, 260}}));
}

void TstResetRequestBuilder::guidFile()
{
    const QByteArray guid(128, 'G');
    ResetRequestBuilder builder(ResetRequestBuilder::GuidFile);
    builder.setNewPassword(QStringLiteral("Abcd1234"));
    builder.setGuid(guid);
    QVERIFY(builder.isValid());
    const QByteArray bytes = bytesOf(builder.request());
    QCOMPARE(int(bytes.at(4)), 4);
    QCOMPARE(bytes.mid(540, 128), guid);
    QVERIFY(zeroOutside(bytes, {{0, 5}, {8, 16}, {540, 128}}));
}

void TstResetRequestBuilder::questions()
{
    ResetRequestBuilder builder(ResetRequestBuilder::SecurityQuestions);
    builder.setNewPassword(QStringLiteral("Abcd1234"));
    builder.addAnswer(3, QStringLiteral("Ms Grey"));
    builder.addAnswer(7, QStringLiteral("   "));
    builder.addAnswer(15, QStringLiteral("Oslo"));
    QVERIFY(builder.isValid());
    const QByteArray bytes = bytesOf(builder.request());
    QCOMPARE(int(bytes.at(4)), 5);
    const struct { int id; QByteArray answer; } expected[] = {{3, "Ms Grey"}, {7, "   "}, {15, "Oslo"}};
    QVector<QPair<int, int>> allowed = {{0, 5}, {8, 16}};
    for (const auto &[id, answer] : expected) {
        const int entry = 676 + 392 * id;
        QCOMPARE(wordAt(bytes, entry), quint32(id));
        QCOMPARE(bytes.mid(entry + 4, answer.size() + 1), answer + QByteArray(1, '\0'));
        QCOMPARE(int(bytes.at(entry + 260)), 1);
        allowed.append({entry, 261});
    }
    // The entry at position 0 and every other question stay zero.
    QVERIFY(zeroOutside(bytes, allowed));
}

void TstResetRequestBuilder::email()
{
    ResetRequestBuilder builder(ResetRequestBuilder::ReservedEmail);
    builder.setNewPassword(QStringLiteral(" Abcd1234 "));
    builder.setVerificationCode(QStringLiteral("849301"));
    builder.setSynchronize(true);
    QVERIFY(builder.isValid());
    const QByteArray bytes = bytesOf(builder.request());
    QCOMPARE(int(bytes.at(4)), 6);
    QCOMPARE(int(bytes.at(5)), 1);
    QCOMPARE(bytes.mid(8, 11), QByteArray(" Abcd1234 \0", 11));
    QCOMPARE(bytes.mid(24, 7), QByteArray("849301\0", 7));
    QVERIFY(zeroOutside(bytes, {{0, 6}, {8, 16}, {24, 256}}));
}

void TstResetRequestBuilder::refusals_data()
{
    QTest::addColumn<int>("method");
    QTest::addColumn<QString>("what");
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<int>("questionId");
    QTest::addColumn<Problem>("problem");
    QTest::addColumn<QString>("message");

    QTest::newRow("GUID of 129 bytes") << int(ResetRequestBuilder::GuidFile) << "guid" << QByteArray(129, 'g')
                                       << 0 << Problem::GuidTooLong
                                       << "The GUID file is not valid: its content is longer than 128 bytes.";
    QTest::newRow("GUID of 4 KiB") << int(ResetRequestBuilder::GuidFile) << "guid" << QByteArray(4096, 'g') << 0
                                   << Problem::GuidTooLong
                                   << "The GUID file is not valid: its content is longer than 128 bytes.";
    QTest::newRow("answer of 257 bytes") << int(ResetRequestBuilder::SecurityQuestions) << "answer"
                                         << QByteArray(257, 'a') << 5 << Problem::AnswerTooLong
                                         << "An answer is too long: at most 256 bytes can be sent.";
    QTest::newRow("answer of 100 three-byte characters")
        << int(ResetRequestBuilder::SecurityQuestions) << "answer"
        << QString(100, QChar(0x5bc6)).toUtf8() << 5 << Problem::AnswerTooLong
        << "An answer is too long: at most 256 bytes can be sent.";
    QTest::newRow("question ID 0") << int(ResetRequestBuilder::SecurityQuestions) << "answer" << QByteArray("x")
                                   << 0 << Problem::QuestionIdOutOfRange
                                   << "The device reported an unknown security question.";
    QTest::newRow("question ID 16") << int(ResetRequestBuilder::SecurityQuestions) << "answer"
                                    << QByteArray("x") << 16 << Problem::QuestionIdOutOfRange
                                    << "The device reported an unknown security question.";
    QTest::newRow("question ID -1") << int(ResetRequestBuilder::SecurityQuestions) << "answer"
                                    << QByteArray("x") << -1 << Problem::QuestionIdOutOfRange
                                    << "The device reported an unknown security question.";
    QTest::newRow("question ID 100000") << int(ResetRequestBuilder::SecurityQuestions) << "answer"
                                        << QByteArray("x") << 100000 << Problem::QuestionIdOutOfRange
                                        << "The device reported an unknown security question.";
    QTest::newRow("code of 257 bytes") << int(ResetRequestBuilder::ReservedEmail) << "code"
                                       << QByteArray(257, '7') << 0 << Problem::VerificationCodeTooLong
                                       << "The verification code is too long: at most 256 bytes can be sent.";
    QTest::newRow("typed key of 257 bytes") << int(ResetRequestBuilder::KeyText) << "key" << QByteArray(257, 'k')
                                            << 0 << Problem::KeyTooLong
                                            << "The key is too long: at most 256 bytes can be sent.";
    QTest::newRow("key file path of 261 bytes")
        << int(ResetRequestBuilder::KeyFile) << "path" << ("/" + QByteArray(260, 'p')) << 0
        << Problem::KeyFilePathTooLong
        << "The path of the key file copy is too long: at most 260 bytes can be sent.";
    QTest::newRow("password of 17 bytes") << int(ResetRequestBuilder::KeyText) << "password"
                                          << QByteArray(17, 'P') << 0 << Problem::PasswordTooLong
                                          << "The new password is too long: at most 16 bytes can be sent.";
    QTest::newRow("password of 16 characters, 32 bytes")
        << int(ResetRequestBuilder::KeyText) << "password" << QString(16, QChar(0xe9)).toUtf8() << 0
        << Problem::PasswordTooLong << "The new password is too long: at most 16 bytes can be sent.";
}

void TstResetRequestBuilder::refusals()
{
    QFETCH(int, method);
    QFETCH(QString, what);
    QFETCH(QByteArray, value);
    QFETCH(int, questionId);
    QFETCH(Problem, problem);
    QFETCH(QString, message);

    ResetRequestBuilder builder{ResetRequestBuilder::Method(method)};
    const QString text = QString::fromUtf8(value);
    if (what == QLatin1String("guid"))
        builder.setGuid(value);
    else if (what == QLatin1String("answer"))
        builder.addAnswer(questionId, text);
    else if (what == QLatin1String("code"))
        builder.setVerificationCode(text);
    else if (what == QLatin1String("key"))
        builder.setKeyText(text);
    else if (what == QLatin1String("path"))
        builder.setKeyFilePath(text);
    else
        builder.setNewPassword(text);
    QVERIFY(!builder.isValid());
    QCOMPARE(builder.problem(), problem);
    QCOMPARE(builder.problemText(), message);
    // The refused input left no trace in the request.
    QVERIFY(zeroOutside(bytesOf(builder.request()), {{0, 5}}));
}

void TstResetRequestBuilder::fullFieldsHaveNoTerminator()
{
    ResetRequestBuilder builder(ResetRequestBuilder::SecurityQuestions);
    builder.setNewPassword(QString(16, QLatin1Char('P')));
    builder.addAnswer(1, QString(256, QLatin1Char('a')));
    QVERIFY(builder.isValid());
    const QByteArray bytes = bytesOf(builder.request());
    QCOMPARE(bytes.mid(8, 16), QByteArray(16, 'P'));
    QCOMPARE(bytes.mid(676 + 392 + 4, 256), QByteArray(256, 'a'));
    QCOMPARE(int(bytes.at(676 + 392 + 260)), 1);
}

void TstResetRequestBuilder::firstProblemIsKept()
{
    ResetRequestBuilder builder(ResetRequestBuilder::SecurityQuestions);
    builder.addAnswer(2, QString(300, QLatin1Char('a')));
    builder.addAnswer(99, QStringLiteral("x"));
    builder.addAnswer(4, QStringLiteral("fine"));
    QCOMPARE(builder.problem(), Problem::AnswerTooLong);
}

QTEST_GUILESS_MAIN(TstResetRequestBuilder)
#include "tst_resetrequestbuilder.moc"
