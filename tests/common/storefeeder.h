#ifndef STOREFEEDER_H
#define STOREFEEDER_H

// Keeps the device store for end-to-end tests as the device list page keeps
// it: a device the handler announces is added once (by its MAC address);
// with FollowChanges, updates and departures are applied as well.

#include <QObject>
#include <QString>

#include "tarndeviceinfo.h"

namespace TARN {
class TarnHandler;
}

class StoreFeeder : public QObject
{
    Q_OBJECT

public:
    enum Mode { NewDevicesOnly, FollowChanges };

    explicit StoreFeeder(TARN::TarnHandler *handler, Mode mode = NewDevicesOnly, QObject *parent = nullptr);

    // Waits until the store holds exactly `count` devices.
    static bool waitForDevices(int count, int timeoutMs = 15000);
    // The stored record of that serial number, or an empty one.
    static TarnDeviceInfo stored(const QString &serial);
};

#endif // STOREFEEDER_H
