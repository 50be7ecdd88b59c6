// tarn-screenshots: renders the program's dialogs and windows, styled by the
// real skin, into PNG files, for the documentation and for checking the skin
// by eye.
//
//   tarn-screenshots OUTPUT_FOLDER
//
// Run it beside the program (it loads Setup.xml, the skin and the style from
// there), on a real display or under Xvfb.

#include <QDir>
#include <QTimer>

#include "basedialog.h"
#include "hintbox.h"
#include "messagekind.h"
#include "tarntoolmainpage.h"
#include "toolsapplication.h"
#include "warningdialog.h"

namespace {

bool save(QWidget &widget, const QDir &folder, const QString &name)
{
    widget.show();
    widget.raise();
    for (int i = 0; i < 10; ++i)
        QCoreApplication::processEvents();
    const QString path = folder.filePath(name + QStringLiteral(".png"));
    const bool ok = widget.grab().save(path);
    std::printf("%s %s\n", ok ? "wrote" : "FAILED", qPrintable(path));
    widget.hide();
    return ok;
}

} // namespace

int main(int argc, char **argv)
{
    apt::ToolsApplication app(QStringLiteral("TARNToolScreenshots"), argc, argv);
    QCoreApplication::addLibraryPath(QCoreApplication::applicationDirPath() + QStringLiteral("/plugins"));
    if (argc < 2 || !app.init()) {
        std::fprintf(stderr, "usage: tarn-screenshots OUTPUT_FOLDER (beside the program)\n");
        return 2;
    }
    QDir folder(QString::fromLocal8Bit(argv[1]));
    folder.mkpath(QStringLiteral("."));
    bool ok = true;

    auto hint = TarnTool::createHintBox(QObject::tr("TARN is already running."), TarnTool::startupHintBoxSize,
                                        TarnTool::HintBoxKind::Notice);
    ok = save(*hint, folder, QStringLiteral("hint-box")) && ok;
    auto question = TarnTool::createHintBox(
        QObject::tr("Display resolution less than 1024*768,are you sure to start the program?"),
        TarnTool::startupHintBoxSize, TarnTool::HintBoxKind::Question);
    ok = save(*question, folder, QStringLiteral("hint-question")) && ok;

    const struct {
        TarnTool::MessageKind kind;
        const char *name;
        const char *text;
    } messages[] = {
        {TarnTool::MessageKind::Ok, "message-ok", "Exported."},
        {TarnTool::MessageKind::Info, "message-info", "The password can not be empty."},
        {TarnTool::MessageKind::Error, "message-error", "Wrong password."},
    };
    for (const auto &m : messages) {
        TarnTool::WarningDialog box(nullptr, m.kind, QObject::tr(m.text));
        ok = save(box, folder, QString::fromLatin1(m.name)) && ok;
    }

    TarnTool::TARNToolMainPage window;
    window.resize(1024, 640);
    ok = save(window, folder, QStringLiteral("main-window")) && ok;
    return ok ? 0 : 1;
}
