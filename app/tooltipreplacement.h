#ifndef TOOLTIPREPLACEMENT_H
#define TOOLTIPREPLACEMENT_H

// What a tool tip shows in this program: buttons, labels and combo boxes that
// have a tool tip show their own caption (their text, or a combo box's current
// text) instead, so that a caption cut short by the layout can be read in full.
// Line edits keep their real tool tips.

#include <QString>

#include <optional>

class QObject;

namespace apt {

// The text to show instead of the receiver's tool tip, or nothing when the
// tool-tip event should go its normal way.
std::optional<QString> toolTipReplacement(const QObject *receiver);

} // namespace apt

#endif // TOOLTIPREPLACEMENT_H
