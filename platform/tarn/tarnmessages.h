#ifndef TARNMESSAGES_H
#define TARNMESSAGES_H

// Bodies of the protocol's messages, as plain values with their encoders and
// decoders. Both sides use them, so a field added here is added for both.

#include <optional>
#include <string>
#include <vector>

#include "tarncrypto.h"
#include "tarnwire.h"
#include "wirereader.h"
#include "wirewriter.h"

namespace tarnwire {

struct AnnounceBody {
    PublicKey deviceKey{};
    uint8_t record[560] = {};
};
Bytes encodeAnnounce(const AnnounceBody &body);
std::optional<AnnounceBody> decodeAnnounce(const Bytes &body);

// One datagram of an inquiry round; a round with many known devices is sent as
// several chunks, each covering a range of hash values.
struct InquiryChunk {
    uint16_t spreadMs = 0;
    uint16_t chunkIndex = 0;
    uint16_t chunkCount = 1;
    uint8_t salt[kSaltSize] = {};
    uint32_t rangeLow = 0;
    uint32_t rangeHigh = 0xFFFFFFFFu;
    std::vector<uint32_t> knownHashes;   // sorted ascending, all within the range
};
Bytes encodeInquiry(const InquiryChunk &chunk);
std::optional<InquiryChunk> decodeInquiry(const Bytes &body);
// Splits the sorted hashes of one round into chunks that each fit a datagram.
std::vector<InquiryChunk> makeInquiryRound(uint16_t spreadMs, const uint8_t salt[kSaltSize], std::vector<uint32_t> hashes);

struct Target {
    TargetKind kind = TargetKind::Serial;
    std::string text;
};
// Whether a device with this serial number and MAC address is the one addressed.
bool targetMatches(const Target &target, const std::string &serial, const std::string &mac);
void writeTarget(Writer &w, const Target &target);
std::optional<Target> readTarget(Reader &r);
Bytes encodeHello(const Target &target);
std::optional<Target> decodeHello(const Bytes &body);

struct ChallengeBody {
    std::string serial;
    std::string mac;
    uint8_t challenge[kChallengeSize] = {};
    PublicKey deviceKey{};
};
Bytes encodeChallenge(const ChallengeBody &body);
std::optional<ChallengeBody> decodeChallenge(const Bytes &body);

// What the client asks, inside the sealed part of a request.
struct CommandRequest {
    uint8_t challenge[kChallengeSize] = {};
    Operation operation = Operation::Activate;
    uint32_t command = 0;
    uint32_t outputCapacity = 0;
    std::vector<Bytes> fields;
};
Bytes encodeCommand(const CommandRequest &request);
std::optional<CommandRequest> decodeCommand(const Bytes &plain);

struct RequestEnvelope {
    Target target;
    PublicKey ephemeralKey{};
    Bytes sealed;           // nonce + ciphertext
};
Bytes encodeRequest(const RequestEnvelope &envelope);
std::optional<RequestEnvelope> decodeRequest(const Bytes &body);

// What the device answers, inside the sealed reply.
struct CommandReply {
    uint32_t status = 0;    // 0 = success, else one of the library's error codes
    Bytes output;
};
Bytes encodeReply(const CommandReply &reply);
std::optional<CommandReply> decodeReply(const Bytes &plain);

struct RejectBody {
    std::string serial;
    std::string mac;
    uint32_t reason = 0;
};
Bytes encodeReject(const RejectBody &body);
std::optional<RejectBody> decodeReject(const Bytes &body);

// The record as both sides hash and compare it: the message type does not count.
void normalizeRecord(uint8_t record[560]);

} // namespace tarnwire

#endif // TARNMESSAGES_H
