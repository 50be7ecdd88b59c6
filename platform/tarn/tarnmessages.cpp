#include "tarnmessages.h"

#include <algorithm>

namespace tarnwire {

namespace {
constexpr size_t kMaxFields = 8;
constexpr size_t kMessageTypeOffset = 272;
}

Bytes encodeAnnounce(const AnnounceBody &body)
{
    Writer w;
    w.raw(body.deviceKey.data(), body.deviceKey.size());
    w.raw(body.record, sizeof body.record);
    return w.bytes();
}

std::optional<AnnounceBody> decodeAnnounce(const Bytes &bytes)
{
    if (bytes.size() != kAnnounceBodySize)
        return std::nullopt;
    AnnounceBody body;
    Reader r(bytes);
    r.raw(body.deviceKey.data(), body.deviceKey.size());
    r.raw(body.record, sizeof body.record);
    return body;
}

Bytes encodeInquiry(const InquiryChunk &chunk)
{
    Writer w;
    w.u16(chunk.spreadMs);
    w.u16(chunk.chunkIndex);
    w.u16(chunk.chunkCount);
    w.u16(0);
    w.raw(chunk.salt, kSaltSize);
    w.u32(chunk.rangeLow);
    w.u32(chunk.rangeHigh);
    w.u32(uint32_t(chunk.knownHashes.size()));
    for (uint32_t h : chunk.knownHashes)
        w.u32(h);
    return w.bytes();
}

std::optional<InquiryChunk> decodeInquiry(const Bytes &bytes)
{
    Reader r(bytes);
    InquiryChunk c;
    c.spreadMs = r.u16();
    c.chunkIndex = r.u16();
    c.chunkCount = r.u16();
    r.u16();
    r.raw(c.salt, kSaltSize);
    c.rangeLow = r.u32();
    c.rangeHigh = r.u32();
    const uint32_t n = r.u32();
    if (!r.ok() || n > kInquiryMaxHashes || r.remaining() != size_t(n) * 4 || c.rangeLow > c.rangeHigh)
        return std::nullopt;
    c.knownHashes.reserve(n);
    for (uint32_t i = 0; i < n; ++i)
        c.knownHashes.push_back(r.u32());
    if (!std::is_sorted(c.knownHashes.begin(), c.knownHashes.end()))
        std::sort(c.knownHashes.begin(), c.knownHashes.end());
    return c;
}

std::vector<InquiryChunk> makeInquiryRound(uint16_t spreadMs, const uint8_t salt[kSaltSize], std::vector<uint32_t> hashes)
{
    std::sort(hashes.begin(), hashes.end());
    hashes.erase(std::unique(hashes.begin(), hashes.end()), hashes.end());
    std::vector<InquiryChunk> chunks;
    size_t pos = 0;
    do {
        InquiryChunk c;
        c.spreadMs = spreadMs;
        std::copy(salt, salt + kSaltSize, c.salt);
        const size_t n = std::min(kInquiryMaxHashes, hashes.size() - pos);
        c.knownHashes.assign(hashes.begin() + long(pos), hashes.begin() + long(pos + n));
        pos += n;
        // Ranges tile the whole hash space, so every device finds the chunk that speaks for it.
        c.rangeLow = chunks.empty() ? 0 : chunks.back().rangeHigh + 1;
        c.rangeHigh = pos < hashes.size() ? c.knownHashes.back() : 0xFFFFFFFFu;
        chunks.push_back(std::move(c));
    } while (pos < hashes.size());
    for (size_t i = 0; i < chunks.size(); ++i) {
        chunks[i].chunkIndex = uint16_t(i);
        chunks[i].chunkCount = uint16_t(chunks.size());
    }
    return chunks;
}

bool targetMatches(const Target &target, const std::string &serial, const std::string &mac)
{
    return target.kind == TargetKind::Serial ? target.text == serial : sameMac(target.text, mac);
}

void writeTarget(Writer &w, const Target &target)
{
    w.u8(uint8_t(target.kind));
    w.u8(uint8_t(std::min<size_t>(target.text.size(), 255)));
    w.raw(target.text.data(), std::min<size_t>(target.text.size(), 255));
}

std::optional<Target> readTarget(Reader &r)
{
    Target t;
    const uint8_t kind = r.u8();
    const uint8_t len = r.u8();
    if (!r.ok() || (kind != uint8_t(TargetKind::Serial) && kind != uint8_t(TargetKind::Mac)))
        return std::nullopt;
    t.kind = TargetKind(kind);
    const uint8_t *p = r.skip(len);
    if (!p)
        return std::nullopt;
    t.text.assign(reinterpret_cast<const char *>(p), len);
    return t;
}

Bytes encodeHello(const Target &target)
{
    Writer w;
    writeTarget(w, target);
    return w.bytes();
}

std::optional<Target> decodeHello(const Bytes &body)
{
    Reader r(body);
    auto t = readTarget(r);
    if (!t || r.remaining() != 0)
        return std::nullopt;
    return t;
}

Bytes encodeChallenge(const ChallengeBody &body)
{
    Writer w;
    w.fixedText(body.serial, kSerialSize);
    w.fixedText(body.mac, kMacSize);
    w.raw(body.challenge, kChallengeSize);
    w.raw(body.deviceKey.data(), body.deviceKey.size());
    return w.bytes();
}

std::optional<ChallengeBody> decodeChallenge(const Bytes &bytes)
{
    if (bytes.size() != kChallengeBodySize)
        return std::nullopt;
    Reader r(bytes);
    ChallengeBody b;
    b.serial = r.fixedText(kSerialSize);
    b.mac = r.fixedText(kMacSize);
    r.raw(b.challenge, kChallengeSize);
    r.raw(b.deviceKey.data(), b.deviceKey.size());
    return b;
}

Bytes encodeCommand(const CommandRequest &request)
{
    Writer w;
    w.raw(request.challenge, kChallengeSize);
    w.u16(uint16_t(request.operation));
    w.u16(uint16_t(request.fields.size()));
    w.u32(request.command);
    w.u32(request.outputCapacity);
    for (const Bytes &f : request.fields)
        w.field(f);
    return w.bytes();
}

std::optional<CommandRequest> decodeCommand(const Bytes &plain)
{
    Reader r(plain);
    CommandRequest c;
    r.raw(c.challenge, kChallengeSize);
    c.operation = Operation(r.u16());
    const uint16_t count = r.u16();
    c.command = r.u32();
    c.outputCapacity = r.u32();
    if (!r.ok() || count > kMaxFields || c.outputCapacity > kMaxOutputCapacity)
        return std::nullopt;
    for (uint16_t i = 0; i < count; ++i) {
        auto f = r.field(kMaxMessage);
        if (!f)
            return std::nullopt;
        c.fields.push_back(std::move(*f));
    }
    if (r.remaining() != 0)
        return std::nullopt;
    return c;
}

Bytes encodeRequest(const RequestEnvelope &envelope)
{
    Writer w;
    writeTarget(w, envelope.target);
    w.raw(envelope.ephemeralKey.data(), envelope.ephemeralKey.size());
    w.raw(envelope.sealed.data(), envelope.sealed.size());
    return w.bytes();
}

std::optional<RequestEnvelope> decodeRequest(const Bytes &body)
{
    Reader r(body);
    RequestEnvelope e;
    auto t = readTarget(r);
    if (!t)
        return std::nullopt;
    e.target = *t;
    if (!r.raw(e.ephemeralKey.data(), e.ephemeralKey.size()))
        return std::nullopt;
    const size_t rest = r.remaining();
    const uint8_t *p = r.skip(rest);
    if (!p && rest)
        return std::nullopt;
    e.sealed.assign(p, p + rest);
    return e;
}

Bytes encodeReply(const CommandReply &reply)
{
    Writer w;
    w.u32(reply.status);
    w.field(reply.output);
    return w.bytes();
}

std::optional<CommandReply> decodeReply(const Bytes &plain)
{
    Reader r(plain);
    CommandReply c;
    c.status = r.u32();
    auto out = r.field(kMaxMessage);
    if (!out || r.remaining() != 0)
        return std::nullopt;
    c.output = std::move(*out);
    return c;
}

Bytes encodeReject(const RejectBody &body)
{
    Writer w;
    w.fixedText(body.serial, kSerialSize);
    w.fixedText(body.mac, kMacSize);
    w.u32(body.reason);
    return w.bytes();
}

std::optional<RejectBody> decodeReject(const Bytes &bytes)
{
    if (bytes.size() != kRejectBodySize)
        return std::nullopt;
    Reader r(bytes);
    RejectBody b;
    b.serial = r.fixedText(kSerialSize);
    b.mac = r.fixedText(kMacSize);
    b.reason = r.u32();
    return b;
}

void normalizeRecord(uint8_t record[560])
{
    std::fill(record + kMessageTypeOffset, record + kMessageTypeOffset + 4, uint8_t(0));
}

} // namespace tarnwire
