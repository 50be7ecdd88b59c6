// The socket rules: datagrams that crossed a router (TTL below 255) are not
// heard, and several programs on one machine share the group and port.

#include <QTest>

#include <arpa/inet.h>
#include <sys/socket.h>
#include <unistd.h>

#include "multicastchannel.h"

using namespace tarnwire;

class TstMulticastChannel : public QObject
{
    Q_OBJECT

private slots:
    void onlyTtl255IsHeard_data();
    void onlyTtl255IsHeard();
    void twoProgramsShareThePort();
    void badGroupIsRefused();
};

namespace {

std::vector<Bytes> drain(MulticastChannel &channel, int waitMs)
{
    std::vector<Bytes> out;
    const auto deadline = Clock::now() + std::chrono::milliseconds(waitMs);
    while (Clock::now() < deadline) {
        if (channel.wait(20))
            for (auto &r : channel.receiveAll())
                out.push_back(r.data);
    }
    return out;
}

} // namespace

void TstMulticastChannel::onlyTtl255IsHeard_data()
{
    QTest::addColumn<int>("ttl");
    QTest::addColumn<bool>("heard");
    QTest::newRow("one hop") << 1 << false;
    QTest::newRow("crossed a router") << 254 << false;
    QTest::newRow("local segment") << 255 << true;
}

void TstMulticastChannel::onlyTtl255IsHeard()
{
    QFETCH(int, ttl);
    QFETCH(bool, heard);
    const ChannelConfig config = ChannelConfig::fromEnvironment();
    QVERIFY2(!config.interfaces.empty(), "tests run pinned to loopback");
    MulticastChannel channel;
    std::string error;
    QVERIFY2(channel.open(config, &error), error.c_str());

    const int s = ::socket(AF_INET, SOCK_DGRAM, 0);
    in_addr lo{};
    inet_pton(AF_INET, "127.0.0.1", &lo);
    setsockopt(s, IPPROTO_IP, IP_MULTICAST_IF, &lo, sizeof lo);
    setsockopt(s, IPPROTO_IP, IP_MULTICAST_TTL, &ttl, sizeof ttl);
    sockaddr_in group{};
    group.sin_family = AF_INET;
    group.sin_port = htons(config.port);
    inet_pton(AF_INET, config.group.c_str(), &group.sin_addr);
    const char payload[] = "TARN-ttl-probe";
    QVERIFY(::sendto(s, payload, sizeof payload, 0, reinterpret_cast<sockaddr *>(&group), sizeof group) > 0);
    ::close(s);

    const auto got = drain(channel, 300);
    QCOMPARE(!got.empty(), heard);
    QCOMPARE(channel.droppedForTtl() > 0, !heard);
}

void TstMulticastChannel::twoProgramsShareThePort()
{
    const ChannelConfig config = ChannelConfig::fromEnvironment();
    MulticastChannel a, b;
    QVERIFY(a.open(config));
    QVERIFY(b.open(config));
    const Bytes datagram = encodeMessage(MessageType::Inquiry, 42, Bytes(40, 0)).front();
    QVERIFY(a.send(datagram));
    QCOMPARE(drain(a, 200).size(), size_t(1));   // a program hears itself (the simulator may share it)
    QCOMPARE(drain(b, 200).size(), size_t(1));
}

void TstMulticastChannel::badGroupIsRefused()
{
    ChannelConfig config = ChannelConfig::fromEnvironment();
    config.group = "10.0.0.1";
    MulticastChannel channel;
    std::string error;
    QVERIFY(!channel.open(config, &error));
    QVERIFY(error.find("multicast") != std::string::npos);
    config = ChannelConfig::fromEnvironment();
    config.interfaces = {"no-such-interface0"};
    QVERIFY(!channel.open(config, &error));
}

QTEST_APPLESS_MAIN(TstMulticastChannel)
#include "tst_multicastchannel.moc"
