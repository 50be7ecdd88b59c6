#include "tarnclient.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

#include "tarnlog.h"

namespace tarnwire {

namespace {

// Quick rounds after a start or an inquiry catch what the first round lost;
// the slow beat after them finds devices that came up silently.
constexpr int kRoundOffsetsMs[] = {0, 1300, 2500, 4000, 6500, 10000, 16000, 25000};
constexpr int kRoundCount = int(sizeof kRoundOffsetsMs / sizeof kRoundOffsetsMs[0]);
constexpr auto kSlowBeat = std::chrono::seconds(60);
constexpr uint16_t kFirstSpreadMs = 1000;
constexpr uint16_t kLaterSpreadMs = 500;
// Bounds on what strangers on the segment can make the library remember.
constexpr size_t kMaxKnownDevices = 100000;
constexpr size_t kMaxRememberedKeys = 200000;

std::chrono::milliseconds commandTimeout()
{
    if (const char *v = std::getenv("TARN_TIMEOUT_MS"); v && *v) {
        const long ms = std::strtol(v, nullptr, 10);
        // Beyond the devices' challenge lifetime a late answer would be refused anyway.
        if (ms > 0)
            return std::chrono::milliseconds(std::min(ms, 15000L));
    }
    return std::chrono::milliseconds(5000);
}

std::string keyText(const std::string &key)
{
    std::string printable = key;
    std::replace(printable.begin(), printable.end(), '\0', ' ');
    return printable;
}

std::string deviceKey(const uint8_t *record)
{
    const auto *r = reinterpret_cast<const TarnAnnouncement *>(record);
    return boundedText(r->serialNumber, sizeof r->serialNumber) + '\0' +
           boundedText(r->macAddress, sizeof r->macAddress);
}

bool wellFormedMac(const std::string &mac)
{
    if (mac.size() != 17)
        return false;
    for (size_t i = 0; i < mac.size(); ++i) {
        if (i % 3 == 2) {
            if (mac[i] != '-' && mac[i] != ':')
                return false;
        } else if (!std::isxdigit(static_cast<unsigned char>(mac[i]))) {
            return false;
        }
    }
    return true;
}

} // namespace

TarnClient &TarnClient::instance()
{
    // Never destroyed: callers may still stop discovery from their own static
    // destructors at exit, in whatever order those run.
    static TarnClient *const client = new TarnClient;
    return *client;
}

TarnClient::~TarnClient()
{
    stop();
}

int TarnClient::start(TARN_AnnouncementCallback callback, void *userData)
{
    std::lock_guard<std::mutex> life(m_lifeMutex);
    if (m_running)
        return 0;
    if (!cryptoInit())
        return TARN_ERR_SEND;
    const ChannelConfig config = ChannelConfig::fromEnvironment();
    std::string why;
    if (!m_channel.open(config, &why)) {
        TARN_LOG(Error, "start failed: %s", why.c_str());
        return TARN_ERR_RECEIVE;
    }
    TARN_LOG(Info, "started on group %s port %u, %zu interface(s), receive buffer %d bytes", config.group.c_str(),
             unsigned(config.port), m_channel.interfaceAddresses().size(), m_channel.receiveBufferSize());
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_callback = callback;
        m_userData = userData;
        m_round = 0;
        m_nextRound = Clock::now();
    }
    m_stopping = false;
    m_running = true;
    m_thread = std::thread(&TarnClient::networkLoop, this);
    return 0;
}

int TarnClient::stop()
{
    std::lock_guard<std::mutex> life(m_lifeMutex);
    if (!m_running)
        return 0;
    if (std::this_thread::get_id() == m_thread.get_id())
        return TARN_ERR_PARAMETER;   // from inside the callback the thread cannot wait for itself
    m_stopping = true;
    m_channel.wakeUp();
    m_thread.join();
    m_running = false;
    m_channel.close();
    std::lock_guard<std::mutex> lock(m_mutex);
    m_known.clear();
    m_callback = nullptr;
    m_userData = nullptr;
    m_changed.notify_all();
    TARN_LOG(Info, "stopped");
    return 0;
}

int TarnClient::sendInquiry()
{
    if (!m_running)
        return TARN_ERR_NOT_STARTED;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_round = 0;
        m_nextRound = Clock::now();
    }
    m_channel.wakeUp();
    return 0;
}

int TarnClient::clearup()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_known.clear();
    return 0;
}

size_t TarnClient::knownDeviceCount() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_known.size();
}

bool TarnClient::sendAll(const std::vector<Bytes> &datagrams)
{
    bool ok = !datagrams.empty();
    for (const Bytes &d : datagrams)
        ok = m_channel.send(d) && ok;
    return ok;
}

std::optional<PublicKey> TarnClient::knownKeyFor(const Target &target) const
{
    // Called with m_mutex held.
    for (const auto &[key, known] : m_known) {
        const auto *r = reinterpret_cast<const TarnAnnouncement *>(known.record);
        const bool match = target.kind == TargetKind::Serial
                               ? boundedText(r->serialNumber, sizeof r->serialNumber) == target.text
                               : sameMac(boundedText(r->macAddress, sizeof r->macAddress), target.text);
        if (match)
            return known.key;
    }
    return std::nullopt;
}

TarnClient::Result TarnClient::run(const Command &command)
{
    Result result;
    if (!m_running) {
        result.error = TARN_ERR_NOT_STARTED;
        return result;
    }
    uint64_t txid = 0;
    while (txid == 0)
        txid = randomU64();
    auto pending = std::make_shared<Pending>();
    pending->target = command.target;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_pending[txid] = pending;
    }
    auto finish = [&](int error) {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_pending.erase(txid);
        m_reassembler.forget(MessageType::Reply, txid);
        result.error = error;
        TARN_LOG(Info, "command %u (config %u) to %s: %s%d", unsigned(command.operation), command.command,
                 command.target.text.c_str(), error ? "error " : "ok ", error);
        return result;
    };

    const auto deadline = Clock::now() + commandTimeout();
    auto interval = std::chrono::milliseconds(100);
    auto exchange = [&](const std::vector<Bytes> &datagrams, auto done) -> bool {
        std::unique_lock<std::mutex> lock(m_mutex);
        while (!done()) {
            if (Clock::now() >= deadline || !m_running)
                return false;
            lock.unlock();
            const bool sent = sendAll(datagrams);
            lock.lock();
            if (!sent) {
                TARN_LOG(Error, "sending to %s failed", command.target.text.c_str());
            }
            m_changed.wait_until(lock, std::min(deadline, Clock::now() + interval), done);
            interval = std::min(std::chrono::milliseconds(500), interval * 3 / 2);
        }
        return true;
    };

    // 1. A fresh challenge from the device makes this request unique.
    const auto hello = encodeMessage(MessageType::Hello, txid, encodeHello(command.target));
    if (!exchange(hello, [&] { return pending->haveChallenge || pending->rejected; }))
        return finish(TARN_ERR_TIMEOUT);
    if (pending->rejected)
        return finish(int(pending->rejected));

    ChallengeBody challenge;
    bool keyTrusted = true;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        challenge = pending->challenge;
        // The key must be the one this device first showed; a device heard for
        // the first time is trusted with the key it answers with.
        const std::string key = challenge.serial + '\0' + challenge.mac;
        auto first = m_firstKeys.find(key);
        if (first == m_firstKeys.end()) {
            const std::optional<PublicKey> announced = knownKeyFor(command.target);
            keyTrusted = !announced || *announced == challenge.deviceKey;
            if (keyTrusted && m_firstKeys.size() < kMaxRememberedKeys)
                m_firstKeys.emplace(key, challenge.deviceKey);
        } else {
            keyTrusted = first->second == challenge.deviceKey;
        }
    }
    if (!keyTrusted) {
        TARN_LOG(Error, "device %s answered with a key other than the one it first showed", command.target.text.c_str());
        return finish(TARN_ERR_KEY_CHANGED);
    }

    // 2. The sealed request, repeated until the device's sealed reply is complete.
    CommandRequest plain;
    std::copy(challenge.challenge, challenge.challenge + kChallengeSize, plain.challenge);
    plain.operation = command.operation;
    plain.command = command.command;
    plain.outputCapacity = command.outputCapacity;
    plain.fields = command.fields;
    Bytes plainBytes = encodeCommand(plain);
    auto sealed = sealRequest(challenge.deviceKey, plainBytes);
    std::fill(plainBytes.begin(), plainBytes.end(), uint8_t(0));
    if (!sealed)
        return finish(TARN_ERR_SEND_DATA);
    RequestEnvelope envelope;
    envelope.target = command.target;
    envelope.ephemeralKey = sealed->ephemeralKey;
    envelope.sealed = sealed->nonceAndCipher;
    const auto request = encodeMessage(MessageType::Request, txid, encodeRequest(envelope));
    if (request.empty())
        return finish(TARN_ERR_PARAMETER);
    interval = std::chrono::milliseconds(150);
    for (;;) {
        if (!exchange(request, [&] { return pending->haveReply || pending->rejected; }))
            return finish(TARN_ERR_TIMEOUT);
        if (pending->rejected)
            return finish(int(pending->rejected));
        Bytes body;
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            body = std::move(pending->replyBody);
            pending->haveReply = false;
        }
        auto opened = open(sealed->sharedKey, body.data(), body.size());
        if (auto reply = opened ? decodeReply(*opened) : std::nullopt) {
            result.output = std::move(reply->output);
            return finish(int(reply->status));
        }
        // Not sealed for us: a stranger's datagrams. Keep waiting for the device's own.
        TARN_LOG(Error, "a reply for %s did not open; waiting for the device's", command.target.text.c_str());
    }
}

void TarnClient::networkLoop()
{
    auto lastExpire = Clock::now();
    while (!m_stopping) {
        int timeoutMs = 200;
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            const auto untilRound =
                std::chrono::duration_cast<std::chrono::milliseconds>(m_nextRound - Clock::now()).count();
            timeoutMs = int(std::clamp<long long>(untilRound, 0, 200));
        }
        if (m_channel.wait(timeoutMs)) {
            for (auto &received : m_channel.receiveAll())
                handleDatagram(received.data);
        }
        bool roundDue = false;
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            roundDue = Clock::now() >= m_nextRound;
        }
        if (roundDue && !m_stopping)
            sendInquiryRound();
        if (Clock::now() - lastExpire > std::chrono::seconds(1)) {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_reassembler.expire();
            lastExpire = Clock::now();
        }
    }
}

void TarnClient::handleDatagram(const Bytes &data)
{
    auto datagram = decodeDatagram(data.data(), data.size());
    if (!datagram)
        return;
    const Header &h = datagram->header;
    switch (h.type) {
    case MessageType::Announce:
        if (h.fragmentCount == 1)
            handleAnnounce(Bytes(datagram->data, datagram->data + datagram->size));
        return;
    case MessageType::Challenge: {
        if (h.fragmentCount != 1)
            return;
        auto body = decodeChallenge(Bytes(datagram->data, datagram->data + datagram->size));
        std::lock_guard<std::mutex> lock(m_mutex);
        auto it = m_pending.find(h.txid);
        if (body && it != m_pending.end() && !it->second->haveChallenge && targetMatches(it->second->target, body->serial, body->mac)) {
            it->second->challenge = *body;
            it->second->haveChallenge = true;
            m_changed.notify_all();
        }
        return;
    }
    case MessageType::Reply: {
        std::lock_guard<std::mutex> lock(m_mutex);
        auto it = m_pending.find(h.txid);
        if (it == m_pending.end() || it->second->haveReply)
            return;
        if (auto body = m_reassembler.add(*datagram)) {
            it->second->replyBody = std::move(*body);
            it->second->haveReply = true;
            m_changed.notify_all();
        }
        return;
    }
    case MessageType::Reject: {
        if (h.fragmentCount != 1)
            return;
        auto body = decodeReject(Bytes(datagram->data, datagram->data + datagram->size));
        std::lock_guard<std::mutex> lock(m_mutex);
        auto it = m_pending.find(h.txid);
        // Only the device that gave the challenge can turn the request down.
        if (body && it != m_pending.end() && !it->second->haveReply && it->second->haveChallenge &&
            body->serial == it->second->challenge.serial && sameMac(body->mac, it->second->challenge.mac)) {
            it->second->rejected = body->reason ? body->reason : uint32_t(TARN_ERR_DEVICE_DENY);
            m_changed.notify_all();
        }
        return;
    }
    default:
        return;   // requests of other clients, our own inquiries
    }
}

void TarnClient::handleAnnounce(const Bytes &bytes)
{
    auto body = decodeAnnounce(bytes);
    if (!body)
        return;
    TarnAnnouncement announcement;
    std::memcpy(&announcement, body->record, sizeof announcement);
    int type = announcement.messageType;
    Known entry;
    std::memcpy(entry.record, body->record, sizeof entry.record);
    normalizeRecord(entry.record);
    entry.key = body->deviceKey;
    const std::string key = deviceKey(entry.record);
    const int rule = m_filterRule;

    TARN_AnnouncementCallback callback = nullptr;
    void *userData = nullptr;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (rule & TARN_FILTER_MALFORMED) {
            const std::string serial = boundedText(announcement.serialNumber, sizeof announcement.serialNumber);
            const std::string mac = boundedText(announcement.macAddress, sizeof announcement.macAddress);
            if (serial.empty() || !wellFormedMac(mac))
                return;
        }
        auto first = m_firstKeys.find(key);
        if (first == m_firstKeys.end()) {
            if (m_firstKeys.size() < kMaxRememberedKeys)
                m_firstKeys.emplace(key, entry.key);
        } else if (first->second != entry.key) {
            TARN_LOG(Error, "device %s announces a key other than the first one seen", keyText(key).c_str());
            if (rule & TARN_FILTER_KEY_CHANGED)
                return;
        }

        auto known = m_known.find(key);
        if (type == 3) {
            if (known == m_known.end())
                return;   // a repeated departure, or one of a device we never listed
            m_known.erase(known);
        } else if (type == 1 || type == 2 || type == 4) {
            if (known != m_known.end()) {
                if (std::memcmp(known->second.record, entry.record, sizeof entry.record) == 0 &&
                    known->second.key == entry.key)
                    return;   // nothing new: an answer to a repeated inquiry
                known->second = entry;
                type = 2;     // a listed device whose details changed
            } else {
                if (m_known.size() >= kMaxKnownDevices)
                    return;
                m_known.emplace(key, entry);
                if (type == 2)
                    type = 1; // first heard through a change: it appears
            }
        } else {
            return;
        }
        callback = m_callback;
        userData = m_userData;
    }
    announcement.messageType = type;
    if (callback)
        callback(&announcement, userData);
}

void TarnClient::sendInquiryRound()
{
    uint8_t salt[kSaltSize];
    randomBytes(salt, sizeof salt);
    std::vector<uint32_t> hashes;
    uint16_t spread = kLaterSpreadMs;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        hashes.reserve(m_known.size());
        for (const auto &[key, known] : m_known)
            hashes.push_back(knownRecordHash(salt, known.record, sizeof known.record));
        if (m_round == 0 && hashes.empty())
            spread = kFirstSpreadMs;
        if (m_round >= 0 && m_round + 1 < kRoundCount) {
            m_nextRound += std::chrono::milliseconds(kRoundOffsetsMs[m_round + 1] - kRoundOffsetsMs[m_round]);
            ++m_round;
        } else {
            m_round = kRoundCount;
            m_nextRound = Clock::now() + kSlowBeat;
        }
    }
    const uint64_t txid = randomU64();
    const auto chunks = makeInquiryRound(spread, salt, std::move(hashes));
    for (const InquiryChunk &chunk : chunks)
        sendAll(encodeMessage(MessageType::Inquiry, txid, encodeInquiry(chunk)));
    TARN_LOG(Debug, "inquiry round: %zu chunk(s)", chunks.size());
}

} // namespace tarnwire
