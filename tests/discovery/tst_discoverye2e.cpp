// The discovery core against the simulator on loopback: the handler's events
// reach the GUI thread and fill the store, Refresh-style clear-up and inquiry
// bring the fleet back, and the handler's commands change what devices announce.

#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>

#include "devsimprocess.h"
#include "storefeeder.h"
#include "tarndeviceinfomanager.h"
#include "tarnhandler.h"

using TARN::TarnHandler;

namespace {

QString text(const char *field, int width)
{
    return QString::fromLatin1(field, int(qstrnlen(field, uint(width))));
}

const QByteArray kFleet = R"([
  {"serial": "TN761620240101E2E0000000001", "mac": "02-54-41-00-20-01", "model": "TN-7616-NVR",
   "activated": false, "extraAbilityFlags": 1},
  {"serial": "TC425020240101E2E0000000002", "mac": "02-54-41-00-20-02", "model": "TC-4250-W",
   "activated": true, "password": "Right1234", "wifiRegionMask": 63, "recoveryFlags": 128}
])";

} // namespace

class TstDiscoveryE2e : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void fleetBecomesEventsAndRefreshRefills();
    void commandsThroughTheHandler();

private:
    int storeCount()
    {
        QVector<TarnDeviceInfo> all;
        TarnDeviceInfoManager::Instance()->getAllDeviceInfo(all);
        return all.size();
    }
    DevsimProcess m_sim;
};

void TstDiscoveryE2e::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QCOMPARE(qEnvironmentVariable("TARN_INTERFACE"), QString("127.0.0.1"));
}

void TstDiscoveryE2e::cleanup()
{
    TarnHandler::Instance()->stop();
    m_sim.stop();
    TarnDeviceInfoManager::Instance()->clearDeviceInfo();
}

void TstDiscoveryE2e::fleetBecomesEventsAndRefreshRefills()
{
    QVERIFY(m_sim.start({"--count", "80", "--inactive", "12", "--seed", "11"}));
    TarnHandler *handler = TarnHandler::Instance();
    StoreFeeder feeder(handler, StoreFeeder::FollowChanges);
    QSignalSpy online(handler, &TarnHandler::signalDeviceOnline);
    QVERIFY(handler->start());
    QVERIFY(handler->start());   // a second start is a no-op
    QVERIFY(QTest::qWaitFor([&] { return storeCount() == 80; }, 15000));
    QVERIFY(online.count() >= 80);

    QVector<TarnDeviceInfo> all;
    TarnDeviceInfoManager::Instance()->getAllDeviceInfo(all);
    int inactive = 0;
    for (const TarnDeviceInfo &d : all)
        inactive += d.activationState == 1;
    QCOMPARE(inactive, 12);

    // Refresh: the store and the library forget, an inquiry brings everything back.
    TarnDeviceInfoManager::Instance()->clearDeviceInfo();
    online.clear();
    QVERIFY(handler->clearup());
    QVERIFY(handler->sendInquiry());
    QVERIFY(QTest::qWaitFor([&] { return storeCount() == 80; }, 15000));
    QCOMPARE(online.count(), 80);

    QSignalSpy offline(handler, &TarnHandler::signalDeviceOffline);
    QVERIFY(m_sim.stop());
    QVERIFY(QTest::qWaitFor([&] { return storeCount() == 0; }, 5000));
    QCOMPARE(offline.count(), 80);
}

void TstDiscoveryE2e::commandsThroughTheHandler()
{
    QVERIFY(m_sim.start({"--fleet", m_sim.writeFleetFile(kFleet)}));
    TarnHandler *handler = TarnHandler::Instance();
    StoreFeeder feeder(handler, StoreFeeder::FollowChanges);
    QSignalSpy update(handler, &TarnHandler::signalDeviceUpdate);
    QVERIFY(handler->start());
    QVERIFY(QTest::qWaitFor([&] { return storeCount() == 2; }, 10000));
    auto *store = TarnDeviceInfoManager::Instance();
    const QString nvr = "TN761620240101E2E0000000001", nvrMac = "02-54-41-00-20-01";
    const QString cam = "TC425020240101E2E0000000002", camMac = "02-54-41-00-20-02";

    // An inactive device takes nothing but its first password.
    TarnNetParam net{};
    QVERIFY(store->getNetParam(nvr, nvrMac, net));
    char reply[TarnHandler::ReplyLength] = {};
    QVERIFY(!handler->modifyDeviceNetParamV40(nvrMac, "Anything1", net, reply, sizeof reply));
    QCOMPARE(handler->getLastError(), 2009);

    QVERIFY(handler->activateDevice(nvr, "NvrPass123"));
    QVERIFY(QTest::qWaitFor([&] {
        TarnDeviceInfo d;
        return store->getDeviceInfo(nvr, nvrMac, d) && d.activationState == 0;
    }, 5000));
    QVERIFY(!handler->activateDevice(nvr, "NvrPass123"));
    QCOMPARE(handler->errorText(handler->getLastError()), QString("Error2021:others"));
    QVERIFY(handler->setChannelDefaultPassword(nvr, "NvrPass123", "Channel123"));

    // A network change moves the device in the store as soon as it announces it.
    TarnNetParam moved{};
    QVERIFY(store->getNetParam(cam, camMac, moved));
    qstrcpy(moved.ipv4Address, "10.44.0.9");
    QVERIFY(handler->modifyDeviceNetParamV40(camMac, "Right1234", moved, reply, sizeof reply));
    QVERIFY(QTest::qWaitFor([&] {
        TarnDeviceInfo d;
        return store->getDeviceInfo(cam, camMac, d) && text(d.ipv4Address, 16) == "10.44.0.9";
    }, 5000));
    QVERIFY(update.count() >= 1);

    TarnHandler::ReplyBuffer wifiReply;
    QVERIFY(handler->setWifiRegion(cam, 3, "Right1234", wifiReply));
    QVERIFY(QTest::qWaitFor([&] {
        TarnDeviceInfo d;
        return store->getDeviceInfo(cam, camMac, d) && d.wifiParam == 3;
    }, 5000));
    QVERIFY(!handler->setWifiEnhancement(cam, true, "Wrong9999", wifiReply));
    QCOMPARE(handler->getLastError(), 2024);
    QCOMPARE(int(static_cast<unsigned char>(wifiReply[0])), 6);
    QCOMPARE(handler->errorText(2024), QString("Wrong password."));
}

QTEST_GUILESS_MAIN(TstDiscoveryE2e)
#include "tst_discoverye2e.moc"
