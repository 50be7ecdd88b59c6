#include "messagebox.h"

#include "multistatelineedit.h"
#include "warningdialog.h"

#include <QLabel>
#include <QPixmap>
#include <QSize>
#include <QWidget>

namespace TarnTool {

namespace {

MessageHook &messageHook()
{
    static MessageHook hook;
    return hook;
}

void markField(MessageKind kind, aptui::MultiStateLineEdit *inputField, QLabel *hintLabel)
{
    if (!inputField || !hintLabel)
        return;
    switch (kind) {
    case MessageKind::Error:
        inputField->setLineEditState(aptui::MultiStateLineEdit::ERROR);
        break;
    case MessageKind::Info:
        inputField->setLineEditState(aptui::MultiStateLineEdit::TIP);
        break;
    case MessageKind::Ok:
    default:
        return;
    }
    hintLabel->setPixmap(QPixmap(fieldHintIconPath(kind)));
}

void runMessage(const QPoint &position, MessageKind kind, const QString &text, QWidget *parent,
                aptui::MultiStateLineEdit *inputField, QLabel *hintLabel, const QSize &boxSize)
{
    markField(kind, inputField, hintLabel);
    if (const MessageHook &hook = messageHook()) {
        hook(kind, text);
        return;
    }
    WarningDialog box(parent, kind, text);
    if (boxSize.isValid())
        box.resize(boxSize);
    box.move(position);
    box.exec();
}

} // namespace

void showMessage(const QPoint &position, MessageKind kind, const QString &text, QWidget *parent,
                 aptui::MultiStateLineEdit *inputField, QLabel *hintLabel)
{
    runMessage(position, kind, text, parent, inputField, hintLabel, QSize());
}

void showLongMessage(const QPoint &position, MessageKind kind, const QString &text,
                     QWidget *parent, aptui::MultiStateLineEdit *inputField, QLabel *hintLabel)
{
    runMessage(position, kind, text, parent, inputField, hintLabel, QSize(310, 160));
}

QPoint messagePosition(const QWidget *widget)
{
    if (!widget)
        return QPoint();
    const QPoint pos = widget->pos();
    return QPoint(pos.x() + widget->width() / 2 - 155, pos.y() + widget->height() / 2 - 60);
}

QString fieldHintIconPath(MessageKind kind)
{
    switch (kind) {
    case MessageKind::Info:
        return QStringLiteral(":/CommonSkin/TARNTool/Images/TARNTool/BaseControl/Inputs/icon_alert_info.png");
    case MessageKind::Error:
        return QStringLiteral(":/CommonSkin/TARNTool/Images/TARNTool/BaseControl/Inputs/icon_alert_error.png");
    case MessageKind::Ok:
        break;
    }
    return QString();
}

void setMessageHook(MessageHook hook)
{
    messageHook() = std::move(hook);
}

} // namespace TarnTool
