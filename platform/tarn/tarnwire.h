#ifndef TARNWIRE_H
#define TARNWIRE_H

// The TARN wire format shared by the library (the client side) and the device
// simulator (the device side): datagram header, message types, operation codes,
// fragmentation and reassembly, and little-endian field access. docs/protocol.md
// is the reference for every constant here.

#include <chrono>
#include <cstdint>
#include <cstring>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace tarnwire {

using Bytes = std::vector<uint8_t>;
using Clock = std::chrono::steady_clock;

constexpr uint8_t kMagic[4] = {'T', 'A', 'R', 'N'};
constexpr uint8_t kVersion = 1;
constexpr size_t kHeaderSize = 24;
constexpr size_t kMaxDatagram = 1200;                    // UDP payload, header included
constexpr size_t kMaxFragmentData = kMaxDatagram - kHeaderSize;
constexpr size_t kMaxMessage = 256 * 1024;               // largest reassembled body
constexpr int kTtl = 255;                                // sent, and required on arrival
constexpr const char *kDefaultGroup = "239.255.73.73";
constexpr uint16_t kDefaultPort = 37023;

enum class MessageType : uint8_t {
    Announce = 1,
    Inquiry = 2,
    Hello = 3,
    Challenge = 4,
    Request = 5,
    Reply = 6,
    Reject = 7,
};

enum class TargetKind : uint8_t { Serial = 1, Mac = 2 };

enum class Operation : uint16_t {
    Activate = 1,
    ModifyNetParam = 2,
    GetConfig = 3,
    SetConfig = 4,
    WifiConfig = 5,
    WifiCheck = 6,
    ResetPassword = 7,
    ResetDefaultPassword = 8,
};

constexpr size_t kPublicKeySize = 32;
constexpr size_t kNonceSize = 24;
constexpr size_t kChallengeSize = 16;
constexpr size_t kSaltSize = 16;
constexpr size_t kSerialSize = 48;
constexpr size_t kMacSize = 20;
constexpr size_t kAnnounceBodySize = kPublicKeySize + 560;
constexpr size_t kChallengeBodySize = kSerialSize + kMacSize + kChallengeSize + kPublicKeySize;
constexpr size_t kRejectBodySize = kSerialSize + kMacSize + 4;
constexpr size_t kInquiryFixedSize = 36;
constexpr size_t kInquiryMaxHashes = 284;                // a full chunk stays 4 bytes short of a datagram
constexpr uint32_t kMaxOutputCapacity = 65536;           // largest output a command may ask for

struct Header {
    MessageType type = MessageType::Announce;
    uint64_t txid = 0;
    uint16_t fragmentIndex = 0;
    uint16_t fragmentCount = 1;
    uint32_t bodyLength = 0;
};

// Little-endian access into byte buffers.
inline void putU16(uint8_t *p, uint16_t v) { p[0] = uint8_t(v); p[1] = uint8_t(v >> 8); }
inline void putU32(uint8_t *p, uint32_t v) { for (int i = 0; i < 4; ++i) p[i] = uint8_t(v >> (8 * i)); }
inline void putU64(uint8_t *p, uint64_t v) { for (int i = 0; i < 8; ++i) p[i] = uint8_t(v >> (8 * i)); }
inline uint16_t getU16(const uint8_t *p) { return uint16_t(p[0] | (p[1] << 8)); }
inline uint32_t getU32(const uint8_t *p) { return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24; }
inline uint64_t getU64(const uint8_t *p) { uint64_t v = 0; for (int i = 7; i >= 0; --i) v = (v << 8) | p[i]; return v; }

// Appends to a growing body.
class Writer
{
public:
    void u8(uint8_t v) { m_bytes.push_back(v); }
    void u16(uint16_t v) { uint8_t b[2]; putU16(b, v); raw(b, 2); }
    void u32(uint32_t v) { uint8_t b[4]; putU32(b, v); raw(b, 4); }
    void raw(const void *data, size_t size);
    void fixedText(const std::string &text, size_t width); // zero-padded, cut at width
    void field(const Bytes &data) { u32(uint32_t(data.size())); raw(data.data(), data.size()); }
    Bytes &bytes() { return m_bytes; }

private:
    Bytes m_bytes;
};

// Reads a body front to back; any read past the end marks the reader failed.
class Reader
{
public:
    Reader(const uint8_t *data, size_t size) : m_data(data), m_size(size) {}
    explicit Reader(const Bytes &bytes) : Reader(bytes.data(), bytes.size()) {}
    uint8_t u8();
    uint16_t u16();
    uint32_t u32();
    bool raw(void *out, size_t size);
    const uint8_t *skip(size_t size);       // pointer to the skipped bytes, or null
    std::string fixedText(size_t width);    // up to the first zero inside width
    std::optional<Bytes> field(size_t maxSize);
    size_t remaining() const { return m_ok ? m_size - m_pos : 0; }
    bool ok() const { return m_ok; }

private:
    const uint8_t *m_data;
    size_t m_size;
    size_t m_pos = 0;
    bool m_ok = true;
};

// Splits a message body into datagrams of at most kMaxDatagram bytes.
std::vector<Bytes> encodeMessage(MessageType type, uint64_t txid, const Bytes &body);

// Parses one datagram; the fragment data points into it.
struct Datagram {
    Header header;
    const uint8_t *data = nullptr;
    size_t size = 0;
};
std::optional<Datagram> decodeDatagram(const uint8_t *data, size_t size);

// Collects the fragments of messages, keyed by (type, txid, origin), until each
// is complete. Incomplete messages are dropped after a time, and the number of
// messages in progress is capped, so a stream of stray fragments cannot grow it.
class Reassembler
{
public:
    explicit Reassembler(std::chrono::milliseconds lifetime = std::chrono::seconds(10), size_t maxPending = 512)
        : m_lifetime(lifetime), m_maxPending(maxPending) {}

    // Returns the whole body once the last missing fragment arrives.
    std::optional<Bytes> add(const Datagram &datagram, uint64_t origin = 0, Clock::time_point now = Clock::now());
    void forget(MessageType type, uint64_t txid, uint64_t origin = 0);
    void expire(Clock::time_point now = Clock::now());
    size_t pending() const { return m_pending.size(); }

private:
    struct Key {
        uint8_t type;
        uint64_t txid;
        uint64_t origin;
        bool operator<(const Key &o) const
        {
            if (type != o.type) return type < o.type;
            if (txid != o.txid) return txid < o.txid;
            return origin < o.origin;
        }
    };
    struct Partial {
        Bytes body;
        std::vector<bool> have;
        size_t missing = 0;
        Clock::time_point started;
    };
    std::chrono::milliseconds m_lifetime;
    size_t m_maxPending;
    std::map<Key, Partial> m_pending;
};

// Text of a fixed-size record field, up to the first zero or the field's end.
std::string boundedText(const char *field, size_t width);

// MAC texts match whatever their letter case and whether they separate by '-' or ':'.
bool sameMac(const std::string &a, const std::string &b);

} // namespace tarnwire

#endif // TARNWIRE_H
