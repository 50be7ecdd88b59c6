// The Wi-Fi network commands: the texts as the library takes them, and the
// two commands against a simulated Wi-Fi camera on loopback.

#include "devsimprocess.h"
#include "tarnhandler.h"
#include "wifinetworkcommand.h"

#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>

using TARN::TarnHandler;
using TarnTool::WifiNetworkCommand;

namespace {

const QString CameraSerial = QStringLiteral("TC425020240101WNC0000000001");
const QString CameraMac = QStringLiteral("02-54-41-00-40-01");
const QString CameraPassword = QStringLiteral("Right1234");

const QByteArray Fleet = R"([
  {"serial": "TC425020240101WNC0000000001", "mac": "02-54-41-00-40-01", "model": "TC-4250-W",
   "activated": true, "password": "Right1234", "extraAbilityFlags": 6, "wifiRegionMask": 63,
   "recoveryFlags": 141, "wifiNetworks": {"Office": "office-wifi-1", "Lab": "lab-pass-22"}}
])";

} // namespace

class WifiNetworkCommandTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void arguments_data();
    void arguments();
    void commandsReachTheDevice_data();
    void commandsReachTheDevice();

private:
    DevsimProcess m_sim;
};

void WifiNetworkCommandTest::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QCOMPARE(qEnvironmentVariable("TARN_INTERFACE"), QStringLiteral("127.0.0.1"));
    qRegisterMetaType<TarnDeviceInfo>("TarnDeviceInfo");
    QVERIFY(m_sim.start({"--fleet", m_sim.writeFleetFile(Fleet)}));
    TarnHandler *handler = TarnHandler::Instance();
    QSignalSpy online(handler, &TarnHandler::signalDeviceOnline);
    QVERIFY(handler->start());
    QVERIFY(QTest::qWaitFor([&] { return online.count() >= 1; }, 10000));
}

void WifiNetworkCommandTest::cleanupTestCase()
{
    TarnHandler::Instance()->stop();
    QVERIFY(m_sim.stop());
}

void WifiNetworkCommandTest::arguments_data()
{
    QTest::addColumn<QString>("mac");
    QTest::addColumn<QString>("ssid");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QByteArray>("macBytes");
    QTest::addColumn<QByteArray>("ssidBytes");
    QTest::addColumn<QByteArray>("passwordBytes");

    QTest::newRow("ASCII") << CameraMac << "Office" << "office-wifi-1"
                           << QByteArray("02-54-41-00-40-01") << QByteArray("Office")
                           << QByteArray("office-wifi-1");
    // The program's code page here is UTF-8: the network name keeps every
    // byte, the password is Latin-1 with "?" for what Latin-1 lacks.
    QTest::newRow("non-ASCII network name and password")
            << CameraMac << QStringLiteral("B\u00fcro \u20ac") << QStringLiteral("p\u00e4ss\u20ac\U0001F600")
            << QByteArray("02-54-41-00-40-01") << QByteArray("B\xc3\xbcro \xe2\x82\xac")
            << QByteArray("p\xe4ss??");
    QTest::newRow("MAC outside Latin-1") << QStringLiteral("02-54-41-00-40-0\u2460") << "Lab" << ""
                                         << QByteArray("02-54-41-00-40-0?") << QByteArray("Lab")
                                         << QByteArray("");
}

void WifiNetworkCommandTest::arguments()
{
    QFETCH(QString, mac);
    QFETCH(QString, ssid);
    QFETCH(QString, password);
    QFETCH(QByteArray, macBytes);
    QFETCH(QByteArray, ssidBytes);
    QFETCH(QByteArray, passwordBytes);

    const WifiNetworkCommand::Arguments args = WifiNetworkCommand::arguments(mac, ssid, password);
    QCOMPARE(args.macAddress, macBytes);
    QCOMPARE(args.ssid, ssidBytes);
    QCOMPARE(args.password, passwordBytes);
    // NUL-terminated for the library.
    QCOMPARE(args.ssid.constData()[args.ssid.size()], '\0');
    QCOMPARE(args.password.constData()[args.password.size()], '\0');
}

void WifiNetworkCommandTest::commandsReachTheDevice_data()
{
    QTest::addColumn<bool>("check");  // false: configure
    QTest::addColumn<QString>("mac");
    QTest::addColumn<QString>("ssid");
    QTest::addColumn<QString>("password");
    QTest::addColumn<int>("error");   // 0: accepted

    QTest::newRow("check: network seen, right password") << true << CameraMac << "Office" << "office-wifi-1" << 0;
    QTest::newRow("check: MAC in upper case") << true << CameraMac.toUpper() << "Lab" << "lab-pass-22" << 0;
    QTest::newRow("check: wrong Wi-Fi password") << true << CameraMac << "Office" << "office-wifi-2" << 2024;
    QTest::newRow("check: network not seen") << true << CameraMac << "Home" << "office-wifi-1" << 2009;
    QTest::newRow("check: network name too long") << true << CameraMac << QString(33, QLatin1Char('n'))
                                                  << "office-wifi-1" << 2005;
    QTest::newRow("configure") << false << CameraMac << "Office" << "office-wifi-1" << 0;
    QTest::newRow("configure: empty network name") << false << CameraMac << "" << "x" << 2005;
}

void WifiNetworkCommandTest::commandsReachTheDevice()
{
    QFETCH(bool, check);
    QFETCH(QString, mac);
    QFETCH(QString, ssid);
    QFETCH(QString, password);
    QFETCH(int, error);

    // The device takes Wi-Fi network commands only shortly after its
    // administrator password was proven, as the panel does right before.
    TarnHandler *handler = TarnHandler::Instance();
    TarnHandler::ReplyBuffer reply;
    QVERIFY2(handler->setWifiRegion(CameraSerial, 1, CameraPassword, reply),
             qPrintable(QString::number(handler->getLastError())));

    const bool accepted = check ? WifiNetworkCommand::check(mac, ssid, password)
                                : WifiNetworkCommand::configure(mac, ssid, password);
    QCOMPARE(accepted, error == 0);
    if (error != 0)
        QCOMPARE(handler->getLastError(), error);
}

QTEST_GUILESS_MAIN(WifiNetworkCommandTest)
#include "tst_wifinetworkcommand.moc"
