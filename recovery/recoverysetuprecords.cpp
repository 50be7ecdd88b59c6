#include "recoverysetuprecords.h"

#include "textcodec.h"

#include <cstring>

namespace TarnTool {

QByteArray RecoverySetupRecords::deviceBytes(const QString &text)
{
    return ConvertFromUnicode(text);
}

bool RecoverySetupRecords::fits(const QString &text, int capacity)
{
    return deviceBytes(text).size() <= capacity;
}

void RecoverySetupRecords::copyField(char *field, int capacity, const QByteArray &bytes)
{
    std::memcpy(field, bytes.constData(), std::size_t(qMin<qsizetype>(capacity, bytes.size())));
}

TarnGuidExportInput RecoverySetupRecords::guidExportInput(const QString &strAdminPassword)
{
    TarnGuidExportInput input;
    // The password field holds what the activation could set: at most 16
    // characters, so at most 16 bytes in a single-byte code page.
    copyField(input.adminPassword, PasswordFieldSize, deviceBytes(strAdminPassword));
    return input;
}

bool RecoverySetupRecords::fillQuestionList(TarnQuestionList &list,
                                            const QString &strAdminPassword,
                                            const QVector<QuestionAnswer> &answers)
{
    list = TarnQuestionList();
    for (const QuestionAnswer &item : answers) {
        const QByteArray bytes = deviceBytes(item.answer);
        if (item.questionId < 1 || item.questionId > TarnQuestionCount
            || bytes.size() > AnswerFieldSize) {
            list = TarnQuestionList();
            return false;
        }
        TarnQuestionEntry &entry = list.entries[item.questionId];
        entry.questionId = std::uint32_t(item.questionId);
        copyField(entry.answer, AnswerFieldSize, bytes);
        entry.isSet = 1;
    }
    copyField(list.adminPassword, PasswordFieldSize, deviceBytes(strAdminPassword));
    return true;
}

bool RecoverySetupRecords::fillReservedEmailParam(TarnReservedEmailParam &param,
                                                  const QString &strAdminPassword,
                                                  const QString &strEmail)
{
    param = TarnReservedEmailParam();
    const QByteArray bytes = deviceBytes(strEmail);
    if (bytes.size() > EmailFieldSize)
        return false;
    copyField(param.adminPassword, PasswordFieldSize, deviceBytes(strAdminPassword));
    copyField(param.email, EmailFieldSize, bytes);
    return true;
}

} // namespace TarnTool
