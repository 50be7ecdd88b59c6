#include "tooltipreplacement.h"

#include <QLineEdit>
#include <QVariant>

namespace apt {

std::optional<QString> toolTipReplacement(const QObject *receiver)
{
    if (!receiver || qobject_cast<const QLineEdit *>(receiver))
        return std::nullopt;
    // A property counts when the object has it and its text is not null; a
    // widget without a tool tip holds an empty one.
    auto textOf = [receiver](const char *name) -> std::optional<QString> {
        const QVariant value = receiver->property(name);
        if (!value.isValid() || value.toString().isNull())
            return std::nullopt;
        return value.toString();
    };
    const std::optional<QString> toolTip = textOf("toolTip");
    if (!toolTip || toolTip->isEmpty())
        return std::nullopt;
    if (auto text = textOf("text"))
        return text;
    return textOf("currentText");
}

} // namespace apt
