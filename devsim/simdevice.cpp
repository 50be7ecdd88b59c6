#include "simdevice.h"

#include <QByteArray>
#include <QJsonArray>
#include <QJsonObject>
#include <QString>

#include <arpa/inet.h>
#include <cstring>
#include <sodium.h>

#include "simfleet.h"
#include "tarnrecords.h"
#include "tarnsdk.h"

namespace devsim {

using tarnwire::Bytes;
using tarnwire::CommandReply;
using tarnwire::CommandRequest;
using tarnwire::Operation;

namespace {

// Light enough for a fleet of thousands on two cores, still a real password hash.
constexpr unsigned long long kHashOps = 2;
constexpr size_t kHashMemory = 256 * 1024;

constexpr uint32_t kWifiParamCommand = 15;
constexpr uint32_t kChannelPasswordCommand = 16;

// Recovery configuration commands and their records (docs/protocol.md 10.4).
constexpr uint32_t kKeyRequestCommand = 1;
constexpr uint32_t kKeyRequestQrCommand = 2;
constexpr uint32_t kExportGuidCommand = 5;
constexpr uint32_t kGetQuestionsCommand = 6;
constexpr uint32_t kSetQuestionsCommand = 7;
constexpr uint32_t kSetReservedEmailCommand = 20;
constexpr uint32_t kEmailResetInfoCommand = 21;
constexpr size_t kQuestionEntrySize = 392;
constexpr size_t kQuestionListSize = 13076;
constexpr size_t kQuestionListPasswordOffset = 12548;
constexpr size_t kReservedEmailSize = 276;
constexpr size_t kGuidExportInputSize = 144;
constexpr size_t kGuidBlockSize = 388;
constexpr size_t kEmailResetInfoSize = 652;
constexpr size_t kResetRequestSize = 14256;
constexpr size_t kResetQuestionsOffset = 676;
constexpr uint32_t kQuestionCount = 15;

enum ResetMethod : uint8_t { KeyFile = 2, KeyText = 3, GuidFile = 4, SecurityQuestions = 5, ReservedEmail = 6 };

void putWord(Bytes &out, size_t offset, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        out[offset + size_t(i)] = uint8_t(value >> (8 * i));
}

uint32_t wordAt(const Bytes &in, size_t offset)
{
    return uint32_t(in[offset]) | uint32_t(in[offset + 1]) << 8 | uint32_t(in[offset + 2]) << 16 |
           uint32_t(in[offset + 3]) << 24;
}

void putBytes(Bytes &out, size_t offset, size_t width, const std::string &text)
{
    std::memcpy(out.data() + offset, text.data(), std::min(width, text.size()));
}

bool sameSecret(const std::string &a, const std::string &b)
{
    return !a.empty() && a.size() == b.size() && sodium_memcmp(a.data(), b.data(), a.size()) == 0;
}

std::string hashSecret(const std::string &secret)
{
    char hash[crypto_pwhash_STRBYTES];
    if (crypto_pwhash_str(hash, secret.data(), secret.size(), kHashOps, kHashMemory) != 0)
        return {};
    return hash;
}

bool matchesHash(const std::string &hash, const std::string &secret)
{
    return !hash.empty() && crypto_pwhash_str_verify(hash.c_str(), secret.data(), secret.size()) == 0;
}

void putText(char *field, size_t width, const std::string &text)
{
    std::memcpy(field, text.data(), std::min(width, text.size()));
}

std::string textAt(const Bytes &data, size_t offset, size_t width)
{
    if (data.size() < offset + width)
        return {};
    return tarnwire::boundedText(reinterpret_cast<const char *>(data.data() + offset), width);
}

std::string fieldText(const CommandRequest &r, size_t i)
{
    if (i >= r.fields.size())
        return {};
    return std::string(r.fields[i].begin(), r.fields[i].end());
}

bool validIPv4(const std::string &text)
{
    in_addr a{};
    return inet_pton(AF_INET, text.c_str(), &a) == 1;
}

bool validMask(const std::string &text)
{
    in_addr a{};
    if (inet_pton(AF_INET, text.c_str(), &a) != 1)
        return false;
    const uint32_t m = ntohl(a.s_addr);
    return m != 0 && ((~m + 1) & ~m) == 0;   // ones then zeros
}

std::string hexOf(const uint8_t *p, size_t n)
{
    return QByteArray(reinterpret_cast<const char *>(p), int(n)).toHex().toStdString();
}

template<size_t N>
void fromHex(const QString &hex, std::array<uint8_t, N> &out)
{
    const QByteArray bytes = QByteArray::fromHex(hex.toLatin1());
    if (bytes.size() == int(N))
        std::memcpy(out.data(), bytes.constData(), N);
}

} // namespace

std::string operationName(Operation operation)
{
    switch (operation) {
    case Operation::Activate: return "activate";
    case Operation::ModifyNetParam: return "set-net";
    case Operation::GetConfig: return "get-config";
    case Operation::SetConfig: return "set-config";
    case Operation::WifiConfig: return "wifi-config";
    case Operation::WifiCheck: return "wifi-check";
    case Operation::ResetPassword: return "reset-password";
    case Operation::ResetDefaultPassword: return "reset-default-password";
    }
    return "unknown";
}

void SimDevice::announcement(int messageType, uint8_t out[560]) const
{
    TarnAnnouncement r;
    std::memset(&r, 0, sizeof r);
    putText(r.auxText1, sizeof r.auxText1, "TARN1");
    putText(r.serialNumber, sizeof r.serialNumber, serial);
    putText(r.macAddress, sizeof r.macAddress, mac);
    putText(r.ipv4Address, sizeof r.ipv4Address, ipv4);
    putText(r.ipv4SubnetMask, sizeof r.ipv4SubnetMask, mask);
    r.auxValue1 = deviceClass;
    r.port = port;
    r.channelCount = channels;
    putText(r.softwareVersion, sizeof r.softwareVersion, softwareVersion);
    putText(r.dspVersion, sizeof r.dspVersion, dspVersion);
    putText(r.startTime, sizeof r.startTime, startTime);
    r.messageType = messageType;
    putText(r.deviceType, sizeof r.deviceType, model);
    putText(r.ipv4Gateway, sizeof r.ipv4Gateway, gateway);
    putText(r.ipv6Address, sizeof r.ipv6Address, ipv6);
    putText(r.ipv6Gateway, sizeof r.ipv6Gateway, ipv6Gateway);
    r.ipv6PrefixLength = ipv6Prefix;
    r.abilityFlags = abilityFlags;
    r.dhcpEnabled = dhcp ? 1 : 0;
    r.addressInfoFlag = 1;
    r.httpPort = httpPort;
    r.activationState = activated ? 0 : 1;
    r.recoveryFlags = recoveryFlags;
    r.cloudSupport = cloudSupport;
    r.cloudStatus = cloudStatus;
    r.recordState = 0;
    r.wifiState = wifiRegionMask;
    r.wifiEnhancementOn = wifiEnhancement ? 1 : 0;
    r.wifiParam = wifiRegion;
    r.extraAbilityFlags = extraAbilityFlags;
    r.emailTipMode = emailTipMode;
    r.enhancedSdkPort = sdkPort;
    r.userKind = userKind;
    putText(r.userName, sizeof r.userName, userName);
    std::memcpy(out, &r, sizeof r);
}

std::string SimDevice::statusPage() const
{
    auto escape = [](const std::string &s) {
        std::string out;
        for (char c : s) {
            switch (c) {
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '&': out += "&amp;"; break;
            case '"': out += "&quot;"; break;
            default: out += c;
            }
        }
        return out;
    };
    auto row = [&](const char *name, const std::string &value) {
        return std::string("<tr><th>") + name + "</th><td>" + escape(value) + "</td></tr>\n";
    };
    std::string html = "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>" + escape(model) + " " +
                       escape(serial) +
                       "</title><style>body{font-family:sans-serif;margin:2em;color:#333}"
                       "h1{color:#1E78D2;font-size:1.4em}th{text-align:left;padding-right:2em;color:#666}"
                       "</style></head><body>\n<h1>" + escape(model) + "</h1>\n<p>Simulated TARN device.</p>\n<table>\n";
    html += row("Serial number", serial);
    html += row("MAC address", mac);
    html += row("State", activated ? "Activated" : "Not activated");
    html += row("IPv4 address", ipv4 + " / " + mask);
    html += row("Gateway", gateway);
    html += row("DHCP", dhcp ? "on" : "off");
    html += row("Device port", std::to_string(port));
    html += row("HTTP port", std::to_string(httpPort));
    html += row("Software version", softwareVersion);
    html += row("Started", startTime);
    html += "</table>\n</body></html>\n";
    return html;
}

bool SimDevice::setPassword(const std::string &password)
{
    char hash[crypto_pwhash_STRBYTES];
    if (crypto_pwhash_str(hash, password.data(), password.size(), kHashOps, kHashMemory) != 0)
        return false;
    passwordHash = hash;
    return true;
}

bool SimDevice::checkPasswordHash(const std::string &password) const
{
    return !passwordHash.empty() &&
           crypto_pwhash_str_verify(passwordHash.c_str(), password.data(), password.size()) == 0;
}

SimDevice::Outcome SimDevice::handle(const CommandRequest &request, int64_t now)
{
    Outcome o;
    CommandReply &reply = o.reply;
    reply.output.assign(request.outputCapacity, 0);
    auto fail = [&](uint32_t code) {
        reply.status = code;
        return o;
    };

    if (auto it = refuse.find(operationName(request.operation)); it != refuse.end())
        return fail(it->second);

    // Wrong passwords and wrong recovery proofs count down alike, and the last
    // one locks the device for a while; the reply bytes tell the retries left
    // (0) and the lock minutes (1).
    auto minutesLeft = [&](int64_t seconds) { return uint8_t(std::min<int64_t>(255, (seconds + 59) / 60)); };
    auto locked = [&] {
        if (lockedUntil <= now)
            return false;
        if (reply.output.size() > 1)
            reply.output[1] = minutesLeft(lockedUntil - now);
        reply.status = TARN_ERR_LOCKED;
        return true;
    };
    auto proofAccepted = [&] {
        if (retriesLeft != maxRetries)
            o.stateChanged = true;
        retriesLeft = maxRetries;
        trustedUntil = now + kTrustSeconds;
    };
    auto wrongProof = [&](uint32_t code) {
        o.stateChanged = true;
        if (--retriesLeft <= 0) {
            lockedUntil = now + lockSeconds;
            retriesLeft = maxRetries;
            if (reply.output.size() > 1)
                reply.output[1] = minutesLeft(lockSeconds);
            reply.status = TARN_ERR_LOCKED;
        } else {
            if (!reply.output.empty())
                reply.output[0] = uint8_t(retriesLeft);
            reply.status = code;
        }
        return o;
    };
    auto passwordOk = [&](const std::string &password) {
        if (locked())
            return false;
        if (checkPasswordHash(password)) {
            proofAccepted();
            return true;
        }
        wrongProof(TARN_ERR_PASSWORD);
        return false;
    };

    if (request.operation == Operation::Activate) {
        if (activated)
            return fail(TARN_ERR_ALREADY_ACTIVATED);
        const std::string password = fieldText(request, 0);
        if (password.size() < 8 || password.size() > 16)
            return fail(TARN_ERR_PARAMETER);
        if (!setPassword(password))
            return fail(TARN_ERR_DEVICE_DENY);
        activated = true;
        retriesLeft = maxRetries;
        lockedUntil = 0;
        trustedUntil = now + kTrustSeconds;
        o.announceChange = o.stateChanged = true;
        return o;
    }
    // A new device has no password to prove yet: it takes its Wi-Fi network
    // before activation (anyone on the segment could activate it anyway), so
    // that an installer can put it on the site's network first.
    const bool wifiNetwork = request.operation == Operation::WifiConfig || request.operation == Operation::WifiCheck;
    if (!activated && !wifiNetwork)
        return fail(TARN_ERR_DEVICE_DENY);

    switch (request.operation) {
    case Operation::ModifyNetParam: {
        if (request.fields.size() != 2 || request.fields[1].size() != sizeof(TarnNetParam))
            return fail(TARN_ERR_PARAMETER);
        if (!passwordOk(fieldText(request, 0)))
            return o;
        TarnNetParam p;
        std::memcpy(&p, request.fields[1].data(), sizeof p);
        const std::string newIp = tarnwire::boundedText(p.ipv4Address, sizeof p.ipv4Address);
        const std::string newMask = tarnwire::boundedText(p.ipv4SubnetMask, sizeof p.ipv4SubnetMask);
        const std::string newGateway = tarnwire::boundedText(p.ipv4Gateway, sizeof p.ipv4Gateway);
        // Everything is checked before anything changes: a refused change leaves the device as it was.
        if (!p.dhcpEnabled &&
            (!validIPv4(newIp) || !validMask(newMask) || (!newGateway.empty() && !validIPv4(newGateway))))
            return fail(TARN_ERR_PARAMETER);
        if (p.port == 0 || p.httpPort == 0)
            return fail(TARN_ERR_PARAMETER);
        if (!p.dhcpEnabled) {
            ipv4 = newIp;
            mask = newMask;
            gateway = newGateway;
        }
        dhcp = p.dhcpEnabled != 0;
        port = p.port;
        httpPort = p.httpPort;
        if (abilityFlags & 0x2) {
            ipv6 = tarnwire::boundedText(p.ipv6Address, 46);
            ipv6Gateway = tarnwire::boundedText(p.ipv6Gateway, 46);
            ipv6Prefix = p.ipv6PrefixLength;
        }
        if (p.sdkServicePort)
            sdkPort = p.sdkServicePort;
        o.announceChange = o.stateChanged = true;
        return o;
    }
    case Operation::SetConfig: {
        const Bytes input = request.fields.empty() ? Bytes() : request.fields[0];
        if (request.command == kWifiParamCommand) {
            if (input.size() != 148)
                return fail(TARN_ERR_PARAMETER);
            const uint8_t kind = input[0];
            if (kind == 1 && wifiRegionMask == 0)
                return fail(TARN_ERR_NOT_SUPPORTED);
            if (kind == 2 && !(recoveryFlags & 0x80))
                return fail(TARN_ERR_NOT_SUPPORTED);
            if (kind != 1 && kind != 2)
                return fail(TARN_ERR_PARAMETER);
            if (!passwordOk(textAt(input, 4, 144)))
                return o;
            if (kind == 1) {
                if (input[1] > 5 || !(wifiRegionMask & (1u << input[1])))
                    return fail(TARN_ERR_PARAMETER);
                wifiRegion = input[1];
            } else {
                wifiEnhancement = input[2] != 0;
            }
            o.announceChange = o.stateChanged = true;
            return o;
        }
        if (request.command == kChannelPasswordCommand) {
            if (input.size() != 160)
                return fail(TARN_ERR_PARAMETER);
            if (!(extraAbilityFlags & 0x1))
                return fail(TARN_ERR_NOT_SUPPORTED);
            if (!passwordOk(textAt(input, 0, 16)))
                return o;
            const std::string channelPassword = textAt(input, 16, 144);
            if (channelPassword.empty())
                return fail(TARN_ERR_PARAMETER);
            char hash[crypto_pwhash_STRBYTES];
            if (crypto_pwhash_str(hash, channelPassword.data(), channelPassword.size(), kHashOps, kHashMemory) != 0)
                return fail(TARN_ERR_DEVICE_DENY);
            channelPasswordHash = hash;
            o.stateChanged = true;
            return o;
        }
        if (request.command == kSetQuestionsCommand) {
            if (!(recoveryFlags & 0x08))
                return fail(TARN_ERR_NOT_SUPPORTED);
            if (input.size() != kQuestionListSize)
                return fail(TARN_ERR_PARAMETER);
            if (!passwordOk(textAt(input, kQuestionListPasswordOffset, 16)))
                return o;
            // The entry of question n sits at position n; exactly three are set.
            std::vector<uint32_t> ids;
            std::vector<std::string> hashes;
            for (uint32_t n = 1; n <= kQuestionCount; ++n) {
                const size_t at = 8 + kQuestionEntrySize * n;
                if (input[at + 260] != 1)
                    continue;
                const std::string answer = textAt(input, at + 4, 256);
                if (wordAt(input, at) != n || answer.empty())
                    return fail(TARN_ERR_PARAMETER);
                ids.push_back(n);
                hashes.push_back(hashSecret(answer));
                if (hashes.back().empty())
                    return fail(TARN_ERR_DEVICE_DENY);
            }
            if (ids.size() != 3)
                return fail(TARN_ERR_QUESTION_COUNT);
            questionIds = ids;
            answerHashes = hashes;
            o.stateChanged = true;
            return o;
        }
        if (request.command == kSetReservedEmailCommand) {
            if (!(extraAbilityFlags & 0x02) || !recovery)
                return fail(TARN_ERR_NOT_SUPPORTED);
            if (input.size() != kReservedEmailSize || wordAt(input, 0) != kReservedEmailSize)
                return fail(TARN_ERR_PARAMETER);
            if (!passwordOk(textAt(input, 4, 16)))
                return o;
            const std::string address = textAt(input, 20, 256);
            // The address travels in the e-mail reset request, which must fit its field.
            if (address.empty() || address.find('@') == std::string::npos || address.find(';') != std::string::npos ||
                address.size() > MakerDesk::maxAddressLength(serial))
                return fail(TARN_ERR_PARAMETER);
            reservedEmail = address;
            emailCode.clear();
            emailRequest.clear();
            o.stateChanged = true;
            return o;
        }
        return fail(TARN_ERR_NOT_SUPPORTED);
    }
    case Operation::GetConfig: {
        const Bytes input = request.fields.empty() ? Bytes() : request.fields[0];
        Bytes &out = reply.output;
        if (request.command == kKeyRequestCommand || request.command == kKeyRequestQrCommand) {
            if (!recovery || !(abilityFlags & 0x40) ||
                (request.command == kKeyRequestQrCommand && !(recoveryFlags & 0x01)))
                return fail(TARN_ERR_NOT_SUPPORTED);
            const size_t area = request.command == kKeyRequestCommand ? 256 : 384;
            if (out.size() < 4 + area)
                return fail(TARN_ERR_PARAMETER);
            // A fresh random request replaces the last one, so a key made for an
            // older request no longer opens the device.
            uint8_t nonce[16];
            tarnwire::randomBytes(nonce, sizeof nonce);
            keyRequestExpires = now + recovery->ttlSeconds;
            keyRequest = std::string(MakerDesk::kKeyRequestTag) + ";" + serial + ";" +
                         MakerDesk::base32(nonce, sizeof nonce) + ";" + std::to_string(keyRequestExpires);
            putWord(out, 0, uint32_t(std::min(area, keyRequest.size())));
            putBytes(out, 4, area, keyRequest);
            o.stateChanged = true;
            return o;
        }
        if (request.command == kExportGuidCommand) {
            if (!(recoveryFlags & 0x04))
                return fail(TARN_ERR_NOT_SUPPORTED);
            if (input.size() != kGuidExportInputSize || out.size() < kGuidBlockSize)
                return fail(TARN_ERR_PARAMETER);
            if (!passwordOk(textAt(input, 0, 16)))
                return o;
            if (guid.empty()) {
                uint8_t bytes[32];
                tarnwire::randomBytes(bytes, sizeof bytes);
                guid = hexOf(bytes, sizeof bytes);
                o.stateChanged = true;
            }
            putWord(out, 0, uint32_t(kGuidBlockSize));
            putBytes(out, 4, 384, guid);
            return o;
        }
        if (request.command == kGetQuestionsCommand) {
            if (!(recoveryFlags & 0x08))
                return fail(TARN_ERR_NOT_SUPPORTED);
            if (out.size() < kQuestionListSize)
                return fail(TARN_ERR_PARAMETER);
            // Which questions are set, never their answers.
            putWord(out, 0, uint32_t(kQuestionListSize));
            for (size_t j = 0; j < questionIds.size(); ++j) {
                const size_t at = 8 + kQuestionEntrySize * j;
                putWord(out, at, questionIds[j]);
                out[at + 260] = 1;
            }
            return o;
        }
        if (request.command == kEmailResetInfoCommand) {
            if (!(extraAbilityFlags & 0x02) || !recovery)
                return fail(TARN_ERR_NOT_SUPPORTED);
            if (out.size() < kEmailResetInfoSize)
                return fail(TARN_ERR_PARAMETER);
            if (reservedEmail.empty())
                return o;
            // The code stays the same while it is valid, so that reading the
            // information again does not spend a code already mailed.
            if (emailCode.empty() || now >= emailCodeExpires) {
                emailCode = MakerDesk::randomCode(MakerDesk::kEmailCodeLength);
                emailCodeExpires = now + recovery->ttlSeconds;
                emailRequest = MakerDesk::sealEmailRequest(recovery->boxKey, serial, reservedEmail, emailCode);
            }
            putBytes(out, 12, 255, emailRequest);
            putBytes(out, 268, 127, reservedEmail);
            putBytes(out, 396, 255, MakerDesk::kMakerAddress);
            return o;
        }
        return fail(TARN_ERR_NOT_SUPPORTED);
    }
    case Operation::ResetPassword: {
        if (!(abilityFlags & 0x40))
            return fail(TARN_ERR_NOT_SUPPORTED);
        if (request.fields.empty() || request.fields[0].size() != kResetRequestSize)
            return fail(TARN_ERR_PARAMETER);
        const Bytes &in = request.fields[0];
        const uint8_t method = in[4];
        const bool offered = ((method == KeyFile || method == KeyText) && recovery) ||
                             (method == GuidFile && (recoveryFlags & 0x04)) ||
                             (method == SecurityQuestions && (recoveryFlags & 0x08)) ||
                             (method == ReservedEmail && (extraAbilityFlags & 0x02) && recovery);
        // A method the device does not know is one it does not offer.
        if (!offered)
            return fail(TARN_ERR_NOT_SUPPORTED);
        const std::string newPassword = textAt(in, 8, 16);
        if (newPassword.size() < 8)
            return fail(TARN_ERR_PARAMETER);
        if (locked())
            return o;
        switch (method) {
        case KeyFile:
        case KeyText: {
            if (keyRequest.empty() || now >= keyRequestExpires) {
                keyRequest.clear();
                return fail(TARN_ERR_FILE_EXPIRED);
            }
            // A key file's content travels as a second field; the path in the
            // record means nothing to the device.
            const std::string key = method == KeyText ? textAt(in, 24, 256) : fieldText(request, 1);
            if (!MakerDesk::verifyKey(recovery->signKey, keyRequest, key))
                return wrongProof(TARN_ERR_DEVICE_DENY);
            keyRequest.clear();
            break;
        }
        case GuidFile:
            if (!sameSecret(guid, textAt(in, 540, 128)))
                return wrongProof(TARN_ERR_GUID);
            guid.clear();   // the exported file is spent; the next export draws a new one
            break;
        case SecurityQuestions: {
            if (questionIds.size() != 3)
                return fail(TARN_ERR_DEVICE_DENY);
            for (size_t i = 0; i < questionIds.size(); ++i) {
                const size_t at = kResetQuestionsOffset + kQuestionEntrySize * questionIds[i];
                if (in[at + 260] != 1 || wordAt(in, at) != questionIds[i] ||
                    !matchesHash(answerHashes[i], textAt(in, at + 4, 256)))
                    return wrongProof(TARN_ERR_ANSWER);
            }
            break;
        }
        case ReservedEmail:
            if (now >= emailCodeExpires || !sameSecret(emailCode, MakerDesk::normalised(textAt(in, 24, 256))))
                return wrongProof(TARN_ERR_VERIFY_CODE);
            emailCode.clear();
            emailRequest.clear();
            break;
        }
        if (!setPassword(newPassword))
            return fail(TARN_ERR_DEVICE_DENY);
        proofAccepted();
        // "Reset IPC": the linked cameras take the new password too.
        if (in[5] == 1 && (abilityFlags & 0x80))
            channelPasswordHash = passwordHash;
        o.stateChanged = true;
        return o;
    }
    case Operation::ResetDefaultPassword: {
        if (!recovery)
            return fail(TARN_ERR_NOT_SUPPORTED);
        if (locked())
            return o;
        if (now >= securityCodeExpires || !sameSecret(securityCode, MakerDesk::normalised(fieldText(request, 0))))
            return wrongProof(TARN_ERR_DEVICE_DENY);
        securityCode.clear();
        if (!setPassword(SimFleet::kDefaultPassword))
            return fail(TARN_ERR_DEVICE_DENY);
        proofAccepted();
        o.stateChanged = true;
        return o;
    }
    case Operation::WifiConfig:
    case Operation::WifiCheck: {
        if (!(extraAbilityFlags & 0x4))
            return fail(TARN_ERR_NOT_SUPPORTED);
        // These commands carry no administrator password, so an activated device
        // takes them only shortly after someone proved to know it (activation, or
        // any command with the right password).
        if (activated && now > trustedUntil)
            return fail(TARN_ERR_DEVICE_DENY);
        const std::string ssid = fieldText(request, 0);
        const std::string password = fieldText(request, 1);
        if (ssid.empty() || ssid.size() > 32 || password.size() > 63)
            return fail(TARN_ERR_PARAMETER);
        if (request.operation == Operation::WifiCheck) {
            auto it = visibleWifi.find(ssid);
            if (it == visibleWifi.end())
                return fail(TARN_ERR_DEVICE_DENY);
            if (it->second != password)
                return fail(TARN_ERR_PASSWORD);
            return o;
        }
        wifiSsid = ssid;
        wifiPassword = password;
        o.stateChanged = true;
        return o;
    }
    default:
        return fail(TARN_ERR_NOT_SUPPORTED);
    }
}

std::string SimDevice::issueSecurityCode(int64_t now)
{
    securityCode = MakerDesk::randomCode(MakerDesk::kSecurityCodeLength);
    securityCodeExpires = now + (recovery ? recovery->ttlSeconds : 0);
    return MakerDesk::grouped(securityCode);
}

QJsonObject SimDevice::stateToJson() const
{
    QJsonObject o;
    o["publicKey"] = QString::fromStdString(hexOf(keys.publicKey.data(), keys.publicKey.size()));
    o["secretKey"] = QString::fromStdString(hexOf(keys.secretKey.data(), keys.secretKey.size()));
    o["activated"] = activated;
    o["passwordHash"] = QString::fromStdString(passwordHash);
    o["channelPasswordHash"] = QString::fromStdString(channelPasswordHash);
    o["ipv4"] = QString::fromStdString(ipv4);
    o["mask"] = QString::fromStdString(mask);
    o["gateway"] = QString::fromStdString(gateway);
    o["ipv6"] = QString::fromStdString(ipv6);
    o["ipv6Gateway"] = QString::fromStdString(ipv6Gateway);
    o["ipv6Prefix"] = ipv6Prefix;
    o["dhcp"] = dhcp;
    o["port"] = port;
    o["httpPort"] = httpPort;
    o["sdkPort"] = double(sdkPort);
    o["wifiRegion"] = wifiRegion;
    o["wifiEnhancement"] = wifiEnhancement;
    o["wifiSsid"] = QString::fromStdString(wifiSsid);
    o["wifiPassword"] = QString::fromStdString(wifiPassword);
    o["retriesLeft"] = retriesLeft;
    o["lockedUntil"] = double(lockedUntil);
    o["guid"] = QString::fromStdString(guid);
    QJsonArray questions;
    for (size_t i = 0; i < questionIds.size() && i < answerHashes.size(); ++i)
        questions.append(QJsonObject{{"id", int(questionIds[i])}, {"answerHash", QString::fromStdString(answerHashes[i])}});
    o["questions"] = questions;
    o["reservedEmail"] = QString::fromStdString(reservedEmail);
    o["keyRequest"] = QString::fromStdString(keyRequest);
    o["keyRequestExpires"] = double(keyRequestExpires);
    return o;
}

void SimDevice::stateFromJson(const QJsonObject &o)
{
    auto text = [&](const char *key, std::string &field) {
        if (o.contains(key))
            field = o[key].toString().toStdString();
    };
    if (o.contains("publicKey") && o.contains("secretKey")) {
        fromHex(o["publicKey"].toString(), keys.publicKey);
        fromHex(o["secretKey"].toString(), keys.secretKey);
    }
    if (o.contains("activated"))
        activated = o["activated"].toBool();
    text("passwordHash", passwordHash);
    text("channelPasswordHash", channelPasswordHash);
    text("ipv4", ipv4);
    text("mask", mask);
    text("gateway", gateway);
    text("ipv6", ipv6);
    text("ipv6Gateway", ipv6Gateway);
    text("wifiSsid", wifiSsid);
    text("wifiPassword", wifiPassword);
    if (o.contains("ipv6Prefix"))
        ipv6Prefix = uint8_t(o["ipv6Prefix"].toInt());
    if (o.contains("dhcp"))
        dhcp = o["dhcp"].toBool();
    if (o.contains("port"))
        port = uint16_t(o["port"].toInt());
    if (o.contains("httpPort"))
        httpPort = uint16_t(o["httpPort"].toInt());
    if (o.contains("sdkPort"))
        sdkPort = uint32_t(o["sdkPort"].toDouble());
    if (o.contains("wifiRegion"))
        wifiRegion = uint8_t(o["wifiRegion"].toInt());
    if (o.contains("wifiEnhancement"))
        wifiEnhancement = o["wifiEnhancement"].toBool();
    if (o.contains("retriesLeft"))
        retriesLeft = o["retriesLeft"].toInt();
    if (o.contains("lockedUntil"))
        lockedUntil = int64_t(o["lockedUntil"].toDouble());
    text("guid", guid);
    text("reservedEmail", reservedEmail);
    text("keyRequest", keyRequest);
    if (o.contains("keyRequestExpires"))
        keyRequestExpires = int64_t(o["keyRequestExpires"].toDouble());
    if (o.contains("questions")) {
        questionIds.clear();
        answerHashes.clear();
        for (const QJsonValue &entry : o["questions"].toArray()) {
            const QJsonObject question = entry.toObject();
            questionIds.push_back(uint32_t(question["id"].toInt()));
            answerHashes.push_back(question["answerHash"].toString().toStdString());
        }
    }
}

} // namespace devsim
