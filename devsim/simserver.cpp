#include "simserver.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStringList>

#include <cstdio>
#include <sodium.h>

#include "tarncrypto.h"
#include "tarnmessages.h"
#include "tarnsdk.h"

namespace devsim {

using namespace tarnwire;

namespace {
constexpr auto kChallengeLifetime = std::chrono::seconds(20);
constexpr auto kReplyLifetime = std::chrono::seconds(30);
constexpr auto kResendThrottle = std::chrono::milliseconds(80);
constexpr auto kMinAnswerDelay = std::chrono::milliseconds(30);   // lets every chunk of a round arrive first
// Bounds on what any sender on the segment can make the simulator hold.
constexpr size_t kMaxRounds = 8;
constexpr size_t kMaxChallenges = 4096;
constexpr size_t kMaxCachedReplies = 2048;

int64_t nowSeconds()
{
    return QDateTime::currentSecsSinceEpoch();
}
} // namespace

SimServer::SimServer(SimFleet &fleet, ServerOptions options)
    : m_fleet(fleet), m_options(std::move(options)), m_rng(m_options.seed ^ randomU64()),
      m_reassembler(std::chrono::seconds(10), 64)
{
}

bool SimServer::open(std::string *error)
{
    if (!m_channel.open(m_options.channel, error))
        return false;
    // Pages listen before the simulator reports that it is ready, so that a
    // client may fetch one as soon as it has read that line.
    if (m_options.servePages)
        servePages();
    return true;
}

bool SimServer::lost()
{
    if (m_options.loss <= 0)
        return false;
    return std::uniform_real_distribution<double>(0, 1)(m_rng) < m_options.loss;
}

void SimServer::schedule(Clock::time_point when, std::function<void()> action)
{
    m_events.push(Event{when, m_order++, std::move(action)});
}

void SimServer::send(const Bytes &datagram)
{
    if (!lost())
        m_channel.send(datagram);
}

void SimServer::sendLater(std::vector<Bytes> datagrams)
{
    auto action = [this, datagrams = std::move(datagrams)] {
        for (const Bytes &d : datagrams)
            send(d);
    };
    if (m_options.latencyMs > 0)
        schedule(Clock::now() + std::chrono::milliseconds(m_options.latencyMs), std::move(action));
    else
        action();
}

void SimServer::announce(int device, int messageType, uint64_t txid)
{
    const SimDevice &d = m_fleet.devices()[size_t(device)];
    AnnounceBody body;
    body.deviceKey = d.keys.publicKey;
    d.announcement(messageType, body.record);
    for (const Bytes &datagram : encodeMessage(MessageType::Announce, txid, encodeAnnounce(body)))
        send(datagram);
}

void SimServer::announceChange(int device)
{
    // Repeated, so that one lost datagram does not hide the change.
    const auto now = Clock::now();
    for (int delayMs : {0, 150, 600})
        schedule(now + std::chrono::milliseconds(delayMs), [this, device] { announce(device, 2); });
}

void SimServer::saveSoon()
{
    if (m_options.statePath.empty() || m_saveScheduled)
        return;
    m_saveScheduled = true;
    schedule(Clock::now() + std::chrono::milliseconds(200), [this] {
        m_saveScheduled = false;
        std::string error;
        if (!m_fleet.saveState(m_options.statePath, &error))
            std::fprintf(stderr, "tarn-devsim: %s\n", error.c_str());
    });
}

void SimServer::servePages()
{
    const auto &devices = m_fleet.devices();
    for (size_t i = 0; i < devices.size(); ++i) {
        const SimDevice &d = devices[i];
        if (!isLoopbackAddress(d.ipv4) || d.httpPort == 0)
            continue;
        std::string error;
        if (!m_http.listen(d.ipv4, d.httpPort, &error)) {
            std::fprintf(stderr, "tarn-devsim: %s\n", error.c_str());
            continue;
        }
        m_pageAddresses[int(i)] = {d.ipv4, d.httpPort};
        refreshPage(int(i));
    }
    m_http.start();
}

void SimServer::refreshPage(int device)
{
    auto it = m_pageAddresses.find(device);
    if (it != m_pageAddresses.end())
        m_http.setPage(it->second.first, it->second.second, m_fleet.devices()[size_t(device)].statusPage());
}

// The maker asks for a device's security code by leaving a request file
// that names the serial number; the device draws a fresh code, and the
// answer goes into a file only this user can read.
void SimServer::serveMakerRequests()
{
    const QDir requests(QString::fromStdString(m_options.maker->requestsDir()));
    const QStringList names = requests.entryList({"*.security-code"}, QDir::Files);
    for (const QString &name : names) {
        QFile file(requests.filePath(name));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const std::string serial = QString::fromUtf8(file.readAll()).trimmed().toStdString();
        file.close();
        file.remove();
        SimDevice *device = m_fleet.findBySerial(serial);
        QSaveFile answer(QString::fromStdString(m_options.maker->securityCodeAnswerFile(serial)));
        if (!answer.open(QIODevice::WriteOnly))
            continue;
        answer.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        if (device && device->recovery) {
            const std::string code = device->issueSecurityCode(nowSeconds());
            const QDateTime expires = QDateTime::fromSecsSinceEpoch(device->securityCodeExpires);
            answer.write(QByteArray::fromStdString("code " + code + "\nexpires " +
                                                   expires.toString(Qt::ISODate).toStdString() + "\n"));
        } else {
            answer.write("unknown device\n");
        }
        answer.commit();
    }
}

void SimServer::run(volatile std::sig_atomic_t *stop)
{
    // Bring the fleet up over a short while, as devices powered on together do.
    const auto start = Clock::now();
    const size_t count = m_fleet.devices().size();
    const double spreadMs = std::min(2000.0, 0.2 * double(count));
    for (size_t i = 0; i < count; ++i) {
        const auto delay = std::chrono::microseconds(int64_t(spreadMs * 1000.0 * double(i) / double(std::max<size_t>(1, count))));
        schedule(start + delay, [this, i] {
            const SimDevice &d = m_fleet.devices()[i];
            if (!m_options.quiet)
                std::printf("up %s %s %s %s %s\n", d.serial.c_str(), d.mac.c_str(), d.ipv4.c_str(), d.model.c_str(),
                            d.activated ? "activated" : "inactive");
            announce(int(i), 1);
        });
    }
    std::fflush(stdout);

    auto lastExpire = Clock::now();
    auto lastMakerPoll = Clock::now();
    while (!*stop) {
        int timeoutMs = 200;
        if (!m_events.empty()) {
            const auto until = std::chrono::duration_cast<std::chrono::milliseconds>(m_events.top().when - Clock::now());
            timeoutMs = int(std::clamp<long long>(until.count(), 0, 200));
        }
        if (m_channel.wait(timeoutMs)) {
            for (auto &received : m_channel.receiveAll(1024)) {
                if (!lost())
                    handle(received.data);
            }
        }
        const auto now = Clock::now();
        while (!m_events.empty() && m_events.top().when <= now) {
            auto action = m_events.top().action;
            m_events.pop();
            action();
        }
        if (m_options.maker && now - lastMakerPoll > std::chrono::milliseconds(200)) {
            serveMakerRequests();
            lastMakerPoll = now;
        }
        if (now - lastExpire > std::chrono::seconds(1)) {
            expire();
            lastExpire = now;
            std::fflush(stdout);
        }
    }

    m_http.stop();
    for (int repeat = 0; repeat < 2; ++repeat) {
        for (size_t i = 0; i < count; ++i)
            announce(int(i), 3);
    }
    if (!m_options.statePath.empty()) {
        std::string error;
        if (!m_fleet.saveState(m_options.statePath, &error))
            std::fprintf(stderr, "tarn-devsim: %s\n", error.c_str());
    }
}

void SimServer::expire()
{
    const auto now = Clock::now();
    for (auto it = m_rounds.begin(); it != m_rounds.end();)
        it = it->second.expires < now ? m_rounds.erase(it) : std::next(it);
    for (auto it = m_challenges.begin(); it != m_challenges.end();)
        it = it->second.expires < now ? m_challenges.erase(it) : std::next(it);
    for (auto it = m_replies.begin(); it != m_replies.end();)
        it = it->second.expires < now ? m_replies.erase(it) : std::next(it);
    m_reassembler.expire(now);
}

void SimServer::handle(const Bytes &data)
{
    auto datagram = decodeDatagram(data.data(), data.size());
    if (!datagram)
        return;
    switch (datagram->header.type) {
    case MessageType::Inquiry:
        handleInquiry(*datagram);
        break;
    case MessageType::Hello:
        handleHello(*datagram);
        break;
    case MessageType::Request:
        handleRequest(*datagram);
        break;
    default:
        break;   // announcements and answers of other devices
    }
}

void SimServer::handleInquiry(const Datagram &d)
{
    if (d.header.fragmentCount != 1)
        return;
    auto chunk = decodeInquiry(Bytes(d.data, d.data + d.size));
    if (!chunk)
        return;
    const uint64_t txid = d.header.txid;
    auto it = m_rounds.find(txid);
    if (it == m_rounds.end()) {
        if (m_rounds.size() >= kMaxRounds) {
            // The oldest round's answers still pending are dropped with it.
            auto oldest = std::min_element(m_rounds.begin(), m_rounds.end(), [](const auto &a, const auto &b) {
                return a.second.expires < b.second.expires;
            });
            m_rounds.erase(oldest);
        }
        Round round;
        const size_t count = m_fleet.devices().size();
        round.suppressed.assign(count, 0);
        round.deviceByHash.reserve(count);
        uint8_t record[560];
        for (size_t i = 0; i < count; ++i) {
            m_fleet.devices()[i].announcement(0, record);
            round.deviceByHash.emplace(knownRecordHash(chunk->salt, record, sizeof record), int(i));
        }
        const auto now = Clock::now();
        round.expires = now + std::chrono::milliseconds(chunk->spreadMs) + std::chrono::seconds(5);
        std::uniform_int_distribution<int> delay(0, std::max<int>(0, chunk->spreadMs));
        for (size_t i = 0; i < count; ++i) {
            schedule(now + kMinAnswerDelay + std::chrono::milliseconds(delay(m_rng)), [this, txid, i] {
                auto r = m_rounds.find(txid);
                if (r != m_rounds.end() && !r->second.suppressed[i])
                    announce(int(i), 4, txid);
            });
        }
        it = m_rounds.emplace(txid, std::move(round)).first;
    }
    // Known devices whose record is unchanged stay quiet in this round.
    for (uint32_t h : chunk->knownHashes) {
        auto range = it->second.deviceByHash.equal_range(h);
        for (auto dev = range.first; dev != range.second; ++dev)
            it->second.suppressed[size_t(dev->second)] = 1;
    }
}

SimDevice *SimServer::findTarget(const Target &target)
{
    SimDevice *d = target.kind == TargetKind::Serial ? m_fleet.findBySerial(target.text) : m_fleet.findByMac(target.text);
    return d && !d->silent ? d : nullptr;
}

void SimServer::handleHello(const Datagram &d)
{
    if (d.header.fragmentCount != 1)
        return;
    auto target = decodeHello(Bytes(d.data, d.data + d.size));
    if (!target)
        return;
    SimDevice *device = findTarget(*target);
    if (!device)
        return;
    const uint64_t txid = d.header.txid;
    auto it = m_challenges.find(txid);
    if (it == m_challenges.end()) {
        if (m_challenges.size() >= kMaxChallenges) {
            expire();
            if (m_challenges.size() >= kMaxChallenges)
                return;   // flooded: the client retries
        }
        ChallengeState state;
        state.device = m_fleet.indexOf(device);
        randomBytes(state.challenge, sizeof state.challenge);
        state.expires = Clock::now() + kChallengeLifetime;
        it = m_challenges.emplace(txid, state).first;
    } else if (it->second.device != m_fleet.indexOf(device)) {
        return;
    }
    ChallengeBody body;
    body.serial = device->serial;
    body.mac = device->mac;
    std::copy(it->second.challenge, it->second.challenge + kChallengeSize, body.challenge);
    body.deviceKey = device->keys.publicKey;
    sendLater(encodeMessage(MessageType::Challenge, txid, encodeChallenge(body)));
}

void SimServer::reject(uint64_t txid, const SimDevice *device)
{
    RejectBody body;
    if (device) {
        body.serial = device->serial;
        body.mac = device->mac;
    }
    body.reason = TARN_ERR_DEVICE_DENY;
    sendLater(encodeMessage(MessageType::Reject, txid, encodeReject(body)));
}

void SimServer::handleRequest(const Datagram &d)
{
    const uint64_t txid = d.header.txid;
    if (auto cached = m_replies.find(txid); cached != m_replies.end()) {
        // A retransmission: the command already ran; send the same answer again.
        const auto now = Clock::now();
        if (now - cached->second.lastSent >= kResendThrottle) {
            cached->second.lastSent = now;
            sendLater(cached->second.datagrams);
        }
        return;
    }
    auto body = m_reassembler.add(d);
    if (!body)
        return;
    auto envelope = decodeRequest(*body);
    if (!envelope)
        return;
    SimDevice *device = findTarget(envelope->target);
    if (!device)
        return;

    auto challenge = m_challenges.find(txid);
    if (challenge == m_challenges.end() || challenge->second.device != m_fleet.indexOf(device)) {
        // No challenge of ours: a replayed or made-up request.
        reject(txid, device);
        return;
    }
    auto shared = deviceSharedKey(device->keys.secretKey, envelope->ephemeralKey);
    auto plain = shared ? tarnwire::open(*shared, envelope->sealed.data(), envelope->sealed.size()) : std::nullopt;
    auto request = plain ? decodeCommand(*plain) : std::nullopt;
    if (plain)
        sodium_memzero(plain->data(), plain->size());
    if (!request || sodium_memcmp(request->challenge, challenge->second.challenge, kChallengeSize) != 0) {
        reject(txid, device);
        return;
    }
    m_challenges.erase(challenge);

    const int index = m_fleet.indexOf(device);
    SimDevice::Outcome outcome = device->handle(*request, nowSeconds());
    for (Bytes &f : request->fields)
        sodium_memzero(f.data(), f.size());
    if (outcome.announceChange)
        announceChange(index);
    if (outcome.announceChange || outcome.stateChanged)
        refreshPage(index);
    if (outcome.stateChanged)
        saveSoon();

    CachedReply cached;
    cached.datagrams = encodeMessage(MessageType::Reply, txid, seal(*shared, encodeReply(outcome.reply)));
    cached.expires = Clock::now() + kReplyLifetime;
    cached.lastSent = Clock::now();
    sendLater(cached.datagrams);
    if (m_replies.size() >= kMaxCachedReplies)
        expire();
    if (m_replies.size() < kMaxCachedReplies)
        m_replies.emplace(txid, std::move(cached));
}

} // namespace devsim
