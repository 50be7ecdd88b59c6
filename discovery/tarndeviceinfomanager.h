#ifndef TARNDEVICEINFOMANAGER_H
#define TARNDEVICEINFOMANAGER_H

// The device store: the latest record of every listed device, in the order
// the devices were added. Records are looked up by the device key (serial
// number plus MAC address, compared as exact Latin-1 texts); when two records
// share a key, the earlier one is the one found. Every operation is guarded
// by one reentrant mutex, so the store may be used from any thread.

#include "kelpmutex.h"
#include "singleton.h"
#include "tarndeviceinfo.h"
#include "tarnrecords.h"

#include <QHash>
#include <QString>
#include <QVector>

#include <memory>

class TarnDeviceInfoManager : public Singleton::CSingleton<TarnDeviceInfoManager>
{
    friend class Singleton::CSingleton<TarnDeviceInfoManager>;

public:
    ~TarnDeviceInfoManager();

    void addDeviceInfo(const TarnDeviceInfo &struDevInfo);
    // The key is taken from the given record; nothing happens when no stored
    // record has it.
    void removeDeviceInfo(const TarnDeviceInfo &struDevInfo);
    void updateDeviceInfo(const TarnDeviceInfo &struDevInfo);

    // False, with out untouched, when the key is unknown.
    bool getDeviceInfo(const QString &serial, const QString &mac, TarnDeviceInfo &out) const;
    void getAllDeviceInfo(QVector<TarnDeviceInfo> &out) const;

    // Fills the network fields of out and leaves its other fields as they
    // are, so callers hand in a zeroed record.
    bool getNetParam(const QString &serial, const QString &mac, TarnNetParam &out) const;
    bool setNetParam(const QString &serial, const QString &mac, const TarnNetParam &netParam);
    bool setActivationState(const QString &serial, const QString &mac, int value);
    // 0 for an unknown key, which is also the value of an unknown cloud state.
    int getCloudStatus(const QString &serial, const QString &mac) const;

    // Index of the first record with the key, or -1.
    int findDeviceIndex(const QString &serial, const QString &mac) const;
    void clearDeviceInfo();

    // Takes no lock: the caller holds lock() so that the test and a following
    // addDeviceInfo are one step.
    bool containsMac(const QString &mac) const;

    void lock() const;
    void unlock() const;

private:
    TarnDeviceInfoManager();

    void countMac(const TarnDeviceInfo &struDevInfo, int delta);
    static QString keyOf(const QString &serial, const QString &mac);

    std::unique_ptr<KELP_MutexObject, int (*)(KELP_MUTEX)> m_mutex;
    QVector<TarnDeviceInfo> m_records;
    // Number of records per MAC text, so that containsMac does not scan.
    QHash<QString, int> m_macCounts;
    // Position of the first record of each key, so that look-ups by key do not
    // scan either. Appending keeps it; a removal shifts positions, so the
    // index is rebuilt at the next look-up.
    mutable QHash<QString, int> m_firstIndex;
    mutable bool m_indexValid = true;
};

#endif // TARNDEVICEINFOMANAGER_H
