#ifndef MODIFYRESULTCOLUMNS_H
#define MODIFYRESULTCOLUMNS_H

// The columns of the batch result list and what each cell shows for one
// device, as plain functions so that they can be checked without a dialog.
// Texts are translated in the context of the result page.

#include "deviceinfo.h"

#include <QString>
#include <QStringList>

namespace TarnTool {

enum ModifyResultColumn {
    ResultColumnId = 0,
    ResultColumnDeviceType = 1,
    ResultColumnIPv4Address = 2,
    ResultColumnSerialNumber = 3,
    ResultColumnResult = 4,
    ResultColumnGuid = 5,
    ResultColumnCloud = 6,
    ResultColumnWifi = 7,
    ResultColumnChannelPassword = 8,
    ResultColumnEmail = 9,
    ResultColumnCount = 10
};

// Text colour of every cell.
inline constexpr const char *resultCellColor = "#666666";

inline constexpr const char *resultOkIcon =
    ":/CommonSkin/TARNTool/Images/TARNTool/BaseControl/Inputs/icon_alert_ok.png";
inline constexpr const char *resultPartIcon =
    ":/CommonSkin/TARNTool/Images/TARNTool/BaseControl/Inputs/icon_alert_info.png";
inline constexpr const char *resultErrorIcon =
    ":/CommonSkin/TARNTool/Images/TARNTool/BaseControl/Inputs/icon_alert_error.png";

// The result texts an operation stores for a device that took it whole or in
// part; any other text is a failure.
QString resultSucceedText();
QString resultPartSucceedText();

// The header of the cloud service column for a product variant: Pellaris
// when versionType is not 0, else Orbelo when type is not 0, else Skyvane.
QString cloudServiceHeader(int versionType, int type);

// The ten default headers, the cloud column's for the given variant.
QStringList resultColumnHeaders(int versionType, int type);

// Width of a column in pixels.
int resultColumnWidth(int column);

// "ON" for 1, "OFF" for 2, "N/A" for anything else.
QString cloudStatusText(int cloudStatus);

// Whether a result text counts as a failure: anything but "Succeed" and
// "Part Succeed".
bool isFailedResult(const QString &strResult);

// The icon of the result column for a result text.
QString resultIconPath(const QString &strResult);

// What one cell shows: a text and, for the result column, an icon at its left.
struct ResultCell
{
    QString text;
    QString iconPath;
};

// The cell of a column for a device; cloudStatus is the device store's value.
// The result column keeps only failure texts; success shows just its icon.
ResultCell resultCell(const DeviceInfo &device, int column, int cloudStatus);

} // namespace TarnTool

#endif // MODIFYRESULTCOLUMNS_H
