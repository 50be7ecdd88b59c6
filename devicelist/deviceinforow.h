#ifndef DEVICEINFOROW_H
#define DEVICEINFOROW_H

// The identity of the device on one row of the device table, as a selection
// carries it: the row's ID, Device Type, IPv4 Address, Serial Number and MAC
// texts, with every result text empty.

#include "deviceinfo.h"

namespace TarnTool {

class DeviceInfoModel;

// A row outside the model gives ten empty texts.
DeviceInfo deviceInfoFromRow(const DeviceInfoModel &model, int row);

} // namespace TarnTool

#endif // DEVICEINFOROW_H
