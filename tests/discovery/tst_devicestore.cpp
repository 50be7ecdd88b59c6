// The device store: lookups by exact key with the first match winning,
// untouched outputs on unknown keys, the network parameters in both
// directions, the lock released on every path, and the MAC index.

#include "latin1text.h"
#include "tarndeviceinfomanager.h"

#include <QStandardPaths>
#include <QTest>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <functional>
#include <thread>

namespace {

// Puts a text into a fixed field the way the records carry it: zero-padded,
// with no terminator when it fills the field.
template <std::size_t N>
void setText(char (&field)[N], const char *text)
{
    std::memset(field, 0, N);
    std::memcpy(field, text, std::min(std::strlen(text), N));
}

TarnDeviceInfo makeRecord(const char *serial, const char *mac, uint32_t port = 8000,
                          uint8_t cloudStatus = 0)
{
    TarnDeviceInfo record{};
    setText(record.serialNumber, serial);
    setText(record.macAddress, mac);
    std::strcpy(record.ipv4Address, "192.168.1.64");
    record.port = port;
    record.cloudStatus = cloudStatus;
    record.activationState = 1;
    return record;
}

QByteArray bytesOf(const void *record, std::size_t size)
{
    return QByteArray(static_cast<const char *>(record), static_cast<qsizetype>(size));
}

QList<QByteArray> storedBytes()
{
    QVector<TarnDeviceInfo> records;
    TarnDeviceInfoManager::Instance()->getAllDeviceInfo(records);
    QList<QByteArray> bytes;
    for (const TarnDeviceInfo &record : std::as_const(records))
        bytes.append(bytesOf(&record, sizeof record));
    return bytes;
}

QStringList storedKeys()
{
    QVector<TarnDeviceInfo> records;
    TarnDeviceInfoManager::Instance()->getAllDeviceInfo(records);
    QStringList keys;
    for (const TarnDeviceInfo &record : std::as_const(records))
        keys.append(latin1String(record.serialNumber) + QLatin1Char('/') + latin1String(record.macAddress));
    return keys;
}

TarnNetParam filledNetParam(char fill)
{
    TarnNetParam netParam;
    std::memset(&netParam, fill, sizeof netParam);
    return netParam;
}

// Runs one store call on another thread and reports whether it finished in
// time, i.e. whether the store's lock was free.
bool finishesOnAnotherThread(const std::function<void()> &call, int timeoutMs)
{
    std::atomic<bool> done{false};
    std::thread worker([&] {
        call();
        done = true;
    });
    const bool finished = QTest::qWaitFor([&] { return done.load(); }, timeoutMs);
    if (finished)
        worker.join();
    else
        worker.detach();  // blocked for good; the test fails and the process ends
    return finished;
}

// The lookups that may fail, one per row of the release test.
enum class FailingCall {
    GetDeviceInfo,
    GetNetParam,
    SetNetParam,
    SetActivationState,
    GetCloudStatus,
    FindDeviceIndex,
    RemoveDeviceInfo,
    UpdateDeviceInfo
};

void callWithUnknownKey(FailingCall call)
{
    TarnDeviceInfoManager *store = TarnDeviceInfoManager::Instance();
    const QString serial = QStringLiteral("UNKNOWN");
    const QString mac = QStringLiteral("00-00-00-00-00-00");
    TarnDeviceInfo info{};
    TarnNetParam netParam{};
    switch (call) {
    case FailingCall::GetDeviceInfo: store->getDeviceInfo(serial, mac, info); break;
    case FailingCall::GetNetParam: store->getNetParam(serial, mac, netParam); break;
    case FailingCall::SetNetParam: store->setNetParam(serial, mac, netParam); break;
    case FailingCall::SetActivationState: store->setActivationState(serial, mac, 0); break;
    case FailingCall::GetCloudStatus: store->getCloudStatus(serial, mac); break;
    case FailingCall::FindDeviceIndex: store->findDeviceIndex(serial, mac); break;
    case FailingCall::RemoveDeviceInfo: store->removeDeviceInfo(makeRecord("UNKNOWN", "00-00-00-00-00-00")); break;
    case FailingCall::UpdateDeviceInfo: store->updateDeviceInfo(makeRecord("UNKNOWN", "00-00-00-00-00-00")); break;
    }
}

// A change applied to the store by the duplicate-key test.
enum class Change { SetActivationState, SetNetParam, UpdateDeviceInfo, RemoveDeviceInfo };

} // namespace

Q_DECLARE_METATYPE(FailingCall)
Q_DECLARE_METATYPE(Change)

class DeviceStoreTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void unknownKeyChangesNothing_data();
    void unknownKeyChangesNothing();
    void duplicateKeyReadsFindEarlierRecord();
    void duplicateKeyChangesActOnEarlierRecord_data();
    void duplicateKeyChangesActOnEarlierRecord();
    void lookupsFollowRemovals();
    void macCaseMakesTwoDevices();
    void insertionOrderKept();

    void failedLookupReleasesLock_data();
    void failedLookupReleasesLock();
    void heldLockKeepsOtherThreadsOutButNotOwner();

    void netParamRoundTrip_data();
    void netParamRoundTrip();
    void netParamFromRecord();

    void macIndexFollowsRecords_data();
    void macIndexFollowsRecords();

private:
    TarnDeviceInfoManager *m_store = nullptr;
};

void DeviceStoreTest::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    m_store = TarnDeviceInfoManager::Instance();
    QVERIFY(m_store != nullptr);
    QCOMPARE(TarnDeviceInfoManager::Instance(), m_store);
}

void DeviceStoreTest::init()
{
    m_store->clearDeviceInfo();
}

void DeviceStoreTest::unknownKeyChangesNothing_data()
{
    QTest::addColumn<QString>("serial");
    QTest::addColumn<QString>("mac");

    QTest::newRow("serial differs") << "DS-0002" << "a4-14-37-00-00-01";
    QTest::newRow("MAC differs") << "DS-0001" << "a4-14-37-00-00-02";
    QTest::newRow("MAC in other case") << "DS-0001" << "A4-14-37-00-00-01";
    QTest::newRow("trailing space") << "DS-0001 " << "a4-14-37-00-00-01";
    QTest::newRow("prefix of serial") << "DS-000" << "a4-14-37-00-00-01";
    QTest::newRow("empty key") << "" << "";
}

void DeviceStoreTest::unknownKeyChangesNothing()
{
    QFETCH(QString, serial);
    QFETCH(QString, mac);

    m_store->addDeviceInfo(makeRecord("DS-0001", "a4-14-37-00-00-01", 8000, 1));
    const QList<QByteArray> before = storedBytes();

    TarnDeviceInfo info = makeRecord("SENTINEL", "ff-ff-ff-ff-ff-ff", 4242, 2);
    const QByteArray infoBefore = bytesOf(&info, sizeof info);
    QVERIFY(!m_store->getDeviceInfo(serial, mac, info));
    QCOMPARE(bytesOf(&info, sizeof info), infoBefore);

    TarnNetParam netParam = filledNetParam('\x5a');
    const QByteArray netParamBefore = bytesOf(&netParam, sizeof netParam);
    QVERIFY(!m_store->getNetParam(serial, mac, netParam));
    QCOMPARE(bytesOf(&netParam, sizeof netParam), netParamBefore);

    QCOMPARE(m_store->findDeviceIndex(serial, mac), -1);
    QCOMPARE(m_store->getCloudStatus(serial, mac), 0);
    QVERIFY(!m_store->setNetParam(serial, mac, filledNetParam('\0')));
    QVERIFY(!m_store->setActivationState(serial, mac, 0));

    TarnDeviceInfo other = makeRecord("", "", 9999, 2);
    const QByteArray serialBytes = serial.toLatin1();
    const QByteArray macBytes = mac.toLatin1();
    setText(other.serialNumber, serialBytes.constData());
    setText(other.macAddress, macBytes.constData());
    m_store->updateDeviceInfo(other);
    m_store->removeDeviceInfo(other);

    QCOMPARE(storedBytes(), before);
}

void DeviceStoreTest::duplicateKeyReadsFindEarlierRecord()
{
    m_store->addDeviceInfo(makeRecord("DS-0009", "a4-14-37-00-00-09", 9000, 0));
    m_store->addDeviceInfo(makeRecord("DS-0001", "a4-14-37-00-00-01", 1111, 1));
    m_store->addDeviceInfo(makeRecord("DS-0001", "a4-14-37-00-00-01", 2222, 2));
    const QString serial = QStringLiteral("DS-0001");
    const QString mac = QStringLiteral("a4-14-37-00-00-01");

    TarnDeviceInfo info{};
    QVERIFY(m_store->getDeviceInfo(serial, mac, info));
    QCOMPARE(info.port, 1111u);
    QCOMPARE(m_store->getCloudStatus(serial, mac), 1);
    QCOMPARE(m_store->findDeviceIndex(serial, mac), 1);
    TarnNetParam netParam{};
    QVERIFY(m_store->getNetParam(serial, mac, netParam));
    QCOMPARE(netParam.port, uint16_t(1111));
}

void DeviceStoreTest::duplicateKeyChangesActOnEarlierRecord_data()
{
    QTest::addColumn<Change>("change");
    QTest::addColumn<QStringList>("keysAfter");
    QTest::addColumn<QList<uint>>("portsAfter");
    QTest::addColumn<QList<int>>("activationAfter");

    const QString other = QStringLiteral("DS-0009/a4-14-37-00-00-09");
    const QString twin = QStringLiteral("DS-0001/a4-14-37-00-00-01");
    QTest::newRow("setActivationState") << Change::SetActivationState
            << QStringList{other, twin, twin} << QList<uint>{9000, 1111, 2222} << QList<int>{1, 0, 1};
    QTest::newRow("setNetParam") << Change::SetNetParam
            << QStringList{other, twin, twin} << QList<uint>{9000, 5555, 2222} << QList<int>{1, 1, 1};
    QTest::newRow("updateDeviceInfo") << Change::UpdateDeviceInfo
            << QStringList{other, twin, twin} << QList<uint>{9000, 7777, 2222} << QList<int>{1, 1, 1};
    QTest::newRow("removeDeviceInfo") << Change::RemoveDeviceInfo
            << QStringList{other, twin} << QList<uint>{9000, 2222} << QList<int>{1, 1};
}

void DeviceStoreTest::duplicateKeyChangesActOnEarlierRecord()
{
    QFETCH(Change, change);
    QFETCH(QStringList, keysAfter);
    QFETCH(QList<uint>, portsAfter);
    QFETCH(QList<int>, activationAfter);

    m_store->addDeviceInfo(makeRecord("DS-0009", "a4-14-37-00-00-09", 9000));
    m_store->addDeviceInfo(makeRecord("DS-0001", "a4-14-37-00-00-01", 1111));
    m_store->addDeviceInfo(makeRecord("DS-0001", "a4-14-37-00-00-01", 2222));
    const QString serial = QStringLiteral("DS-0001");
    const QString mac = QStringLiteral("a4-14-37-00-00-01");

    switch (change) {
    case Change::SetActivationState:
        QVERIFY(m_store->setActivationState(serial, mac, 0));
        break;
    case Change::SetNetParam: {
        TarnNetParam netParam{};
        QVERIFY(m_store->getNetParam(serial, mac, netParam));
        netParam.port = 5555;
        QVERIFY(m_store->setNetParam(serial, mac, netParam));
        break;
    }
    case Change::UpdateDeviceInfo:
        m_store->updateDeviceInfo(makeRecord("DS-0001", "a4-14-37-00-00-01", 7777));
        break;
    case Change::RemoveDeviceInfo:
        m_store->removeDeviceInfo(makeRecord("DS-0001", "a4-14-37-00-00-01", 2222));
        break;
    }

    QVector<TarnDeviceInfo> records;
    m_store->getAllDeviceInfo(records);
    QCOMPARE(storedKeys(), keysAfter);
    QList<uint> ports;
    QList<int> activation;
    for (const TarnDeviceInfo &record : std::as_const(records)) {
        ports.append(record.port);
        activation.append(record.activationState);
    }
    QCOMPARE(ports, portsAfter);
    QCOMPARE(activation, activationAfter);
}

void DeviceStoreTest::lookupsFollowRemovals()
{
    // Removals shift the records behind them; every look-up must still find
    // its own record, and a twin behind a removed record takes its place.
    for (int i = 0; i < 6; ++i)
        m_store->addDeviceInfo(makeRecord(qPrintable(QString("DS-%1").arg(i)),
                                          qPrintable(QString("a4-14-37-00-00-0%1").arg(i)), 1000 + i));
    m_store->addDeviceInfo(makeRecord("DS-2", "a4-14-37-00-00-02", 2222));
    m_store->removeDeviceInfo(makeRecord("DS-0", "a4-14-37-00-00-00", 0));
    m_store->removeDeviceInfo(makeRecord("DS-2", "a4-14-37-00-00-02", 0));
    m_store->addDeviceInfo(makeRecord("DS-9", "a4-14-37-00-00-09", 1009));

    const struct { const char *serial; const char *mac; int index; uint port; } expected[] = {
        {"DS-1", "a4-14-37-00-00-01", 0, 1001}, {"DS-3", "a4-14-37-00-00-03", 1, 1003},
        {"DS-4", "a4-14-37-00-00-04", 2, 1004}, {"DS-5", "a4-14-37-00-00-05", 3, 1005},
        {"DS-2", "a4-14-37-00-00-02", 4, 2222}, {"DS-9", "a4-14-37-00-00-09", 5, 1009},
        {"DS-0", "a4-14-37-00-00-00", -1, 0},
    };
    for (const auto &e : expected) {
        QCOMPARE(m_store->findDeviceIndex(e.serial, e.mac), e.index);
        TarnDeviceInfo info{};
        QCOMPARE(m_store->getDeviceInfo(e.serial, e.mac, info), e.index >= 0);
        QCOMPARE(info.port, e.port);
    }
    m_store->clearDeviceInfo();
    QCOMPARE(m_store->findDeviceIndex("DS-1", "a4-14-37-00-00-01"), -1);
    m_store->addDeviceInfo(makeRecord("DS-1", "a4-14-37-00-00-01", 7));
    QCOMPARE(m_store->findDeviceIndex("DS-1", "a4-14-37-00-00-01"), 0);
}

void DeviceStoreTest::macCaseMakesTwoDevices()
{
    m_store->addDeviceInfo(makeRecord("DS-0001", "A4-14-37-00-00-0A", 1111));
    m_store->addDeviceInfo(makeRecord("DS-0001", "a4-14-37-00-00-0a", 2222));

    TarnDeviceInfo upper{};
    TarnDeviceInfo lower{};
    QVERIFY(m_store->getDeviceInfo(QStringLiteral("DS-0001"), QStringLiteral("A4-14-37-00-00-0A"), upper));
    QVERIFY(m_store->getDeviceInfo(QStringLiteral("DS-0001"), QStringLiteral("a4-14-37-00-00-0a"), lower));
    QCOMPARE(upper.port, 1111u);
    QCOMPARE(lower.port, 2222u);

    m_store->removeDeviceInfo(lower);
    m_store->lock();
    const bool upperKnown = m_store->containsMac(QStringLiteral("A4-14-37-00-00-0A"));
    const bool lowerKnown = m_store->containsMac(QStringLiteral("a4-14-37-00-00-0a"));
    m_store->unlock();
    QVERIFY(upperKnown);
    QVERIFY(!lowerKnown);
}

void DeviceStoreTest::insertionOrderKept()
{
    m_store->addDeviceInfo(makeRecord("DS-0003", "a4-14-37-00-00-03"));
    m_store->addDeviceInfo(makeRecord("DS-0001", "a4-14-37-00-00-01"));
    m_store->addDeviceInfo(makeRecord("DS-0002", "a4-14-37-00-00-02"));
    m_store->removeDeviceInfo(makeRecord("DS-0001", "a4-14-37-00-00-01"));
    m_store->addDeviceInfo(makeRecord("DS-0001", "a4-14-37-00-00-01"));
    m_store->updateDeviceInfo(makeRecord("DS-0003", "a4-14-37-00-00-03", 1234));

    QCOMPARE(storedKeys(), (QStringList{QStringLiteral("DS-0003/a4-14-37-00-00-03"),
                                        QStringLiteral("DS-0002/a4-14-37-00-00-02"),
                                        QStringLiteral("DS-0001/a4-14-37-00-00-01")}));
}

void DeviceStoreTest::failedLookupReleasesLock_data()
{
    QTest::addColumn<FailingCall>("call");

    QTest::newRow("getDeviceInfo") << FailingCall::GetDeviceInfo;
    QTest::newRow("getNetParam") << FailingCall::GetNetParam;
    QTest::newRow("setNetParam") << FailingCall::SetNetParam;
    QTest::newRow("setActivationState") << FailingCall::SetActivationState;
    QTest::newRow("getCloudStatus") << FailingCall::GetCloudStatus;
    QTest::newRow("findDeviceIndex") << FailingCall::FindDeviceIndex;
    QTest::newRow("removeDeviceInfo") << FailingCall::RemoveDeviceInfo;
    QTest::newRow("updateDeviceInfo") << FailingCall::UpdateDeviceInfo;
}

void DeviceStoreTest::failedLookupReleasesLock()
{
    QFETCH(FailingCall, call);

    m_store->addDeviceInfo(makeRecord("DS-0001", "a4-14-37-00-00-01"));
    callWithUnknownKey(call);

    QVERIFY(finishesOnAnotherThread(
            [] { TarnDeviceInfoManager::Instance()->addDeviceInfo(makeRecord("DS-0002", "a4-14-37-00-00-02")); },
            5000));
    TarnDeviceInfo info{};
    QVERIFY(m_store->getDeviceInfo(QStringLiteral("DS-0002"), QStringLiteral("a4-14-37-00-00-02"), info));
}

void DeviceStoreTest::heldLockKeepsOtherThreadsOutButNotOwner()
{
    m_store->addDeviceInfo(makeRecord("DS-0001", "a4-14-37-00-00-01"));

    std::atomic<bool> added{false};
    m_store->lock();
    QVERIFY(!m_store->containsMac(QStringLiteral("a4-14-37-00-00-02")));
    std::thread worker([&] {
        TarnDeviceInfoManager::Instance()->addDeviceInfo(makeRecord("DS-0002", "a4-14-37-00-00-02"));
        added = true;
    });
    QVERIFY(!QTest::qWaitFor([&] { return added.load(); }, 200));

    // The holder may still use the store: its mutex is reentrant.
    TarnDeviceInfo info{};
    QVERIFY(m_store->getDeviceInfo(QStringLiteral("DS-0001"), QStringLiteral("a4-14-37-00-00-01"), info));
    m_store->addDeviceInfo(makeRecord("DS-0003", "a4-14-37-00-00-03"));
    m_store->unlock();

    const bool finished = QTest::qWaitFor([&] { return added.load(); }, 5000);
    if (finished)
        worker.join();
    else
        worker.detach();
    QVERIFY(finished);
    m_store->lock();
    const bool known = m_store->containsMac(QStringLiteral("a4-14-37-00-00-02"));
    m_store->unlock();
    QVERIFY(known);
}

void DeviceStoreTest::netParamRoundTrip_data()
{
    QTest::addColumn<QByteArray>("ipv4");
    QTest::addColumn<QByteArray>("ipv6");
    QTest::addColumn<uint>("port");
    QTest::addColumn<uint>("httpPort");
    QTest::addColumn<int>("dhcp");
    QTest::addColumn<int>("prefix");
    QTest::addColumn<uint>("sdkPort");

    QTest::newRow("static, usual ports") << QByteArray("10.0.0.17") << QByteArray("fe80::1")
                                         << 8000u << 80u << 0 << 64 << 8443u;
    QTest::newRow("highest 16-bit ports") << QByteArray("255.255.255.254") << QByteArray("2001:db8::ff")
                                          << 65535u << 65535u << 1 << 127 << 65535u;
    QTest::newRow("port with top bit set") << QByteArray("192.168.254.1") << QByteArray()
                                           << 0x8000u << 0x8001u << 1 << 0 << 0u;
    QTest::newRow("longest IPv6 text") << QByteArray("1.2.3.4")
                                       << QByteArray("ffff:ffff:ffff:ffff:ffff:ffff:255.255.255.255")
                                       << 1u << 1u << 0 << 96 << 2000u;
}

void DeviceStoreTest::netParamRoundTrip()
{
    QFETCH(QByteArray, ipv4);
    QFETCH(QByteArray, ipv6);
    QFETCH(uint, port);
    QFETCH(uint, httpPort);
    QFETCH(int, dhcp);
    QFETCH(int, prefix);
    QFETCH(uint, sdkPort);

    m_store->addDeviceInfo(makeRecord("DS-0001", "a4-14-37-00-00-01", 1));
    const QString serial = QStringLiteral("DS-0001");
    const QString mac = QStringLiteral("a4-14-37-00-00-01");

    TarnNetParam sent{};
    setText(sent.ipv4Address, ipv4.constData());
    std::strcpy(sent.ipv4SubnetMask, "255.255.255.0");
    std::strcpy(sent.ipv4Gateway, "10.0.0.1");
    setText(sent.ipv6Address, ipv6.constData());
    setText(sent.ipv6Gateway, ipv6.constData());
    sent.port = static_cast<uint16_t>(port);
    sent.httpPort = static_cast<uint16_t>(httpPort);
    sent.dhcpEnabled = static_cast<uint8_t>(dhcp);
    sent.ipv6PrefixLength = static_cast<uint8_t>(prefix);
    sent.sdkServicePort = sdkPort;
    QVERIFY(m_store->setNetParam(serial, mac, sent));

    TarnDeviceInfo stored{};
    QVERIFY(m_store->getDeviceInfo(serial, mac, stored));
    QCOMPARE(stored.port, port);  // widened without sign
    QCOMPARE(latin1String(stored.ipv4Address), QString::fromLatin1(ipv4));
    QCOMPARE(latin1String(stored.ipv6Address), QString::fromLatin1(ipv6));
    QCOMPARE(stored.enhancedSdkPort, sdkPort);

    TarnNetParam received{};
    QVERIFY(m_store->getNetParam(serial, mac, received));
    QCOMPARE(bytesOf(&received, sizeof received), bytesOf(&sent, sizeof sent));
}

void DeviceStoreTest::netParamFromRecord()
{
    TarnDeviceInfo record = makeRecord("DS-0001", "a4-14-37-00-00-01", 0x12345);  // beyond 16 bits
    std::memcpy(record.ipv4Address, "192.168.100.200", 16);
    std::strcpy(record.ipv4SubnetMask, "255.255.0.0");
    std::strcpy(record.ipv4Gateway, "192.168.0.1");
    std::memset(record.ipv6Address, '6', sizeof record.ipv6Address);  // full, no terminator
    std::strcpy(record.ipv6Gateway, "fe80::1");
    record.ipv6PrefixLength = 64;
    record.dhcpEnabled = 1;
    record.httpPort = 8080;
    record.enhancedSdkPort = 8443;
    m_store->addDeviceInfo(record);

    TarnNetParam netParam = filledNetParam('\x5a');
    QVERIFY(m_store->getNetParam(QStringLiteral("DS-0001"), QStringLiteral("a4-14-37-00-00-01"), netParam));

    QCOMPARE(latin1String(netParam.ipv4Address), QStringLiteral("192.168.100.200"));
    QCOMPARE(latin1String(netParam.ipv4SubnetMask), QStringLiteral("255.255.0.0"));
    QCOMPARE(latin1String(netParam.ipv4Gateway), QStringLiteral("192.168.0.1"));
    QCOMPARE(latin1String(netParam.ipv6Address), QString(46, QLatin1Char('6')));
    QCOMPARE(latin1String(netParam.ipv6Gateway), QStringLiteral("fe80::1"));
    QCOMPARE(netParam.port, uint16_t(0x2345));
    QCOMPARE(netParam.ipv6PrefixLength, uint8_t(64));
    QCOMPARE(netParam.dhcpEnabled, uint8_t(1));
    QCOMPARE(netParam.httpPort, uint16_t(8080));
    QCOMPARE(netParam.sdkServicePort, 8443u);
    // Fields without a counterpart in the record are left as they were.
    QCOMPARE(netParam.reserved1, uint16_t(0x5a5a));
    QCOMPARE(bytesOf(netParam.reserved2, sizeof netParam.reserved2),
             QByteArray(sizeof netParam.reserved2, '\x5a'));
}

void DeviceStoreTest::macIndexFollowsRecords_data()
{
    // Each step: "add SERIAL MAC", "remove SERIAL MAC", "update SERIAL MAC" or "clear".
    QTest::addColumn<QStringList>("steps");

    QTest::newRow("remove one of two records with one MAC")
            << QStringList{"add S1 M1", "add S2 M1", "add S3 M2", "remove S1 M1", "remove S2 M1"};
    QTest::newRow("remove the same key twice")
            << QStringList{"add S1 M1", "add S1 M1", "remove S1 M1", "remove S1 M1", "remove S1 M1"};
    QTest::newRow("remove and update unknown keys")
            << QStringList{"add S1 M1", "remove S1 M2", "remove S2 M1", "update S2 M1", "update S1 m1"};
    QTest::newRow("update keeps the MAC")
            << QStringList{"add S1 M1", "update S1 M1", "remove S1 M1", "add S1 M1"};
    QTest::newRow("clear then add again")
            << QStringList{"add S1 M1", "add S2 M2", "clear", "add S2 M2"};
}

void DeviceStoreTest::macIndexFollowsRecords()
{
    QFETCH(QStringList, steps);

    const QStringList macs{"M1", "M2", "m1"};
    for (const QString &step : std::as_const(steps)) {
        const QStringList words = step.split(QLatin1Char(' '));
        const QByteArray serial = words.value(1).toLatin1();
        const QByteArray mac = words.value(2).toLatin1();
        const TarnDeviceInfo record = makeRecord(serial.constData(), mac.constData());
        if (words.first() == QLatin1String("add"))
            m_store->addDeviceInfo(record);
        else if (words.first() == QLatin1String("remove"))
            m_store->removeDeviceInfo(record);
        else if (words.first() == QLatin1String("update"))
            m_store->updateDeviceInfo(record);
        else
            m_store->clearDeviceInfo();

        QVector<TarnDeviceInfo> records;
        m_store->getAllDeviceInfo(records);
        m_store->lock();
        for (const QString &candidate : macs) {
            const bool stored = std::any_of(records.cbegin(), records.cend(), [&](const TarnDeviceInfo &r) {
                return latin1String(r.macAddress) == candidate;
            });
            if (m_store->containsMac(candidate) != stored) {
                m_store->unlock();
                QFAIL(qPrintable(QStringLiteral("after \"%1\": containsMac(%2) is %3")
                                         .arg(step, candidate, stored ? QStringLiteral("false")
                                                                      : QStringLiteral("true"))));
            }
        }
        m_store->unlock();
    }
}

QTEST_GUILESS_MAIN(DeviceStoreTest)
#include "tst_devicestore.moc"
