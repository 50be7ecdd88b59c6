// tarn-screenshots: renders the program's dialogs and windows, styled by the
// real skin, into PNG files, for the documentation and for checking the skin
// by eye.
//
//   tarn-screenshots OUTPUT_FOLDER
//
// Run it beside the program (it loads Setup.xml, the skin and the style from
// there), on a real display or under Xvfb. The main window discovers devices
// on loopback only (127.0.0.1, on TARN_PORT): start a simulated fleet there
// first to see it filled, as scripts/screenshots.sh does.

#include <QDir>
#include <QElapsedTimer>
#include <QTimer>

#include "basedialog.h"
#include "devicedisplaypage.h"
#include "deviceinfomodel.h"
#include "devicemodifypage.h"
#include "devicemodifyresultpage.h"
#include "hintbox.h"
#include "messagekind.h"
#include "modifyresultcolumns.h"
#include "modifyresultflow.h"
#include "tarndeviceinfomanager.h"
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

// Lets the devices of the segment arrive: returns once the row count has not
// changed for a second, or after ten seconds.
void waitForDevices(TarnTool::TARNToolMainPage &window)
{
    QElapsedTimer total;
    total.start();
    QElapsedTimer still;
    still.start();
    int rows = -1;
    while (total.elapsed() < 10000 && (rows <= 0 || still.elapsed() < 1000)) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        const int now = window.displayPage()->model()->rowCount();
        if (now != rows) {
            rows = now;
            still.restart();
        }
    }
}

} // namespace

int main(int argc, char **argv)
{
    // Never discover beyond this machine.
    qputenv("TARN_INTERFACE", "127.0.0.1");
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

    {
        // The configuration panel's activation form for one new Wi-Fi camera,
        // from a made-up record that is gone again before discovery starts.
        TarnDeviceInfo record;
        qstrncpy(record.serialNumber, "TC425020260101SHOT000000001", sizeof record.serialNumber);
        qstrncpy(record.macAddress, "02-54-41-ff-ff-01", sizeof record.macAddress);
        qstrncpy(record.deviceType, "TC-4250-W", sizeof record.deviceType);
        record.activationState = 1;
        record.extraAbilityFlags = 0x07;
        record.wifiState = 0x3f;
        TarnDeviceInfoManager::Instance()->addDeviceInfo(record);
        DeviceInfo device;
        device.strSerialNumber = QString::fromLatin1(record.serialNumber);
        device.strMac = QString::fromLatin1(record.macAddress);
        TarnTool::DeviceModifyPage panel;
        panel.resize(TarnTool::DeviceModifyPage::PanelWidth, 640);
        panel.onCurrentSelectionChange(SingleInactive, {device});
        ok = save(panel, folder, QStringLiteral("panel-activation")) && ok;
        TarnDeviceInfoManager::Instance()->removeDeviceInfo(record);
    }

    {
        // The confirmation list after a batch change of network parameters,
        // with one device that refused it.
        const QString results[] = {
            TarnTool::resultSucceedText(),
            QCoreApplication::translate("TarnTool::DeviceModifyPage", "Error%1:device deny")
                .arg(2009),
            TarnTool::resultPartSucceedText(),
            TarnTool::resultSucceedText(),
        };
        QVector<DeviceInfo> devices;
        for (int i = 0; i < 4; ++i) {
            DeviceInfo device;
            device.strId = QString::number(i + 1).rightJustified(3, QLatin1Char('0'));
            device.strDeviceType = QStringLiteral("TC-4250-W");
            device.strIPv4Address = QStringLiteral("10.0.0.%1").arg(11 + i);
            device.strSerialNumber = QStringLiteral("TC425020260101SHOT0000000%1").arg(11 + i);
            device.strMac = QStringLiteral("02-54-41-ff-fe-%1").arg(11 + i);
            device.strResult = results[i];
            devices.append(device);
        }
        TarnTool::DeviceModifyResultPage resultPage;
        resultPage.showFlowResults(
            TarnTool::modifyResultSetup(TarnTool::ModifyResultFlow::BatchModifyStatic), devices);
        ok = save(resultPage, folder, QStringLiteral("batch-result")) && ok;
    }

    TarnTool::TARNToolMainPage window;
    window.resize(1280, 720);
    window.show();
    waitForDevices(window);
    ok = save(window, folder, QStringLiteral("main-window")) && ok;
    return ok ? 0 : 1;
}
