#include "deviceinforow.h"

#include "deviceinfomodel.h"

namespace TarnTool {

namespace {

QString cellText(const DeviceInfoModel &model, int row, int id)
{
    const QStandardItem *item = model.item(row, model.columnPosition(id));
    return item ? item->text() : QString();
}

} // namespace

DeviceInfo deviceInfoFromRow(const DeviceInfoModel &model, int row)
{
    DeviceInfo info;
    if (row < 0 || row >= model.rowCount())
        return info;
    info.strId = cellText(model, row, DeviceInfoModel::ColumnId_);
    info.strDeviceType = cellText(model, row, DeviceInfoModel::ColumnDeviceType);
    info.strIPv4Address = cellText(model, row, DeviceInfoModel::ColumnIPv4Address);
    info.strSerialNumber = cellText(model, row, DeviceInfoModel::ColumnSerialNumber);
    info.strMac = cellText(model, row, DeviceInfoModel::ColumnMac);
    return info;
}

} // namespace TarnTool
