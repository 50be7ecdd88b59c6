#ifndef SECURITYQUESTIONTEXTS_H
#define SECURITYQUESTIONTEXTS_H

// The fixed table of security questions a device can hold, by question ID
// (1 to 15). The device stores only the IDs and the answers; the texts are
// the program's, so both the set-up of the questions and the reset by
// answering them show the same translated text for an ID.

#include <QCoreApplication>
#include <QMap>
#include <QString>

namespace TarnTool {

class SecurityQuestionTexts
{
    Q_DECLARE_TR_FUNCTIONS(TarnTool::SecurityQuestionTexts)

public:
    static constexpr int FirstId = 1;
    static constexpr int LastId = 15;

    static bool isValidId(int id) { return id >= FirstId && id <= LastId; }

    // The translated text of an ID; empty outside 1 to 15.
    static QString text(int id);

    // All 15 entries, ID → translated text.
    static QMap<int, QString> textMap();
};

} // namespace TarnTool

#endif // SECURITYQUESTIONTEXTS_H
