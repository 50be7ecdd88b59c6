#include "simdevice.h"

#include <QByteArray>
#include <QJsonObject>
#include <QString>

#include <arpa/inet.h>
#include <cstring>
#include <sodium.h>

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

    // Wrong passwords count down, and the last one locks the device for a while;
    // the reply bytes tell the retries left (0) and the lock minutes (1).
    auto passwordOk = [&](const std::string &password) {
        auto minutesLeft = [&](int64_t seconds) { return uint8_t(std::min<int64_t>(255, (seconds + 59) / 60)); };
        if (lockedUntil > now) {
            if (reply.output.size() > 1)
                reply.output[1] = minutesLeft(lockedUntil - now);
            reply.status = TARN_ERR_LOCKED;
            return false;
        }
        if (checkPasswordHash(password)) {
            if (retriesLeft != maxRetries)
                o.stateChanged = true;
            retriesLeft = maxRetries;
            trustedUntil = now + kTrustSeconds;
            return true;
        }
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
            reply.status = TARN_ERR_PASSWORD;
        }
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
    if (!activated)
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
        return fail(TARN_ERR_NOT_SUPPORTED);
    }
    case Operation::WifiConfig:
    case Operation::WifiCheck: {
        if (!(extraAbilityFlags & 0x4))
            return fail(TARN_ERR_NOT_SUPPORTED);
        // These commands carry no administrator password, so the device takes them
        // only shortly after someone proved to know it (activation, or any command
        // with the right password).
        if (now > trustedUntil)
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
}

} // namespace devsim
