#include "storefeeder.h"

#include <QTest>
#include <QVector>

#include "latin1text.h"
#include "tarndeviceinfomanager.h"
#include "tarnhandler.h"

StoreFeeder::StoreFeeder(TARN::TarnHandler *handler, Mode mode, QObject *parent)
    : QObject(parent)
{
    connect(handler, &TARN::TarnHandler::signalDeviceOnline, this, [](const TarnDeviceInfo &info) {
        TarnDeviceInfoManager *store = TarnDeviceInfoManager::Instance();
        store->lock();
        const bool known = store->containsMac(latin1String(info.macAddress));
        store->unlock();
        if (!known)
            store->addDeviceInfo(info);
    });
    if (mode != FollowChanges)
        return;
    connect(handler, &TARN::TarnHandler::signalDeviceUpdate, this,
            [](const TarnDeviceInfo &info) { TarnDeviceInfoManager::Instance()->updateDeviceInfo(info); });
    connect(handler, &TARN::TarnHandler::signalDeviceOffline, this,
            [](const TarnDeviceInfo &info) { TarnDeviceInfoManager::Instance()->removeDeviceInfo(info); });
}

bool StoreFeeder::waitForDevices(int count, int timeoutMs)
{
    return QTest::qWaitFor([count] {
        QVector<TarnDeviceInfo> all;
        TarnDeviceInfoManager::Instance()->getAllDeviceInfo(all);
        return all.size() == count;
    }, timeoutMs);
}

TarnDeviceInfo StoreFeeder::stored(const QString &serial)
{
    QVector<TarnDeviceInfo> all;
    TarnDeviceInfoManager::Instance()->getAllDeviceInfo(all);
    for (const TarnDeviceInfo &record : all) {
        if (latin1String(record.serialNumber) == serial)
            return record;
    }
    return TarnDeviceInfo();
}
