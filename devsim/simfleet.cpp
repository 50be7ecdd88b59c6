#include "simfleet.h"

#include <QDateTime>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

#include <algorithm>
#include <cctype>
#include <random>

namespace devsim {

namespace {

struct Model {
    const char *name;
    uint32_t channels;
    uint32_t deviceClass;
    uint8_t abilities;
    uint8_t recovery;
    uint8_t extra;
    uint8_t wifiRegions;
    uint8_t cloudSupport;
};

// Cameras, a Wi-Fi camera, a recorder, an encoder and an older camera, so that
// every ability combination the program branches on shows up in a fleet.
const Model kModels[] = {
    {"TC-2140-IR", 1, 0x2031, 0x47, 0x0D, 0x02, 0x00, 1},
    {"TC-4250-W", 1, 0x2035, 0x47, 0x8D, 0x06, 0x3F, 1},
    {"TN-7616-NVR", 16, 0x3110, 0xC7, 0x0F, 0x03, 0x00, 1},
    {"TE-0404-ENC", 4, 0x9D10, 0x05, 0x00, 0x00, 0x00, 2},
    {"TC-1120-B", 1, 0x2001, 0x04, 0x01, 0x00, 0x00, 0},
};

// MAC addresses are found whatever their letter case and separators.
std::string macKey(std::string s)
{
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return c == ':' ? '-' : char(std::tolower(c)); });
    return s;
}

std::string hex2(unsigned v)
{
    static const char digits[] = "0123456789abcdef";
    return {digits[(v >> 4) & 0xF], digits[v & 0xF]};
}

std::string str(const QJsonObject &o, const char *key, const std::string &fallback)
{
    return o.contains(key) ? o[key].toString().toStdString() : fallback;
}

template<typename T>
T num(const QJsonObject &o, const char *key, T fallback)
{
    return o.contains(key) ? T(o[key].toDouble()) : fallback;
}

} // namespace

SimDevice SimFleet::makeDevice(int index, uint64_t seed, bool activated) const
{
    std::mt19937_64 rng(seed * 1000003u + uint64_t(index));
    const Model &m = kModels[rng() % (sizeof kModels / sizeof kModels[0])];
    SimDevice d;
    d.model = m.name;
    std::string compact;
    for (const char *c = m.name; *c; ++c)
        if (*c != '-')
            compact += *c;
    char serial[64];
    std::snprintf(serial, sizeof serial, "%s20%02u%02u%02uCCRR%09d", compact.c_str(), unsigned(20 + rng() % 7),
                  unsigned(1 + rng() % 12), unsigned(1 + rng() % 28), 100000000 + index);
    d.serial = serial;
    d.mac = "02-54-41-" + hex2(unsigned(index >> 16)) + "-" + hex2(unsigned(index >> 8)) + "-" + hex2(unsigned(index));
    d.channels = m.channels;
    d.deviceClass = m.deviceClass;
    d.abilityFlags = m.abilities;
    d.recoveryFlags = m.recovery;
    d.extraAbilityFlags = m.extra;
    d.wifiRegionMask = m.wifiRegions;
    d.cloudSupport = m.cloudSupport;
    d.cloudStatus = m.cloudSupport == 1 ? uint8_t(1 + rng() % 2) : 0;
    d.emailTipMode = (m.extra & 0x2) ? 2 : 0;
    // Firmware builds carry their date as yymmdd.
    const unsigned build = unsigned(23 + rng() % 3) * 10000 + unsigned(1 + rng() % 12) * 100 + unsigned(1 + rng() % 28);
    d.softwareVersion = "V5.7." + std::to_string(rng() % 20) + "build " + std::to_string(build);
    d.dspVersion = "V7.3 build " + std::to_string(build);
    const QDateTime started = QDateTime::currentDateTime().addSecs(-qint64(rng() % (30 * 86400)));
    d.startTime = started.toString("yyyy-MM-dd hh:mm:ss").toStdString();
    d.ipv6 = "fe80::54:41ff:fe" + hex2(unsigned(index >> 16)) + ":" + hex2(unsigned(index >> 8)) + hex2(unsigned(index));
    d.ipv6Gateway = "::";
    d.ipv6Prefix = 64;
    d.port = 8000;
    d.httpPort = 80;
    d.sdkPort = (rng() % 3 == 0) ? 8443 : 0;
    if (m.extra & 0x4)
        d.visibleWifi = {{"TARN-Demo", "demo-wifi-2026"}};
    d.activated = activated;
    if (activated) {
        // Several subnets, as on a real site that grew over the years.
        const int subnet = index % 3;
        const int host = index / 3;
        if (subnet == 0) {
            d.ipv4 = "10.16." + std::to_string(host / 250) + "." + std::to_string(2 + host % 250);
            d.mask = "255.255.0.0";
            d.gateway = "10.16.0.1";
        } else if (subnet == 1) {
            d.ipv4 = "172.20." + std::to_string(host / 250) + "." + std::to_string(2 + host % 250);
            d.mask = "255.255.255.0";
            d.gateway = "172.20." + std::to_string(host / 250) + ".1";
        } else {
            d.ipv4 = "192.168." + std::to_string(10 + (host / 250) % 240) + "." + std::to_string(2 + host % 250);
            d.mask = "255.255.255.0";
            d.gateway = "192.168." + std::to_string(10 + (host / 250) % 240) + ".1";
        }
    } else {
        d.ipv4 = kFactoryAddress;
        d.mask = "255.255.255.0";
        d.gateway = "192.168.1.1";
    }
    d.keys = tarnwire::generateKeyPair();
    return d;
}

void SimFleet::generate(int count, int inactive, uint64_t seed, bool loopbackAddresses)
{
    m_devices.clear();
    m_devices.reserve(size_t(std::max(0, count)));
    std::vector<int> order(size_t(std::max(0, count)));
    for (int i = 0; i < count; ++i)
        order[size_t(i)] = i;
    std::mt19937_64 rng(seed);
    std::shuffle(order.begin(), order.end(), rng);
    std::vector<bool> isInactive(size_t(std::max(0, count)), false);
    for (int i = 0; i < std::min(inactive, count); ++i)
        isInactive[size_t(order[size_t(i)])] = true;

    // One hash for the shared default password: hashing it per device would make
    // a large fleet slow to start, and every hash string carries its own salt anyway.
    SimDevice prototype;
    prototype.setPassword(kDefaultPassword);
    for (int i = 0; i < count; ++i) {
        SimDevice d = makeDevice(i, seed, !isInactive[size_t(i)]);
        if (d.activated)
            d.passwordHash = prototype.passwordHash;
        if (loopbackAddresses) {
            // Addresses of this machine, so that a device's web page can really be
            // opened; not activated devices too, so that nothing points elsewhere.
            d.ipv4 = "127.0." + std::to_string(1 + i / 250) + "." + std::to_string(1 + i % 250);
            d.mask = "255.0.0.0";
            d.gateway = "127.0.0.1";
            d.httpPort = 8080;
        }
        m_devices.push_back(std::move(d));
    }
    rebuildIndex();
}

bool SimFleet::loadFleetFile(const std::string &path, uint64_t seed, std::string *error)
{
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly)) {
        *error = "cannot read " + path;
        return false;
    }
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(file.readAll(), &parseError);
    if (doc.isNull()) {
        *error = path + ": " + parseError.errorString().toStdString();
        return false;
    }
    const QJsonArray list = doc.isArray() ? doc.array() : doc.object()["devices"].toArray();
    m_devices.clear();
    for (int i = 0; i < list.size(); ++i) {
        const QJsonObject o = list[i].toObject();
        const bool activated = o.contains("activated") ? o["activated"].toBool() : true;
        // Unset fields take what a generated device of the same position would have.
        SimDevice d = makeDevice(i, seed, activated);
        d.serial = str(o, "serial", d.serial);
        d.mac = str(o, "mac", d.mac);
        d.model = str(o, "model", d.model);
        d.ipv4 = str(o, "ipv4", d.ipv4);
        d.mask = str(o, "mask", d.mask);
        d.gateway = str(o, "gateway", d.gateway);
        d.ipv6 = str(o, "ipv6", d.ipv6);
        d.ipv6Gateway = str(o, "ipv6Gateway", d.ipv6Gateway);
        d.softwareVersion = str(o, "softwareVersion", d.softwareVersion);
        d.dspVersion = str(o, "dspVersion", d.dspVersion);
        d.startTime = str(o, "startTime", d.startTime);
        d.userName = str(o, "userName", d.userName);
        d.channels = num(o, "channels", d.channels);
        d.deviceClass = num(o, "deviceClass", d.deviceClass);
        d.port = num(o, "port", d.port);
        d.httpPort = num(o, "httpPort", d.httpPort);
        d.sdkPort = num(o, "sdkPort", d.sdkPort);
        d.dhcp = o.contains("dhcp") ? o["dhcp"].toBool() : d.dhcp;
        d.abilityFlags = num(o, "abilityFlags", d.abilityFlags);
        d.recoveryFlags = num(o, "recoveryFlags", d.recoveryFlags);
        d.extraAbilityFlags = num(o, "extraAbilityFlags", d.extraAbilityFlags);
        d.cloudSupport = num(o, "cloudSupport", d.cloudSupport);
        d.cloudStatus = num(o, "cloudStatus", d.cloudStatus);
        d.wifiRegionMask = num(o, "wifiRegionMask", d.wifiRegionMask);
        d.wifiRegion = num(o, "wifiRegion", d.wifiRegion);
        d.emailTipMode = num(o, "emailTipMode", d.emailTipMode);
        d.userKind = num(o, "userKind", d.userKind);
        d.maxRetries = std::max(1, num(o, "maxRetries", d.maxRetries));
        d.retriesLeft = d.maxRetries;
        d.lockSeconds = std::max(1, num(o, "lockSeconds", d.lockSeconds));
        d.silent = o["silent"].toBool(false);
        const QJsonObject refuse = o["refuse"].toObject();
        for (auto it = refuse.begin(); it != refuse.end(); ++it)
            d.refuse[it.key().toStdString()] = uint32_t(it.value().toInt());
        if (o.contains("wifiNetworks")) {
            d.visibleWifi.clear();
            const QJsonObject nets = o["wifiNetworks"].toObject();
            for (auto it = nets.begin(); it != nets.end(); ++it)
                d.visibleWifi[it.key().toStdString()] = it.value().toString().toStdString();
        }
        if (d.activated && !d.setPassword(str(o, "password", kDefaultPassword))) {
            *error = "cannot hash the password of " + d.serial;
            return false;
        }
        m_devices.push_back(std::move(d));
    }
    rebuildIndex();
    if (m_bySerial.size() != m_devices.size() || m_byMac.size() != m_devices.size()) {
        *error = path + ": two devices share a serial number or a MAC address";
        return false;
    }
    return true;
}

bool SimFleet::loadState(const std::string &path, std::string *error)
{
    QFile file(QString::fromStdString(path));
    if (!file.exists())
        return true;
    if (!file.open(QIODevice::ReadOnly)) {
        *error = "cannot read " + path;
        return false;
    }
    const QJsonDocument doc = QJsonDocument::fromJson(file.readAll());
    if (!doc.isObject()) {
        *error = path + " is not a simulator state file";
        return false;
    }
    const QJsonObject devices = doc.object()["devices"].toObject();
    for (auto it = devices.begin(); it != devices.end(); ++it) {
        if (SimDevice *d = findBySerial(it.key().toStdString()))
            d->stateFromJson(it.value().toObject());
    }
    return true;
}

bool SimFleet::saveState(const std::string &path, std::string *error) const
{
    QJsonObject devices;
    for (const SimDevice &d : m_devices)
        devices[QString::fromStdString(d.serial)] = d.stateToJson();
    QJsonObject root;
    root["devices"] = devices;
    // Written aside and renamed, so that a crash never leaves half a state file.
    QSaveFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly)) {
        *error = "cannot write " + path;
        return false;
    }
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    file.write(QJsonDocument(root).toJson(QJsonDocument::Compact));
    if (!file.commit()) {
        *error = "cannot write " + path;
        return false;
    }
    return true;
}

SimDevice *SimFleet::findBySerial(const std::string &serial)
{
    auto it = m_bySerial.find(serial);
    return it == m_bySerial.end() ? nullptr : &m_devices[size_t(it->second)];
}

SimDevice *SimFleet::findByMac(const std::string &mac)
{
    auto it = m_byMac.find(macKey(mac));
    return it == m_byMac.end() ? nullptr : &m_devices[size_t(it->second)];
}

void SimFleet::rebuildIndex()
{
    m_bySerial.clear();
    m_byMac.clear();
    for (size_t i = 0; i < m_devices.size(); ++i) {
        m_bySerial.emplace(m_devices[i].serial, int(i));
        m_byMac.emplace(macKey(m_devices[i].mac), int(i));
    }
}

} // namespace devsim
