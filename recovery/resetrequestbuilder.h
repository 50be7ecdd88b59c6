#ifndef RESETREQUESTBUILDER_H
#define RESETREQUESTBUILDER_H

// Fills the one reset request that every recovery method sends: the method,
// the new password and the method's proof (typed key, key file path, GUID
// file content, security answers or e-mail verification code), each in its
// fixed field. Input that does not fit its field, and a question ID outside
// the table, is not cut or moved but refused: the first problem is kept,
// with a message for the user, and the dialog sends nothing.

#include "tarnrecoveryrecords.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

namespace TarnTool {

class ResetRequestBuilder
{
    Q_DECLARE_TR_FUNCTIONS(TarnTool::ResetRequestBuilder)

public:
    enum Method : quint8 {
        KeyFile = 2,
        KeyText = 3,
        GuidFile = 4,
        SecurityQuestions = 5,
        ReservedEmail = 6
    };

    enum class Problem {
        None,
        PasswordTooLong,
        KeyTooLong,
        KeyFilePathTooLong,
        GuidTooLong,
        AnswerTooLong,
        VerificationCodeTooLong,
        QuestionIdOutOfRange
    };

    // Sizes of the text fields, in bytes.
    static constexpr int PasswordFieldSize = 16;
    static constexpr int KeyFieldSize = 256;
    static constexpr int VerificationCodeFieldSize = 256;
    static constexpr int KeyFilePathFieldSize = 260;
    static constexpr int GuidFieldSize = 128;
    static constexpr int AnswerFieldSize = 256;

    explicit ResetRequestBuilder(Method method);

    void setSynchronize(bool on);
    // Texts go to the device in the locale's 8-bit code page.
    void setNewPassword(const QString &password);
    void setKeyText(const QString &key);
    void setKeyFilePath(const QString &path);
    void setGuid(const QByteArray &content);
    void setVerificationCode(const QString &code);
    // One answered question; the entry of ID n sits at position n.
    void addAnswer(int questionId, const QString &answer);

    bool isValid() const { return m_problem == Problem::None; }
    Problem problem() const { return m_problem; }
    QString problemText() const;
    static QString problemText(Problem problem);

    const TarnResetRequest &request() const { return m_request; }

    // The 8-bit form of a text for the device.
    static QByteArray deviceBytes(const QString &text);

private:
    // Copies bytes into a field of capacity bytes (no terminator when full);
    // records problem instead when they do not fit.
    bool putText(char *field, int capacity, const QByteArray &bytes, Problem problem);

    TarnResetRequest m_request;
    Problem m_problem = Problem::None;
};

} // namespace TarnTool

#endif // RESETREQUESTBUILDER_H
