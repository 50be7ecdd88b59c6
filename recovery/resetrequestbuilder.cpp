#include "resetrequestbuilder.h"

#include "securityquestiontexts.h"
#include "textcodec.h"

#include <QFile>

#include <cstring>

namespace TarnTool {

ResetRequestBuilder::ResetRequestBuilder(Method method)
{
    m_request.size = TarnResetRequestSize;
    m_request.method = method;
}

QByteArray ResetRequestBuilder::deviceBytes(const QString &text)
{
    return ConvertFromUnicode(text);
}

bool ResetRequestBuilder::putText(char *field, int capacity, const QByteArray &bytes, Problem problem)
{
    if (bytes.size() > capacity) {
        if (m_problem == Problem::None)
            m_problem = problem;
        return false;
    }
    std::memset(field, 0, std::size_t(capacity));
    std::memcpy(field, bytes.constData(), std::size_t(bytes.size()));
    return true;
}

void ResetRequestBuilder::setSynchronize(bool on)
{
    m_request.synchronize = on ? 1 : 0;
}

void ResetRequestBuilder::setNewPassword(const QString &password)
{
    putText(m_request.newPassword, PasswordFieldSize, deviceBytes(password), Problem::PasswordTooLong);
}

void ResetRequestBuilder::setKeyText(const QString &key)
{
    putText(m_request.keyText, KeyFieldSize, deviceBytes(key), Problem::KeyTooLong);
}

void ResetRequestBuilder::setKeyFilePath(const QString &path)
{
    putText(m_request.keyFilePath, KeyFilePathFieldSize, QFile::encodeName(path),
            Problem::KeyFilePathTooLong);
}

void ResetRequestBuilder::setGuid(const QByteArray &content)
{
    putText(m_request.guid, GuidFieldSize, content, Problem::GuidTooLong);
}

void ResetRequestBuilder::setVerificationCode(const QString &code)
{
    putText(m_request.keyText, VerificationCodeFieldSize, deviceBytes(code),
            Problem::VerificationCodeTooLong);
}

void ResetRequestBuilder::addAnswer(int questionId, const QString &answer)
{
    // The entry's position is its ID: an ID outside the table would put it
    // on the zero entry or past the request's question area.
    if (!SecurityQuestionTexts::isValidId(questionId)) {
        if (m_problem == Problem::None)
            m_problem = Problem::QuestionIdOutOfRange;
        return;
    }
    TarnQuestionEntry &entry = m_request.questions[questionId];
    if (!putText(entry.answer, AnswerFieldSize, deviceBytes(answer), Problem::AnswerTooLong))
        return;
    entry.questionId = std::uint32_t(questionId);
    entry.isSet = 1;
}

QString ResetRequestBuilder::problemText() const
{
    return problemText(m_problem);
}

QString ResetRequestBuilder::problemText(Problem problem)
{
    switch (problem) {
    case Problem::None:
        return QString();
    case Problem::PasswordTooLong:
        return tr("The new password is too long: at most 16 bytes can be sent.");
    case Problem::KeyTooLong:
        return tr("The key is too long: at most 256 bytes can be sent.");
    case Problem::KeyFilePathTooLong:
        return tr("The path of the key file copy is too long: at most 260 bytes can be sent.");
    case Problem::GuidTooLong:
        return tr("The GUID file is not valid: its content is longer than 128 bytes.");
    case Problem::AnswerTooLong:
        return tr("An answer is too long: at most 256 bytes can be sent.");
    case Problem::VerificationCodeTooLong:
        return tr("The verification code is too long: at most 256 bytes can be sent.");
    case Problem::QuestionIdOutOfRange:
        return tr("The device reported an unknown security question.");
    }
    return QString();
}

} // namespace TarnTool
