#ifndef SIMSERVER_H
#define SIMSERVER_H

// The device side of the protocol for a whole fleet in one process: announces
// the devices, answers inquiry rounds after a random delay (unless the round
// lists the device as known), hands out challenges, opens sealed requests,
// runs each one once and answers retransmissions from a reply cache.

#include <csignal>
#include <functional>
#include <map>
#include <queue>
#include <random>
#include <string>
#include <unordered_map>

#include "multicastchannel.h"
#include "reassembler.h"
#include "simfleet.h"
#include "makerdesk.h"
#include "simhttpserver.h"

namespace devsim {

struct ServerOptions {
    tarnwire::ChannelConfig channel;
    double loss = 0.0;          // probability that any datagram, in or out, is lost
    int latencyMs = 0;          // added before every answer
    std::string statePath;      // saved after changes when not empty
    bool quiet = false;
    bool servePages = false;    // devices on loopback addresses serve a status page
    uint64_t seed = 1;
    const MakerDesk *maker = nullptr;   // answers the maker's security code requests when set
};

class SimServer
{
public:
    SimServer(SimFleet &fleet, ServerOptions options);

    bool open(std::string *error);
    // Runs until *stop becomes non-zero, then announces every departure.
    void run(volatile std::sig_atomic_t *stop);

private:
    using Clock = tarnwire::Clock;
    struct Event {
        Clock::time_point when;
        uint64_t order;
        std::function<void()> action;
        bool operator>(const Event &o) const { return when != o.when ? when > o.when : order > o.order; }
    };
    struct Round {
        Clock::time_point expires;
        std::unordered_multimap<uint32_t, int> deviceByHash;
        std::vector<uint8_t> suppressed;
    };
    struct ChallengeState {
        int device;
        uint8_t challenge[tarnwire::kChallengeSize];
        Clock::time_point expires;
    };
    struct CachedReply {
        std::vector<tarnwire::Bytes> datagrams;
        Clock::time_point expires;
        Clock::time_point lastSent;
    };

    void schedule(Clock::time_point when, std::function<void()> action);
    void send(const tarnwire::Bytes &datagram);
    void sendLater(std::vector<tarnwire::Bytes> datagrams);
    void announce(int device, int messageType, uint64_t txid = 0);
    void announceChange(int device);
    void handle(const tarnwire::Bytes &data);
    void handleInquiry(const tarnwire::Datagram &d);
    void handleHello(const tarnwire::Datagram &d);
    void handleRequest(const tarnwire::Datagram &d);
    void reject(uint64_t txid, const SimDevice *device);
    SimDevice *findTarget(const tarnwire::Target &target);
    void expire();
    void saveSoon();
    void servePages();
    void refreshPage(int device);
    void serveMakerRequests();
    bool lost();

    SimFleet &m_fleet;
    ServerOptions m_options;
    tarnwire::MulticastChannel m_channel;
    std::priority_queue<Event, std::vector<Event>, std::greater<Event>> m_events;
    uint64_t m_order = 0;
    std::mt19937_64 m_rng;
    std::map<uint64_t, Round> m_rounds;
    std::map<uint64_t, ChallengeState> m_challenges;
    std::map<uint64_t, CachedReply> m_replies;
    tarnwire::Reassembler m_reassembler;
    bool m_saveScheduled = false;
    SimHttpServer m_http;
    std::map<int, std::pair<std::string, uint16_t>> m_pageAddresses;   // device -> where its page is served
};

} // namespace devsim

#endif // SIMSERVER_H
