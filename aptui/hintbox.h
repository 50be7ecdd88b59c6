#ifndef HINTBOX_H
#define HINTBOX_H

// The hint box: a parentless aptui::BaseDialog titled "Hint" with only the
// title bar's close button, showing one plain text. A notice has no bottom
// bar; a question has Confirm and Cancel, and "accepted" means yes. The style
// sheet knows it by its object name "APP_WARNINGDLG".

#include <QSize>
#include <QString>

#include <functional>
#include <memory>

namespace aptui {
class BaseDialog;
}

namespace TarnTool {

enum class HintBoxKind {
    Notice,
    Question,
};

// Sizes in use: start-up notices and questions, and notices about files.
inline constexpr QSize startupHintBoxSize(400, 256);
inline constexpr QSize fileHintBoxSize(350, 220);

// Builds the box without running it.
std::unique_ptr<aptui::BaseDialog> createHintBox(const QString &message, const QSize &size,
                                                 HintBoxKind kind);

// Builds the box and runs it modally; true when it was accepted (a question
// answered yes).
bool showHintBox(const QString &message, const QSize &size, HintBoxKind kind);

// While a hook is set, showHintBox hands the message to it and returns its
// answer instead of running the box. Tests of the pages use it; an empty hook
// restores the box.
using HintBoxHook = std::function<bool(const QString &message, HintBoxKind kind)>;
void setHintBoxHook(HintBoxHook hook);

} // namespace TarnTool

#endif // HINTBOX_H
