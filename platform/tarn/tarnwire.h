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

// Splits a message body into datagrams of at most kMaxDatagram bytes.
std::vector<Bytes> encodeMessage(MessageType type, uint64_t txid, const Bytes &body);

// Parses one datagram; the fragment data points into it.
struct Datagram {
    Header header;
    const uint8_t *data = nullptr;
    size_t size = 0;
};
std::optional<Datagram> decodeDatagram(const uint8_t *data, size_t size);

// Text of a fixed-size record field, up to the first zero or the field's end.
std::string boundedText(const char *field, size_t width);

// MAC texts match whatever their letter case and whether they separate by '-' or ':'.
bool sameMac(const std::string &a, const std::string &b);

} // namespace tarnwire

#endif // TARNWIRE_H
