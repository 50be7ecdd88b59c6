// The discovery library against the simulator on loopback, through its C
// interface: discovery and refresh, commands and their refusals, loss, secrecy
// on the wire, replay and tampering, key continuity and the filter rule.

#include <QTest>

#include <cstring>
#include <map>
#include <mutex>
#include <set>
#include <thread>

#include "devsimprocess.h"
#include "multicastchannel.h"
#include "tarnmessages.h"
#include "tarnsdk.h"

using namespace tarnwire;

namespace {

// What the callback heard, on the library's thread.
struct Heard {
    std::mutex mutex;
    std::map<std::string, TarnAnnouncement> devices;   // serial
    std::map<int, int> types;
    std::set<std::thread::id> threads;

    void clear()
    {
        std::lock_guard<std::mutex> lock(mutex);
        devices.clear();
        types.clear();
    }
    size_t count()
    {
        std::lock_guard<std::mutex> lock(mutex);
        return devices.size();
    }
    std::optional<TarnAnnouncement> device(const std::string &serial)
    {
        std::lock_guard<std::mutex> lock(mutex);
        auto it = devices.find(serial);
        return it == devices.end() ? std::nullopt : std::optional<TarnAnnouncement>(it->second);
    }
};
Heard g_heard;

void onAnnouncement(const TarnAnnouncement *a, void *user)
{
    QVERIFY(user == &g_heard);
    std::lock_guard<std::mutex> lock(g_heard.mutex);
    const std::string serial(a->serialNumber, strnlen(a->serialNumber, sizeof a->serialNumber));
    ++g_heard.types[a->messageType];
    g_heard.threads.insert(std::this_thread::get_id());
    if (a->messageType == 3)
        g_heard.devices.erase(serial);
    else
        g_heard.devices[serial] = *a;
}

std::string text(const char *field, size_t width)
{
    return std::string(field, strnlen(field, width));
}

// Everything on the group while it listens, as a passive listener on the segment.
class Sniffer
{
public:
    Sniffer()
    {
        m_channel.open(ChannelConfig::fromEnvironment());
        m_thread = std::thread([this] {
            while (!m_stop) {
                if (m_channel.wait(20)) {
                    std::lock_guard<std::mutex> lock(m_mutex);
                    for (auto &r : m_channel.receiveAll())
                        m_datagrams.push_back(r.data);
                }
            }
        });
    }
    ~Sniffer()
    {
        m_stop = true;
        m_thread.join();
    }
    std::vector<Bytes> datagrams()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_datagrams;
    }
    std::vector<Bytes> ofType(MessageType type)
    {
        std::vector<Bytes> out;
        for (const Bytes &d : datagrams())
            if (d.size() > 5 && d[5] == uint8_t(type))
                out.push_back(d);
        return out;
    }
    MulticastChannel &channel() { return m_channel; }

private:
    MulticastChannel m_channel;
    std::thread m_thread;
    std::atomic<bool> m_stop{false};
    std::mutex m_mutex;
    std::vector<Bytes> m_datagrams;
};

const QByteArray kFleet = R"([
  {"serial": "TC2140IR20240101CCRR000000001", "mac": "02-54-41-00-10-01", "activated": true,
   "password": "Right1234", "ipv4": "10.1.0.11", "mask": "255.255.0.0", "maxRetries": 3, "lockSeconds": 600},
  {"serial": "TC2140IR20240101CCRR000000002", "mac": "02-54-41-00-10-02", "activated": false,
   "ipv4": "192.168.1.64"},
  {"serial": "TC2140IR20240101CCRR000000003", "mac": "02-54-41-00-10-03", "activated": true,
   "password": "Right1234", "ipv4": "192.168.1.64"},
  {"serial": "BADMAC", "mac": "not-a-mac", "activated": true, "password": "Right1234"}
])";

// The library remembers the first key of every device for the life of the
// process, so tests that restart devices with new keys use serials of their own.
QByteArray fleetWithTag(const char *tag)
{
    return QByteArray(kFleet).replace("CCRR", tag).replace("BADMAC", QByteArray("BADMAC") + tag);
}
std::string taggedSerial(const char *tag, int n)
{
    return "TC2140IR20240101" + std::string(tag) + "00000000" + std::to_string(n);
}

// Each test plays its own devices (see fleetWithTag): serials of the running test.
std::string g_tag = "CCRR";
std::string serialOf(int n)
{
    return taggedSerial(g_tag.c_str(), n);
}
#define kSerial1 serialOf(1).c_str()
#define kSerial2 serialOf(2).c_str()
#define kSerial3 serialOf(3).c_str()

} // namespace

class TstTarnLibrary : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // Everything here multicasts: only ever on loopback.
        QCOMPARE(qEnvironmentVariable("TARN_INTERFACE"), QString("127.0.0.1"));
    }
    void init();
    void cleanup();
    void discoversFleetAndRefreshBringsItBack();
    void activationIsAnnounced();
    void networkChangeMovesTheDevice();
    void wrongPasswordsCountDownThenLock();
    void inactiveDeviceRefusesNetworkChange();
    void unknownDeviceTimesOut();
    void survivesDatagramLoss();
    void noSecretOnTheWire();
    void capturedRequestCannotBeReplayed();
    void tamperedRequestIsRejected();
    void filterRule_data();
    void filterRule();
    void keySurvivesSimulatorRestart();

private:
    bool startLibrary()
    {
        g_heard.clear();
        return TARN_Start_V40(onAnnouncement, 1, &g_heard) >= 1;
    }
    bool waitForDevices(size_t n, int ms = 15000)
    {
        return QTest::qWaitFor([n] { return g_heard.count() >= n; }, ms);
    }
    void writeNet(TarnNetParam &p, const TarnAnnouncement &a, const char *ip)
    {
        std::memset(&p, 0, sizeof p);
        std::strcpy(p.ipv4Address, ip);
        std::memcpy(p.ipv4SubnetMask, a.ipv4SubnetMask, sizeof p.ipv4SubnetMask);
        std::memcpy(p.ipv4Gateway, a.ipv4Gateway, sizeof p.ipv4Gateway);
        p.port = uint16_t(a.port);
        p.httpPort = a.httpPort;
    }
    DevsimProcess m_sim;
};

void TstTarnLibrary::init()
{
    static int testNumber = 0;
    g_tag = "T" + std::to_string(100 + ++testNumber);
    qunsetenv("TARN_TIMEOUT_MS");
    TARN_SetDeviceFilterRule(0, 0, 0);
}

void TstTarnLibrary::cleanup()
{
    TARN_Stop();
    m_sim.stop();
}

void TstTarnLibrary::discoversFleetAndRefreshBringsItBack()
{
    QVERIFY(m_sim.start({"--count", "60", "--inactive", "10", "--seed", "7"}));
    QVERIFY(startLibrary());
    QVERIFY(waitForDevices(60));
    {
        std::lock_guard<std::mutex> lock(g_heard.mutex);
        QVERIFY(!g_heard.threads.count(std::this_thread::get_id()));   // never on the caller's thread
        int inactive = 0;
        for (const auto &[serial, a] : g_heard.devices)
            inactive += a.activationState == 1;
        QCOMPARE(inactive, 10);
    }
    // Quiet repeats of the inquiry rounds are not handed on again.
    QTest::qWait(1500);
    QCOMPARE(g_heard.count(), size_t(60));

    g_heard.clear();
    QVERIFY(TARN_Clearup() >= 1);
    QVERIFY(TARN_SendInquiry() >= 1);
    QVERIFY(waitForDevices(60));

    // Departures when the simulator stops.
    QVERIFY(m_sim.stop());
    QVERIFY(QTest::qWaitFor([] { return g_heard.count() == 0; }, 5000));
}

void TstTarnLibrary::activationIsAnnounced()
{
    QVERIFY(m_sim.start({"--fleet", m_sim.writeFleetFile(fleetWithTag(g_tag.c_str()))}));
    QVERIFY(startLibrary());
    QVERIFY(waitForDevices(4));
    QCOMPARE(g_heard.device(kSerial2)->activationState, uint8_t(1));
    QVERIFY(TARN_ActivateDevice(kSerial2, "NewPass123") >= 1);
    QVERIFY(QTest::qWaitFor([] { return g_heard.device(kSerial2)->activationState == 0; }, 5000));
    QVERIFY(g_heard.types[2] >= 1);
    QCOMPARE(TARN_ActivateDevice(kSerial2, "NewPass123"), 0);
    QCOMPARE(TARN_GetLastError(), int(TARN_ERR_ALREADY_ACTIVATED));
}

void TstTarnLibrary::networkChangeMovesTheDevice()
{
    QVERIFY(m_sim.start({"--fleet", m_sim.writeFleetFile(fleetWithTag(g_tag.c_str()))}));
    QVERIFY(startLibrary());
    QVERIFY(waitForDevices(4));
    const TarnAnnouncement before = *g_heard.device(kSerial3);
    TarnNetParam p;
    writeNet(p, before, "10.20.30.40");
    char reply[128] = {};
    QVERIFY(TARN_ModifyDeviceNetParam_V40("02-54-41-00-10-03", "Right1234", &p, reply, sizeof reply) >= 1);
    QVERIFY(QTest::qWaitFor([] {
        auto a = g_heard.device(kSerial3);
        return text(a->ipv4Address, sizeof a->ipv4Address) == "10.20.30.40";
    }, 5000));
}

void TstTarnLibrary::wrongPasswordsCountDownThenLock()
{
    QVERIFY(m_sim.start({"--fleet", m_sim.writeFleetFile(fleetWithTag(g_tag.c_str()))}));
    QVERIFY(startLibrary());
    QVERIFY(waitForDevices(4));
    TarnNetParam p;
    writeNet(p, *g_heard.device(kSerial1), "10.1.0.99");
    for (int retriesLeft : {2, 1}) {
        unsigned char reply[128] = {};
        QCOMPARE(TARN_ModifyDeviceNetParam_V40("02-54-41-00-10-01", "Wrong999", &p, reinterpret_cast<char *>(reply), 128), 0);
        QCOMPARE(TARN_GetLastError(), int(TARN_ERR_PASSWORD));
        QCOMPARE(int(reply[0]), retriesLeft);
    }
    unsigned char reply[128] = {};
    QCOMPARE(TARN_ModifyDeviceNetParam_V40("02-54-41-00-10-01", "Wrong999", &p, reinterpret_cast<char *>(reply), 128), 0);
    QCOMPARE(TARN_GetLastError(), int(TARN_ERR_LOCKED));
    QCOMPARE(int(reply[1]), 10);
    std::memset(reply, 0, sizeof reply);
    QCOMPARE(TARN_ModifyDeviceNetParam_V40("02-54-41-00-10-01", "Right1234", &p, reinterpret_cast<char *>(reply), 128), 0);
    QCOMPARE(TARN_GetLastError(), int(TARN_ERR_LOCKED));
    QVERIFY(reply[1] >= 9 && reply[1] <= 10);
}

void TstTarnLibrary::inactiveDeviceRefusesNetworkChange()
{
    QVERIFY(m_sim.start({"--fleet", m_sim.writeFleetFile(fleetWithTag(g_tag.c_str()))}));
    QVERIFY(startLibrary());
    QVERIFY(waitForDevices(4));
    TarnNetParam p;
    writeNet(p, *g_heard.device(kSerial2), "10.1.0.98");
    char reply[128] = {};
    QCOMPARE(TARN_ModifyDeviceNetParam_V40("02-54-41-00-10-02", "Right1234", &p, reply, 128), 0);
    QCOMPARE(TARN_GetLastError(), int(TARN_ERR_DEVICE_DENY));
}

void TstTarnLibrary::unknownDeviceTimesOut()
{
    QCOMPARE(TARN_ActivateDevice(kSerial1, "NewPass123"), 0);
    QCOMPARE(TARN_GetLastError(), int(TARN_ERR_NOT_STARTED));
    QVERIFY(startLibrary());
    qputenv("TARN_TIMEOUT_MS", "600");
    QElapsedTimer timer;
    timer.start();
    QCOMPARE(TARN_ActivateDevice("NOSUCHDEVICE", "NewPass123"), 0);
    QCOMPARE(TARN_GetLastError(), int(TARN_ERR_TIMEOUT));
    QVERIFY(timer.elapsed() < 3000);
    QCOMPARE(TARN_ActivateDevice(nullptr, "x"), 0);
    QCOMPARE(TARN_GetLastError(), int(TARN_ERR_PARAMETER));
}

void TstTarnLibrary::survivesDatagramLoss()
{
    QVERIFY(m_sim.start({"--count", "30", "--inactive", "5", "--seed", "3", "--loss", "0.2"}));
    QVERIFY(startLibrary());
    QVERIFY(waitForDevices(30, 30000));
    std::string inactive, active;
    {
        std::lock_guard<std::mutex> lock(g_heard.mutex);
        for (const auto &[serial, a] : g_heard.devices)
            (a.activationState ? inactive : active) = serial;
    }
    for (int i = 0; i < 3; ++i) {
        QVERIFY2(TARN_ActivateDevice(inactive.c_str(), "Lossy1234") >= 1 || TARN_GetLastError() == TARN_ERR_ALREADY_ACTIVATED,
                 qPrintable(QString::number(TARN_GetLastError())));
    }
    const TarnAnnouncement a = *g_heard.device(active);
    TarnNetParam p;
    writeNet(p, a, "10.99.0.1");
    for (int i = 0; i < 3; ++i) {
        char reply[128] = {};
        QVERIFY2(TARN_ModifyDeviceNetParam_V40(text(a.macAddress, 20).c_str(), "Admin12345", &p, reply, 128) >= 1,
                 qPrintable(QString::number(TARN_GetLastError())));
    }
    // Large requests and replies cross in many fragments.
    std::vector<uint8_t> request(TARN_RESET_REQUEST_SIZE, 0);
    unsigned char failure[256] = {};
    QCOMPARE(TARN_ResetPasswd_V40(active.c_str(), request.data(), failure), 0);
    QCOMPARE(TARN_GetLastError(), int(TARN_ERR_NOT_SUPPORTED));
}

void TstTarnLibrary::noSecretOnTheWire()
{
    QVERIFY(m_sim.start({"--fleet", m_sim.writeFleetFile(fleetWithTag(g_tag.c_str()))}));
    Sniffer sniffer;
    QVERIFY(startLibrary());
    QVERIFY(waitForDevices(4));
    const std::vector<std::string> secrets = {"Right1234", "SecretNew9", "Wrong7777", "ChanPass55", "WifiKey321"};
    char reply[128] = {};
    TarnNetParam p;
    writeNet(p, *g_heard.device(kSerial3), "10.5.5.5");
    QVERIFY(TARN_ActivateDevice(kSerial2, "SecretNew9") >= 1);
    TARN_ModifyDeviceNetParam_V40("02-54-41-00-10-03", "Wrong7777", &p, reply, 128);
    QVERIFY(TARN_ModifyDeviceNetParam_V40("02-54-41-00-10-03", "Right1234", &p, reply, 128) >= 1);
    uint8_t channel[160] = {};
    std::memcpy(channel, "Right1234", 9);
    std::memcpy(channel + 16, "ChanPass55", 10);
    TARN_SetDeviceConfig(kSerial3, 16, channel, 160, reply, 128);
    TARN_WifiParamCfg("02-54-41-00-10-03", "TARN-Demo", "WifiKey321");
    QTest::qWait(300);

    const auto datagrams = sniffer.datagrams();
    QVERIFY(sniffer.ofType(MessageType::Request).size() >= 4);
    for (const Bytes &d : datagrams) {
        const std::string raw(d.begin(), d.end());
        for (const std::string &s : secrets)
            QVERIFY2(raw.find(s) == std::string::npos, s.c_str());
    }
}

void TstTarnLibrary::capturedRequestCannotBeReplayed()
{
    QVERIFY(m_sim.start({"--fleet", m_sim.writeFleetFile(fleetWithTag(g_tag.c_str()))}));
    Sniffer sniffer;
    QVERIFY(startLibrary());
    QVERIFY(waitForDevices(4));
    TarnNetParam p;
    writeNet(p, *g_heard.device(kSerial3), "10.7.7.1");
    char reply[128] = {};
    QVERIFY(TARN_ModifyDeviceNetParam_V40("02-54-41-00-10-03", "Right1234", &p, reply, 128) >= 1);
    const auto captured = sniffer.ofType(MessageType::Request);
    QVERIFY(!captured.empty());
    writeNet(p, *g_heard.device(kSerial3), "10.7.7.2");
    QVERIFY(TARN_ModifyDeviceNetParam_V40("02-54-41-00-10-03", "Right1234", &p, reply, 128) >= 1);
    QVERIFY(QTest::qWaitFor([] { return text(g_heard.device(kSerial3)->ipv4Address, 16) == "10.7.7.2"; }, 5000));

    // The attacker sends the first request again, and again after changing its transaction id.
    for (Bytes d : captured) {
        sniffer.channel().send(d);
        putU64(&d[8], getU64(&d[8]) ^ 0x5A5A);
        sniffer.channel().send(d);
    }
    QTest::qWait(1500);
    QCOMPARE(text(g_heard.device(kSerial3)->ipv4Address, 16), std::string("10.7.7.2"));
    QVERIFY(!sniffer.ofType(MessageType::Reject).empty());
}

void TstTarnLibrary::tamperedRequestIsRejected()
{
    QVERIFY(m_sim.start({"--fleet", m_sim.writeFleetFile(fleetWithTag(g_tag.c_str()))}));
    Sniffer sniffer;
    auto &channel = sniffer.channel();
    // Play the client by hand: a challenge, then a sealed request with one changed byte.
    const uint64_t txid = 0xC0FFEE;
    const Target target{TargetKind::Serial, kSerial2};
    QVERIFY(channel.send(encodeMessage(MessageType::Hello, txid, encodeHello(target)).front()));
    std::optional<ChallengeBody> challenge;
    QVERIFY(QTest::qWaitFor([&] {
        for (const Bytes &d : sniffer.ofType(MessageType::Challenge)) {
            auto dg = decodeDatagram(d.data(), d.size());
            if (dg && dg->header.txid == txid)
                challenge = decodeChallenge(Bytes(dg->data, dg->data + dg->size));
        }
        return challenge.has_value();
    }, 5000));
    CommandRequest command;
    std::memcpy(command.challenge, challenge->challenge, kChallengeSize);
    command.operation = Operation::Activate;
    command.fields = {Bytes{'T', 'a', 'm', 'p', 'e', 'r', '1', '2', '3'}};
    auto sealed = sealRequest(challenge->deviceKey, encodeCommand(command));
    RequestEnvelope envelope{target, sealed->ephemeralKey, sealed->nonceAndCipher};
    envelope.sealed[envelope.sealed.size() / 2] ^= 0x20;
    QVERIFY(channel.send(encodeMessage(MessageType::Request, txid, encodeRequest(envelope)).front()));
    QVERIFY(QTest::qWaitFor([&] { return !sniffer.ofType(MessageType::Reject).empty(); }, 5000));
    QVERIFY(sniffer.ofType(MessageType::Reply).empty());

    // The device is still waiting for its first password.
    QVERIFY(startLibrary());
    QVERIFY(waitForDevices(4));
    QCOMPARE(g_heard.device(kSerial2)->activationState, uint8_t(1));
}

void TstTarnLibrary::filterRule_data()
{
    QTest::addColumn<int>("rule");
    QTest::addColumn<bool>("malformedShown");
    QTest::newRow("no filter") << 0 << true;
    QTest::newRow("filter") << 3 << false;
}

void TstTarnLibrary::filterRule()
{
    QFETCH(int, rule);
    QFETCH(bool, malformedShown);
    const QByteArray tag = QByteArray("FR") + QByteArray::number(rule) + "x";
    QCOMPARE(TARN_SetDeviceFilterRule(4, 0, 0), 0);
    QCOMPARE(TARN_GetLastError(), int(TARN_ERR_PARAMETER));
    QVERIFY(TARN_SetDeviceFilterRule(rule, 0, 0) != 0);
    const QString fleet = m_sim.writeFleetFile(fleetWithTag(tag.constData()));
    QVERIFY(m_sim.start({"--fleet", fleet}));
    QVERIFY(startLibrary());
    QVERIFY(waitForDevices(3));
    QTest::qWait(500);
    QCOMPARE(g_heard.device("BADMAC" + tag.toStdString()).has_value(), malformedShown);

    // The same devices come back with other keys (no state file): a device whose key changed.
    QVERIFY(m_sim.stop());
    QVERIFY(QTest::qWaitFor([] { return g_heard.count() == 0; }, 5000));
    QVERIFY(m_sim.start({"--fleet", fleet}));
    if (rule & TARN_FILTER_KEY_CHANGED) {
        QTest::qWait(2000);
        QCOMPARE(g_heard.count(), size_t(0));
    } else {
        QVERIFY(waitForDevices(4));
        // Shown, but the library will not hand a password to a key it has not seen before.
        QCOMPARE(TARN_ActivateDevice(taggedSerial(tag.constData(), 2).c_str(), "NewPass123"), 0);
        QCOMPARE(TARN_GetLastError(), int(TARN_ERR_KEY_CHANGED));
    }
}

void TstTarnLibrary::keySurvivesSimulatorRestart()
{
    QVERIFY(TARN_SetDeviceFilterRule(TARN_FILTER_KEY_CHANGED, 0, 0) != 0);
    const QString fleet = m_sim.writeFleetFile(fleetWithTag("KEEP"));
    const std::string serial2 = taggedSerial("KEEP", 2);
    const QString state = m_sim.tempPath("state.json");
    QVERIFY(m_sim.start({"--fleet", fleet, "--state", state}));
    QVERIFY(startLibrary());
    QVERIFY(waitForDevices(4));
    QVERIFY(TARN_ActivateDevice(serial2.c_str(), "Kept12345") >= 1);
    QVERIFY(m_sim.stop());
    QVERIFY(QTest::qWaitFor([] { return g_heard.count() == 0; }, 5000));

    QVERIFY(m_sim.start({"--fleet", fleet, "--state", state}));
    QVERIFY(waitForDevices(4));   // same keys: not filtered
    QCOMPARE(g_heard.device(serial2)->activationState, uint8_t(0));
    QCOMPARE(TARN_ActivateDevice(serial2.c_str(), "Other1234"), 0);
    QCOMPARE(TARN_GetLastError(), int(TARN_ERR_ALREADY_ACTIVATED));
}

QTEST_GUILESS_MAIN(TstTarnLibrary)
#include "tst_tarnlibrary.moc"
