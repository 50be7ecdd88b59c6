#include "hintbox.h"

#include "basedialog.h"

#include <QCoreApplication>

namespace TarnTool {

namespace {

HintBoxHook &hintBoxHook()
{
    static HintBoxHook hook;
    return hook;
}

} // namespace

std::unique_ptr<aptui::BaseDialog> createHintBox(const QString &message, const QSize &size,
                                                 HintBoxKind kind)
{
    const bool question = kind == HintBoxKind::Question;
    auto box = std::make_unique<aptui::BaseDialog>(false, false, false, false, true, question,
                                                   question, nullptr);
    box->setDialogFixedSize(size);
    box->setTitle(QCoreApplication::translate("TarnTool::HintBox", "Hint"));
    box->setBottomVisible(question);
    box->setObjectName(QStringLiteral("APP_WARNINGDLG"));
    box->setDefaultText(message);
    return box;
}

bool showHintBox(const QString &message, const QSize &size, HintBoxKind kind)
{
    if (const HintBoxHook &hook = hintBoxHook())
        return hook(message, kind);
    const std::unique_ptr<aptui::BaseDialog> box = createHintBox(message, size, kind);
    return box->exec() == QDialog::Accepted;
}

void setHintBoxHook(HintBoxHook hook)
{
    hintBoxHook() = std::move(hook);
}

} // namespace TarnTool
