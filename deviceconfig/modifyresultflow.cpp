#include "modifyresultflow.h"

#include "modifyresultcolumns.h"

#include <QCoreApplication>

namespace TarnTool {

namespace {

const QSize narrowSize(700, 500);
const QSize wideSize(1165, 500);

} // namespace

bool isCloudOffConfiguration(int versionType, unsigned translator)
{
    return versionType == 1 && translator == 1;
}

ModifyResultSetup modifyResultSetup(ModifyResultFlow flow, bool cloudOff, bool wifiSent)
{
    ModifyResultSetup setup;
    switch (flow) {
    case ModifyResultFlow::BatchModifyStatic:
        setup.hiddenColumns = {ResultColumnGuid, ResultColumnCloud, ResultColumnWifi};
        setup.size = narrowSize;
        break;
    case ModifyResultFlow::BatchModifyDhcp:
        setup.hiddenColumns = {ResultColumnGuid, ResultColumnCloud, ResultColumnWifi,
                               ResultColumnChannelPassword};
        setup.size = narrowSize;
        break;
    case ModifyResultFlow::BatchActivation:
        setup.resultHeader =
            QCoreApplication::translate("TarnTool::DeviceModifyResultPage", "Activation");
        setup.totalCaption = QCoreApplication::translate("TarnTool::DeviceModifyResultPage",
                                                         "Batch activate devices");
        setup.failedCaption = QCoreApplication::translate("TarnTool::DeviceModifyResultPage",
                                                          "Activate fail numbers");
        if (cloudOff)
            setup.hiddenColumns.append(ResultColumnCloud);
        if (!wifiSent)
            setup.hiddenColumns.append(ResultColumnWifi);
        setup.size = wifiSent ? wideSize : narrowSize;
        break;
    case ModifyResultFlow::ChannelPasswordActivation:
        setup.resultHeader =
            QCoreApplication::translate("TarnTool::DeviceModifyResultPage", "Activation");
        setup.hiddenColumns = {ResultColumnGuid, ResultColumnCloud, ResultColumnWifi};
        setup.size = narrowSize;
        break;
    case ModifyResultFlow::WifiCommands:
        for (int column = ResultColumnIPv4Address; column < ResultColumnCount; ++column)
            setup.hiddenColumns.append(column);
        setup.size = wideSize;
        setup.wifiRows = true;
        break;
    }
    return setup;
}

} // namespace TarnTool
