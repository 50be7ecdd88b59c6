#include "modifyresultcolumns.h"

#include <QCoreApplication>

namespace TarnTool {

QString resultSucceedText()
{
    return QCoreApplication::translate("TarnTool::DeviceModifyResultPage", "Succeed");
}

QString resultPartSucceedText()
{
    return QCoreApplication::translate("TarnTool::DeviceModifyResultPage", "Part Succeed");
}

QString cloudServiceHeader(int versionType, int type)
{
    if (versionType != 0)
        return QCoreApplication::translate("TarnTool::DeviceModifyResultPage", "Enable Pellaris");
    if (type != 0)
        return QCoreApplication::translate("TarnTool::DeviceModifyResultPage",
                                           "Enable Orbelo service");
    return QCoreApplication::translate("TarnTool::DeviceModifyResultPage",
                                       "Enable Skyvane service");
}

QStringList resultColumnHeaders(int versionType, int type)
{
    return {
        QCoreApplication::translate("TarnTool::DeviceModifyResultPage", "ID"),
        QCoreApplication::translate("TarnTool::DeviceModifyResultPage", "Device Type"),
        QCoreApplication::translate("TarnTool::DeviceModifyResultPage", "IPv4 Address"),
        QCoreApplication::translate("TarnTool::DeviceModifyResultPage", "Serial Number"),
        QCoreApplication::translate("TarnTool::DeviceModifyResultPage", "Modification"),
        QCoreApplication::translate("TarnTool::DeviceModifyResultPage", "Export GUID"),
        cloudServiceHeader(versionType, type),
        QCoreApplication::translate("TarnTool::DeviceModifyResultPage", "Wifi Set"),
        QCoreApplication::translate("TarnTool::DeviceModifyResultPage", "Channel Password"),
        QCoreApplication::translate("TarnTool::DeviceModifyResultPage", "Reserved Email"),
    };
}

int resultColumnWidth(int column)
{
    switch (column) {
    case ResultColumnId:
        return 50;
    case ResultColumnDeviceType:
    case ResultColumnIPv4Address:
        return 120;
    default:
        return 175;
    }
}

QString cloudStatusText(int cloudStatus)
{
    switch (cloudStatus) {
    case 1:
        return QCoreApplication::translate("TarnTool::DeviceModifyResultPage", "ON");
    case 2:
        return QCoreApplication::translate("TarnTool::DeviceModifyResultPage", "OFF");
    default:
        return QCoreApplication::translate("TarnTool::DeviceModifyResultPage", "N/A");
    }
}

bool isFailedResult(const QString &strResult)
{
    return strResult != resultSucceedText() && strResult != resultPartSucceedText();
}

QString resultIconPath(const QString &strResult)
{
    if (strResult == resultSucceedText())
        return QString::fromLatin1(resultOkIcon);
    if (strResult == resultPartSucceedText())
        return QString::fromLatin1(resultPartIcon);
    return QString::fromLatin1(resultErrorIcon);
}

ResultCell resultCell(const DeviceInfo &device, int column, int cloudStatus)
{
    switch (column) {
    case ResultColumnId:
        return {device.strId, QString()};
    case ResultColumnDeviceType:
        return {device.strDeviceType, QString()};
    case ResultColumnIPv4Address:
        return {device.strIPv4Address, QString()};
    case ResultColumnSerialNumber:
        return {device.strSerialNumber, QString()};
    case ResultColumnResult:
        return {isFailedResult(device.strResult) ? device.strResult : QString(),
                resultIconPath(device.strResult)};
    case ResultColumnGuid:
        return {device.strGuidState, QString()};
    case ResultColumnCloud:
        return {cloudStatusText(cloudStatus), QString()};
    case ResultColumnWifi:
        return {device.strWifiResult, QString()};
    case ResultColumnChannelPassword:
        return {device.strChannelPasswordResult, QString()};
    case ResultColumnEmail:
        return {device.strEmailState, QString()};
    default:
        return {};
    }
}

} // namespace TarnTool
