#include "recoverysetuprules.h"

#include "recoverysetuprecords.h"
#include "tarndeviceinfo.h"

#include <QSet>

namespace TarnTool {

namespace {

constexpr quint8 RecoveryGuidFlag = 0x04;

} // namespace

bool RecoverySetupRules::supportsGuidExport(const TarnDeviceInfo &record)
{
    return record.recoveryFlags & RecoveryGuidFlag;
}

int RecoverySetupRules::firstBlankAnswer(const QStringList &answers)
{
    for (int i = 0; i < answers.size(); ++i) {
        if (answers.at(i).trimmed().isEmpty())
            return i;
    }
    return -1;
}

int RecoverySetupRules::firstOverlongAnswer(const QStringList &answers)
{
    for (int i = 0; i < answers.size(); ++i) {
        if (!RecoverySetupRecords::fits(answers.at(i), RecoverySetupRecords::AnswerFieldSize))
            return i;
    }
    return -1;
}

bool RecoverySetupRules::hasRepeatedQuestion(const QVector<int> &positions)
{
    QSet<int> seen;
    for (int position : positions) {
        if (seen.contains(position))
            return true;
        seen.insert(position);
    }
    return false;
}

bool RecoverySetupRules::closesAfterGuidExport(int deviceCount)
{
    return deviceCount > 1;
}

bool RecoverySetupRules::closesAfterQuestions(const Offer &offer, bool emailDone)
{
    if (!offer.questions)
        return false;
    if (!offer.guid && !offer.email)
        return true;
    return offer.email && emailDone;
}

bool RecoverySetupRules::closesAfterEmail(const Offer &offer, bool questionsDone, bool emailDone)
{
    if (!offer.email || !emailDone)
        return false;
    return offer.questions ? questionsDone : true;
}

} // namespace TarnTool
