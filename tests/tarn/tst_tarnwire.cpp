// The wire format on its own: fragmentation, validation of what arrives,
// inquiry chunks and the sealing of requests and replies.

#include <QTest>

#include <algorithm>
#include <random>

#include "tarncrypto.h"
#include "tarnmessages.h"
#include "reassembler.h"
#include "tarnmessages.h"
#include "tarnwire.h"

using namespace tarnwire;

class TstTarnWire : public QObject
{
    Q_OBJECT

private slots:
    void fragmentsRoundTrip_data();
    void fragmentsRoundTrip();
    void malformedDatagramsAreRefused_data();
    void malformedDatagramsAreRefused();
    void reassemblerStaysBounded();
    void inquiryChunksTileTheHashSpace_data();
    void inquiryChunksTileTheHashSpace();
    void sealedMessagesOpenOnlyUnchanged();
    void commandBodiesRoundTripAndRefuseJunk();
};

void TstTarnWire::fragmentsRoundTrip_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("datagrams");
    QTest::newRow("empty") << 0 << 1;
    QTest::newRow("one byte") << 1 << 1;
    QTest::newRow("one full fragment") << int(kMaxFragmentData) << 1;
    QTest::newRow("one byte more") << int(kMaxFragmentData) + 1 << 2;
    QTest::newRow("question list") << 13076 + 100 << 12;
    QTest::newRow("reset request") << 14256 + 140 << 13;
}

void TstTarnWire::fragmentsRoundTrip()
{
    QFETCH(int, size);
    QFETCH(int, datagrams);
    Bytes body(static_cast<size_t>(size));
    std::mt19937 rng(size);
    for (auto &b : body)
        b = uint8_t(rng());
    auto encoded = encodeMessage(MessageType::Request, 0x1122334455667788ull, body);
    QCOMPARE(int(encoded.size()), datagrams);
    for (const Bytes &d : encoded)
        QVERIFY(d.size() <= kMaxDatagram);

    // Out of order and with a duplicate, as a lossy network with retransmissions delivers them.
    std::shuffle(encoded.begin(), encoded.end(), rng);
    encoded.push_back(encoded.front());
    Reassembler reassembler;
    std::optional<Bytes> whole;
    int completions = 0;
    for (const Bytes &d : encoded) {
        auto datagram = decodeDatagram(d.data(), d.size());
        QVERIFY(datagram);
        QCOMPARE(datagram->header.txid, 0x1122334455667788ull);
        if (auto r = reassembler.add(*datagram)) {
            whole = r;
            ++completions;
        }
    }
    QVERIFY(whole);
    QVERIFY(*whole == body);
    // The duplicate that arrived after completion starts a new, incomplete message (or completes a
    // single-fragment one): it never yields a second, different body.
    QVERIFY(completions <= 2);
}

void TstTarnWire::malformedDatagramsAreRefused_data()
{
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("value");
    QTest::newRow("magic") << 0 << int('X');
    QTest::newRow("version") << 4 << 9;
    QTest::newRow("fragment count zero") << 18 << 0;
    QTest::newRow("index past count") << 16 << 5;
    QTest::newRow("length disagrees with size") << 20 << 200;
    QTest::newRow("huge length") << 23 << 0x7F;
}

void TstTarnWire::malformedDatagramsAreRefused()
{
    QFETCH(int, offset);
    QFETCH(int, value);
    Bytes body(100, 7);
    Bytes d = encodeMessage(MessageType::Announce, 1, body).front();
    QVERIFY(decodeDatagram(d.data(), d.size()));
    d[size_t(offset)] = uint8_t(value);
    QVERIFY(!decodeDatagram(d.data(), d.size()));
    QVERIFY(!decodeDatagram(d.data(), 10));
}

void TstTarnWire::reassemblerStaysBounded()
{
    Reassembler reassembler(std::chrono::milliseconds(100), 8);
    const Bytes body(3000, 1);
    const auto start = Clock::now();
    for (uint64_t txid = 1; txid <= 100; ++txid) {
        auto first = encodeMessage(MessageType::Reply, txid, body).front();   // never completed
        reassembler.add(*decodeDatagram(first.data(), first.size()), 0, start);
    }
    QCOMPARE(reassembler.pending(), size_t(8));
    reassembler.expire(start + std::chrono::seconds(1));
    QCOMPARE(reassembler.pending(), size_t(0));
}

void TstTarnWire::inquiryChunksTileTheHashSpace_data()
{
    QTest::addColumn<int>("known");
    QTest::newRow("nothing known") << 0;
    QTest::newRow("one chunk") << 10;
    QTest::newRow("exactly full") << int(kInquiryMaxHashes);
    QTest::newRow("ten thousand") << 10000;
}

void TstTarnWire::inquiryChunksTileTheHashSpace()
{
    QFETCH(int, known);
    uint8_t salt[kSaltSize] = {1, 2, 3};
    std::vector<uint32_t> hashes;
    std::mt19937 rng(static_cast<uint32_t>(known));
    for (int i = 0; i < known; ++i)
        hashes.push_back(rng());
    const auto chunks = makeInquiryRound(500, salt, hashes);
    QVERIFY(!chunks.empty());
    QCOMPARE(chunks.front().rangeLow, 0u);
    QCOMPARE(chunks.back().rangeHigh, 0xFFFFFFFFu);
    size_t total = 0;
    for (size_t i = 0; i < chunks.size(); ++i) {
        if (i > 0)
            QCOMPARE(chunks[i].rangeLow, chunks[i - 1].rangeHigh + 1);
        const auto datagrams = encodeMessage(MessageType::Inquiry, 9, encodeInquiry(chunks[i]));
        QCOMPARE(datagrams.size(), size_t(1));   // every chunk stands alone in one datagram
        auto back = decodeInquiry(encodeInquiry(chunks[i]));
        QVERIFY(back);
        QVERIFY(back->knownHashes == chunks[i].knownHashes);
        for (uint32_t h : chunks[i].knownHashes)
            QVERIFY(h >= chunks[i].rangeLow && h <= chunks[i].rangeHigh);
        total += chunks[i].knownHashes.size();
    }
    std::sort(hashes.begin(), hashes.end());
    QCOMPARE(total, size_t(std::unique(hashes.begin(), hashes.end()) - hashes.begin()));
}

void TstTarnWire::sealedMessagesOpenOnlyUnchanged()
{
    const KeyPair device = generateKeyPair();
    const Bytes secret = {'S', 'e', 'c', 'r', 'e', 't', '1', '2', '3'};
    auto sealed = sealRequest(device.publicKey, secret);
    QVERIFY(sealed);
    QVERIFY(std::search(sealed->nonceAndCipher.begin(), sealed->nonceAndCipher.end(), secret.begin(), secret.end()) ==
            sealed->nonceAndCipher.end());

    auto deviceKey = deviceSharedKey(device.secretKey, sealed->ephemeralKey);
    QVERIFY(deviceKey);
    auto opened = open(*deviceKey, sealed->nonceAndCipher.data(), sealed->nonceAndCipher.size());
    QVERIFY(opened && *opened == secret);

    for (size_t i = 0; i < sealed->nonceAndCipher.size(); i += 7) {
        Bytes tampered = sealed->nonceAndCipher;
        tampered[i] ^= 0x01;
        QVERIFY(!open(*deviceKey, tampered.data(), tampered.size()));
    }
    const KeyPair other = generateKeyPair();
    auto wrongKey = deviceSharedKey(other.secretKey, sealed->ephemeralKey);
    QVERIFY(!open(*wrongKey, sealed->nonceAndCipher.data(), sealed->nonceAndCipher.size()));

    // The device's reply opens with the client's copy of the shared key.
    const Bytes answer = seal(*deviceKey, Bytes{1, 2, 3});
    auto back = open(sealed->sharedKey, answer.data(), answer.size());
    QVERIFY(back && *back == (Bytes{1, 2, 3}));
}

void TstTarnWire::commandBodiesRoundTripAndRefuseJunk()
{
    CommandRequest request;
    request.operation = Operation::SetConfig;
    request.command = 15;
    request.outputCapacity = 128;
    request.fields = {Bytes(148, 3)};
    Bytes plain = encodeCommand(request);
    auto back = decodeCommand(plain);
    QVERIFY(back);
    QCOMPARE(back->command, 15u);
    QCOMPARE(back->outputCapacity, 128u);
    QVERIFY(back->fields == request.fields);

    plain.push_back(0);
    QVERIFY(!decodeCommand(plain));              // trailing bytes
    plain.resize(plain.size() - 10);
    QVERIFY(!decodeCommand(plain));              // cut short

    QVERIFY(!decodeChallenge(Bytes(10, 0)));
    QVERIFY(!decodeAnnounce(Bytes(kAnnounceBodySize - 1, 0)));
    QVERIFY(!decodeHello(Bytes{9, 0}));          // unknown target kind
}

QTEST_APPLESS_MAIN(TstTarnWire)
#include "tst_tarnwire.moc"
