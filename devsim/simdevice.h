#ifndef SIMDEVICE_H
#define SIMDEVICE_H

// One simulated device: what it announces, what it keeps (passwords only as
// libsodium password hashes), and how it answers each command, the way a real
// device does: activation once, password checks with a retry count and a lock,
// refusal of everything but activation while it is not activated.

#include <cstdint>
#include <map>
#include <string>

#include <vector>

#include "makerdesk.h"
#include "tarncrypto.h"
#include "tarnmessages.h"

class QJsonObject;

namespace devsim {

// What every device of a fleet knows about password recovery: the maker's
// public keys (keys are the maker's signatures; e-mail codes are sealed to
// the maker) and how long a key request, security code or e-mail
// verification code stays valid.
struct RecoveryContext {
    MakerDesk::SignPublicKey signKey{};
    MakerDesk::BoxPublicKey boxKey{};
    int64_t ttlSeconds = 30 * 60;
};

struct SimDevice {
    // Identity and abilities: fixed for the device's life.
    std::string serial;
    std::string mac;
    std::string model;
    uint32_t channels = 1;
    std::string softwareVersion;
    std::string dspVersion;
    std::string startTime;
    uint32_t deviceClass = 0;          // the announcement's value at offset 112
    uint8_t abilityFlags = 0;
    uint8_t recoveryFlags = 0;
    uint8_t extraAbilityFlags = 0;
    uint8_t cloudSupport = 0;
    uint8_t cloudStatus = 0;
    uint8_t wifiRegionMask = 0;
    uint8_t emailTipMode = 0;
    uint8_t userKind = 0;
    std::string userName;
    int maxRetries = 7;
    int lockSeconds = 30 * 60;
    std::map<std::string, std::string> visibleWifi;   // SSID -> password the device can join
    std::map<std::string, uint32_t> refuse;           // operation name -> error code it always gives
    bool silent = false;                               // never answers commands (a hung device)

    // State: changed by commands, kept in the state file.
    tarnwire::KeyPair keys;
    bool activated = false;
    std::string passwordHash;
    std::string channelPasswordHash;
    std::string ipv4, mask, gateway;
    std::string ipv6, ipv6Gateway;
    uint8_t ipv6Prefix = 64;
    bool dhcp = false;
    uint16_t port = 8000;
    uint16_t httpPort = 80;
    uint32_t sdkPort = 0;
    uint8_t wifiRegion = 0;
    bool wifiEnhancement = false;
    std::string wifiSsid, wifiPassword;
    int retriesLeft = 7;
    int64_t lockedUntil = 0;           // seconds since the epoch
    int64_t trustedUntil = 0;          // Wi-Fi network commands are taken until then (not saved)
    static constexpr int64_t kTrustSeconds = 10 * 60;

    // Password recovery. Without a context the device offers none of it.
    const RecoveryContext *recovery = nullptr;
    std::string guid;                  // drawn at the first export, redrawn after a GUID reset
    std::vector<uint32_t> questionIds; // the three security questions, in the order set
    std::vector<std::string> answerHashes;
    std::string reservedEmail;
    std::string keyRequest;            // the last key request; a key answers only this one
    int64_t keyRequestExpires = 0;
    // Short-lived and single-use, so not saved.
    std::string emailCode, emailRequest;
    int64_t emailCodeExpires = 0;
    std::string securityCode;
    int64_t securityCodeExpires = 0;

    // Draws a fresh security code for the default password restore (the
    // maker asks for it) and gives it, grouped for typing.
    std::string issueSecurityCode(int64_t nowSeconds);

    // The announcement record with the given message type (1, 2, 3 or 4).
    void announcement(int messageType, uint8_t out[560]) const;

    struct Outcome {
        tarnwire::CommandReply reply;
        bool announceChange = false;   // the announced record changed
        bool stateChanged = false;     // something to save
    };
    Outcome handle(const tarnwire::CommandRequest &request, int64_t nowSeconds);

    // The device's small web page: what it is and how it is set up.
    std::string statusPage() const;

    bool setPassword(const std::string &password);
    bool checkPasswordHash(const std::string &password) const;

    QJsonObject stateToJson() const;
    void stateFromJson(const QJsonObject &object);
};

// Name of an operation in fleet files ("activate", "set-net", ...).
std::string operationName(tarnwire::Operation operation);

} // namespace devsim

#endif // SIMDEVICE_H
