#ifndef RECOVERYSETUPRULES_H
#define RECOVERYSETUPRULES_H

// The decisions of the recovery set-up that need no device: which input the
// question task refuses before any call, which device may export its GUID,
// and when the dialog has done everything it was opened for and closes by
// itself. Kept apart from the dialog so that each rule is checked on its own.

#include <QStringList>
#include <QVector>

struct TarnDeviceInfo;

namespace TarnTool {

class RecoverySetupRules
{
public:
    // The tasks the dialog was opened with.
    struct Offer
    {
        bool guid = false;
        bool questions = false;
        bool email = false;
    };

    // recoveryFlags bit 2 of the device's current record.
    static bool supportsGuidExport(const TarnDeviceInfo &record);

    // Index of the first answer that is empty or only white space, or -1.
    static int firstBlankAnswer(const QStringList &answers);

    // Index of the first answer that does not fit the device's answer
    // field, or -1.
    static int firstOverlongAnswer(const QStringList &answers);

    // Whether two of the chosen question positions are the same.
    static bool hasRepeatedQuestion(const QVector<int> &positions);

    // A batch export closes the dialog; a single device's stays open so that
    // the user sees its message and may run the next task.
    static bool closesAfterGuidExport(int deviceCount);

    // After a successful question task.
    static bool closesAfterQuestions(const Offer &offer, bool emailDone);

    // After an e-mail task, whatever its outcome.
    static bool closesAfterEmail(const Offer &offer, bool questionsDone, bool emailDone);
};

} // namespace TarnTool

#endif // RECOVERYSETUPRULES_H
