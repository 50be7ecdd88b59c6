#ifndef RECOVERYSETUPRECORDS_H
#define RECOVERYSETUPRECORDS_H

// Fills the records that the recovery set-up sends to a device: the GUID
// export input, the security question list and the reserved e-mail. Texts go
// to the device in the locale's 8-bit code page, each in its fixed field and
// without a terminator when it fills the field. An answer or address that
// does not fit its field is refused rather than cut, because a cut answer
// would later fail the question reset without the user knowing why.

#include "tarnrecoveryrecords.h"

#include <QByteArray>
#include <QString>
#include <QVector>

namespace TarnTool {

class RecoverySetupRecords
{
public:
    struct QuestionAnswer
    {
        int questionId = 0;   // 1 to 15
        QString answer;       // sent as typed
    };

    static constexpr int PasswordFieldSize = 16;
    static constexpr int AnswerFieldSize = 256;
    static constexpr int EmailFieldSize = 256;

    // The 8-bit form of a text for the device.
    static QByteArray deviceBytes(const QString &text);

    // Whether the text fits a field of capacity bytes.
    static bool fits(const QString &text, int capacity);

    static TarnGuidExportInput guidExportInput(const QString &strAdminPassword);

    // The entry of question ID n at position n, the password at its place.
    // False, with list zeroed apart from its size word, for an ID outside 1
    // to 15 or an answer that does not fit its field.
    static bool fillQuestionList(TarnQuestionList &list, const QString &strAdminPassword,
                                 const QVector<QuestionAnswer> &answers);

    // False, with param zeroed apart from its size word, for an address
    // that does not fit its field.
    static bool fillReservedEmailParam(TarnReservedEmailParam &param,
                                       const QString &strAdminPassword, const QString &strEmail);

private:
    // Copies at most capacity bytes.
    static void copyField(char *field, int capacity, const QByteArray &bytes);
};

} // namespace TarnTool

#endif // RECOVERYSETUPRECORDS_H
