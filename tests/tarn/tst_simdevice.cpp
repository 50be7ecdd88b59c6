// A simulated device's behaviour, without the network: activation, refusals
// while inactive, the password retry count and lock, Wi-Fi and channel
// password records, and the state that survives a restart.

#include <QJsonObject>
#include <QTest>

#include <cstring>

#include "simdevice.h"
#include "tarnrecords.h"
#include "tarnsdk.h"

using namespace tarnwire;
using devsim::SimDevice;

namespace {

SimDevice makeDevice(bool activated)
{
    SimDevice d;
    d.serial = "TC214020240101CCRR000000001";
    d.mac = "02-54-41-00-00-01";
    d.ipv4 = "192.168.1.64";
    d.mask = "255.255.255.0";
    d.maxRetries = d.retriesLeft = 3;
    d.lockSeconds = 90;
    d.wifiRegionMask = 0x05;      // regions 0 and 2
    d.recoveryFlags = 0x80;       // Wi-Fi enhancement
    d.extraAbilityFlags = 0x01;   // channel default password
    d.keys = generateKeyPair();
    if (activated) {
        d.activated = true;
        d.setPassword("Right1234");
    }
    return d;
}

Bytes textBytes(const std::string &s)
{
    return Bytes(s.begin(), s.end());
}

CommandRequest netRequest(const std::string &password, const char *ip)
{
    TarnNetParam p;
    std::memset(&p, 0, sizeof p);
    std::strcpy(p.ipv4Address, ip);
    std::strcpy(p.ipv4SubnetMask, "255.255.0.0");
    std::strcpy(p.ipv4Gateway, "10.1.0.1");
    p.port = 8000;
    p.httpPort = 80;
    CommandRequest r;
    r.operation = Operation::ModifyNetParam;
    r.outputCapacity = 128;
    r.fields = {textBytes(password), Bytes(reinterpret_cast<uint8_t *>(&p), reinterpret_cast<uint8_t *>(&p) + sizeof p)};
    return r;
}

CommandRequest wifiRequest(uint8_t kind, uint8_t region, const std::string &password)
{
    Bytes record(148, 0);
    record[0] = kind;
    record[1] = region;
    record[2] = kind == 2 ? 1 : 0;
    std::memcpy(record.data() + 4, password.data(), password.size());
    CommandRequest r;
    r.operation = Operation::SetConfig;
    r.command = 15;
    r.outputCapacity = 128;
    r.fields = {record};
    return r;
}

} // namespace

class TstSimDevice : public QObject
{
    Q_OBJECT

private slots:
    void activation_data();
    void activation();
    void inactiveDeviceAcceptsOnlyActivation_data();
    void inactiveDeviceAcceptsOnlyActivation();
    void wrongPasswordsCountDownThenLock();
    void networkChangeIsAnnounced();
    void wifiSettings_data();
    void wifiSettings();
    void channelPasswordNeedsAdminPassword();
    void refusalsFromTheFleetFile();
    void wifiNetworkOnlyAfterAPasswordProof();
    void newDeviceTakesItsWifiNetwork();
    void stateSurvivesRestart();
};

void TstSimDevice::activation_data()
{
    QTest::addColumn<bool>("activated");
    QTest::addColumn<QString>("password");
    QTest::addColumn<int>("status");
    QTest::newRow("new device") << false << "Abcdef123" << 0;
    QTest::newRow("already activated") << true << "Abcdef123" << int(TARN_ERR_ALREADY_ACTIVATED);
    QTest::newRow("too short") << false << "Ab1" << int(TARN_ERR_PARAMETER);
    QTest::newRow("too long") << false << "Abcdefgh123456789" << int(TARN_ERR_PARAMETER);
}

void TstSimDevice::activation()
{
    QFETCH(bool, activated);
    QFETCH(QString, password);
    QFETCH(int, status);
    SimDevice d = makeDevice(activated);
    CommandRequest r;
    r.operation = Operation::Activate;
    r.fields = {textBytes(password.toStdString())};
    const auto outcome = d.handle(r, 1000);
    QCOMPARE(int(outcome.reply.status), status);
    QCOMPARE(outcome.announceChange, status == 0);
    if (status == 0) {
        QVERIFY(d.activated);
        QVERIFY(d.checkPasswordHash(password.toStdString()));
        QVERIFY(d.passwordHash.find(password.toStdString()) == std::string::npos);
        uint8_t record[560];
        d.announcement(2, record);
        QCOMPARE(reinterpret_cast<TarnAnnouncement *>(record)->activationState, uint8_t(0));
    }
}

void TstSimDevice::inactiveDeviceAcceptsOnlyActivation_data()
{
    QTest::addColumn<int>("operation");
    QTest::newRow("network") << int(Operation::ModifyNetParam);
    QTest::newRow("config") << int(Operation::SetConfig);
}

void TstSimDevice::inactiveDeviceAcceptsOnlyActivation()
{
    QFETCH(int, operation);
    SimDevice d = makeDevice(false);
    CommandRequest r = netRequest("Right1234", "10.1.2.3");
    r.operation = Operation(operation);
    const auto outcome = d.handle(r, 1000);
    QCOMPARE(int(outcome.reply.status), int(TARN_ERR_DEVICE_DENY));
    QCOMPARE(d.ipv4, std::string("192.168.1.64"));
}

void TstSimDevice::wrongPasswordsCountDownThenLock()
{
    SimDevice d = makeDevice(true);
    auto first = d.handle(netRequest("wrong", "10.1.2.3"), 1000);
    QCOMPARE(int(first.reply.status), int(TARN_ERR_PASSWORD));
    QCOMPARE(int(first.reply.output[0]), 2);
    auto second = d.handle(netRequest("wrong", "10.1.2.3"), 1001);
    QCOMPARE(int(second.reply.output[0]), 1);
    auto last = d.handle(netRequest("wrong", "10.1.2.3"), 1002);
    QCOMPARE(int(last.reply.status), int(TARN_ERR_LOCKED));
    QCOMPARE(int(last.reply.output[1]), 2);   // 90 seconds, in whole minutes
    // Even the right password is refused while the lock lasts, with the time left.
    auto locked = d.handle(netRequest("Right1234", "10.1.2.3"), 1062);
    QCOMPARE(int(locked.reply.status), int(TARN_ERR_LOCKED));
    QCOMPARE(int(locked.reply.output[1]), 1);
    QCOMPARE(d.ipv4, std::string("192.168.1.64"));
    // Once it expires the right password works and the count starts again.
    auto after = d.handle(netRequest("Right1234", "10.1.2.3"), 1093);
    QCOMPARE(int(after.reply.status), 0);
    QCOMPARE(d.retriesLeft, 3);
}

void TstSimDevice::networkChangeIsAnnounced()
{
    SimDevice d = makeDevice(true);
    auto outcome = d.handle(netRequest("Right1234", "10.1.2.3"), 1000);
    QCOMPARE(int(outcome.reply.status), 0);
    QVERIFY(outcome.announceChange);
    uint8_t record[560];
    d.announcement(2, record);
    const auto *a = reinterpret_cast<const TarnAnnouncement *>(record);
    QCOMPARE(QByteArray(a->ipv4Address), QByteArray("10.1.2.3"));
    QCOMPARE(QByteArray(a->ipv4SubnetMask), QByteArray("255.255.0.0"));
    QCOMPARE(a->messageType, 2);

    auto bad = d.handle(netRequest("Right1234", "10.1.2.300"), 1001);
    QCOMPARE(int(bad.reply.status), int(TARN_ERR_PARAMETER));
    QCOMPARE(d.ipv4, std::string("10.1.2.3"));
}

void TstSimDevice::wifiSettings_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("region");
    QTest::addColumn<int>("status");
    QTest::newRow("region 0 (default)") << 1 << 0 << 0;
    QTest::newRow("offered region") << 1 << 2 << 0;
    QTest::newRow("region not offered") << 1 << 1 << int(TARN_ERR_PARAMETER);
    QTest::newRow("enhancement") << 2 << 0 << 0;
    QTest::newRow("unknown kind") << 3 << 0 << int(TARN_ERR_PARAMETER);
}

void TstSimDevice::wifiSettings()
{
    QFETCH(int, kind);
    QFETCH(int, region);
    QFETCH(int, status);
    SimDevice d = makeDevice(true);
    d.wifiRegion = 4;
    const auto outcome = d.handle(wifiRequest(uint8_t(kind), uint8_t(region), "Right1234"), 1000);
    QCOMPARE(int(outcome.reply.status), status);
    if (status == 0 && kind == 1)
        QCOMPARE(int(d.wifiRegion), region);
    if (status == 0 && kind == 2)
        QVERIFY(d.wifiEnhancement);

    SimDevice plain = makeDevice(true);
    plain.wifiRegionMask = 0;
    plain.recoveryFlags = 0;
    QCOMPARE(int(plain.handle(wifiRequest(uint8_t(kind == 2 ? 2 : 1), 0, "Right1234"), 1000).reply.status),
             int(TARN_ERR_NOT_SUPPORTED));
}

void TstSimDevice::channelPasswordNeedsAdminPassword()
{
    SimDevice d = makeDevice(true);
    Bytes record(160, 0);
    std::memcpy(record.data(), "Right1234", 9);
    std::memcpy(record.data() + 16, "Channel99x", 10);
    CommandRequest r;
    r.operation = Operation::SetConfig;
    r.command = 16;
    r.outputCapacity = 128;
    r.fields = {record};
    QCOMPARE(int(d.handle(r, 1000).reply.status), 0);
    QVERIFY(!d.channelPasswordHash.empty());
    std::memcpy(r.fields[0].data(), "Wrong9999", 9);
    QCOMPARE(int(d.handle(r, 1000).reply.status), int(TARN_ERR_PASSWORD));
    d.extraAbilityFlags = 0;
    QCOMPARE(int(d.handle(r, 1000).reply.status), int(TARN_ERR_NOT_SUPPORTED));
}

void TstSimDevice::refusalsFromTheFleetFile()
{
    SimDevice d = makeDevice(false);
    d.refuse["activate"] = TARN_ERR_DEVICE_DENY;
    CommandRequest r;
    r.operation = Operation::Activate;
    r.fields = {textBytes("Abcdef123")};
    QCOMPARE(int(d.handle(r, 1000).reply.status), int(TARN_ERR_DEVICE_DENY));
    QVERIFY(!d.activated);
}

void TstSimDevice::wifiNetworkOnlyAfterAPasswordProof()
{
    SimDevice d = makeDevice(true);
    d.extraAbilityFlags = 0x4;
    d.visibleWifi = {{"Site-WLAN", "wlan-pass-1"}};
    CommandRequest config;
    config.operation = Operation::WifiConfig;
    config.fields = {textBytes("Site-WLAN"), textBytes("wlan-pass-1")};
    // The command carries no administrator password: a stranger is refused.
    QCOMPARE(int(d.handle(config, 1000).reply.status), int(TARN_ERR_DEVICE_DENY));
    QVERIFY(d.wifiSsid.empty());
    QCOMPARE(int(d.handle(netRequest("Right1234", "10.1.2.3"), 1000).reply.status), 0);
    QCOMPARE(int(d.handle(config, 1100).reply.status), 0);
    QCOMPARE(d.wifiSsid, std::string("Site-WLAN"));
    CommandRequest check = config;
    check.operation = Operation::WifiCheck;
    check.fields[1] = textBytes("wrong-pass");
    QCOMPARE(int(d.handle(check, 1200).reply.status), int(TARN_ERR_PASSWORD));
    QCOMPARE(int(d.handle(config, 1000 + SimDevice::kTrustSeconds + 1).reply.status), int(TARN_ERR_DEVICE_DENY));
}

void TstSimDevice::newDeviceTakesItsWifiNetwork()
{
    // Before activation there is no password to prove: the installer sets
    // the Wi-Fi network of a new device, which stays not activated.
    SimDevice d = makeDevice(false);
    d.extraAbilityFlags = 0x4;
    d.visibleWifi = {{"Site-WLAN", "wlan-pass-1"}};
    CommandRequest check;
    check.operation = Operation::WifiCheck;
    check.fields = {textBytes("Site-WLAN"), textBytes("wrong-pass")};
    QCOMPARE(int(d.handle(check, 1000).reply.status), int(TARN_ERR_PASSWORD));
    check.fields[1] = textBytes("wlan-pass-1");
    QCOMPARE(int(d.handle(check, 1000).reply.status), 0);
    CommandRequest config = check;
    config.operation = Operation::WifiConfig;
    QCOMPARE(int(d.handle(config, 1000).reply.status), 0);
    QCOMPARE(d.wifiSsid, std::string("Site-WLAN"));
    QVERIFY(!d.activated);
    // A device without the Wi-Fi network setting still refuses it.
    SimDevice wired = makeDevice(false);
    QCOMPARE(int(wired.handle(config, 1000).reply.status), int(TARN_ERR_NOT_SUPPORTED));
}

void TstSimDevice::stateSurvivesRestart()
{
    SimDevice d = makeDevice(true);
    d.handle(netRequest("Right1234", "10.9.8.7"), 1000);
    d.handle(netRequest("wrong", "10.9.8.7"), 1000);
    const QJsonObject saved = d.stateToJson();

    SimDevice restarted = makeDevice(false);
    restarted.stateFromJson(saved);
    QVERIFY(restarted.keys.publicKey == d.keys.publicKey);
    QVERIFY(restarted.keys.secretKey == d.keys.secretKey);
    QVERIFY(restarted.activated);
    QVERIFY(restarted.checkPasswordHash("Right1234"));
    QCOMPARE(restarted.ipv4, std::string("10.9.8.7"));
    QCOMPARE(restarted.retriesLeft, 2);
}

QTEST_APPLESS_MAIN(TstSimDevice)
#include "tst_simdevice.moc"
