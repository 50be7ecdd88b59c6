#ifndef DEVICEINFO_H
#define DEVICEINFO_H

// One selected device as the pages pass it around: its identity texts taken
// from the table row, and the result texts that an operation writes into it
// for the result page and the list page to read back.

#include <QMetaType>
#include <QString>

struct DeviceInfo
{
    QString strId;
    QString strDeviceType;
    QString strIPv4Address;
    QString strSerialNumber;
    QString strMac;
    QString strResult;
    QString strWifiResult;
    QString strGuidState;
    QString strChannelPasswordResult;
    QString strEmailState;
};

Q_DECLARE_METATYPE(DeviceInfo)

#endif // DEVICEINFO_H
