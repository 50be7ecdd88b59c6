// The status page that a simulated device on a loopback address serves, and
// that follows the device's state.

#include <QTcpSocket>
#include <QTest>

#include "devsimprocess.h"
#include "tarnsdk.h"

namespace {

QByteArray fetch(const QString &address, quint16 port)
{
    QTcpSocket socket;
    socket.connectToHost(address, port);
    if (!socket.waitForConnected(3000))
        return {};
    socket.write("GET / HTTP/1.0\r\nHost: device\r\n\r\n");
    QByteArray reply;
    while (socket.waitForReadyRead(3000))
        reply += socket.readAll();
    return reply + socket.readAll();
}

void ignoreAnnouncement(const TarnAnnouncement *, void *) {}

} // namespace

class TstSimHttp : public QObject
{
    Q_OBJECT

private slots:
    void pageFollowsTheDevice();
};

void TstSimHttp::pageFollowsTheDevice()
{
    QCOMPARE(qEnvironmentVariable("TARN_INTERFACE"), QString("127.0.0.1"));
    // A port of this test's own, next to its multicast port.
    const quint16 httpPort = quint16(qEnvironmentVariableIntValue("TARN_PORT") + 3000);
    const QByteArray fleet = QByteArray(R"([
      {"serial": "TC2140IR20240101HTTP00000001", "mac": "02-54-41-00-30-01", "activated": false,
       "ipv4": "127.0.9.1", "mask": "255.0.0.0", "httpPort": PORT}
    ])").replace("PORT", QByteArray::number(httpPort));
    DevsimProcess sim;
    QVERIFY(sim.start({"--fleet", sim.writeFleetFile(fleet), "--http"}));

    const QByteArray before = fetch("127.0.9.1", httpPort);
    QVERIFY2(before.startsWith("HTTP/1.0 200"), before.constData());
    QVERIFY(before.contains("TC2140IR20240101HTTP00000001"));
    QVERIFY(before.contains("Not activated"));

    QVERIFY(TARN_Start_V40(ignoreAnnouncement, 1, nullptr) >= 1);
    QVERIFY(TARN_ActivateDevice("TC2140IR20240101HTTP00000001", "Http12345") >= 1);
    TARN_Stop();
    const QByteArray after = fetch("127.0.9.1", httpPort);
    QVERIFY(after.contains("<td>Activated</td>"));
    QVERIFY(!after.contains("Http12345"));
}

QTEST_GUILESS_MAIN(TstSimHttp)
#include "tst_simhttp.moc"
