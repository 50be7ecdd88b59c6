// tarntool: finds the network video devices of the local segment and
// configures them.

#include <QDir>
#include <QScreen>

#include "passwordrecoverydialogs.h"
#include "recoverysetupinstall.h"
#include "startupgeometry.h"
#include "tarntoolmainpage.h"
#include "toolsapplication.h"

int main(int argc, char **argv)
{
    apt::ToolsApplication app(QStringLiteral("TARNTool"), argc, argv);
    // Qt's own plug-ins (the widget style among them) are looked for beside the program.
    QCoreApplication::addLibraryPath(QDir::toNativeSeparators(QCoreApplication::applicationDirPath()) +
                                     QDir::separator() + QStringLiteral("plugins"));
    QCoreApplication::setApplicationName(QObject::tr("TARNTool"));
    if (!app.init()) {
        QCoreApplication::exit(0);
        return -1;
    }

    // "Forget Password" opens the recovery dialogs; activation offers the
    // recovery set-up.
    TarnTool::PasswordRecoveryDialogs::install();
    TarnTool::installRecoverySetupDialog();
    TarnTool::TARNToolMainPage window;
    const QRect geometry = apt::mainWindowGeometry(QGuiApplication::primaryScreen()->availableGeometry());
    window.resize(geometry.size());
    window.move(geometry.topLeft());
    window.show();
    window.onMovePinButtion();
    return app.exec();
}
