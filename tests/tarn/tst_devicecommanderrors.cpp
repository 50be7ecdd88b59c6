// Every error code that the configuration commands turn into a text of its
// own reaches the caller from a simulated device: a fleet where each device
// refuses every command with one code, and a hung device for the real
// time-out. After a wrong password the reply buffer carries the retries left
// (byte 0) and, once the device locks, the lock minutes (byte 1).

#include <QElapsedTimer>
#include <QSet>
#include <QStandardPaths>
#include <QTest>

#include <cstring>

#include "devsimprocess.h"
#include "latin1text.h"
#include "tarnchannelpassword.h"
#include "tarnhandler.h"
#include "tarnsdk.h"

using TARN::TarnHandler;

namespace {

enum class Command {
    Activate,
    NetParams,
    WifiRegion,
    WifiEnhancement,
    ChannelPassword,
    WifiConfig,
    WifiCheck
};

const QList<int> Codes = {2005, 2007, 2009, 2011, 2018, 2019, 2021, 2024, 2033};

QString serialFor(const QString &what)
{
    return QStringLiteral("TC425020240101ERR") + what;
}

// Wi-Fi camera with the channel password as well, so that nothing but the
// refusal can make a command fail.
QString deviceJson(const QString &serial, int macIndex, bool activated, const QString &extra)
{
    return QStringLiteral(R"({"serial": "%1", "mac": "02-54-41-00-50-%2", "model": "TC-4250-W",
        "activated": %3, "password": "Right1234", "extraAbilityFlags": 7, "wifiRegionMask": 63,
        "recoveryFlags": 141, "maxRetries": 2, "lockSeconds": 180%4})")
            .arg(serial)
            .arg(macIndex, 2, 16, QLatin1Char('0'))
            .arg(activated ? QStringLiteral("true") : QStringLiteral("false"))
            .arg(extra);
}

QString macFor(int macIndex)
{
    return QStringLiteral("02-54-41-00-50-%1").arg(macIndex, 2, 16, QLatin1Char('0'));
}

constexpr int SilentIndex = 0x40;
constexpr int LatinIndex = 0x41;
constexpr int ReplyIndexBase = 0x50;  // one device per reply test, each with its own retries

struct Fleet
{
    QByteArray json;
    QSet<QString> serials;

    Fleet()
    {
        QStringList devices;
        auto add = [&](const QString &serial, int macIndex, const QString &extra,
                       bool activated = true) {
            devices << deviceJson(serial, macIndex, activated, extra);
            serials << serial;
        };
        for (int i = 0; i < Codes.size(); ++i) {
            const int code = Codes.at(i);
            add(serialFor(QString::number(code)), i,
                QStringLiteral(R"(, "refuse": {"activate": %1, "set-net": %1, "set-config": %1,
                    "wifi-config": %1, "wifi-check": %1})").arg(code));
        }
        add(serialFor(QStringLiteral("SILENT")), SilentIndex, QStringLiteral(R"(, "silent": true)"));
        add(serialFor(QStringLiteral("?LATIN")), LatinIndex, QString(), false);
        for (int i = 0; i < 4; ++i)
            add(serialFor(QStringLiteral("REPLY%1").arg(i)), ReplyIndexBase + i, QString());
        json = "[" + devices.join(QStringLiteral(",\n")).toUtf8() + "]";
    }
};

TarnNetParam netParams(const char *ipv4)
{
    TarnNetParam p{};
    std::strcpy(p.ipv4Address, ipv4);
    std::strcpy(p.ipv4SubnetMask, "255.255.0.0");
    std::strcpy(p.ipv4Gateway, "10.1.0.1");
    p.port = 8000;
    p.httpPort = 80;
    return p;
}

// Runs one command; the reply buffer is the one the command passes, where it has one.
bool run(Command command, const QString &serial, const QString &mac, const QString &password,
         TarnHandler::ReplyBuffer &reply)
{
    TarnHandler *handler = TarnHandler::Instance();
    switch (command) {
    case Command::Activate:
        return handler->activateDevice(serial, QStringLiteral("NewPass123"));
    case Command::NetParams:
        return handler->modifyDeviceNetParamV40(mac, password, netParams("10.1.0.77"), reply,
                                                TarnHandler::ReplyLength);
    case Command::WifiRegion:
        return handler->setWifiRegion(serial, 2, password, reply);
    case Command::WifiEnhancement:
        return handler->setWifiEnhancement(serial, true, password, reply);
    case Command::ChannelPassword:
        return handler->setChannelDefaultPassword(serial, password, QStringLiteral("Channel123"));
    case Command::WifiConfig:
        return TARN_WifiParamCfg(toLatin1Bytes(mac).constData(), "Office", "office-wifi-1") != 0;
    case Command::WifiCheck:
        return TARN_WifiParamCheck(toLatin1Bytes(mac).constData(), "Office", "office-wifi-1") != 0;
    }
    return false;
}

const QList<QPair<const char *, Command>> AllCommands = {
    {"activation", Command::Activate},
    {"network parameters", Command::NetParams},
    {"Wi-Fi region", Command::WifiRegion},
    {"Wi-Fi enhancement", Command::WifiEnhancement},
    {"channel default password", Command::ChannelPassword},
    {"Wi-Fi configuration", Command::WifiConfig},
    {"Wi-Fi check", Command::WifiCheck},
};

} // namespace

Q_DECLARE_METATYPE(Command)

class TstDeviceCommandErrors : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void refusalReachesTheCaller_data();
    void refusalReachesTheCaller();
    void hungDeviceTimesOut_data();
    void hungDeviceTimesOut();
    void wrongPasswordFillsTheReply_data();
    void wrongPasswordFillsTheReply();
    void serialOutsideLatin1ArrivesWithQuestionMark();

private:
    Fleet m_fleet;
    DevsimProcess m_sim;
};

void TstDeviceCommandErrors::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QCOMPARE(qEnvironmentVariable("TARN_INTERFACE"), QStringLiteral("127.0.0.1"));
    qRegisterMetaType<TarnDeviceInfo>("TarnDeviceInfo");
    QVERIFY(m_sim.start({"--fleet", m_sim.writeFleetFile(m_fleet.json)}));
    TarnHandler *handler = TarnHandler::Instance();
    QSet<QString> heard;
    connect(handler, &TarnHandler::signalDeviceOnline, this,
            [&heard](const TarnDeviceInfo &info) { heard << latin1String(info.serialNumber); });
    QVERIFY(handler->start());
    QVERIFY(QTest::qWaitFor([&] { return heard.contains(m_fleet.serials); }, 15000));
    disconnect(handler, nullptr, this, nullptr);
}

void TstDeviceCommandErrors::cleanupTestCase()
{
    TarnHandler::Instance()->stop();
    QVERIFY(m_sim.stop());
}

void TstDeviceCommandErrors::init()
{
    qunsetenv("TARN_TIMEOUT_MS");
}

void TstDeviceCommandErrors::refusalReachesTheCaller_data()
{
    QTest::addColumn<Command>("command");
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("macIndex");

    for (const auto &[name, command] : AllCommands) {
        for (int i = 0; i < Codes.size(); ++i)
            QTest::addRow("%s %d", name, Codes.at(i)) << command << Codes.at(i) << i;
    }
}

void TstDeviceCommandErrors::refusalReachesTheCaller()
{
    QFETCH(Command, command);
    QFETCH(int, code);
    QFETCH(int, macIndex);

    TarnHandler::ReplyBuffer reply;
    std::memset(reply, 0x5A, sizeof reply);
    QVERIFY(!run(command, serialFor(QString::number(code)), macFor(macIndex),
                 QStringLiteral("Right1234"), reply));
    QCOMPARE(TARN_GetLastError(), code);
    QCOMPARE(TarnHandler::Instance()->getLastError(), code);
    if (command == Command::NetParams || command == Command::WifiRegion
        || command == Command::WifiEnhancement) {
        // A refusal tells no retries and no lock time.
        QCOMPARE(QByteArray(reply, sizeof reply), QByteArray(TarnHandler::ReplyLength, '\0'));
    }
}

void TstDeviceCommandErrors::hungDeviceTimesOut_data()
{
    QTest::addColumn<Command>("command");
    for (const auto &[name, command] : AllCommands)
        QTest::newRow(name) << command;
}

void TstDeviceCommandErrors::hungDeviceTimesOut()
{
    QFETCH(Command, command);

    qputenv("TARN_TIMEOUT_MS", "500");
    TarnHandler::ReplyBuffer reply;
    QElapsedTimer timer;
    timer.start();
    QVERIFY(!run(command, serialFor(QStringLiteral("SILENT")), macFor(SilentIndex),
                 QStringLiteral("Right1234"), reply));
    QCOMPARE(TARN_GetLastError(), int(TARN_ERR_TIMEOUT));
    QVERIFY(timer.elapsed() >= 450);
}

void TstDeviceCommandErrors::wrongPasswordFillsTheReply_data()
{
    QTest::addColumn<Command>("command");
    QTest::addColumn<int>("device");

    QTest::newRow("network parameters") << Command::NetParams << 0;
    QTest::newRow("Wi-Fi region") << Command::WifiRegion << 1;
    QTest::newRow("Wi-Fi enhancement") << Command::WifiEnhancement << 2;
    // The handler keeps the channel command's reply to itself; the library
    // fills it the same way.
    QTest::newRow("channel default password (library)") << Command::ChannelPassword << 3;
}

void TstDeviceCommandErrors::wrongPasswordFillsTheReply()
{
    QFETCH(Command, command);
    QFETCH(int, device);

    const QString serial = serialFor(QStringLiteral("REPLY%1").arg(device));
    const QString mac = macFor(ReplyIndexBase + device);
    auto attempt = [&](const QString &password, TarnHandler::ReplyBuffer &reply) {
        if (command != Command::ChannelPassword) {
            std::memset(reply, 0x5A, sizeof reply);  // the handler zeroes it
            return run(command, serial, mac, password, reply);
        }
        std::memset(reply, 0, sizeof reply);
        const TarnChannelPassword record = makeChannelPasswordRecord(password, QStringLiteral("Channel123"));
        return TARN_SetDeviceConfig(toLatin1Bytes(serial).constData(),
                                    static_cast<unsigned int>(DeviceConfigCommand::ChannelDefaultPassword),
                                    &record, sizeof record, reply, sizeof reply) != 0;
    };
    auto byteAt = [](const TarnHandler::ReplyBuffer &reply, int i) {
        return int(static_cast<unsigned char>(reply[i]));
    };

    // The device allows two wrong passwords and then locks for three minutes.
    TarnHandler::ReplyBuffer reply;
    QVERIFY(!attempt(QStringLiteral("Wrong9999"), reply));
    QCOMPARE(TARN_GetLastError(), int(TARN_ERR_PASSWORD));
    QCOMPARE(byteAt(reply, 0), 1);
    QCOMPARE(byteAt(reply, 1), 0);
    QCOMPARE(QByteArray(reply + 2, sizeof reply - 2), QByteArray(TarnHandler::ReplyLength - 2, '\0'));

    QVERIFY(!attempt(QStringLiteral("Wrong9999"), reply));
    QCOMPARE(TARN_GetLastError(), int(TARN_ERR_LOCKED));
    QCOMPARE(byteAt(reply, 0), 0);
    QCOMPARE(byteAt(reply, 1), 3);

    // Locked: even the right password is refused, with the minutes left.
    QVERIFY(!attempt(QStringLiteral("Right1234"), reply));
    QCOMPARE(TARN_GetLastError(), int(TARN_ERR_LOCKED));
    QVERIFY(byteAt(reply, 1) >= 2 && byteAt(reply, 1) <= 3);
}

void TstDeviceCommandErrors::serialOutsideLatin1ArrivesWithQuestionMark()
{
    // The device's serial holds a "?" where the program's text has a
    // character without a Latin-1 form.
    const QString typed = serialFor(QStringLiteral("\u20acLATIN"));
    TarnHandler *handler = TarnHandler::Instance();
    QVERIFY2(handler->activateDevice(typed, QStringLiteral("NewPass123")),
             qPrintable(QString::number(handler->getLastError())));
    QVERIFY(!handler->activateDevice(typed, QStringLiteral("NewPass123")));
    QCOMPARE(handler->getLastError(), int(TARN_ERR_ALREADY_ACTIVATED));
}

QTEST_GUILESS_MAIN(TstDeviceCommandErrors)
#include "tst_devicecommanderrors.moc"
