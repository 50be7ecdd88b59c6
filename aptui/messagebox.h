#ifndef MESSAGEBOX_H
#define MESSAGEBOX_H

// The one way pages report a result or an input error: a message box
// (WarningDialog) at a screen point, run modally until it closes itself after
// two seconds or the user closes it. When the message concerns an input
// field, the field takes its error or tip look and its hint label the small
// icon of the kind; the marking stays until the page clears it.

#include "messagekind.h"

#include <QPoint>
#include <QString>

#include <functional>

class QLabel;
class QWidget;

namespace aptui {
class MultiStateLineEdit;
}

namespace TarnTool {

// Error: field ERROR and the error icon; Info: field TIP and the information
// icon; Ok: no change. The field is marked only when both field and hint
// label are given. Returns after the box has closed.
void showMessage(const QPoint &position, MessageKind kind, const QString &text, QWidget *parent,
                 aptui::MultiStateLineEdit *inputField = nullptr, QLabel *hintLabel = nullptr);

// The same with the taller box (310 × 160) for texts of several lines.
void showLongMessage(const QPoint &position, MessageKind kind, const QString &text,
                     QWidget *parent, aptui::MultiStateLineEdit *inputField = nullptr,
                     QLabel *hintLabel = nullptr);

// Where a page shows its messages: (x + width / 2 - 155, y + height / 2 - 60)
// from the widget's pos() and size, which centres the box over a top-level
// window. For a child widget pos() is relative to its parent.
QPoint messagePosition(const QWidget *widget);

// The small icon that a hint label shows for a kind; empty for Ok.
QString fieldHintIconPath(MessageKind kind);

// While a hook is set, showMessage and showLongMessage still mark the field
// but hand kind and text to the hook instead of running the box. Tests of
// the pages use it; an empty hook restores the box.
using MessageHook = std::function<void(MessageKind kind, const QString &text)>;
void setMessageHook(MessageHook hook);

} // namespace TarnTool

#endif // MESSAGEBOX_H
