// tarn-cli: the discovery library from the command line, for administrators
// who script and for checking the library without the window.
//
//   tarn-cli discover [--wait SECONDS] [--expect N] [--json]
//   tarn-cli activate --serial S
//   tarn-cli set-net --mac M [--ipv4 A --mask M --gateway G] [--port P] [--http-port P] [--dhcp on|off]
//
// Passwords come from TARN_PASSWORD or standard input, never from the command line.

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "tarnsdk.h"

namespace {

struct Options {
    std::string command;
    double waitSeconds = 3.0;
    long expect = -1;
    bool json = false;
    std::string serial, mac, ipv4, mask, gateway, dhcp;
    long port = -1, httpPort = -1;
};

std::string text(const char *field, size_t width)
{
    return std::string(field, ::strnlen(field, width));
}

struct Collected {
    std::mutex mutex;
    std::condition_variable changed;
    std::map<std::string, TarnAnnouncement> devices;   // serial + MAC, in that order
};

void onAnnouncement(const TarnAnnouncement *a, void *user)
{
    auto *c = static_cast<Collected *>(user);
    const std::string key = text(a->serialNumber, sizeof a->serialNumber) + '\n' + text(a->macAddress, sizeof a->macAddress);
    std::lock_guard<std::mutex> lock(c->mutex);
    if (a->messageType == 3)
        c->devices.erase(key);
    else if (a->messageType == 1 || a->messageType == 2 || a->messageType == 4)
        c->devices[key] = *a;
    c->changed.notify_all();
}

const char *errorText(int code)
{
    switch (code) {
    case 2005: return "Incorrect parameters.";
    case 2006: return "Discovery is not started.";
    case 2007: return "Sending the data failed.";
    case 2009: return "Device rejected.";
    case 2011: return "Time out.";
    case 2015: return "Sending failed.";
    case 2016: return "Receiving failed.";
    case 2018: return "Device is locked.";
    case 2019: return "Not supported by the device.";
    case 2021: return "The device is already activated.";
    case 2024: return "Wrong password.";
    case 2040: return "The device's key changed.";
    default: return "Error.";
    }
}

int failWithLastError(const unsigned char *reply = nullptr)
{
    const int code = TARN_GetLastError();
    std::fprintf(stderr, "error %d: %s", code, errorText(code));
    if (reply && code == 2024)
        std::fprintf(stderr, " Retries left: %u.", unsigned(reply[0]));
    if (reply && code == 2018 && reply[1])
        std::fprintf(stderr, " Locked for %u minutes.", unsigned(reply[1]));
    std::fprintf(stderr, "\n");
    return code > 0 && code < 256 ? code : 1;
}

std::string jsonString(const std::string &s)
{
    std::string out = "\"";
    for (unsigned char c : s) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += char(c);
        } else if (c < 0x20) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\u%04x", c);
            out += buf;
        } else {
            out += char(c);
        }
    }
    return out + "\"";
}

std::string readPassword()
{
    if (const char *p = std::getenv("TARN_PASSWORD"); p && *p)
        return p;
    std::string line;
    std::getline(std::cin, line);
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return line;
}

void usage()
{
    std::puts("usage: tarn-cli discover [--wait SECONDS] [--expect N] [--json]\n"
              "       tarn-cli activate --serial S\n"
              "       tarn-cli set-net --mac M [--ipv4 A --mask M --gateway G] [--port P] [--http-port P] [--dhcp on|off]\n"
              "common options: --interface ADDR|NAME  --group ADDR  --udp-port P (also TARN_INTERFACE, TARN_GROUP, TARN_PORT)\n"
              "passwords: TARN_PASSWORD, or the first line of standard input");
}

// Waits until the wanted devices are known or the time is up.
template<typename Done>
void waitFor(Collected &c, double seconds, Done done)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(long(seconds * 1000));
    std::unique_lock<std::mutex> lock(c.mutex);
    c.changed.wait_until(lock, deadline, [&] { return done(); });
}

int discover(const Options &o, Collected &c)
{
    waitFor(c, o.waitSeconds, [&] { return o.expect >= 0 && long(c.devices.size()) >= o.expect; });
    std::vector<TarnAnnouncement> list;
    {
        std::lock_guard<std::mutex> lock(c.mutex);
        for (const auto &[key, a] : c.devices)
            list.push_back(a);
    }
    if (o.json)
        std::printf("[\n");
    for (size_t i = 0; i < list.size(); ++i) {
        const TarnAnnouncement &a = list[i];
        const std::string serial = text(a.serialNumber, sizeof a.serialNumber);
        const std::string mac = text(a.macAddress, sizeof a.macAddress);
        const std::string model = text(a.deviceType, sizeof a.deviceType);
        const std::string ip = text(a.ipv4Address, sizeof a.ipv4Address);
        const std::string mask = text(a.ipv4SubnetMask, sizeof a.ipv4SubnetMask);
        const std::string gw = text(a.ipv4Gateway, sizeof a.ipv4Gateway);
        const std::string version = text(a.softwareVersion, sizeof a.softwareVersion);
        const bool activated = a.activationState == 0;
        if (o.json) {
            std::printf("  {\"serial\": %s, \"mac\": %s, \"model\": %s, \"ipv4\": %s, \"mask\": %s, \"gateway\": %s, "
                        "\"port\": %u, \"httpPort\": %u, \"activated\": %s, \"softwareVersion\": %s}%s\n",
                        jsonString(serial).c_str(), jsonString(mac).c_str(), jsonString(model).c_str(),
                        jsonString(ip).c_str(), jsonString(mask).c_str(), jsonString(gw).c_str(), unsigned(a.port),
                        unsigned(a.httpPort), activated ? "true" : "false", jsonString(version).c_str(),
                        i + 1 < list.size() ? "," : "");
        } else {
            std::printf("%s %s %s %s %s %s %u %u %s %s\n", serial.c_str(), mac.c_str(), model.c_str(), ip.c_str(),
                        mask.c_str(), gw.c_str(), unsigned(a.port), unsigned(a.httpPort),
                        activated ? "activated" : "inactive", version.c_str());
        }
    }
    if (o.json)
        std::printf("]\n");
    return 0;
}

int activate(const Options &o)
{
    if (o.serial.empty()) {
        std::fprintf(stderr, "activate needs --serial\n");
        return 2;
    }
    const std::string password = readPassword();
    if (!TARN_ActivateDevice(o.serial.c_str(), password.c_str()))
        return failWithLastError();
    std::printf("activated %s\n", o.serial.c_str());
    return 0;
}

int setNet(const Options &o, Collected &c)
{
    if (o.mac.empty()) {
        std::fprintf(stderr, "set-net needs --mac\n");
        return 2;
    }
    if (!o.dhcp.empty() && o.dhcp != "on" && o.dhcp != "off") {
        std::fprintf(stderr, "--dhcp takes on or off\n");
        return 2;
    }
    // Unchanged values come from the device's own announcement.
    auto find = [&]() -> const TarnAnnouncement * {
        for (const auto &[key, a] : c.devices) {
            const std::string mac = text(a.macAddress, sizeof a.macAddress);
            if (mac.size() == o.mac.size() && std::equal(mac.begin(), mac.end(), o.mac.begin(), [](char x, char y) {
                    return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
                }))
                return &a;
        }
        return nullptr;
    };
    waitFor(c, std::max(o.waitSeconds, 5.0), [&] { return find() != nullptr; });
    TarnNetParam p;
    std::memset(&p, 0, sizeof p);
    {
        std::lock_guard<std::mutex> lock(c.mutex);
        const TarnAnnouncement *a = find();
        if (!a) {
            std::fprintf(stderr, "no device with MAC %s answered\n", o.mac.c_str());
            return 1;
        }
        std::memcpy(p.ipv4Address, a->ipv4Address, sizeof p.ipv4Address);
        std::memcpy(p.ipv4SubnetMask, a->ipv4SubnetMask, sizeof p.ipv4SubnetMask);
        std::memcpy(p.ipv4Gateway, a->ipv4Gateway, sizeof p.ipv4Gateway);
        std::memcpy(p.ipv6Address, a->ipv6Address, sizeof a->ipv6Address);
        std::memcpy(p.ipv6Gateway, a->ipv6Gateway, sizeof a->ipv6Gateway);
        p.port = uint16_t(a->port);
        p.ipv6PrefixLength = a->ipv6PrefixLength;
        p.dhcpEnabled = a->dhcpEnabled;
        p.httpPort = a->httpPort;
        p.sdkServicePort = a->enhancedSdkPort;
    }
    auto put = [](char *field, size_t width, const std::string &value) {
        std::memset(field, 0, width);
        std::memcpy(field, value.data(), std::min(width - 1, value.size()));
    };
    if (!o.ipv4.empty())
        put(p.ipv4Address, sizeof p.ipv4Address, o.ipv4);
    if (!o.mask.empty())
        put(p.ipv4SubnetMask, sizeof p.ipv4SubnetMask, o.mask);
    if (!o.gateway.empty())
        put(p.ipv4Gateway, sizeof p.ipv4Gateway, o.gateway);
    if (o.port >= 0)
        p.port = uint16_t(o.port);
    if (o.httpPort >= 0)
        p.httpPort = uint16_t(o.httpPort);
    if (!o.dhcp.empty())
        p.dhcpEnabled = o.dhcp == "on" ? 1 : 0;

    const std::string password = readPassword();
    unsigned char reply[128] = {};
    if (!TARN_ModifyDeviceNetParam_V40(o.mac.c_str(), password.c_str(), &p, reinterpret_cast<char *>(reply), sizeof reply))
        return failWithLastError(reply);
    std::printf("changed %s\n", o.mac.c_str());
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 2) {
        usage();
        return 2;
    }
    Options o;
    o.command = argv[1];
    for (int i = 2; i < argc; ++i) {
        const std::string arg = argv[i];
        auto value = [&]() -> std::string {
            if (i + 1 >= argc) {
                std::fprintf(stderr, "%s needs a value\n", arg.c_str());
                std::exit(2);
            }
            return argv[++i];
        };
        if (arg == "--wait")
            o.waitSeconds = std::atof(value().c_str());
        else if (arg == "--expect")
            o.expect = std::atol(value().c_str());
        else if (arg == "--json")
            o.json = true;
        else if (arg == "--serial")
            o.serial = value();
        else if (arg == "--mac")
            o.mac = value();
        else if (arg == "--ipv4")
            o.ipv4 = value();
        else if (arg == "--mask")
            o.mask = value();
        else if (arg == "--gateway")
            o.gateway = value();
        else if (arg == "--dhcp")
            o.dhcp = value();
        else if (arg == "--http-port")
            o.httpPort = std::atol(value().c_str());
        else if (arg == "--port" && o.command == "set-net")
            o.port = std::atol(value().c_str());
        else if (arg == "--interface")
            setenv("TARN_INTERFACE", value().c_str(), 1);
        else if (arg == "--group")
            setenv("TARN_GROUP", value().c_str(), 1);
        else if (arg == "--port" || arg == "--udp-port")
            setenv("TARN_PORT", value().c_str(), 1);
        else {
            std::fprintf(stderr, "unknown option %s\n", arg.c_str());
            usage();
            return 2;
        }
    }
    if (o.command != "discover" && o.command != "activate" && o.command != "set-net") {
        usage();
        return 2;
    }

    Collected collected;
    if (!TARN_Start_V40(onAnnouncement, 1, &collected))
        return failWithLastError();
    int rc = 0;
    if (o.command == "discover")
        rc = discover(o, collected);
    else if (o.command == "activate")
        rc = activate(o);
    else
        rc = setNet(o, collected);
    TARN_Stop();
    return rc;
}
