#include "tarndeviceinfomanager.h"

#include "kelpmutexguard.h"
#include "latin1text.h"

#include <cstring>
#include <new>

namespace {

bool hasKey(const TarnDeviceInfo &record, const QString &serial, const QString &mac)
{
    return latin1View(record.serialNumber) == serial && latin1View(record.macAddress) == mac;
}

// Copies a text between fields of different widths; a longer target is
// zero-padded so that the text ends where the source ended.
template <std::size_t To, std::size_t From>
void copyText(char (&to)[To], const char (&from)[From])
{
    constexpr std::size_t count = To < From ? To : From;
    std::memcpy(to, from, count);
    std::memset(to + count, 0, To - count);
}

} // namespace

TarnDeviceInfoManager::TarnDeviceInfoManager()
    : m_mutex(KELP_MutexCreate(), &KELP_MutexDestroy)
{
    if (!m_mutex)
        throw std::bad_alloc();
}

TarnDeviceInfoManager::~TarnDeviceInfoManager() = default;

void TarnDeviceInfoManager::addDeviceInfo(const TarnDeviceInfo &struDevInfo)
{
    KELP_MutexGuard guard(m_mutex.get());
    m_records.append(struDevInfo);
    countMac(struDevInfo, +1);
    if (m_indexValid) {
        // The first record of a key stays the one found.
        const QString key = keyOf(latin1String(struDevInfo.serialNumber), latin1String(struDevInfo.macAddress));
        if (!m_firstIndex.contains(key))
            m_firstIndex.insert(key, int(m_records.size()) - 1);
    }
}

void TarnDeviceInfoManager::removeDeviceInfo(const TarnDeviceInfo &struDevInfo)
{
    KELP_MutexGuard guard(m_mutex.get());
    const int index = findDeviceIndex(latin1String(struDevInfo.serialNumber),
                                      latin1String(struDevInfo.macAddress));
    if (index < 0)
        return;
    countMac(m_records.at(index), -1);
    m_records.removeAt(index);
    m_indexValid = false;
}

void TarnDeviceInfoManager::updateDeviceInfo(const TarnDeviceInfo &struDevInfo)
{
    KELP_MutexGuard guard(m_mutex.get());
    const int index = findDeviceIndex(latin1String(struDevInfo.serialNumber),
                                      latin1String(struDevInfo.macAddress));
    if (index < 0)
        return;
    countMac(m_records.at(index), -1);
    m_records[index] = struDevInfo;
    countMac(struDevInfo, +1);
}

bool TarnDeviceInfoManager::getDeviceInfo(const QString &serial, const QString &mac,
                                          TarnDeviceInfo &out) const
{
    KELP_MutexGuard guard(m_mutex.get());
    const int index = findDeviceIndex(serial, mac);
    if (index < 0)
        return false;
    out = m_records.at(index);
    return true;
}

void TarnDeviceInfoManager::getAllDeviceInfo(QVector<TarnDeviceInfo> &out) const
{
    KELP_MutexGuard guard(m_mutex.get());
    out = m_records;
}

bool TarnDeviceInfoManager::getNetParam(const QString &serial, const QString &mac,
                                        TarnNetParam &out) const
{
    KELP_MutexGuard guard(m_mutex.get());
    const int index = findDeviceIndex(serial, mac);
    if (index < 0)
        return false;
    const TarnDeviceInfo &record = m_records.at(index);
    copyText(out.ipv4Address, record.ipv4Address);
    copyText(out.ipv4SubnetMask, record.ipv4SubnetMask);
    copyText(out.ipv4Gateway, record.ipv4Gateway);
    copyText(out.ipv6Address, record.ipv6Address);
    copyText(out.ipv6Gateway, record.ipv6Gateway);
    out.port = static_cast<uint16_t>(record.port & 0xFFFFu);
    out.ipv6PrefixLength = record.ipv6PrefixLength;
    out.dhcpEnabled = record.dhcpEnabled;
    out.httpPort = record.httpPort;
    out.sdkServicePort = record.enhancedSdkPort;
    return true;
}

bool TarnDeviceInfoManager::setNetParam(const QString &serial, const QString &mac,
                                        const TarnNetParam &netParam)
{
    KELP_MutexGuard guard(m_mutex.get());
    const int index = findDeviceIndex(serial, mac);
    if (index < 0)
        return false;
    TarnDeviceInfo &record = m_records[index];
    copyText(record.ipv4Address, netParam.ipv4Address);
    copyText(record.ipv4SubnetMask, netParam.ipv4SubnetMask);
    copyText(record.ipv4Gateway, netParam.ipv4Gateway);
    copyText(record.ipv6Address, netParam.ipv6Address);
    copyText(record.ipv6Gateway, netParam.ipv6Gateway);
    record.port = netParam.port;  // uint16_t to uint32_t: widened without sign
    record.ipv6PrefixLength = netParam.ipv6PrefixLength;
    record.dhcpEnabled = netParam.dhcpEnabled;
    record.httpPort = netParam.httpPort;
    record.enhancedSdkPort = netParam.sdkServicePort;
    return true;
}

bool TarnDeviceInfoManager::setActivationState(const QString &serial, const QString &mac, int value)
{
    KELP_MutexGuard guard(m_mutex.get());
    const int index = findDeviceIndex(serial, mac);
    if (index < 0)
        return false;
    m_records[index].activationState = static_cast<uint8_t>(value);
    return true;
}

int TarnDeviceInfoManager::getCloudStatus(const QString &serial, const QString &mac) const
{
    KELP_MutexGuard guard(m_mutex.get());
    const int index = findDeviceIndex(serial, mac);
    return index < 0 ? 0 : m_records.at(index).cloudStatus;
}

int TarnDeviceInfoManager::findDeviceIndex(const QString &serial, const QString &mac) const
{
    // Reentrant: the operations above call this while holding the mutex.
    KELP_MutexGuard guard(m_mutex.get());
    if (!m_indexValid) {
        m_firstIndex.clear();
        m_firstIndex.reserve(m_records.size());
        // Backwards, so that the first record of a key wins.
        for (int index = int(m_records.size()) - 1; index >= 0; --index) {
            const TarnDeviceInfo &record = m_records.at(index);
            m_firstIndex.insert(keyOf(latin1String(record.serialNumber), latin1String(record.macAddress)), index);
        }
        m_indexValid = true;
    }
    const auto it = m_firstIndex.constFind(keyOf(serial, mac));
    if (it == m_firstIndex.constEnd() || !hasKey(m_records.at(it.value()), serial, mac))
        return -1;
    return it.value();
}

void TarnDeviceInfoManager::clearDeviceInfo()
{
    KELP_MutexGuard guard(m_mutex.get());
    m_records.clear();
    m_macCounts.clear();
    m_firstIndex.clear();
    m_indexValid = true;
}

bool TarnDeviceInfoManager::containsMac(const QString &mac) const
{
    return m_macCounts.contains(mac);
}

void TarnDeviceInfoManager::lock() const
{
    KELP_MutexLock(m_mutex.get());
}

void TarnDeviceInfoManager::unlock() const
{
    KELP_MutexUnlock(m_mutex.get());
}

QString TarnDeviceInfoManager::keyOf(const QString &serial, const QString &mac)
{
    // A serial number never holds a line feed, so the pair stays unambiguous.
    return serial + QLatin1Char('\n') + mac;
}

void TarnDeviceInfoManager::countMac(const TarnDeviceInfo &struDevInfo, int delta)
{
    const QString mac = latin1String(struDevInfo.macAddress);
    const auto it = m_macCounts.find(mac);
    const int count = (it == m_macCounts.end() ? 0 : it.value()) + delta;
    if (count > 0)
        m_macCounts.insert(mac, count);
    else
        m_macCounts.remove(mac);
}
