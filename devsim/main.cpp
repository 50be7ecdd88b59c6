// tarn-devsim: a fleet of simulated TARN devices on the segment (by default
// only on loopback), for the program's demo, its tests and its benchmarks.

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "makerdesk.h"
#include "simfleet.h"
#include "simserver.h"
#include "tarncrypto.h"

namespace {

volatile std::sig_atomic_t g_stop = 0;

void onSignal(int)
{
    g_stop = 1;
}

void usage()
{
    std::puts(
        "usage: tarn-devsim [--count N] [--inactive K] [--seed S] [--fleet FILE] [--state FILE]\n"
        "                   [--loss P] [--latency MS] [--interface ADDR|NAME] [--group ADDR] [--port P] [--quiet]\n"
        "\n"
        "  --count N       generate N devices (default 10) with varied models and addresses\n"
        "  --inactive K    K of them are not activated and use the factory address 192.168.1.64\n"
        "  --seed S        makes the generated fleet repeatable (default 1)\n"
        "  --fleet FILE    devices described one by one in JSON (see docs/devsim.md)\n"
        "  --state FILE    keep keys, passwords and settings across restarts\n"
        "  --loss P        lose each datagram, in or out, with probability P (0..1)\n"
        "  --latency MS    answer every request MS milliseconds late\n"
        "  --loopback-addresses  generated activated devices get addresses 127.0.x.y (HTTP port 8080)\n"
        "  --http          devices on loopback addresses serve a status page on their HTTP port\n"
        "  --interface     the interface to play on (default 127.0.0.1: only this machine)\n"
        "  --group, --port the multicast group and port (default TARN_GROUP, TARN_PORT or the protocol's)\n"
        "  --maker-dir DIR the simulated maker's folder (key pair, mailbox, security codes; default TARN_MAKER_DIR\n"
        "                  or a folder of this user under the temporary folder); tarn-maker works on it\n"
        "  --recovery-ttl S key requests, security codes and e-mail verification codes expire after S seconds\n"
        "                  (default 1800)\n"
        "\n"
        "Generated activated devices use the administrator password Admin12345.");
}

} // namespace

int main(int argc, char **argv)
{
    int count = 10;
    int inactive = 0;
    uint64_t seed = 1;
    std::string fleetPath;
    std::string makerDir = devsim::MakerDesk::defaultDir();
    long long recoveryTtl = 30 * 60;
    bool loopbackAddresses = false;
    devsim::ServerOptions options;
    options.channel = tarnwire::ChannelConfig::fromEnvironment();
    // Unlike the library, the simulator stays on this machine unless told otherwise.
    if (options.channel.interfaces.empty())
        options.channel.interfaces = {"127.0.0.1"};

    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        auto value = [&]() -> std::string {
            if (i + 1 >= argc) {
                std::fprintf(stderr, "tarn-devsim: %s needs a value\n", arg.c_str());
                std::exit(2);
            }
            return argv[++i];
        };
        if (arg == "--count")
            count = std::atoi(value().c_str());
        else if (arg == "--inactive")
            inactive = std::atoi(value().c_str());
        else if (arg == "--seed")
            seed = std::strtoull(value().c_str(), nullptr, 10);
        else if (arg == "--fleet")
            fleetPath = value();
        else if (arg == "--state")
            options.statePath = value();
        else if (arg == "--loss")
            options.loss = std::atof(value().c_str());
        else if (arg == "--latency")
            options.latencyMs = std::atoi(value().c_str());
        else if (arg == "--interface")
            options.channel.interfaces = {value()};
        else if (arg == "--group")
            options.channel.group = value();
        else if (arg == "--port") {
            const int port = std::atoi(value().c_str());
            if (port <= 0 || port > 65535) {
                std::fprintf(stderr, "tarn-devsim: --port takes 1 to 65535\n");
                return 2;
            }
            options.channel.port = uint16_t(port);
        }
        else if (arg == "--maker-dir")
            makerDir = value();
        else if (arg == "--recovery-ttl")
            recoveryTtl = std::atoll(value().c_str());
        else if (arg == "--loopback-addresses")
            loopbackAddresses = true;
        else if (arg == "--http")
            options.servePages = true;
        else if (arg == "--quiet")
            options.quiet = true;
        else if (arg == "--help" || arg == "-h") {
            usage();
            return 0;
        } else {
            std::fprintf(stderr, "tarn-devsim: unknown option %s\n", arg.c_str());
            usage();
            return 2;
        }
    }
    if (recoveryTtl < 1) {
        std::fprintf(stderr, "tarn-devsim: --recovery-ttl takes at least 1 second\n");
        return 2;
    }
    if (count < 0 || inactive < 0 || options.loss < 0 || options.loss >= 1 || options.latencyMs < 0) {
        std::fprintf(stderr, "tarn-devsim: counts, loss (0 to below 1) and latency must not be negative\n");
        return 2;
    }
    if (!tarnwire::cryptoInit()) {
        std::fprintf(stderr, "tarn-devsim: libsodium cannot start\n");
        return 1;
    }
    options.seed = seed;

    devsim::SimFleet fleet;
    std::string error;
    if (!fleetPath.empty()) {
        if (!fleet.loadFleetFile(fleetPath, seed, &error)) {
            std::fprintf(stderr, "tarn-devsim: %s\n", error.c_str());
            return 1;
        }
    } else {
        fleet.generate(count, inactive, seed, loopbackAddresses);
    }
    if (!options.statePath.empty() && !fleet.loadState(options.statePath, &error)) {
        std::fprintf(stderr, "tarn-devsim: %s\n", error.c_str());
        return 1;
    }

    devsim::MakerDesk maker(makerDir);
    if (!maker.open(&error)) {
        std::fprintf(stderr, "tarn-devsim: maker folder: %s\n", error.c_str());
        return 1;
    }
    devsim::RecoveryContext recovery;
    recovery.signKey = maker.signPublicKey();
    recovery.boxKey = maker.boxPublicKey();
    recovery.ttlSeconds = recoveryTtl;
    for (devsim::SimDevice &device : fleet.devices())
        device.recovery = &recovery;
    options.maker = &maker;

    devsim::SimServer server(fleet, options);
    if (!server.open(&error)) {
        std::fprintf(stderr, "tarn-devsim: %s\n", error.c_str());
        return 1;
    }
    std::signal(SIGINT, onSignal);
    std::signal(SIGTERM, onSignal);
    std::signal(SIGPIPE, SIG_IGN);
    std::printf("tarn-devsim: maker folder %s (tarn-maker --maker-dir %s)\n", makerDir.c_str(), makerDir.c_str());
    std::printf("tarn-devsim: %zu device(s) on group %s port %u\n", fleet.devices().size(),
                options.channel.group.c_str(), unsigned(options.channel.port));
    std::fflush(stdout);
    server.run(&g_stop);
    std::printf("tarn-devsim: stopped\n");
    return 0;
}
